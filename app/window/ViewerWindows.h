// Loads the window layout: makes the main window, the split-settings dialog
// and the controller, gives the controller its outlets, and wires every
// command, the picture view's drops and the application's events to it.
#pragma once

#include <QDialog>
#include <QMainWindow>
#include <memory>

#include "window/ActionRegistry.h"
#include "window/BrowseMenus.h"
#include "window/FullScreen.h"
#include "controller/KivController.h"
#include "window/MakeMpoDialog.h"
#include "window/ConvertDialog.h"
#include "pictures/StereoMode.h"
#include "files/ViewerSettings.h"
#include "pictures/PicturePresenter.h"
#include "window/ShortcutsWindow.h"
#include "window/StatusLine.h"
#include "window/ViewMenu.h"
#include "ui_MainWindow.h"
#include "ui_SplitSettings.h"

class QSettings;
class Panels;

class ViewerWindows {
public:
    ViewerWindows(QSettings &settings, Panels &panels);
    ~ViewerWindows();
    ViewerWindows(const ViewerWindows &) = delete;
    ViewerWindows &operator=(const ViewerWindows &) = delete;

    QMainWindow &mainWindow() { return mainWindow_; }
    QDialog &splitSettingsWindow() { return splitSettingsWindow_; }
    KivController &controller() { return controller_; }
    StereoMode &stereoMode() { return stereoMode_; }
    PicturePresenter &picturePresenter() { return picturePresenter_; }
    FullScreen &fullScreen() { return fullScreen_; }
    MakeMpoDialog &makeMpoDialog() { return makeMpoDialog_; }
    ConvertDialog &convertDialog() { return convertDialog_; }
    ActionRegistry &actions() { return *actions_; }
    ViewMenu &viewMenu() { return *viewMenu_; }
    BrowseMenus &browseMenus() { return *browseMenus_; }
    QLabel &stereoStatus() { return *stereoStatus_; }
    StatusLine &statusLine() { return *statusLine_; }
    ShortcutsWindow &shortcutsWindow() { return *shortcutsWindow_; }
    const Ui::MainWindow &ui() const { return ui_; }
    const Ui::SplitSettings &settingsUi() const { return settingsUi_; }

private:
    void connectCommands();
    void connectStereo();
    void connectHelp(Panels &panels);

    ViewerSettings settings_;
    QMainWindow mainWindow_;
    Ui::MainWindow ui_;
    QDialog splitSettingsWindow_;
    Ui::SplitSettings settingsUi_;
    KivController controller_;
    StereoMode stereoMode_;
    PicturePresenter picturePresenter_;
    FullScreen fullScreen_;
    MakeMpoDialog makeMpoDialog_;
    ConvertDialog convertDialog_;
    ActionRegistry *actions_ = nullptr;  // owned by the main window
    ViewMenu *viewMenu_ = nullptr;       // owned by the main window
    BrowseMenus *browseMenus_ = nullptr;  // owned by the main window
    StatusLine *statusLine_ = nullptr;  // owned by the status bar
    QLabel *stereoStatus_ = nullptr;  // owned by the status bar
    ShortcutsWindow *shortcutsWindow_ = nullptr;  // owned by the main window
    std::unique_ptr<QObject> closeWatcher_;
};
