// What the View menu's stereo items do: Flat and each stereo view, Swap
// Left and Right, Auto Align, Match Colors, the offset keys that move the
// right picture, the stereo window's rule, the level and the crop shape, and
// Full Screen, kept in step with the stereo mode.
#pragma once

#include <QObject>
#include <optional>
#include <utility>
#include <vector>

#include "stereo/alignment.h"

#include "window/ActionRegistry.h"

class FullScreen;
class QAction;
class QMainWindow;
class StereoMode;
class PicturePresenter;

class ViewMenu : public QObject {
    Q_OBJECT
public:
    ViewMenu(QMainWindow &window, const ActionRegistry &actions, StereoMode &mode, PicturePresenter &presenter,
             FullScreen &fullScreen);

    // The item of a view; std::nullopt for Flat.
    QAction *itemFor(std::optional<stereo::View> view) const { return actions_.viewItem(view); }
    QAction *swapItem() const { return actions_.action(Command::Swap); }
    QAction *autoAlignItem() const { return actions_.action(Command::AutoAlign); }
    QAction *fullScreenItem() const { return actions_.action(Command::FullScreen); }

private:
    void showMode();
    static std::vector<std::pair<Command, stereo::WindowRule>> windowItems();
    static std::vector<std::pair<Command, double>> cropItems();

    const ActionRegistry &actions_;
    StereoMode &mode_;
};
