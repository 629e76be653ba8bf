// Progress of an engine run and the alert after a failed one.
#include <QLabel>
#include <QProgressBar>

#include "controller/KivController.h"
#include "controller/Panels.h"
#include "engine/mpo.h"
#include "view/ZorImageView.h"

namespace {

constexpr double redrawInterval = 0.03;  // seconds between forced redraws

}  // namespace

KivController::AlertTexts KivController::engineAlertFor(int code)
{
    switch (code) {
    case MPO_PATH_UNEXAMINED:
    case MPO_CANNOT_OPEN:
    case MPO_REFUSED: return {QT_TRID_NOOP("ErrorTitle0001"), QT_TRID_NOOP("ErrorMsg0001")};
    case MPO_NO_ROOM: return {QT_TRID_NOOP("ErrorTitle0002"), QT_TRID_NOOP("ErrorMsg0002")};
    case MPO_WRITE_FAILED: return {QT_TRID_NOOP("ErrorTitle0004"), QT_TRID_NOOP("ErrorMsg0004")};
    default: return {QT_TRID_NOOP("ErrorTitle0005"), QT_TRID_NOOP("ErrorMsg0005")};
    }
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
    showEngineAlert(code, {});
}

void KivController::showEngineAlert(int code, const QString &about)
{
    const AlertTexts texts = engineAlertFor(code);
    const QString title = qtTrId(texts.title), message = qtTrId(texts.message);
    const int result = showAlert(title, about.isEmpty() ? message : about + "\n\n" + message);
    if (result != 0)
        qInfo("NSRunAlertPanel result %d", result);
    setProgressDisplayVisible(false);
}

int KivController::showAlert(const QString &title, const QString &message)
{
    return keepingFocus([&] { return panels_.alert(mainWindow(), title, message); });
}

void KivController::giveFocusBack(QWidget *focused)
{
    if (focused != nullptr && focused->isEnabled())
        focused->setFocus();
    else
        outlets_.image->setFocus();
}
