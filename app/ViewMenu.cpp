#include "ViewMenu.h"

#include <QActionGroup>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>

#include "FullScreen.h"
#include "StereoMode.h"
#include "pictures/PicturePresenter.h"

namespace {

// Ctrl+digits for the layouts, Alt+digits for red/cyan and green/magenta
// anaglyphs, Ctrl+Alt+digits for amber/blue.
QKeySequence shortcutFor(stereo::View view)
{
    using stereo::View;
    switch (view) {
    case View::Parallel: return QKeySequence("Ctrl+1");
    case View::Cross: return QKeySequence("Ctrl+2");
    case View::OverUnder: return QKeySequence("Ctrl+3");
    case View::Mirror: return QKeySequence("Ctrl+4");
    case View::Rows: return QKeySequence("Ctrl+5");
    case View::Columns: return QKeySequence("Ctrl+6");
    case View::Wiggle: return QKeySequence("Ctrl+7");
    default: break;
    }
    const int anaglyph = int(view) - int(View::RedCyanDubois);  // 0 to 11
    return anaglyph < 8 ? QKeySequence(QString("Alt+%1").arg(anaglyph + 1))
                        : QKeySequence(QString("Ctrl+Alt+%1").arg(anaglyph - 7));
}

}  // namespace

ViewMenu::ViewMenu(QMainWindow &window, StereoMode &mode, PicturePresenter &presenter, FullScreen &fullScreen)
    : QObject(&window), mode_(mode), presenter_(presenter), menu_(new QMenu(qtTrId("MenuView"), &window)),
      views_(new QActionGroup(this))
{
    window.menuBar()->insertMenu(window.menuBar()->actions().value(1), menu_);
    addViewItems();
    menu_->addSeparator();
    swap_ = menu_->addAction(qtTrId("MenuSwap"));
    swap_->setCheckable(true);
    swap_->setShortcut(QKeySequence("S"));
    connect(swap_, &QAction::toggled, &mode_, &StereoMode::setSwapped);
    autoAlign_ = menu_->addAction(qtTrId("MenuAutoAlign"));
    autoAlign_->setCheckable(true);
    autoAlign_->setChecked(mode_.autoAligns());
    autoAlign_->setShortcut(QKeySequence("A"));
    connect(autoAlign_, &QAction::toggled, &mode_, &StereoMode::setAutoAlign);
    addOffsetItems();
    menu_->addSeparator();
    fullScreen_ = menu_->addAction(qtTrId("MenuFullScreen"));
    fullScreen_->setCheckable(true);
    fullScreen_->setShortcut(QKeySequence(Qt::Key_F11));
    connect(fullScreen_, &QAction::toggled, &fullScreen, &FullScreen::setOn);
    connect(&fullScreen, &FullScreen::switched, fullScreen_, &QAction::setChecked);
    auto *leave = new QShortcut(QKeySequence(Qt::Key_Escape), &window);
    connect(leave, &QShortcut::activated, &fullScreen, [&fullScreen] { fullScreen.setOn(false); });
    connect(&mode_, &StereoMode::viewChanged, this, &ViewMenu::showMode);
    connect(&mode_, &StereoMode::optionsChanged, this, &ViewMenu::showMode);
    showMode();
    // The window holds every item too, so the shortcuts work while the
    // menu bar is hidden in full screen.
    window.addActions(menu_->actions());
}

void ViewMenu::addViewItems()
{
    const auto add = [this](std::optional<stereo::View> view, const QString &label, const QKeySequence &keys) {
        QAction *item = menu_->addAction(label);
        item->setCheckable(true);
        item->setShortcut(keys);
        item->setData(view ? int(*view) : -1);
        views_->addAction(item);
        connect(item, &QAction::triggered, &mode_, [this, view] { mode_.setView(view); });
    };
    add(std::nullopt, qtTrId("MenuFlat"), QKeySequence("Ctrl+0"));
    for (const stereo::ViewDescription &view : stereo::allViews()) {
        if (view.view == stereo::View::RedCyanDubois || view.view == stereo::View::Wiggle)
            menu_->addSeparator();
        add(view.view, qtTrId(view.textId), shortcutFor(view.view));
    }
}

void ViewMenu::addOffsetItems()
{
    struct Move {
        const char *label;
        Qt::Key key;
        int columns, rows;
    };
    static const Move moves[] = {{QT_TRID_NOOP("MenuMoveLeft"), Qt::Key_Left, -1, 0},
                                 {QT_TRID_NOOP("MenuMoveRight"), Qt::Key_Right, 1, 0},
                                 {QT_TRID_NOOP("MenuMoveUp"), Qt::Key_Up, 0, -1},
                                 {QT_TRID_NOOP("MenuMoveDown"), Qt::Key_Down, 0, 1}};
    QMenu *offsets = menu_->addMenu(qtTrId("MenuOffsets"));
    for (const Move &move : moves)
        for (int step : {1, 10}) {
            QAction *item = offsets->addAction(step == 1 ? qtTrId(move.label) : qtTrId("MenuTenSteps").arg(qtTrId(move.label)));
            item->setShortcut(QKeySequence((step == 1 ? Qt::AltModifier : Qt::AltModifier | Qt::ShiftModifier) | move.key));
            item->setAutoRepeat(true);
            connect(item, &QAction::triggered, &presenter_,
                    [this, move, step] { presenter_.moveRightPicture(move.columns * step, move.rows * step); });
        }
    QAction *reset = offsets->addAction(qtTrId("MenuResetOffsets"));
    reset->setShortcut(QKeySequence("Alt+Home"));
    connect(reset, &QAction::triggered, &mode_, &StereoMode::resetOffsets);
    menu_->parentWidget()->addActions(offsets->actions());
}

QAction *ViewMenu::itemFor(std::optional<stereo::View> view) const
{
    const int data = view ? int(*view) : -1;
    for (QAction *item : views_->actions())
        if (item->data().toInt() == data)
            return item;
    return nullptr;
}

void ViewMenu::showMode()
{
    itemFor(mode_.view())->setChecked(true);
    swap_->setChecked(mode_.swapped());
}
