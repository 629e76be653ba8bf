#include "KivController.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QWidget>

#include "Panels.h"
#include "ZorImageView.h"

namespace {

const char *const saveFolderKey = "SaveFolderPath";
const char *const frameKey = "Kiv1Rect";
constexpr int stepRepeatMs = 200;  // a held step button repeats every 0.2 s
constexpr double redrawInterval = 0.03;

// The frame as "x y w h", which move() and resize() restore exactly.
QString savedFrame(const QWidget &window)
{
    return QString("%1 %2 %3 %4").arg(window.x()).arg(window.y()).arg(window.width()).arg(window.height());
}

void setFrameFromString(QWidget &window, const QString &frame)
{
    const QStringList parts = frame.split(' ', Qt::SkipEmptyParts);
    if (parts.size() != 4)
        return;
    int values[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        values[i] = parts[i].toInt(&ok);
        if (!ok)
            return;
    }
    if (values[2] <= 0 || values[3] <= 0)
        return;
    window.move(values[0], values[1]);
    window.resize(values[2], values[3]);
}

// Which alert a result code shows.
int messageNumberFor(int code)
{
    switch (code) {
    case -10:
    case -11:
    case -12: return 1;
    case -15: return 2;
    case -14: return 4;
    default: return 5;
    }
}

// A localized text by its key; a key without a text shows the key itself.
QString localized(const QString &key)
{
    return qtTrId(key.toUtf8().constData());
}

qint64 steadyMilliseconds()
{
    static QElapsedTimer timer;
    if (!timer.isValid())
        timer.start();
    return timer.elapsed();
}

}  // namespace

KivController::KivController(QSettings &settings, Panels &panels, QObject *parent)
    : QObject(parent), settings_(settings), panels_(panels), clock_(steadyMilliseconds)
{
}

QVariant KivController::setting(const QString &key) const
{
    return settings_.contains(key) ? settings_.value(key) : registeredDefaults_.value(key);
}

QWidget *KivController::mainWindow() const
{
    return outlets_.fileNameTextField->window();
}

void KivController::applicationOpenFile(const QString &path)
{
    qInfo("%s", "-[KivController application:openFile:]");
    mpFileName_ = path;
}

void KivController::applicationDidFinishLaunching()
{
    QWidget *window = mainWindow();
    const QVariant frame = settings_.value(frameKey);
    const QVariantMap defaults{{saveFolderKey, QDir(QDir::homePath()).filePath("Pictures")}};
    qInfo("%s", "-[KivController applicationDidFinishLaunching:]");
    isLocked_ = false;
    outlets_.image->setAcceptDrops(true);
    for (QPushButton *button : {outlets_.nextButton, outlets_.previousButton}) {
        button->setAutoRepeat(true);
        button->setAutoRepeatDelay(stepRepeatMs);
        button->setAutoRepeatInterval(stepRepeatMs);
    }
    outlets_.image->setImageScaling(ZorImageView::ImageScaling::ProportionallyDown);
    registeredDefaults_ = defaults;
    const QVariant saveFolder = setting(saveFolderKey);
    outlets_.previousButton->setEnabled(false);
    outlets_.nextButton->setEnabled(false);
    outlets_.mpoMenuItem->setEnabled(false);
    if (saveFolder.isValid())
        mpSaveFolder_ = saveFolder.toString();
    if (frame.isValid())
        setFrameFromString(*window, frame.toString());
    if (mpFileName_.isEmpty())
        outlets_.currentTextField->setEnabled(false);
    window->show();
    window->raise();
    window->activateWindow();
}

void KivController::applicationWillTerminate()
{
    qInfo("%s", "-[KivController applicationWillTerminate:]");
    settings_.setValue(frameKey, savedFrame(*mainWindow()));
    settings_.sync();
}

void KivController::windowWillClose()
{
    QCoreApplication::quit();
}

void mpoStatusCallBack(void *context, int num, int total)
{
    static_cast<KivController *>(context)->updateStatusTotal(num, total);
}

double KivController::secondsSinceLastUpdate() const
{
    // Negative for a time in the past, as the log shows it.
    return lastUpdate_ ? double(*lastUpdate_ - clock_()) / 1000.0 : 0.0;
}

void KivController::redrawProgressDisplay()
{
    outlets_.statusProgressIndicator->repaint();
    outlets_.statusTextField->repaint();
}

void KivController::setProgressDisplayVisible(bool visible)
{
    outlets_.statusProgressIndicator->setVisible(visible);
    outlets_.statusTextField->setVisible(visible);
}

// Moves the progress bar on every call, but redraws it only at the first
// call of a run, at most once per 30 ms in between, and at the last call.
void KivController::updateStatusTotal(int num, int total)
{
    QProgressBar *bar = outlets_.statusProgressIndicator;
    // The bar would repaint itself at once on a new value; the redraws are
    // ours to make, so it only takes the value here.
    bar->setUpdatesEnabled(false);
    bar->setRange(0, total);
    bar->setValue(num);
    bar->setUpdatesEnabled(true);

    if (num == 1) {
        lastUpdate_ = clock_();
        qInfo("Now Current %d  time = %f", 1, secondsSinceLastUpdate());
        setProgressDisplayVisible(true);
        redrawProgressDisplay();
    }
    if (secondsSinceLastUpdate() < -redrawInterval) {
        qInfo("Now Current %d  time = %f", num, secondsSinceLastUpdate());
        redrawProgressDisplay();
        lastUpdate_ = clock_();
    }
    if (num == total) {
        redrawProgressDisplay();
        setProgressDisplayVisible(false);
        lastUpdate_.reset();
    }
}

void KivController::mpoErrorDialog(int code)
{
    const int messageNumber = messageNumberFor(code);
    const QString title = localized(QString::asprintf("ErrorTitle%04d", messageNumber));
    const QString message = localized(QString::asprintf("ErrorMsg%04d", messageNumber));
    const int result = panels_.alert(mainWindow(), title, message);
    if (result != 0)
        qInfo("NSRunAlertPanel result %d", result);
    setProgressDisplayVisible(false);
}

// Commands whose work comes with opening, stepping and splitting files.
void KivController::selectAction() {}
void KivController::mpofiledropedAction(ZorImageView *) {}
void KivController::nextAction() {}
void KivController::previousAction() {}
void KivController::changeCurrentNum() {}
void KivController::splitAllFilesAction() {}
void KivController::splitOneFileAction() {}
void KivController::splitSettingsAction() {}
void KivController::selectSaveFolderAction() {}
void KivController::splitSettingsOKAction() {}
void KivController::splitSettingsCancelAction() {}
