// The View menu: Flat and each stereo view as a checkable item with its
// shortcut, Swap Left and Right, Auto Align, the offset keys that move the right
// picture, and Full Screen.
#pragma once

#include <QObject>
#include <optional>

#include "stereo_view.h"

class FullScreen;
class QAction;
class QActionGroup;
class QMainWindow;
class QMenu;
class StereoMode;
class PicturePresenter;

class ViewMenu : public QObject {
    Q_OBJECT
public:
    ViewMenu(QMainWindow &window, StereoMode &mode, PicturePresenter &presenter, FullScreen &fullScreen);

    QMenu *menu() const { return menu_; }
    // The item of a view; std::nullopt for Flat.
    QAction *itemFor(std::optional<stereo::View> view) const;
    QAction *swapItem() const { return swap_; }
    QAction *autoAlignItem() const { return autoAlign_; }
    QAction *fullScreenItem() const { return fullScreen_; }

private:
    void addViewItems();
    void addOffsetItems();
    void showMode();

    StereoMode &mode_;
    PicturePresenter &presenter_;
    QMenu *menu_;
    QActionGroup *views_;
    QAction *swap_ = nullptr;
    QAction *autoAlign_ = nullptr;
    QAction *fullScreen_ = nullptr;
};
