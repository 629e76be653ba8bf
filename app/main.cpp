// mpoview: shows the pictures of MPO files one at a time and splits them.
#include <QApplication>
#include <QSettings>

#include "files/FilePaths.h"
#include "view/PictureMemory.h"
#include "window/QtPanels.h"
#include "window/Translations.h"
#include "window/ViewerWindows.h"

int main(int argc, char **argv)
{
    keepPictureMemoryForReuse();
    QApplication application(argc, argv);
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
