// Making an MPO file from pictures the user chooses, and showing it.
#include <QRegularExpression>

#include "files/FilePaths.h"
#include "controller/KivController.h"
#include "window/MakeMpoDialog.h"
#include "controller/Panels.h"
#include "engine/mpo_joiner.h"

namespace {

// The name an MPO file made from `first` and its partners suggests itself:
// the first picture's, without the number or the side a pair's pictures
// carry (IMG_0001_L.JPG, DSC_0042_001.JPG), in its folder.
QString madeFileName(const QString &first)
{
    const qsizetype slash = first.lastIndexOf('/') + 1, dot = first.lastIndexOf('.');
    QString name = first.mid(slash, dot > slash ? dot - slash : -1);
    static const QRegularExpression partOfASet("[_-]([0-9]+|[LRlr])$");
    const QString shortened = QString(name).remove(partOfASet);
    return first.left(slash) + (shortened.isEmpty() ? name : shortened) + ".MPO";
}

}  // namespace

void KivController::makeMpoAction()
{
    if (document_.isLocked() || makeMpo_ == nullptr)
        return;
    const FileKind pictureKind{qtTrId("PanelJoinPictures"), {"jpg", "jpeg", "mpo"}};
    const QStringList chosen = panels_.openFiles(mainWindow(), qtTrId("PanelTitleJoinPictures"), panelFolder(), pictureKind);
    if (chosen.isEmpty())
        return;
    rememberFolder(chosen.first());
    makeMpo_->setPictures(chosen);
    if (panels_.runModal(*makeMpo_) != QDialog::Accepted)
        return;
    const QStringList pictures = makeMpo_->pictures();
    const QString path =
        panels_.saveFile(mainWindow(), qtTrId("PanelTitleJoinSave"), madeFileName(pictures.value(0)), {{qtTrId("PanelMpoFile"), {"MPO", "mpo"}}});
    if (path.isEmpty())
        return;
    rememberFolder(path);
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
    openFile(path, OpenedBy::Panel);
}
