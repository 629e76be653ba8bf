#include "window/ViewMenu.h"

#include <QAction>
#include <QMainWindow>
#include <QShortcut>

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
    connect(fullScreenItem(), &QAction::toggled, &fullScreen, &FullScreen::setOn);
    connect(&fullScreen, &FullScreen::switched, fullScreenItem(), &QAction::setChecked);
    auto *leave = new QShortcut(QKeySequence(Qt::Key_Escape), &window);
    connect(leave, &QShortcut::activated, &fullScreen, [&fullScreen] { fullScreen.setOn(false); });
    connect(&mode_, &StereoMode::viewChanged, this, &ViewMenu::showMode);
    connect(&mode_, &StereoMode::optionsChanged, this, &ViewMenu::showMode);
    showMode();
}

void ViewMenu::showMode()
{
    itemFor(mode_.view())->setChecked(true);
    swapItem()->setChecked(mode_.swapped());
}
