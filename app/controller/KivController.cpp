#include "controller/KivController.h"

#include <QAction>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

#include "controller/Panels.h"
#include "files/ViewerSettings.h"
#include "view/ZorImageView.h"

namespace {

constexpr int stepRepeatMs = 200;  // a held step button repeats every 0.2 s

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
    // A frame on a screen that is gone would put the window out of reach.
    const QRect frameRect(values[0], values[1], values[2], values[3]);
    const QScreen *screen = QGuiApplication::screenAt(frameRect.center());
    if (frameRect.isEmpty() || screen == nullptr)
        return;
    window.move(frameRect.topLeft());
    window.resize(frameRect.size());
}

qint64 steadyMilliseconds()
{
    static QElapsedTimer timer;
    if (!timer.isValid())
        timer.start();
    return timer.elapsed();
}

}  // namespace

KivController::KivController(ViewerSettings &settings, Panels &panels, QObject *parent)
    : QObject(parent), settings_(settings), panels_(panels), clock_(steadyMilliseconds)
{
    connect(&document_, &Document::changed, this, &KivController::updateButtonEnable);
}

// The folder splits write into: the one the settings hold, which Split
// Settings and the offer of another folder change.
QString KivController::mpSaveFolder() const
{
    return settings_.saveFolder();
}

QWidget *KivController::mainWindow() const
{
    return outlets_.fileNameTextField->window();
}

void KivController::applicationOpenFile(const QString &path)
{
    qInfo("%s", "-[KivController application:openFile:]");
    handedOver_ = path;
}

void KivController::applicationDidFinishLaunching()
{
    QWidget *window = mainWindow();
    const std::optional<QString> frame = settings_.frame();
    qInfo("%s", "-[KivController applicationDidFinishLaunching:]");
    document_.setLocked(false);
    outlets_.image->setAcceptDrops(true);
    for (QPushButton *button : {outlets_.nextButton, outlets_.previousButton}) {
        button->setAutoRepeat(true);
        button->setAutoRepeatDelay(stepRepeatMs);
        button->setAutoRepeatInterval(stepRepeatMs);
    }
    outlets_.image->setImageScaling(ZorImageView::ImageScaling::ProportionallyDown);
    updateButtonEnable();
    if (frame)
        setFrameFromString(*window, *frame);
    if (!handedOver_.isEmpty())
        showHandedOverDocument();
    window->show();
    window->raise();
    window->activateWindow();
}

void KivController::applicationWillTerminate()
{
    qInfo("%s", "-[KivController applicationWillTerminate:]");
    settings_.setFrame(savedFrame(*mainWindow()));
    settings_.sync();
}

void KivController::windowWillClose()
{
    QCoreApplication::quit();
}
