// One viewer on the desktop: the first one started offers itself on the
// session bus; a later `mpoview FILE` hands FILE over to it (the running
// window shows it and comes to the front) and ends at once. Without a
// session bus, or with --new-window, every launch opens its own window.
#pragma once

#include <QObject>
#include <QStringList>

class ViewerWindows;

namespace RunningViewer {

inline constexpr const char *serviceName = "io.github.mpoview.MpoView";
inline constexpr const char *objectPath = "/io/github/mpoview/MpoView";

// Hands `paths` (none: the window only comes to the front) to a viewer
// that runs; true when one took them.
bool handOver(const QStringList &paths);

}  // namespace RunningViewer

// What the running viewer offers on the bus: Open(files) and, for scripts
// and tests, the file on show.
class ViewerService : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "io.github.mpoview.MpoView1")
    Q_PROPERTY(QString ShownFile READ shownFile)
public:
    explicit ViewerService(ViewerWindows &windows, QObject *parent = nullptr);

    // Claims the viewer's name on the session bus; false when there is no
    // bus or another viewer holds the name.
    bool offer();
    QString shownFile() const;

public slots:
    // Paths as bytes, so that names that are not UTF-8 come over whole.
    void Open(const QList<QByteArray> &paths);

private:
    ViewerWindows &windows_;
};
