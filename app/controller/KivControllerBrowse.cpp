// Going from file to file (the folder's other pictures, the recent files)
// and copying the picture on show.
#include <QClipboard>
#include <QGuiApplication>

#include "files/FilePaths.h"
#include "controller/KivController.h"
#include "view/ZorImageView.h"

void KivController::openFolderFile(FolderFiles::Step step)
{
    if (document_.shownPath().isEmpty() || document_.isLocked())
        return;
    QStringList skipped;
    const QString path = FolderFiles::step(document_.shownPath(), step, skipped);
    if (!skipped.isEmpty())
        emit statusMessage(qtTrId("StatusSkippedUnreadable").arg(skipped.join(", ")));
    else if (path.isEmpty())
        emit statusMessage(qtTrId(step == FolderFiles::Step::Next || step == FolderFiles::Step::Last
                                      ? QT_TRID_NOOP("StatusLastFile")
                                      : QT_TRID_NOOP("StatusFirstFile")));
    if (!path.isEmpty())
        openChosenFile(path);
}

void KivController::openRecentFile(const QString &path)
{
    if (!FilePaths::exists(path)) {
        emit recentFileMissing(path);
        emit statusMessage(qtTrId("StatusRecentMissing").arg(FilePaths::shown(path)));
        return;
    }
    openChosenFile(path);
}

void KivController::copyPictureAction()
{
    const QImage picture = outlets_.image->fullPicture();
    if (picture.isNull())
        return emit statusMessage(qtTrId("StatusNothingToCopy"));
    QGuiApplication::clipboard()->setImage(picture);
    emit statusMessage(qtTrId("StatusPictureCopied").arg(picture.width()).arg(picture.height()));
}
