// Splitting the file on show, what it wrote or why it could not, and the
// split-settings dialog.
#include <QAction>
#include <QDialog>
#include <QLineEdit>

#include <cstdlib>

#include "controller/KivController.h"
#include "controller/Panels.h"
#include "engine/mpo.h"
#include "files/FilePaths.h"
#include "files/ViewerSettings.h"

namespace {

constexpr int okCode = 1;
constexpr int cancelCode = 0;

// Whether a failed split is the save folder's doing, so that another folder may help.
bool aboutTheFolder(MPOCause cause)
{
    switch (cause) {
    case MPOCause::FolderUnusable:
    case MPOCause::CopyFailed:
    case MPOCause::DiskFull:
    case MPOCause::NotEnoughRoom:
    case MPOCause::NoOutputFile: return true;
    default: return false;
    }
}

}  // namespace

void KivController::split(int mode, int selectNum)
{
    // The split commands stay disabled until an MPO file is on show; one that
    // arrives before has no file to split.
    if (document_.path().isEmpty())
        return;
    for (;;) {
        const QString folder = settings_.saveFolder();
        if (folder == ViewerSettings::defaultSaveFolder() && !FilePaths::exists(folder))
            FilePaths::makeFolder(folder);  // made for the user only where it is the default
        EngineCall call;
        const int result = callEngine(document_.path(), folder, mode, selectNum, call);
        if (result == 0)
            return reportSplit(folder, call.report);
        const QString what = qtTrId("FileReason").arg(FilePaths::shownFileName(document_.path()),
                                                      qtTrId(mpoProblemText(result, call.cause).id));
        if (!aboutTheFolder(call.cause))
            return showEngineAlert(result, what);
        if (!askForAnotherFolder(result, qtTrId("SplitFolderNamed").arg(what, FilePaths::shown(folder))))
            return;
    }
}

// "N pictures written to FOLDER" and the first one's name, from the names
// the engine wrote (not the folder's, where another program may write too),
// and each picture it passed over.
void KivController::reportSplit(const QString &folder, const MPOSplitReport &report)
{
    QStringList written;
    for (const std::string &name : report.written)
        written << FilePaths::fromBytes(QByteArray::fromStdString(name));
    const QString shownFolder = FilePaths::shown(folder);
    QString said;
    if (written.isEmpty())
        said = qtTrId("StatusSplitNone").arg(shownFolder);
    else if (written.size() == 1)
        said = qtTrId("StatusSplitOne").arg(FilePaths::shownFileName(written.first()), shownFolder);
    else
        said = qtTrId("StatusSplitMany").arg(written.size()).arg(shownFolder, FilePaths::shownFileName(written.first()));
    for (const MPOSplitReport::Missed &missed : report.missed)
        said += QStringLiteral("; ") + qtTrId("StatusSplitMissed")
                                           .arg(FilePaths::shownFileName(document_.path()),
                                                qtTrId(mpoProblemText(0, missed.why).id))
                                           .arg(missed.number);
    emit statusMessage(said);
}

// Offers to choose another save folder after a split failed for the one it
// had; a folder chosen becomes the save folder, kept for the next start too.
bool KivController::askForAnotherFolder(int result, const QString &what)
{
    const QString title = qtTrId(engineAlertFor(result).title);
    const QString chosen = keepingFocus([&] {
        const bool choose = panels_.ask(mainWindow(), title, what, qtTrId("ChooseAnotherFolder"));
        return choose ? panels_.chooseFolder(mainWindow(), qtTrId("PanelTitleSaveFolder"), panelFolder()) : QString();
    });
    if (chosen.isEmpty())
        return false;
    rememberFolder(chosen, true);
    settings_.setSaveFolder(chosen);
    settings_.sync();
    return true;
}

void KivController::splitAllFilesAction()
{
    split(MPO_SAVE_ALL, 0);
}

void KivController::splitOneFileAction()
{
    split(MPO_SAVE_ONE, document_.current());
}

void KivController::splitSettingsAction()
{
    auto *window = qobject_cast<QDialog *>(outlets_.saveFolderTextField->window());
    const bool menuWasEnabled = outlets_.mpoMenuItem->isEnabled();
    outlets_.mpoMenuItem->setEnabled(false);
    outlets_.saveFolderTextField->setText(settings_.saveFolder());
    const int answer = panels_.runModal(*window);
    window->hide();
    // OK makes the field's folder the save folder, now and for the next
    // start; Cancel changes neither, whatever was chosen meanwhile.
    if (answer == okCode) {
        const QString folder = outlets_.saveFolderTextField->text();
        settings_.setSaveFolder(folder);
        settings_.sync();
    }
    outlets_.mpoMenuItem->setEnabled(menuWasEnabled);
}

void KivController::selectSaveFolderAction()
{
    QLineEdit *field = outlets_.saveFolderTextField;
    // The save folder's own, where it is there; else where the other panels start.
    const QString start = FilePaths::exists(field->text()) ? field->text() : panelFolder();
    const QString folder = panels_.chooseFolder(field->window(), qtTrId("PanelTitleSaveFolder"), start);
    if (folder.isEmpty())
        return;
    rememberFolder(folder, true);
    field->setText(folder);
}

void KivController::splitSettingsOKAction()
{
    qobject_cast<QDialog *>(outlets_.saveFolderTextField->window())->done(okCode);
}

void KivController::splitSettingsCancelAction()
{
    qobject_cast<QDialog *>(outlets_.saveFolderTextField->window())->done(cancelCode);
}
