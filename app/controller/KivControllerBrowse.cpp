// Going from file to file (the folder's other pictures, the recent files)
// and copying the picture on show.
#include <QClipboard>
#include <QGuiApplication>

#include "files/FilePaths.h"
#include "controller/KivController.h"
#include "pictures/PicturePresenter.h"
#include "files/ViewerSettings.h"
#include "view/ZorImageView.h"

// Steps to the next file in the folder that can be shown. A file that cannot
// be (unreadable, empty, no picture, an index that cannot be read) is passed
// over without an alert, and the status bar names it and why.
void KivController::openFolderFile(FolderFiles::Step step)
{
    if (document_.shownPath().isEmpty() || document_.isLocked())
        return;
    QStringList passedOver;
    bool shown = false;
    for (const QString &path : FolderFiles::stepCandidates(document_.shownPath(), step)) {
        const QString name = FilePaths::shownFileName(path);
        if (!FilePaths::isReadableFile(path)) {
            passedOver << qtTrId("FileReason").arg(name, qtTrId("ReasonCannotOpen"));
            continue;
        }
        const Failure failure = openFile(path, OpenedBy::FolderStep);
        if (!failure) {
            shown = true;
            break;
        }
        passedOver << qtTrId("FileReason").arg(name, failure.reason);
    }
    // A folder of thousands of broken files is named by its first few.
    constexpr qsizetype namedAtMost = 10;
    if (passedOver.size() > namedAtMost) {
        const qsizetype more = passedOver.size() - namedAtMost;
        passedOver.resize(namedAtMost);
        passedOver << qtTrId("PassedOverMore").arg(more);
    }
    if (!passedOver.isEmpty())
        emit statusMessage(qtTrId("StatusPassedOver").arg(passedOver.join(qtTrId("ListSeparator"))));
    else if (!shown)
        emit statusMessage(qtTrId(step == FolderFiles::Step::Next || step == FolderFiles::Step::Last
                                      ? QT_TRID_NOOP("StatusLastFile")
                                      : QT_TRID_NOOP("StatusFirstFile")));
}

QString KivController::panelFolder() const
{
    const QString &shown = document_.shownPath();
    return shown.contains('/') ? shown.left(shown.lastIndexOf('/')) : settings_.lastFolder();
}

void KivController::rememberFolder(const QString &path, bool isFolder)
{
    const QString folder = isFolder ? path : path.left(path.lastIndexOf('/'));
    if (!folder.isEmpty())
        settings_.setLastFolder(folder);
}

void KivController::openRecentFile(const QString &path)
{
    if (!FilePaths::exists(path)) {
        emit recentFileMissing(path);
        emit statusMessage(qtTrId("StatusRecentMissing").arg(FilePaths::shown(path)));
        return;
    }
    openFile(path, OpenedBy::Panel);
}

void KivController::copyPictureAction()
{
    // A stereo view is copied as it would be exported: at full resolution.
    const QImage picture = pictures_ != nullptr && pictures_->showsPair() ? pictures_->fullSizeView()
                                                                          : outlets_.image->fullPicture();
    if (picture.isNull())
        return emit statusMessage(qtTrId("StatusNothingToCopy"));
    QGuiApplication::clipboard()->setImage(picture);
    emit statusMessage(qtTrId("StatusPictureCopied").arg(picture.width()).arg(picture.height()));
}
