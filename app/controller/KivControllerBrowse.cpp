// Going from file to file (the folder's other pictures, the recent files)
// and copying the picture on show.
#include <QClipboard>
#include <QGuiApplication>

#include "files/FilePaths.h"
#include "controller/KivController.h"
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
    QString from = document_.shownPath(), path;
    for (;;) {
        QStringList unreadable;
        path = FolderFiles::step(from, step, unreadable);
        for (const QString &name : unreadable)
            passedOver << qtTrId("FileReason").arg(name, qtTrId("ReasonCannotOpen"));
        if (path.isEmpty())
            break;
        const Failure failure = showFile(path, true);
        if (!failure)
            break;
        passedOver << qtTrId("FileReason").arg(FilePaths::shownFileName(path), failure.reason);
        // On from the file passed over, the same way (from the first file on, from the last back).
        from = path;
        step = step == FolderFiles::Step::First ? FolderFiles::Step::Next
               : step == FolderFiles::Step::Last ? FolderFiles::Step::Previous
                                                 : step;
    }
    if (!passedOver.isEmpty())
        emit statusMessage(qtTrId("StatusPassedOver").arg(passedOver.join(qtTrId("ListSeparator"))));
    else if (path.isEmpty())
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
