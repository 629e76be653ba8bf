// The items for getting around: File ▸ Open Recent, Edit ▸ Copy Picture,
// the Go menu's steps through the folder's files, and the View menu's zoom
// and Information items with the docked information panel. Each item is
// also held by the window, so its shortcut works in full screen.
#pragma once

#include <QObject>

class InfoPanel;
class KivController;
class QAction;
class QLabel;
class QMainWindow;
class QMenu;
class ViewerSettings;
class RecentFiles;
class ZorImageView;

struct BrowseMenuPlaces {
    QMenu *file;   // Open Recent goes behind `openItem`
    QAction *openItem;
    QMenu *view;
    QMenu *go;
};

class BrowseMenus : public QObject {
    Q_OBJECT
public:
    BrowseMenus(QMainWindow &window, ViewerSettings &settings, KivController &controller, ZorImageView &view,
                const BrowseMenuPlaces &places);

    InfoPanel &infoPanel() const { return *infoPanel_; }
    RecentFiles &recentFiles() const { return *recent_; }
    QAction *informationItem() const { return information_; }
    QLabel &zoomStatus() const { return *zoomStatus_; }

private:
    QAction *addItem(QMenu *menu, const char *textId, const QList<QKeySequence> &keys, QAction *before = nullptr);
    void addRecentMenu(const BrowseMenuPlaces &places);
    void addEditMenu();
    void addFileSteps(QMenu *go);
    void addZoomItems(QMenu *view, QAction *before);
    void addInformationPanel(QMenu *view, QAction *before);
    void showZoom();

    QMainWindow &window_;
    ViewerSettings &settings_;
    KivController &controller_;
    ZorImageView &view_;
    RecentFiles *recent_ = nullptr;
    InfoPanel *infoPanel_ = nullptr;
    QAction *information_ = nullptr;
    QLabel *zoomStatus_ = nullptr;
};
