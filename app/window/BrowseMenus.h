// What the items for getting around do: File ▸ Open Recent, Edit ▸ Copy
// Picture, the Go menu's steps through the folder's files, and the View
// menu's zoom and Information items with the docked information panel.
#pragma once

#include <QObject>

class ActionRegistry;
class BrowseGrid;
class InfoPanel;
class KivController;
class QAction;
class QLabel;
class QMainWindow;
class RecentFiles;
class StatusLine;
class ViewerSettings;
class ZorImageView;

class BrowseMenus : public QObject {
    Q_OBJECT
public:
    BrowseMenus(QMainWindow &window, const ActionRegistry &actions, ViewerSettings &settings,
                KivController &controller, ZorImageView &view, StatusLine &status);

    InfoPanel &infoPanel() const { return *infoPanel_; }
    RecentFiles &recentFiles() const { return *recent_; }
    QAction *informationItem() const;
    QLabel &zoomStatus() const { return *zoomStatus_; }
    BrowseGrid &browseGrid() const { return *grid_; }

private:
    void connectFileSteps();
    void addBrowseGrid();
    void setBrowsing(bool on);
    void connectZoom();
    void addInformationPanel();
    void showZoom();

    QMainWindow &window_;
    const ActionRegistry &actions_;
    ViewerSettings &settings_;
    KivController &controller_;
    ZorImageView &view_;
    StatusLine &status_;
    RecentFiles *recent_ = nullptr;
    InfoPanel *infoPanel_ = nullptr;
    QLabel *zoomStatus_ = nullptr;
    BrowseGrid *grid_ = nullptr;
};
