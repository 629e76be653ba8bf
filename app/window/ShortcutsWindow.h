// Help ▸ Keyboard Shortcuts: every shortcut of the viewer and what it does,
// listed from the action registry, so that the list is never out of date.
#pragma once

#include <QDialog>

class ActionRegistry;
class QTreeWidget;

class ShortcutsWindow : public QDialog {
    Q_OBJECT
public:
    ShortcutsWindow(const ActionRegistry &actions, QWidget *parent = nullptr);

    // Fills the list anew (the texts follow the language) and shows the window.
    void showList();
    const QTreeWidget &list() const { return *list_; }

private:
    const ActionRegistry &actions_;
    QTreeWidget *list_;
};
