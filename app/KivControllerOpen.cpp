// Opening a file (open panel, drop, desktop) and showing its pictures.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include <cstdlib>

#include "FilePaths.h"
#include "KivController.h"
#include "Panels.h"
#include "ViewerSettings.h"
#include "pictures/PicturePresenter.h"
#include "ZorImageView.h"
#include "mpo.h"

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
    showPicture(bytes, currentNum_, totalCount_);
}

void KivController::showPicture(const QByteArray &bytes, int number, int count)
{
    const QString name = FilePaths::shownFileName(shownFile_);
    mainWindow()->setWindowTitle(QStringLiteral("%1 — %2 / %3").arg(name).arg(number).arg(count));
    emit pictureShown(shownFile_, bytes, number);
    if (pictures_ == nullptr)
        return outlets_.image->setPicture(bytes);
    pictures_->showPicture(bytes, number, count);
}

void KivController::startFile()
{
    emit fileStarted(shownFile_);
    if (pictures_ != nullptr)
        pictures_->startFile(mpFileName_);
}

void KivController::showSinglePicture(const QString &path)
{
    qInfo("Single Picture");
    const QByteArray picture = FilePaths::readFile(path);
    outlets_.totalTextField->setText("/ 1");
    outlets_.currentTextField->setText("1");
    outlets_.currentTextField->setEnabled(false);
    outlets_.previousButton->setEnabled(false);
    outlets_.nextButton->setEnabled(false);
    outlets_.mpoMenuItem->setEnabled(false);
    startFile();
    showPicture(picture, 1, 1);  // unreadable: the view shows nothing
    setProgressDisplayVisible(false);
}

// The steps both loaders take for an MPO file; returns the engine's result.
// The open panel's loader makes the file the current one once it loaded.
int KivController::loadMpoFile(const QString &path, bool makeCurrent)
{
    setProgressDisplayVisible(true);
    EngineCall call;
    if (const int result = callEngine(path, settings_.saveFolder(), MPO_LOAD_ONE, 0, call); result != 0)
        return result;
    const int count = call.count;
    const int number = call.representative != 0 ? call.representative : 1;
    outlets_.currentTextField->setText(QString::number(number));
    outlets_.totalTextField->setText(QString::asprintf("/ %3d", count));
    outlets_.currentTextField->setEnabled(true);
    outlets_.previousButton->setEnabled(true);
    outlets_.nextButton->setEnabled(true);
    outlets_.mpoMenuItem->setEnabled(true);
    currentNum_ = number;
    totalCount_ = count;
    if (number == 1)
        outlets_.previousButton->setEnabled(false);
    else if (count == number)
        outlets_.nextButton->setEnabled(false);
    if (makeCurrent)
        mpFileName_ = path;
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
    shownFile_ = path;
    if (hasExtension(path, "mpo")) {
        const int result = loadMpoFile(path, false);
        if (result != 0)
            outlets_.currentTextField->setEnabled(false);
        return result;
    }
    if (hasExtension(path, "jpg") || hasExtension(path, "jpeg"))
        showSinglePicture(path);
    return 0;
}

void KivController::selectAction()
{
    const QString path = panels_.openFile(mainWindow(), {"jpg", "jpeg", "mpo"});
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
    shownFile_ = path;
    outlets_.fileNameTextField->setText(FilePaths::shownFileName(path));
    if (!hasExtension(path, "mpo"))
        return showSinglePicture(path);
    qInfo("Multi Picture");
    loadMpoFile(path, true);
}

void KivController::updatePicture(int n)
{
    isLocked_ = true;
    // The engine refreshes the count, also when it fails after reading the
    // index; otherwise the count stays as it was.
    EngineCall call{totalCount_};
    const int result = callEngine(mpFileName_, mpSaveFolder_, MPO_LOAD_ONE, n, call);
    totalCount_ = call.count;
    if (result == 0 && call.picture != nullptr)
        showEnginePicture(call.picture, call.size);
    isLocked_ = false;
}

void KivController::showHandedOverDocument()
{
    outlets_.fileNameTextField->setText(FilePaths::shownFileName(mpFileName_));
    if (const int result = getPicturefromFile(mpFileName_); result != 0)
        qInfo("getPicturefromFile Error %d", result);
}

void KivController::mpofiledropedAction(ZorImageView *sender)
{
    qInfo("%s", "-[KivController mpofiledropedAction:]");
    if (sender == nullptr)
        return;
    if (!sender->dropedFileName().isEmpty())
        mpFileName_ = sender->dropedFileName().first();
    if (mpFileName_.isEmpty()) {
        outlets_.currentTextField->setEnabled(false);
        return;
    }
    outlets_.fileNameTextField->setText(FilePaths::shownFileName(mpFileName_));
    if (const int result = getPicturefromFile(mpFileName_); result != 0) {
        qInfo("getPicturefromFile Error %d", result);
        return;
    }
    mainWindow()->raise();
    mainWindow()->activateWindow();
}
