#include "window/ActionRegistry.h"

#include <QAction>
#include <QRegularExpression>
#include <QActionGroup>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <variant>

namespace {

struct CommandItem {
    Command command;
    const char *textId;
    QList<QKeySequence> keys;
    bool checkable = false;
};

QList<CommandItem> commandItems()
{
    using K = QKeySequence;
    return {
        {Command::Open, QT_TRID_NOOP("MenuOpen"), {K::Open}},
        {Command::SaveAdjusted, QT_TRID_NOOP("MenuSaveAdjusted"), {K("Ctrl+Shift+S")}},
        {Command::ExportStereo, QT_TRID_NOOP("MenuExportStereo"), {}},
        {Command::ExportTvHalfSideBySide, QT_TRID_NOOP("MenuExportTvHalfSideBySide"), {}},
        {Command::ExportTvHalfOverUnder, QT_TRID_NOOP("MenuExportTvHalfOverUnder"), {}},
        {Command::ExportHeadset, QT_TRID_NOOP("MenuExportHeadset"), {}},
        {Command::ExportWiggle, QT_TRID_NOOP("MenuExportWiggle"), {}},
        {Command::ExportConsole, QT_TRID_NOOP("MenuExportConsole"), {}},
        {Command::ConvertPictures, QT_TRID_NOOP("MenuConvertPictures"), {}},
        {Command::MakeMpo, QT_TRID_NOOP("MenuMakeMpo"), {}},
        {Command::CheckRepair, QT_TRID_NOOP("MenuCheckRepair"), {}},
        {Command::SplitSettings, QT_TRID_NOOP("MenuSplitSettings"), {}},
        {Command::Quit, QT_TRID_NOOP("MenuQuit"), {K::Quit}},
        {Command::CopyPicture, QT_TRID_NOOP("MenuCopyPicture"), {K::Copy}},
        {Command::Swap, QT_TRID_NOOP("MenuSwap"), {K("S")}, true},
        {Command::AutoAlign, QT_TRID_NOOP("MenuAutoAlign"), {K("A")}, true},
        {Command::MatchColours, QT_TRID_NOOP("MenuMatchColors"), {K("C")}, true},
        {Command::WindowNearest, QT_TRID_NOOP("MenuWindowNearest"), {K("W")}, true},
        {Command::WindowAtPoint, QT_TRID_NOOP("MenuWindowAtPoint"), {}, true},
        {Command::WindowAsCamera, QT_TRID_NOOP("MenuWindowAsCamera"), {K("Shift+W")}, true},
        {Command::LevelLeft, QT_TRID_NOOP("MenuLevelLeft"), {K("[")}},
        {Command::LevelRight, QT_TRID_NOOP("MenuLevelRight"), {K("]")}},
        {Command::CropFree, QT_TRID_NOOP("MenuCropFree"), {}, true},
        {Command::CropAsTaken, QT_TRID_NOOP("MenuCropAsTaken"), {}, true},
        {Command::Crop43, QT_TRID_NOOP("MenuCrop43"), {}, true},
        {Command::Crop32, QT_TRID_NOOP("MenuCrop32"), {}, true},
        {Command::Crop169, QT_TRID_NOOP("MenuCrop169"), {}, true},
        {Command::Crop11, QT_TRID_NOOP("MenuCrop11"), {}, true},
        {Command::CropNextShape, QT_TRID_NOOP("MenuCropNextShape"), {K("K")}},
        {Command::CropWhole, QT_TRID_NOOP("MenuCropWhole"), {K("Ctrl+Alt+X")}},
        {Command::ResetOffsets, QT_TRID_NOOP("MenuResetOffsets"), {K("Alt+Home")}},
        {Command::ZoomIn, QT_TRID_NOOP("MenuZoomIn"), {K::ZoomIn, K("Ctrl+=")}},
        {Command::ZoomOut, QT_TRID_NOOP("MenuZoomOut"), {K::ZoomOut}},
        {Command::ActualSize, QT_TRID_NOOP("MenuActualSize"), {K("1")}},
        {Command::FitToWindow, QT_TRID_NOOP("MenuFitToWindow"), {K("0")}},
        {Command::EnlargeSmall, QT_TRID_NOOP("MenuEnlargeSmall"), {K("E")}, true},
        {Command::Information, QT_TRID_NOOP("MenuInformation"), {K("Ctrl+I")}, true},
        {Command::Browse, QT_TRID_NOOP("MenuBrowse"), {K("Ctrl+B")}, true},
        {Command::FullScreen, QT_TRID_NOOP("MenuFullScreen"), {K(Qt::Key_F11)}, true},
        {Command::LeaveFullScreen, QT_TRID_NOOP("MenuLeaveFullScreen"), {K(Qt::Key_Escape)}},
        {Command::PreviousPicture, QT_TRID_NOOP("MenuPreviousPicture"), {K(Qt::Key_Left)}},
        {Command::NextPicture, QT_TRID_NOOP("MenuNextPicture"), {K(Qt::Key_Right)}},
        {Command::NextFile, QT_TRID_NOOP("MenuNextFile"), {K(Qt::Key_PageDown), K(Qt::Key_Space)}},
        {Command::PreviousFile, QT_TRID_NOOP("MenuPreviousFile"), {K(Qt::Key_PageUp), K(Qt::Key_Backspace)}},
        {Command::FirstFile, QT_TRID_NOOP("MenuFirstFile"), {K(Qt::Key_Home)}},
        {Command::LastFile, QT_TRID_NOOP("MenuLastFile"), {K(Qt::Key_End)}},
        {Command::SplitOne, QT_TRID_NOOP("MenuSplitOne"), {}},
        {Command::SplitAll, QT_TRID_NOOP("MenuSplitAll"), {}},
        {Command::Shortcuts, QT_TRID_NOOP("MenuShortcuts"), {K::HelpContents}},
        {Command::About, QT_TRID_NOOP("MenuAbout"), {}},
    };
}

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
    case View::HalfParallel: return QKeySequence("Ctrl+8");
    case View::HalfOverUnder: return QKeySequence("Ctrl+9");
    default: break;
    }
    const int anaglyph = int(view) - int(View::RedCyanDubois);  // 0 to 11
    return anaglyph < 8 ? QKeySequence(QString("Alt+%1").arg(anaglyph + 1))
                        : QKeySequence(QString("Ctrl+Alt+%1").arg(anaglyph - 7));
}

// The View menu's views in groups: flat; side by side and over/under; one
// submenu for each kind of anaglyph glasses; interlaced; wiggle.
struct ViewGroup {
    const char *submenuId;  // nullptr: in the menu itself
    std::vector<stereo::View> views;
};

const std::vector<ViewGroup> &viewGroups()
{
    using V = stereo::View;
    static const std::vector<ViewGroup> groups = {
        {nullptr, {V::Parallel, V::Cross, V::OverUnder, V::Mirror, V::HalfParallel, V::HalfOverUnder}},
        {QT_TRID_NOOP("MenuRedCyan"), {V::RedCyanDubois, V::RedCyanColour, V::RedCyanHalf, V::RedCyanGray}},
        {QT_TRID_NOOP("MenuGreenMagenta"),
         {V::GreenMagentaDubois, V::GreenMagentaColour, V::GreenMagentaHalf, V::GreenMagentaGray}},
        {QT_TRID_NOOP("MenuAmberBlue"), {V::AmberBlueDubois, V::AmberBlueColour, V::AmberBlueHalf, V::AmberBlueGray}},
        {nullptr, {V::Rows, V::Columns}},
        {nullptr, {V::Wiggle}},
    };
    return groups;
}

// An anaglyph's item in its glasses' submenu names the mix only.
const char *const anaglyphMixIds[] = {QT_TRID_NOOP("MenuMixDubois"), QT_TRID_NOOP("MenuMixColor"),
                                      QT_TRID_NOOP("MenuMixHalf"), QT_TRID_NOOP("MenuMixGray")};

// What a menu holds besides commands.
enum class Part { Separator, Recent, Views, Offsets };
using Entry = std::variant<Command, Part>;

struct MenuLayout {
    const char *titleId;
    std::vector<Entry> entries;
};

// The menu bar, menu by menu, in order.
const std::vector<MenuLayout> &menuLayout()
{
    using C = Command;
    using P = Part;
    static const std::vector<MenuLayout> layout = {
        {QT_TRID_NOOP("MenuFile"),
         {C::Open, P::Recent, P::Separator, C::SaveAdjusted, C::ExportStereo, C::ExportTvHalfSideBySide,
          C::ExportTvHalfOverUnder, C::ExportHeadset, C::ExportWiggle, C::ExportConsole, C::ConvertPictures, C::MakeMpo, C::CheckRepair, P::Separator, C::Quit}},
        {QT_TRID_NOOP("MenuEdit"), {C::CopyPicture}},
        {QT_TRID_NOOP("MenuView"),
         {P::Views, P::Separator, C::Swap, C::AutoAlign, C::MatchColours, P::Offsets, P::Separator, C::WindowNearest,
          C::WindowAtPoint, C::WindowAsCamera, P::Separator, C::LevelLeft, C::LevelRight, C::CropFree, C::CropAsTaken,
          C::Crop43, C::Crop32, C::Crop169, C::Crop11, C::CropNextShape, C::CropWhole, P::Separator, C::ZoomIn, C::ZoomOut,
          C::ActualSize, C::FitToWindow, C::EnlargeSmall, P::Separator, C::Information, C::Browse, C::FullScreen, C::LeaveFullScreen}},
        {QT_TRID_NOOP("MenuGo"),
         {C::PreviousPicture, C::NextPicture, P::Separator, C::PreviousFile, C::NextFile, C::FirstFile, C::LastFile}},
        {QT_TRID_NOOP("MenuSplit"), {C::SplitOne, C::SplitAll, P::Separator, C::SplitSettings}},
        {QT_TRID_NOOP("MenuHelp"), {C::Shortcuts, C::About}},
    };
    return layout;
}

}  // namespace

ActionRegistry::ActionRegistry(QMainWindow &window) : QObject(&window), window_(window)
{
    makeCommands();
    makeViewItems();
    makeOffsetItems();
    buildMenuBar();
}

void ActionRegistry::makeCommands()
{
    const QList<CommandItem> items = commandItems();
    actions_.resize(std::size_t(items.size()));
    for (const CommandItem &item : items) {
        auto *action = new QAction(qtTrId(item.textId), &window_);
        action->setShortcuts(item.keys);
        action->setCheckable(item.checkable);
        actions_[std::size_t(item.command)] = action;
    }
    // One stereo window rule at a time, and one crop shape.
    for (const auto &group : {std::vector{Command::WindowNearest, Command::WindowAtPoint, Command::WindowAsCamera},
                              std::vector{Command::CropFree, Command::CropAsTaken, Command::Crop43, Command::Crop32,
                                          Command::Crop169, Command::Crop11}}) {
        auto *exclusive = new QActionGroup(this);
        for (const Command command : group)
            exclusive->addAction(action(command));
    }
}

void ActionRegistry::makeViewItems()
{
    views_ = new QActionGroup(this);
    const auto add = [this](std::optional<stereo::View> view, const QString &label, const QKeySequence &keys) {
        auto *item = new QAction(label, &window_);
        item->setCheckable(true);
        item->setShortcut(keys);
        item->setData(view ? int(*view) : -1);
        views_->addAction(item);
    };
    add(std::nullopt, qtTrId("MenuFlat"), QKeySequence("Ctrl+0"));
    for (const stereo::ViewDescription &view : stereo::allViews()) {
        const int anaglyph = int(view.view) - int(stereo::View::RedCyanDubois);
        add(view.view, qtTrId(stereo::isAnaglyph(view.view) ? anaglyphMixIds[anaglyph % 4] : view.textId),
            shortcutFor(view.view));
    }
}

void ActionRegistry::addViews(QMenu &menu)
{
    menu.addAction(viewItem(std::nullopt));
    inMenuOrder_.push_back(viewItem(std::nullopt));
    for (const ViewGroup &group : viewGroups()) {
        if (group.submenuId == nullptr || group.views.front() == stereo::View::RedCyanDubois)
            menu.addSeparator();  // the anaglyph submenus stand together
        QMenu *into = group.submenuId == nullptr ? &menu : menu.addMenu(qtTrId(group.submenuId));
        for (stereo::View view : group.views) {
            into->addAction(viewItem(view));
            inMenuOrder_.push_back(viewItem(view));
        }
    }
}

QList<ActionRegistry::Shortcut> ActionRegistry::shortcuts() const
{
    QList<Shortcut> list;
    for (QAction *item : inMenuOrder_) {
        if (item->shortcuts().isEmpty())
            continue;
        // A view by its full name, as the status bar shows it; a command as its menu names it.
        const int view = views_->actions().contains(item) ? item->data().toInt() : -1;
        QString what = view >= 0 ? qtTrId(stereo::describe(stereo::View(view)).textId) : item->text();
        what.remove(QRegularExpression(QStringLiteral("\\(&[^)]\\)")));  // Japanese mnemonics: "開く(&O)"
        what.remove('&');
        if (what.endsWith(QChar(0x2026)))
            what.chop(1);
        list << Shortcut{what, item->shortcuts()};
    }
    return list;
}

void ActionRegistry::makeOffsetItems()
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
    for (const Move &move : moves)
        for (int step : {1, 10}) {
            auto *item = new QAction(step == 1 ? qtTrId(move.label) : qtTrId("MenuTenSteps").arg(qtTrId(move.label)),
                                     &window_);
            item->setShortcut(QKeySequence((step == 1 ? Qt::AltModifier : Qt::AltModifier | Qt::ShiftModifier) | move.key));
            item->setAutoRepeat(true);
            offsets_.push_back({item, move.columns * step, move.rows * step});
        }
}

QAction *ActionRegistry::viewItem(std::optional<stereo::View> view) const
{
    const int data = view ? int(*view) : -1;
    for (QAction *item : views_->actions())
        if (item->data().toInt() == data)
            return item;
    return nullptr;
}

const QList<QAction *> ActionRegistry::viewItems() const { return views_->actions(); }

void ActionRegistry::buildMenuBar()
{
    for (const MenuLayout &layout : menuLayout()) {
        QMenu *menu = window_.menuBar()->addMenu(qtTrId(layout.titleId));
        for (const Entry &entry : layout.entries) {
            if (const Command *command = std::get_if<Command>(&entry)) {
                menu->addAction(action(*command));
                inMenuOrder_.push_back(action(*command));
                continue;
            }
            switch (std::get<Part>(entry)) {
            case Part::Separator: menu->addSeparator(); break;
            case Part::Recent: recent_ = menu->addMenu(qtTrId("MenuOpenRecent")); break;
            case Part::Views: addViews(*menu); break;
            case Part::Offsets:
                offsetMenu_ = menu->addMenu(qtTrId("MenuOffsets"));
                for (const OffsetItem &item : offsets_) {
                    offsetMenu_->addAction(item.action);
                    inMenuOrder_.push_back(item.action);
                }
                offsetMenu_->addAction(action(Command::ResetOffsets));
                inMenuOrder_.push_back(action(Command::ResetOffsets));
                break;
            }
        }
    }
    splitCommands_ = new QAction(&window_);
    connect(splitCommands_, &QAction::changed, this, [this] {
        for (Command split : {Command::SplitOne, Command::SplitAll, Command::CheckRepair})
            action(split)->setEnabled(splitCommands_->isEnabled());
    });
    window_.addActions(QList<QAction *>(actions_.begin(), actions_.end()) + views_->actions());
    for (const OffsetItem &item : offsets_)
        window_.addAction(item.action);
}
