// Splitting the file on show, and the split-settings dialog.
#include <QAction>
#include <QDialog>
#include <QLineEdit>
#include "files/ViewerSettings.h"

#include <cstdlib>

#include "controller/KivController.h"
#include "controller/Panels.h"
#include "engine/mpo.h"

namespace {

constexpr int okCode = 1;
constexpr int cancelCode = 0;

}  // namespace

void KivController::split(int mode, int selectNum)
{
    // The split commands stay disabled until an MPO file is on show; one that
    // arrives before has no file to split.
    if (document_.path().isEmpty())
        return;
    EngineCall call;
    const int result = callEngine(document_.path(), document_.saveFolder(), mode, selectNum, call);
    std::free(call.picture);  // only a load hands a picture back
    if (result != 0)
        mpoErrorDialog(result);
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
    if (answer == okCode) {
        settings_.setSaveFolder(outlets_.saveFolderTextField->text());
        settings_.sync();
    }
    outlets_.mpoMenuItem->setEnabled(menuWasEnabled);
}

void KivController::selectSaveFolderAction()
{
    QLineEdit *field = outlets_.saveFolderTextField;
    const QString folder = panels_.chooseFolder(field->window(), field->text());
    if (folder.isEmpty())
        return;
    field->setText(folder);
    document_.setSaveFolder(folder);
}

void KivController::splitSettingsOKAction()
{
    qobject_cast<QDialog *>(outlets_.saveFolderTextField->window())->done(okCode);
}

void KivController::splitSettingsCancelAction()
{
    qobject_cast<QDialog *>(outlets_.saveFolderTextField->window())->done(cancelCode);
}
