// Making an MPO file from pictures the user chooses, and showing it.
#include <QDir>
#include <QFileInfo>

#include "files/FilePaths.h"
#include "controller/KivController.h"
#include "window/MakeMpoDialog.h"
#include "controller/Panels.h"
#include "engine/mpo_joiner.h"

void KivController::makeMpoAction()
{
    if (document_.isLocked() || makeMpo_ == nullptr)
        return;
    const QStringList chosen = panels_.openFiles(mainWindow(), {"jpg", "jpeg", "mpo"});
    if (chosen.isEmpty())
        return;
    makeMpo_->setPictures(chosen);
    if (panels_.runModal(*makeMpo_) != QDialog::Accepted)
        return;
    const QStringList pictures = makeMpo_->pictures();
    const QFileInfo first(pictures.value(0));
    const QString path =
        panels_.saveFile(mainWindow(), QDir(first.absolutePath()).filePath(first.completeBaseName() + ".MPO"), {"mpo"});
    if (path.isEmpty())
        return;
    std::vector<std::string> inputs;
    for (const QString &picture : pictures)
        inputs.push_back(FilePaths::toBytes(picture).toStdString());
    MPOJoinSettings settings;
    settings.type = makeMpo_->type();
    settings.firstOfMultiPicture = makeMpo_->takesFirstPicture();
    MPOJoinProblem problem;
    if (joinMPO(inputs, FilePaths::toBytes(path).toStdString(), settings, problem) != MPO_JOIN_DONE) {
        const QString reason = QString::fromStdString(problem.reason);
        showAlert(qtTrId("JoinFailedTitle"),
                      problem.input >= 0 ? FilePaths::shown(pictures.value(problem.input)) + " " + reason : reason);
        return;
    }
    emit statusMessage(qtTrId("StatusPicturesJoined").arg(pictures.size()).arg(FilePaths::shown(path)));
    openChosenFile(path);
}
