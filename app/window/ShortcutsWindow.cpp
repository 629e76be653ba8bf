#include "window/ShortcutsWindow.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "window/ActionRegistry.h"

ShortcutsWindow::ShortcutsWindow(const ActionRegistry &actions, QWidget *parent)
    : QDialog(parent), actions_(actions), list_(new QTreeWidget(this))
{
    list_->setColumnCount(2);
    list_->setRootIsDecorated(false);
    list_->setAlternatingRowColors(true);
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addWidget(buttons);
    resize(520, 640);
}

void ShortcutsWindow::showList()
{
    setWindowTitle(qtTrId("ShortcutsTitle"));
    list_->setHeaderLabels({qtTrId("ShortcutsCommand"), qtTrId("ShortcutsKeys")});
    list_->clear();
    for (const ActionRegistry::Shortcut &shortcut : actions_.shortcuts()) {
        QStringList keys;
        for (const QKeySequence &key : shortcut.keys)
            keys << key.toString(QKeySequence::NativeText);
        new QTreeWidgetItem(list_, {shortcut.what, keys.join(qtTrId("ShortcutsOr"))});
    }
    show();
    raise();
    activateWindow();
}
