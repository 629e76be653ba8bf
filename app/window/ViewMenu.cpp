#include "window/ViewMenu.h"

#include <QAction>
#include <algorithm>
#include <QMainWindow>

#include "window/FullScreen.h"
#include "pictures/StereoMode.h"
#include "pictures/PicturePresenter.h"

ViewMenu::ViewMenu(QMainWindow &window, const ActionRegistry &actions, StereoMode &mode, PicturePresenter &presenter,
                   FullScreen &fullScreen)
    : QObject(&window), actions_(actions), mode_(mode)
{
    for (QAction *item : actions_.viewItems()) {
        const int data = item->data().toInt();
        const std::optional<stereo::View> view = data < 0 ? std::nullopt : std::optional(stereo::View(data));
        connect(item, &QAction::triggered, &mode_, [this, view] { mode_.setView(view); });
    }
    connect(swapItem(), &QAction::toggled, &mode_, &StereoMode::setSwapped);
    autoAlignItem()->setChecked(mode_.autoAligns());
    connect(autoAlignItem(), &QAction::toggled, &mode_, &StereoMode::setAutoAlign);
    for (const ActionRegistry::OffsetItem &item : actions_.offsetItems())
        connect(item.action, &QAction::triggered, &presenter,
                [&presenter, item] { presenter.moveRightPicture(item.columns, item.rows); });
    connect(actions_.action(Command::ResetOffsets), &QAction::triggered, &mode_, &StereoMode::resetOffsets);
    actions_.action(Command::MatchColours)->setChecked(mode_.matchesColours());
    connect(actions_.action(Command::MatchColours), &QAction::toggled, &mode_, &StereoMode::setMatchColours);
    for (const auto &[command, rule] : windowItems())
        connect(actions_.action(command), &QAction::triggered, &mode_, [this, &presenter, rule = rule] {
            if (rule != stereo::WindowRule::AtPoint)
                return mode_.setWindowRule(rule);
            showMode();  // the point, and with it the rule, comes with a Ctrl+click
            emit presenter.message(qtTrId("WindowClickAPoint"));
        });
    connect(actions_.action(Command::LevelLeft), &QAction::triggered, &mode_, [this] { mode_.turnLevel(-0.1); });
    connect(actions_.action(Command::LevelRight), &QAction::triggered, &mode_, [this] { mode_.turnLevel(0.1); });
    for (const auto &[command, aspect] : cropItems())
        connect(actions_.action(command), &QAction::triggered, &mode_, [this, aspect = aspect] { mode_.setCropAspect(aspect); });
    connect(actions_.action(Command::CropWhole), &QAction::triggered, &mode_, &StereoMode::cropWhole);
    connect(actions_.action(Command::CropNextShape), &QAction::triggered, this, [this] {
        const auto shapes = cropItems();
        auto at = std::find_if(shapes.begin(), shapes.end(),
                               [this](const auto &item) { return item.second == mode_.options().crop.aspect; });
        at = at == shapes.end() || std::next(at) == shapes.end() ? shapes.begin() : std::next(at);
        mode_.setCropAspect(at->second);
    });
    // What acts on a stereo view is enabled while one is on show.
    const auto pairOnShow = [this, &presenter](bool shown) {
        for (const Command command : {Command::SaveAdjusted, Command::ExportStereo, Command::ExportTvHalfSideBySide,
                                      Command::ExportTvHalfOverUnder, Command::ExportHeadset, Command::ExportWiggle,
                                      Command::ExportConsole})
            actions_.action(command)->setEnabled(shown);
        actions_.action(Command::WindowAsCamera)->setEnabled(shown && presenter.recordsCameraWindow());
    };
    pairOnShow(false);
    connect(&presenter, &PicturePresenter::pairShown, this, [pairOnShow] { pairOnShow(true); });
    connect(&presenter, &PicturePresenter::pairGone, this, [pairOnShow] { pairOnShow(false); });
    connect(fullScreenItem(), &QAction::toggled, &fullScreen, &FullScreen::setOn);
    connect(&fullScreen, &FullScreen::switched, fullScreenItem(), &QAction::setChecked);
    connect(actions_.action(Command::LeaveFullScreen), &QAction::triggered, &fullScreen,
            [&fullScreen] { fullScreen.setOn(false); });
    connect(&mode_, &StereoMode::viewChanged, this, &ViewMenu::showMode);
    connect(&mode_, &StereoMode::optionsChanged, this, &ViewMenu::showMode);
    showMode();
}

std::vector<std::pair<Command, stereo::WindowRule>> ViewMenu::windowItems()
{
    return {{Command::WindowNearest, stereo::WindowRule::Nearest},
            {Command::WindowAtPoint, stereo::WindowRule::AtPoint},
            {Command::WindowAsCamera, stereo::WindowRule::AsCamera}};
}

std::vector<std::pair<Command, double>> ViewMenu::cropItems()
{
    return {{Command::CropFree, -1},       {Command::CropAsTaken, 0}, {Command::Crop43, 4.0 / 3},
            {Command::Crop32, 3.0 / 2},    {Command::Crop169, 16.0 / 9}, {Command::Crop11, 1}};
}

void ViewMenu::showMode()
{
    for (const auto &[command, rule] : windowItems())
        actions_.action(command)->setChecked(rule == mode_.windowRule());
    for (const auto &[command, aspect] : cropItems())
        actions_.action(command)->setChecked(aspect == mode_.options().crop.aspect);
    itemFor(mode_.view())->setChecked(true);
    swapItem()->setChecked(mode_.swapped());
}
