#include "BrowseMenus.h"

#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <cmath>

#include "InfoPanel.h"
#include "KivController.h"
#include "RecentFiles.h"
#include "ZorImageView.h"

BrowseMenus::BrowseMenus(QMainWindow &window, ViewerSettings &settings, KivController &controller, ZorImageView &view,
                         const BrowseMenuPlaces &places)
    : QObject(&window), window_(window), settings_(settings), controller_(controller), view_(view)
{
    addRecentMenu(places);
    addEditMenu();
    addFileSteps(places.go);
    // Behind the stereo items, before Full Screen.
    QAction *fullScreen = places.view->actions().constLast();
    addZoomItems(places.view, fullScreen);
    addInformationPanel(places.view, fullScreen);
    connect(&controller_, &KivController::fileStarted, &view_, &ZorImageView::fitToWindow);
    connect(&controller_, &KivController::fileStarted, recent_, &RecentFiles::add);
    connect(&controller_, &KivController::pictureShown, infoPanel_, &InfoPanel::showPicture);
}

QAction *BrowseMenus::addItem(QMenu *menu, const char *textId, const QList<QKeySequence> &keys, QAction *before)
{
    auto *item = new QAction(qtTrId(textId), menu);
    menu->insertAction(before, item);  // appended when there is nothing to go before
    item->setShortcuts(keys);
    window_.addAction(item);
    return item;
}

void BrowseMenus::addRecentMenu(const BrowseMenuPlaces &places)
{
    auto *menu = new QMenu(qtTrId("MenuOpenRecent"), &window_);
    const QList<QAction *> items = places.file->actions();
    places.file->insertMenu(items.value(items.indexOf(places.openItem) + 1), menu);
    recent_ = new RecentFiles(settings_, *menu, this);
    connect(recent_, &RecentFiles::chosen, &controller_, &KivController::openRecentFile);
    connect(&controller_, &KivController::recentFileMissing, recent_, &RecentFiles::remove);
}

void BrowseMenus::addEditMenu()
{
    auto *edit = new QMenu(qtTrId("MenuEdit"), &window_);
    window_.menuBar()->insertMenu(window_.menuBar()->actions().value(1), edit);
    QAction *copy = addItem(edit, QT_TRID_NOOP("MenuCopyPicture"), {QKeySequence::Copy});
    connect(copy, &QAction::triggered, &controller_, &KivController::copyPictureAction);
}

void BrowseMenus::addFileSteps(QMenu *go)
{
    go->addSeparator();
    const auto add = [&](const char *textId, const QList<QKeySequence> &keys, void (KivController::*command)()) {
        connect(addItem(go, textId, keys), &QAction::triggered, &controller_, command);
    };
    add(QT_TRID_NOOP("MenuNextFile"), {Qt::Key_PageDown, Qt::Key_Space}, &KivController::nextFileAction);
    add(QT_TRID_NOOP("MenuPreviousFile"), {Qt::Key_PageUp, Qt::Key_Backspace}, &KivController::previousFileAction);
    add(QT_TRID_NOOP("MenuFirstFile"), {Qt::Key_Home}, &KivController::firstFileAction);
    add(QT_TRID_NOOP("MenuLastFile"), {Qt::Key_End}, &KivController::lastFileAction);
}

void BrowseMenus::addZoomItems(QMenu *view, QAction *before)
{
    const auto add = [&](const char *textId, const QList<QKeySequence> &keys, auto command) {
        connect(addItem(view, textId, keys, before), &QAction::triggered, &view_, command);
    };
    add(QT_TRID_NOOP("MenuZoomIn"), {QKeySequence::ZoomIn, QKeySequence("Ctrl+=")}, &ZorImageView::zoomIn);
    add(QT_TRID_NOOP("MenuZoomOut"), {QKeySequence::ZoomOut}, &ZorImageView::zoomOut);
    add(QT_TRID_NOOP("MenuActualSize"), {QKeySequence("1")}, [this] { view_.setZoom(1.0); });
    add(QT_TRID_NOOP("MenuFitToWindow"), {QKeySequence("0")}, &ZorImageView::fitToWindow);
    zoomStatus_ = new QLabel(window_.statusBar());
    window_.statusBar()->addPermanentWidget(zoomStatus_);
    connect(&view_, &ZorImageView::zoomChanged, this, &BrowseMenus::showZoom);
    connect(&view_, &ZorImageView::message, window_.statusBar(),
            [this](const QString &text) { window_.statusBar()->showMessage(text, 8000); });
    showZoom();
}

void BrowseMenus::addInformationPanel(QMenu *view, QAction *before)
{
    infoPanel_ = new InfoPanel(&window_);
    window_.addDockWidget(Qt::RightDockWidgetArea, infoPanel_);
    infoPanel_->hide();
    information_ = infoPanel_->toggleViewAction();
    information_->setText(qtTrId("MenuInformation"));
    information_->setShortcut(QKeySequence("Ctrl+I"));
    view->insertAction(before, information_);
    view->insertSeparator(before);
    window_.addAction(information_);
}

void BrowseMenus::showZoom()
{
    zoomStatus_->setText(view_.isFitted() ? qtTrId("StatusZoomFit")
                                          : QStringLiteral("%1 %").arg(std::lround(view_.zoom() * 100)));
}
