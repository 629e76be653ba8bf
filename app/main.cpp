// mpoview: shows the pictures of MPO files one at a time and splits them.
#include <QApplication>
#include <QSettings>

#include <exception>
#include <new>

#include "files/FilePaths.h"
#include "view/PictureMemory.h"
#include "window/QtPanels.h"
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

}  // namespace

int main(int argc, char **argv)
{
    keepPictureMemoryForReuse();
    GuardedApplication application(argc, argv);
    QApplication::setOrganizationName("mpoview");
    QApplication::setApplicationName("mpoview");
    installTranslations(application);

    QSettings settings;
    QtPanels panels;
    ViewerWindows windows(settings, panels);
    // Files handed over by the desktop (the .desktop entry's %f) come first,
    // as the bytes they were given in (QApplication took its own options out).
    for (int i = 1; i < argc; ++i)
        windows.controller().applicationOpenFile(FilePaths::fromBytes(argv[i]));
    windows.controller().applicationDidFinishLaunching();
    return QApplication::exec();
}
