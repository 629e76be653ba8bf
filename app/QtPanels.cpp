#include "QtPanels.h"

#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>

QString QtPanels::openFile(QWidget *parent, const QStringList &extensions)
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
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

QString QtPanels::chooseFolder(QWidget *parent, const QString &start)
{
    return QFileDialog::getExistingDirectory(parent, QString(), start, QFileDialog::ShowDirsOnly);
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
