#include "window/QtPanels.h"

#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include "files/FilePaths.h"

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
    QFileDialog dialog(parent, QString(), QString(), qtTrId("PanelPictureFilter").arg(patterns.join(' ')));
    dialog.setFileMode(mode);
    QStringList files;
    if (dialog.exec() == QDialog::Accepted)
        for (const QString &file : dialog.selectedFiles())
            files << FilePaths::recovered(file);
    return files;
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
    return FilePaths::recovered(
        QFileDialog::getExistingDirectory(parent, QString(), FilePaths::shown(start), QFileDialog::ShowDirsOnly));
}

QString QtPanels::saveFile(QWidget *parent, const QString &suggested, const QStringList &extensions)
{
    QStringList filters;
    for (const QString &extension : extensions)
        filters << qtTrId("PanelFileFilter").arg(extension.toUpper(), extension);
    QFileDialog dialog(parent, QString(), FilePaths::shown(suggested), filters.join(";;"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(extensions.value(0));
    // The writer never replaces a file; asking the user whether to would mislead.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString chosen = FilePaths::recovered(dialog.selectedFiles().first());
    // A suggested name the user kept keeps its bytes too.
    const QString folder = chosen.left(chosen.lastIndexOf('/') + 1);
    const QString suggestedName = suggested.mid(suggested.lastIndexOf('/') + 1);
    if (chosen.mid(folder.size()) == FilePaths::shown(suggestedName))
        return folder + suggestedName;
    return chosen;
}

int QtPanels::alert(QWidget *parent, const QString &title, const QString &message)
{
    QMessageBox box(QMessageBox::Warning, title, message, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
    return 1;
}

bool QtPanels::ask(QWidget *parent, const QString &title, const QString &message, const QString &action)
{
    QMessageBox box(QMessageBox::Warning, title, message, QMessageBox::Cancel, parent);
    box.setTextFormat(Qt::PlainText);
    QPushButton *take = box.addButton(action, QMessageBox::AcceptRole);
    box.setDefaultButton(take);
    box.exec();
    return box.clickedButton() == take;
}

int QtPanels::runModal(QDialog &dialog)
{
    return dialog.exec();
}
