#include "window/RunningViewer.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QDBusMetaType>
#include <QMainWindow>

#include "controller/KivController.h"
#include "files/FilePaths.h"
#include "window/ViewerWindows.h"

namespace {

constexpr const char *interfaceName = "io.github.mpoview.MpoView1";
// A viewer that does not answer within this is taken to be gone.
constexpr int answerWithinMs = 2000;

// Paths go over the bus as arrays of bytes ("aay").
void registerPathLists()
{
    qDBusRegisterMetaType<QList<QByteArray>>();
}

}  // namespace

bool RunningViewer::handOver(const QStringList &paths)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface()->isServiceRegistered(serviceName))
        return false;
    registerPathLists();
    QDBusInterface viewer(serviceName, objectPath, interfaceName, bus);
    viewer.setTimeout(answerWithinMs);
    QList<QByteArray> bytes;
    // The running viewer works in a folder of its own: names go over whole.
    for (const QString &path : paths)
        bytes << FilePaths::toBytes(FilePaths::absolute(path));
    const QDBusMessage answer = viewer.call("Open", QVariant::fromValue(bytes));
    return answer.type() == QDBusMessage::ReplyMessage;
}

ViewerService::ViewerService(ViewerWindows &windows, QObject *parent) : QObject(parent), windows_(windows)
{
    registerPathLists();
}

bool ViewerService::offer()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    return bus.isConnected() &&
           bus.registerObject(RunningViewer::objectPath, this,
                              QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllProperties) &&
           bus.registerService(RunningViewer::serviceName);
}

QString ViewerService::shownFile() const
{
    return windows_.controller().document().shownPath();
}

void ViewerService::Open(const QList<QByteArray> &paths)
{
    // As from the desktop at start: the last file given is the one shown.
    if (!paths.isEmpty())
        windows_.controller().openHandedOver(FilePaths::fromBytes(paths.last()));
    QMainWindow &window = windows_.mainWindow();
    window.show();
    window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.raise();
    window.activateWindow();
}
