#include "window/QtPanels.h"

#include <QApplication>
#include <QDialog>
#include <QIcon>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTextDocument>

#include "files/FilePaths.h"

namespace {

// "MPO and JPEG pictures (*.mpo *.jpg *.jpeg)"; Qt's own panel matches the
// patterns in any case.
QString filterOf(const FileKind &kind)
{
    QStringList patterns;
    for (const QString &extension : kind.extensions)
        patterns << "*." + extension;
    return kind.name + " (" + patterns.join(' ') + ")";
}

// The files of an open panel, one or several.
QStringList chooseFiles(QWidget *parent, const QString &title, const QString &start, const FileKind &kind,
                        QFileDialog::FileMode mode)
{
    QFileDialog dialog(parent, title, FilePaths::shown(start), filterOf(kind));
    dialog.setFileMode(mode);
    QStringList files;
    if (dialog.exec() == QDialog::Accepted)
        for (const QString &file : dialog.selectedFiles())
            files << FilePaths::recovered(file);
    return files;
}

// A message box that shows its title in bold above the message, as well as
// in the window's title bar, which a window manager cuts short on a narrow
// box. Both are shown as plain text, whatever characters a file name holds.
class MessageBox : public QMessageBox {
public:
    MessageBox(Icon icon, const QString &title, const QString &message, StandardButtons buttons, QWidget *parent)
        : QMessageBox(icon, title, QString(), buttons, parent)
    {
        setTextFormat(Qt::RichText);
        setText("<b>" + title.toHtmlEscaped() + "</b>");
        setInformativeText(Qt::convertFromPlainText(message, Qt::WhiteSpaceNormal));
    }
};

}  // namespace

QString QtPanels::openFile(QWidget *parent, const QString &title, const QString &start, const FileKind &kind)
{
    return chooseFiles(parent, title, start, kind, QFileDialog::ExistingFile).value(0);
}

QStringList QtPanels::openFiles(QWidget *parent, const QString &title, const QString &start, const FileKind &kind)
{
    return chooseFiles(parent, title, start, kind, QFileDialog::ExistingFiles);
}

QString QtPanels::chooseFolder(QWidget *parent, const QString &title, const QString &start)
{
    return FilePaths::recovered(
        QFileDialog::getExistingDirectory(parent, title, FilePaths::shown(start), QFileDialog::ShowDirsOnly));
}

QString QtPanels::saveFile(QWidget *parent, const QString &title, const QString &suggested,
                           const QList<FileKind> &kinds)
{
    QStringList filters;
    for (const FileKind &kind : kinds)
        filters << filterOf(kind);
    QFileDialog dialog(parent, title, FilePaths::shown(suggested), filters.join(";;"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // The suffix follows the kind chosen, and a name the user typed keeps its own.
    const QString suffix = suggested.mid(suggested.lastIndexOf('.') + 1);
    for (const FileKind &kind : kinds)
        if (kind.extensions.contains(suffix, Qt::CaseInsensitive))
            dialog.selectNameFilter(filterOf(kind));
    dialog.setDefaultSuffix(suffix);
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString &filter) {
        for (const FileKind &kind : kinds)
            if (filterOf(kind) == filter && !kind.extensions.isEmpty())
                dialog.setDefaultSuffix(kind.extensions.first());
    });
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
    MessageBox box(QMessageBox::Warning, title, message, QMessageBox::Ok, parent);
    box.exec();
    return 1;
}

void QtPanels::inform(QWidget *parent, const QString &title, const QString &message)
{
    MessageBox box(QMessageBox::Information, title, message, QMessageBox::Ok, parent);
    const QIcon icon = QApplication::windowIcon();
    if (!icon.isNull())
        box.setIconPixmap(icon.pixmap(64, 64));
    box.exec();
}

bool QtPanels::ask(QWidget *parent, const QString &title, const QString &message, const QString &action)
{
    MessageBox box(QMessageBox::Warning, title, message, QMessageBox::Cancel, parent);
    QPushButton *take = box.addButton(action, QMessageBox::AcceptRole);
    box.setDefaultButton(take);
    box.exec();
    return box.clickedButton() == take;
}

int QtPanels::runModal(QDialog &dialog)
{
    return dialog.exec();
}
