#include "window/BrowseMenus.h"

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>
#include <cmath>

#include <QFileInfo>
#include <QVBoxLayout>

#include "window/ActionRegistry.h"
#include "window/BrowseGrid.h"
#include "window/InfoPanel.h"
#include "window/StatusLine.h"
#include "controller/KivController.h"
#include "files/RecentFiles.h"
#include "files/ViewerSettings.h"
#include "view/ZorImageView.h"

BrowseMenus::BrowseMenus(QMainWindow &window, const ActionRegistry &actions, ViewerSettings &settings,
                         KivController &controller, ZorImageView &view, StatusLine &status)
    : QObject(&window), window_(window), actions_(actions), settings_(settings), controller_(controller), view_(view),
      status_(status)
{
    recent_ = new RecentFiles(settings, *actions_.recentMenu(), this);
    connect(recent_, &RecentFiles::chosen, &controller_, &KivController::openRecentFile);
    connect(&controller_, &KivController::recentFileMissing, recent_, &RecentFiles::remove);
    connect(actions_.action(Command::CopyPicture), &QAction::triggered, &controller_,
            &KivController::copyPictureAction);
    connectFileSteps();
    connectZoom();
    addInformationPanel();
    addBrowseGrid();
    connect(&controller_, &KivController::fileStarted, &view_, &ZorImageView::fitToWindow);
    connect(&controller_, &KivController::fileStarted, recent_, &RecentFiles::add);
    connect(&controller_, &KivController::pictureShown, infoPanel_, &InfoPanel::showPicture);
}

QAction *BrowseMenus::informationItem() const { return actions_.action(Command::Information); }

void BrowseMenus::connectFileSteps()
{
    const auto step = [this](Command command, void (KivController::*slot)()) {
        connect(actions_.action(command), &QAction::triggered, &controller_, slot);
    };
    step(Command::NextFile, &KivController::nextFileAction);
    step(Command::PreviousFile, &KivController::previousFileAction);
    step(Command::FirstFile, &KivController::firstFileAction);
    step(Command::LastFile, &KivController::lastFileAction);
}

// View ▸ Browse puts the grid of the folder's files in the picture's place;
// Enter or a double click opens a file and goes back to the picture, and so
// does Esc without opening one. The grid follows the folder steps.
void BrowseMenus::addBrowseGrid()
{
    grid_ = new BrowseGrid(window_.centralWidget());
    grid_->hide();
    if (auto *layout = qobject_cast<QVBoxLayout *>(window_.centralWidget()->layout()))
        layout->insertWidget(layout->indexOf(&view_) + 1, grid_, 1);
    QAction *browse = actions_.action(Command::Browse);
    connect(browse, &QAction::toggled, this, &BrowseMenus::setBrowsing);
    connect(actions_.action(Command::LeaveFullScreen), &QAction::triggered, browse, [browse] { browse->setChecked(false); });
    connect(grid_, &BrowseGrid::leave, browse, [browse] { browse->setChecked(false); });
    connect(grid_, &BrowseGrid::fileChosen, this, [this, browse](const QString &path) {
        browse->setChecked(false);
        controller_.openChosenFile(path);
    });
    connect(&controller_, &KivController::fileStarted, grid_, [this](const QString &path) {
        if (grid_->isVisible())
            grid_->showFile(path);
    });
}

void BrowseMenus::setBrowsing(bool on)
{
    view_.setVisible(!on);
    grid_->setVisible(on);
    (on ? static_cast<QWidget *>(grid_) : &view_)->setFocus();
    if (on) {
        const QString shown = controller_.document().shownPath();
        grid_->showFile(shown.isEmpty() ? settings_.lastFolder() + "/" : shown);
    }
}

void BrowseMenus::connectZoom()
{
    connect(actions_.action(Command::ZoomIn), &QAction::triggered, &view_, &ZorImageView::zoomIn);
    connect(actions_.action(Command::ZoomOut), &QAction::triggered, &view_, &ZorImageView::zoomOut);
    connect(actions_.action(Command::ActualSize), &QAction::triggered, &view_, [this] { view_.setZoom(1.0); });
    connect(actions_.action(Command::FitToWindow), &QAction::triggered, &view_, &ZorImageView::fitToWindow);
    QAction *enlarge = actions_.action(Command::EnlargeSmall);
    enlarge->setChecked(settings_.enlargeSmall());
    view_.setEnlargesSmall(enlarge->isChecked());
    connect(enlarge, &QAction::toggled, this, [this](bool on) {
        settings_.setEnlargeSmall(on);
        view_.setEnlargesSmall(on);
    });
    zoomStatus_ = new QLabel(window_.statusBar());
    status_.addPermanent(zoomStatus_);
    connect(&view_, &ZorImageView::zoomChanged, this, &BrowseMenus::showZoom);
    connect(&view_, &ZorImageView::message, &status_, &StatusLine::showMessage);
    showZoom();
}

// The panel is docked right and hidden at first; its item shows and hides
// it and follows it when full screen hides it.
void BrowseMenus::addInformationPanel()
{
    infoPanel_ = new InfoPanel(&window_);
    window_.addDockWidget(Qt::RightDockWidgetArea, infoPanel_);
    infoPanel_->hide();
    QAction *item = informationItem();
    connect(item, &QAction::triggered, infoPanel_, &QWidget::setVisible);
    connect(infoPanel_, &QDockWidget::visibilityChanged, item, [this, item] { item->setChecked(!infoPanel_->isHidden()); });
}

void BrowseMenus::showZoom()
{
    zoomStatus_->setText(view_.isFitted() ? qtTrId("StatusZoomFit")
                                          : QStringLiteral("%1 %").arg(std::lround(view_.zoom() * 100)));
}
