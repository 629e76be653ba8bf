// Opening a file (open panel, drop, desktop, folder steps) and showing its
// pictures. A file is shown whole or not at all: until it is, the label,
// the title, the picture and the file the commands act on stay those of the
// file on show.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include <cstdlib>
#include <utility>

#include "controller/KivController.h"
#include "controller/Panels.h"
#include "engine/mpo.h"
#include "engine/mpo_check.h"
#include "files/FilePaths.h"
#include "files/ViewerSettings.h"
#include "imaging/jpeg_decoder.h"
#include "pictures/PicturePresenter.h"
#include "stereo/side_by_side.h"
#include "view/ZorImageView.h"

using FilePaths::hasExtension;

int KivController::callEngine(const QString &path, const QString &folder, int mode, int selectNum,
                              EngineCall &call)
{
    const int result = readThroughEngine(path, folder, mode, selectNum, call, mpoStatusCallBack, this);
    if (result != 0)
        setProgressDisplayVisible(false);
    return result;
}

void KivController::showPicture(const QByteArray &bytes, int number, int count)
{
    const QString name = FilePaths::shownFileName(document_.shownPath());
    mainWindow()->setWindowTitle(QStringLiteral("%1 — %2 / %3").arg(name).arg(number).arg(count));
    emit pictureShown(document_.shownPath(), bytes, number);
    if (pictures_ == nullptr)
        return outlets_.image->setPicture(bytes);
    pictures_->showPicture(bytes, number, count);
}

// The file at `path` is the one on show from now on.
void KivController::startFile(const QString &path)
{
    document_.setShownPath(path);
    outlets_.fileNameTextField->setText(FilePaths::shownFileName(path));
    emit fileStarted(path);
    if (pictures_ != nullptr)
        pictures_->startFile(path, document_.heldPictures());
}

KivController::Failure KivController::showSinglePicture(const QString &path)
{
    qInfo("Single Picture");
    const QByteArray picture = FilePaths::readFile(path);
    const auto *bytes = reinterpret_cast<const unsigned char *>(picture.constData());
    if (picture.isEmpty())
        return {qtTrId(FilePaths::isReadableFile(path) ? "CauseEmpty" : "ReasonCannotOpen")};
    if (!imaging::readJpegHeader(bytes, std::size_t(picture.size())).read)
        return {qtTrId("ReasonNotJpeg")};
    document_.showSinglePicture();
    startFile(path);
    showPicture(picture, 1, 1);
    setProgressDisplayVisible(false);
    return {};
}

// A JPS or PNS file: its halves cut apart, then shown as an MPO pair is;
// an odd width shows the whole picture flat.
KivController::Failure KivController::showSideBySideFile(const QString &path)
{
    qInfo("Side-by-side Pair");
    const auto kind = hasExtension(path, "pns") ? stereo::SideBySideKind::Pns : stereo::SideBySideKind::Jps;
    setProgressDisplayVisible(true);
    const stereo::SideBySidePair pair = stereo::readSideBySideFile(FilePaths::toBytes(path).toStdString(), kind);
    setProgressDisplayVisible(false);
    const auto asBytes = [](const std::vector<unsigned char> &jpeg) {
        return QByteArray(reinterpret_cast<const char *>(jpeg.data()), qsizetype(jpeg.size()));
    };
    if (pair.fault != stereo::SideBySideFault::None)
        return {qtTrId(stereo::faultText(pair.fault).id)};
    if (pair.oddWidth) {
        document_.showSinglePicture();
        startFile(path);
        showPicture(asBytes(pair.whole), 1, 1);
        emit statusMessage(qtTrId("SideBySideOddWidth").arg(FilePaths::shownFileName(path)));
        return {};
    }
    document_.showSideBySide({asBytes(pair.left), asBytes(pair.right)});
    startFile(path);
    showPicture(document_.heldPictures().front(), 1, 2);
    return {};
}

// Loads an MPO file through the engine.
KivController::Failure KivController::loadMpoFile(const QString &path)
{
    qInfo("Multi Picture");
    setProgressDisplayVisible(true);
    EngineCall call;
    if (const int result = callEngine(path, settings_.saveFolder(), MPO_LOAD_ONE, 0, call); result != 0)
        return Failure{qtTrId(mpoProblemText(result, call.cause).id), result, call.cause};
    const int number = call.representative != 0 ? call.representative : 1;
    document_.showPictures(call.count, number);
    startFile(path);
    if (!call.picture.isEmpty())
        showPicture(call.picture, document_.current(), document_.count());
    else
        updatePicture(number);
    return {};
}

KivController::Failure KivController::showFile(const QString &path)
{
    if (FilePaths::isSideBySideName(path))
        return showSideBySideFile(path);
    if (hasExtension(path, "mpo"))
        return loadMpoFile(path);
    if (hasExtension(path, "jpg") || hasExtension(path, "jpeg"))
        return showSinglePicture(path);
    return {};  // not a picture file: nothing to do
}

void KivController::alertCannotShow(const QString &path, const Failure &failure)
{
    const QString named = qtTrId("FileReason").arg(FilePaths::shownFileName(path), failure.reason);
    const MPOCheck check = isIndexFault(failure) ? checkMPO(FilePaths::toBytes(path).toStdString()) : MPOCheck{};
    if (check.repairablePictures > 0) {
        setProgressDisplayVisible(false);
        offerRepair(path, withFindings(named, check), check);
    } else if (failure.result != 0) {
        showEngineAlert(failure.result, withFindings(named, check));
    } else {
        showAlert(qtTrId("OpenFailedTitle"), named);
        setProgressDisplayVisible(false);
    }
    if (document_.kind() == Document::Kind::Nothing)
        outlets_.fileNameTextField->setText(FilePaths::shownFileName(path));  // nothing else names it
}

// The one way a file becomes the one on show. Shown, it is also the file
// the commands act on, except a single JPEG picture chosen in a panel or
// stepped to, after which they act on the file they acted on before. Not
// shown, what is on show stays, and the user is told why: by an alert, after
// which a file dropped or handed over leaves the number field off, or, for
// a folder step, by the caller, which passes over the file.
KivController::Failure KivController::openFile(const QString &path, OpenedBy how)
{
    const QString before = document_.path();
    document_.setPath(path);  // what the loaders read the file's further pictures from
    const Failure failure = showFile(path);
    const bool keepsCommandsFile = (how == OpenedBy::Panel || how == OpenedBy::FolderStep) &&
                                   document_.kind() == Document::Kind::SinglePicture;
    if (failure || keepsCommandsFile)
        document_.setPath(before);
    if (!failure)
        return {};
    if (how == OpenedBy::FolderStep)
        return failure;
    if (how != OpenedBy::Panel)
        document_.loadFailed();
    alertCannotShow(path, failure);
    return failure;
}

int KivController::getPicturefromFile(const QString &path, OpenedBy how)
{
    const Failure failure = openFile(path, how);
    if (!failure)
        return 0;
    const int result = failure.result != 0 ? failure.result : MPO_REFUSED;
    qInfo("getPicturefromFile Error %d", result);
    return result;
}

void KivController::selectAction()
{
    const QString path = panels_.openFile(mainWindow(), qtTrId("PanelTitleOpen"), panelFolder(),
                                          {qtTrId("PanelViewerPictures"), {"mpo", "jpg", "jpeg", "jps", "pns"}});
    if (path.isEmpty())
        return;
    rememberFolder(path);
    if (FilePaths::lostInTransit(path) && !FilePaths::exists(path)) {
        showAlert(qtTrId("PanelNameLostTitle"), qtTrId("PanelNameLost").arg(FilePaths::shownFileName(path)));
        return;
    }
    openFile(path, OpenedBy::Panel);
}

void KivController::openChosenFile(const QString &path)
{
    if (!document_.isLocked())
        openFile(path, OpenedBy::Panel);
}

void KivController::updatePicture(int n)
{
    if (document_.kind() == Document::Kind::SideBySide) {
        const QList<QByteArray> &held = document_.heldPictures();
        const int number = n == 0 ? 1 : n;  // the left picture stands for the pair
        if (number >= 1 && number <= held.size())
            showPicture(held[number - 1], number, int(held.size()));
        return;
    }
    document_.setLocked(true);
    // The engine refreshes the count, also when it fails after reading the
    // index; otherwise the count stays as it was.
    EngineCall call;
    call.count = document_.count();
    const int result = callEngine(document_.path(), settings_.saveFolder(), MPO_LOAD_ONE, n, call);
    document_.setCount(call.count);
    if (result == 0 && !call.picture.isEmpty())
        showPicture(call.picture, document_.current(), document_.count());
    document_.setLocked(false);
    if (result != 0)
        showEngineAlert(result, qtTrId("FileReason").arg(FilePaths::shownFileName(document_.path()),
                                                         qtTrId(mpoProblemText(result, call.cause).id)));
}

void KivController::mpofiledropedAction(ZorImageView *sender)
{
    qInfo("%s", "-[KivController mpofiledropedAction:]");
    if (sender == nullptr || sender->dropedFileName().isEmpty())
        return;
    if (getPicturefromFile(sender->dropedFileName().first(), OpenedBy::Drop) != 0)
        return;
    mainWindow()->raise();
    mainWindow()->activateWindow();
}

void KivController::openHandedOver(const QString &path)
{
    if (document_.isLocked()) {
        QTimer::singleShot(200, this, [this, path] { openHandedOver(path); });
        return;
    }
    handedOver_ = path;
    showHandedOverDocument();
}

void KivController::showHandedOverDocument()
{
    getPicturefromFile(std::exchange(handedOver_, QString()), OpenedBy::Desktop);
}
