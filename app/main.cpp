// mpoview: shows the pictures of MPO files one at a time and splits them.
#include <QApplication>
#include <QIcon>
#include <QSettings>

#include <cstdio>
#include <cstring>
#include <exception>
#include <new>

#include "files/FilePaths.h"
#include "view/PictureMemory.h"
#include "window/QtPanels.h"
#include "window/RunningViewer.h"
#include "window/Translations.h"
#include "window/ViewerWindows.h"

namespace {

// An event whose handling throws (memory ran out for a picture, say) is
// dropped with a message in the log, instead of ending the program.
class GuardedApplication : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject *receiver, QEvent *event) override
    {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::bad_alloc &) {
            qWarning("not enough memory to handle an event; it is dropped");
        } catch (const std::exception &error) {
            qWarning("an event could not be handled: %s", error.what());
        }
        return false;
    }
};

const char *usageText =
    "usage: mpoview [--new-window] [FILE...]\n"
    "Shows the pictures of MPO files (stereo pairs, multi-angle series), JPS,\n"
    "PNS and JPEG files one at a time, flat or in a stereo view, and splits MPO\n"
    "files losslessly into one JPEG file per picture.\n"
    "A viewer that runs already shows FILE and comes to the front.\n"
    "  --new-window  open a window of its own even while a viewer runs\n"
    "  --help      show this help\n"
    "  --version   show the version\n"
    "See mpoview(1) and the Help menu's Keyboard Shortcuts.\n";

// --help and --version are answered before Qt starts: they need no display.
// Returns the exit status, or -1 when the viewer is to start.
int answerWithoutDisplay(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0)
            return std::printf("%s", usageText) < 0 || std::fflush(stdout) != 0 ? 1 : 0;
        if (std::strcmp(argv[i], "--version") == 0)
            return std::printf("mpoview %s\n", MPO_VERSION) < 0 || std::fflush(stdout) != 0 ? 1 : 0;
        if (std::strcmp(argv[i], "--") == 0)
            break;
    }
    return -1;
}

}  // namespace

int main(int argc, char **argv)
{
    if (const int status = answerWithoutDisplay(argc, argv); status >= 0)
        return status;
    keepPictureMemoryForReuse();
    GuardedApplication application(argc, argv);
    QApplication::setOrganizationName("mpoview");
    QApplication::setApplicationName("mpoview");
    QApplication::setDesktopFileName("io.github.mpoview.MpoView");
    QApplication::setWindowIcon(QIcon(":/icons/io.github.mpoview.MpoView.svg"));
    installTranslations(application);

    // Files handed over by the desktop (the .desktop entry's %f), as the
    // bytes they were given in (QApplication took its own options out).
    QStringList files;
    bool newWindow = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--new-window") == 0)
            newWindow = true;
        else
            files << FilePaths::fromBytes(argv[i]);
    }
    if (!newWindow && RunningViewer::handOver(files))
        return 0;

    QSettings settings;
    QtPanels panels;
    ViewerWindows windows(settings, panels);
    ViewerService service(windows);
    if (!newWindow)
        service.offer();
    for (const QString &file : files)
        windows.controller().applicationOpenFile(file);
    windows.controller().applicationDidFinishLaunching();
    return QApplication::exec();
}
