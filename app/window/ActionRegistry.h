// Every command of the viewer as one QAction, made here with its text,
// shortcuts and whether it is checked, and the menu bar put together from
// them in the order the menus show. The window holds every item too, so the
// shortcuts work while the menu bar is hidden in full screen. What a
// command does is wired where its part of the viewer lives.
#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <optional>
#include <vector>

#include "stereo/stereo_view.h"

class QAction;
class QActionGroup;
class QMainWindow;
class QMenu;

enum class Command {
    Open, SaveAdjusted, ExportStereo, ExportTvHalfSideBySide, ExportTvHalfOverUnder, ExportHeadset, ExportWiggle, ExportConsole, ConvertPictures,
    MakeMpo, CheckRepair, SplitSettings, Quit,
    CopyPicture,
    Swap, AutoAlign, MatchColours, WindowNearest, WindowAtPoint, WindowAsCamera, LevelLeft, LevelRight,
    CropFree, CropAsTaken, Crop43, Crop32, Crop169, Crop11, CropNextShape, CropWhole,
    ResetOffsets, ZoomIn, ZoomOut, ActualSize, FitToWindow, EnlargeSmall, Information, Browse, FullScreen, LeaveFullScreen,
    PreviousPicture, NextPicture, NextFile, PreviousFile, FirstFile, LastFile,
    SplitOne, SplitAll,
    Shortcuts, About,
};

class ActionRegistry : public QObject {
    Q_OBJECT
public:
    explicit ActionRegistry(QMainWindow &window);

    QAction *action(Command command) const { return actions_.at(std::size_t(command)); }
    // Flat (none) and each stereo view: checkable, one at a time.
    QAction *viewItem(std::optional<stereo::View> view) const;
    const QList<QAction *> viewItems() const;
    // The items that move the right picture by columns and rows.
    struct OffsetItem {
        QAction *action;
        int columns, rows;
    };
    const std::vector<OffsetItem> &offsetItems() const { return offsets_; }
    // File ▸ Open Recent, which the recent files fill.
    QMenu *recentMenu() const { return recent_; }
    // Enabled while an MPO file is on show, and with it the split commands
    // and Check and Repair (the Split menu keeps Split Settings at hand
    // always). In no menu.
    QAction *splitCommands() const { return splitCommands_; }
    // Every item that has a shortcut, in menu order, with what it does in
    // words: the keyboard shortcuts the viewer lists.
    struct Shortcut {
        QString what;
        QList<QKeySequence> keys;
    };
    QList<Shortcut> shortcuts() const;

private:
    void makeCommands();
    void makeViewItems();
    void makeOffsetItems();
    void buildMenuBar();
    void addViews(QMenu &menu);

    QMainWindow &window_;
    std::vector<QAction *> actions_;  // by Command
    QActionGroup *views_ = nullptr;
    std::vector<OffsetItem> offsets_;
    QMenu *recent_ = nullptr;
    QMenu *offsetMenu_ = nullptr;
    QAction *splitCommands_ = nullptr;
    std::vector<QAction *> inMenuOrder_;  // what the shortcuts list follows
};
