#include "QtPanels.h"

#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>

namespace {

// The files of an open panel, one or several, among these extensions.
QStringList chooseFiles(QWidget *parent, const QStringList &extensions, QFileDialog::FileMode mode)
{
    // Extensions match in any case: IMG_0001.MPO as well as photo.jpg.
    QStringList patterns;
    for (const QString &extension : extensions) {
        QString pattern = "*.";
        for (const QChar c : extension)
            pattern += QString("[%1%2]").arg(c.toLower(), c.toUpper());
        patterns << pattern;
    }
    QFileDialog dialog(parent, QString(), QString(), QObject::tr("Pictures (%1)").arg(patterns.join(' ')));
    dialog.setFileMode(mode);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles() : QStringList();
}

}  // namespace

QString QtPanels::openFile(QWidget *parent, const QStringList &extensions)
{
    return chooseFiles(parent, extensions, QFileDialog::ExistingFile).value(0);
}

QStringList QtPanels::openFiles(QWidget *parent, const QStringList &extensions)
{
    return chooseFiles(parent, extensions, QFileDialog::ExistingFiles);
}

QString QtPanels::chooseFolder(QWidget *parent, const QString &start)
{
    return QFileDialog::getExistingDirectory(parent, QString(), start, QFileDialog::ShowDirsOnly);
}

QString QtPanels::saveFile(QWidget *parent, const QString &suggested, const QStringList &extensions)
{
    QStringList filters;
    for (const QString &extension : extensions)
        filters << QObject::tr("%1 files (*.%2)").arg(extension.toUpper(), extension);
    QFileDialog dialog(parent, QString(), suggested, filters.join(";;"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(extensions.value(0));
    // The writer never replaces a file; asking the user whether to would mislead.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

int QtPanels::alert(QWidget *parent, const QString &title, const QString &message)
{
    QMessageBox box(QMessageBox::Warning, title, message, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
    return 1;
}

int QtPanels::runModal(QDialog &dialog)
{
    return dialog.exec();
}
