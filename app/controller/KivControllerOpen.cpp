// Opening a file (open panel, drop, desktop) and showing its pictures.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include <cstdlib>

#include "files/FilePaths.h"
#include "controller/KivController.h"
#include "controller/Panels.h"
#include "files/ViewerSettings.h"
#include "pictures/PicturePresenter.h"
#include "view/ZorImageView.h"
#include "engine/mpo.h"
#include "stereo/side_by_side.h"

using FilePaths::hasExtension;

int KivController::callEngine(const QString &path, const QString &folder, int mode, int selectNum,
                              EngineCall &call)
{
    const QByteArray file = FilePaths::toBytes(path);
    const QByteArray saveFolder = FilePaths::toBytes(folder);
    const int result = chkMPOandSaved(file.constData(), &call.count, &call.representative, mode, selectNum,
                                      &call.picture, &call.size, saveFolder.constData(), mpoStatusCallBack, this);
    if (result != 0) {
        std::free(call.picture);
        call.picture = nullptr;
        mpoErrorDialog(result);
    }
    return result;
}


void KivController::showEnginePicture(unsigned char *buffer, int size)
{
    // One copy of the engine's bytes, and the engine's buffer freed at once.
    const QByteArray bytes(reinterpret_cast<const char *>(buffer), size);
    std::free(buffer);
    showPicture(bytes, document_.current(), document_.count());
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

void KivController::startFile()
{
    emit fileStarted(document_.shownPath());
    if (pictures_ != nullptr)
        pictures_->startFile(document_.path(), document_.heldPictures());
}

void KivController::showSinglePicture(const QString &path)
{
    qInfo("Single Picture");
    const QByteArray picture = FilePaths::readFile(path);
    document_.showSinglePicture();
    startFile();
    showPicture(picture, 1, 1);  // unreadable: the view shows nothing
    setProgressDisplayVisible(false);
}

// A JPS or PNS file: its halves cut apart, then shown as an MPO pair is;
// an odd width shows the whole picture flat. Returns 0, or MPO_REFUSED for
// a file that cannot be shown, after its alert.
int KivController::showSideBySideFile(const QString &path)
{
    qInfo("Side-by-side Pair");
    const auto kind = hasExtension(path, "pns") ? stereo::SideBySideKind::Pns : stereo::SideBySideKind::Jps;
    setProgressDisplayVisible(true);
    const stereo::SideBySidePair pair = stereo::readSideBySideFile(FilePaths::toBytes(path).toStdString(), kind);
    setProgressDisplayVisible(false);
    const QString name = FilePaths::shownFileName(path);
    const auto asBytes = [](const std::vector<unsigned char> &jpeg) {
        return QByteArray(reinterpret_cast<const char *>(jpeg.data()), qsizetype(jpeg.size()));
    };
    if (pair.fault != stereo::SideBySideFault::None) {
        static const char *const faults[] = {"", QT_TRID_NOOP("SideBySideCannotOpen"), QT_TRID_NOOP("SideBySideEmpty"),
                                             QT_TRID_NOOP("SideBySideNotJpeg"), QT_TRID_NOOP("SideBySideNotPng"),
                                             QT_TRID_NOOP("SideBySideTooLarge"), QT_TRID_NOOP("SideBySideTooNarrow")};
        document_.loadFailed();
        panels_.alert(mainWindow(), qtTrId("SideBySideUnreadableTitle"),
                      qtTrId(faults[int(pair.fault)]).arg(name));
        return MPO_REFUSED;
    }
    document_.setPath(path);
    if (pair.oddWidth) {
        document_.showSinglePicture();
        startFile();
        showPicture(asBytes(pair.whole), 1, 1);
        emit statusMessage(qtTrId("SideBySideOddWidth").arg(name));
        return 0;
    }
    document_.showSideBySide({asBytes(pair.left), asBytes(pair.right)});
    startFile();
    showPicture(document_.heldPictures().front(), 1, 2);
    return 0;
}

// The steps both loaders take for an MPO file; returns the engine's result.
// The open panel's loader makes the file the current one once it loaded.
int KivController::loadMpoFile(const QString &path, bool makeCurrent)
{
    setProgressDisplayVisible(true);
    EngineCall call;
    if (const int result = callEngine(path, settings_.saveFolder(), MPO_LOAD_ONE, 0, call); result != 0)
        return result;
    const int number = call.representative != 0 ? call.representative : 1;
    document_.showPictures(call.count, number);
    if (makeCurrent)
        document_.setPath(path);
    startFile();
    if (call.picture != nullptr)
        showEnginePicture(call.picture, call.size);
    else
        updatePicture(number);
    return 0;
}

int KivController::getPicturefromFile(const QString &path)
{
    qInfo("Multi Picture");
    document_.setShownPath(path);
    if (FilePaths::isSideBySideName(path))
        return showSideBySideFile(path);
    if (hasExtension(path, "mpo")) {
        const int result = loadMpoFile(path, false);
        if (result != 0)
            document_.loadFailed();
        return result;
    }
    if (hasExtension(path, "jpg") || hasExtension(path, "jpeg"))
        showSinglePicture(path);
    return 0;
}

void KivController::selectAction()
{
    const QString path = panels_.openFile(mainWindow(), {"jpg", "jpeg", "mpo", "jps", "pns"});
    if (path.isEmpty())
        return;
    if (FilePaths::lostInTransit(path) && !FilePaths::exists(path)) {
        panels_.alert(mainWindow(), qtTrId("PanelNameLostTitle"),
                      qtTrId("PanelNameLost").arg(FilePaths::shownFileName(path)));
        return;
    }
    openChosenFile(path);
}

void KivController::openChosenFile(const QString &path)
{
    document_.setShownPath(path);
    outlets_.fileNameTextField->setText(FilePaths::shownFileName(path));
    if (FilePaths::isSideBySideName(path)) {
        showSideBySideFile(path);
        return;
    }
    if (!hasExtension(path, "mpo"))
        return showSinglePicture(path);
    qInfo("Multi Picture");
    loadMpoFile(path, true);
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
    EngineCall call{document_.count()};
    const int result = callEngine(document_.path(), document_.saveFolder(), MPO_LOAD_ONE, n, call);
    document_.setCount(call.count);
    if (result == 0 && call.picture != nullptr)
        showEnginePicture(call.picture, call.size);
    document_.setLocked(false);
}

void KivController::showHandedOverDocument()
{
    outlets_.fileNameTextField->setText(FilePaths::shownFileName(document_.path()));
    if (const int result = getPicturefromFile(document_.path()); result != 0)
        qInfo("getPicturefromFile Error %d", result);
}

void KivController::mpofiledropedAction(ZorImageView *sender)
{
    qInfo("%s", "-[KivController mpofiledropedAction:]");
    if (sender == nullptr)
        return;
    if (!sender->dropedFileName().isEmpty())
        document_.setPath(sender->dropedFileName().first());
    if (document_.path().isEmpty()) {
        document_.loadFailed();
        return;
    }
    outlets_.fileNameTextField->setText(FilePaths::shownFileName(document_.path()));
    if (const int result = getPicturefromFile(document_.path()); result != 0) {
        qInfo("getPicturefromFile Error %d", result);
        return;
    }
    mainWindow()->raise();
    mainWindow()->activateWindow();
}
