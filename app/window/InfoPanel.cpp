#include "window/InfoPanel.h"

#include <QHeaderView>
#include <QTreeWidget>

#include "files/PictureInformation.h"

InfoPanel::InfoPanel(QWidget *parent) : QDockWidget(qtTrId("InfoPanelTitle"), parent), tree_(new QTreeWidget(this))
{
    setObjectName("information");
    tree_->setColumnCount(2);
    tree_->setHeaderHidden(true);
    tree_->setRootIsDecorated(false);
    tree_->setWordWrap(true);
    tree_->setSelectionMode(QAbstractItemView::ContiguousSelection);
    // Long values wrap in the room the panel has rather than scroll sideways.
    tree_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    tree_->header()->setSectionResizeMode(1, QHeaderView::Stretch);
    tree_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tree_->setMinimumWidth(340);
    setWidget(tree_);
    connect(this, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        if (visible && stale_)
            refresh();
    });
}

void InfoPanel::showPicture(const QString &path, const QByteArray &picture, int number)
{
    path_ = path;
    picture_ = picture;
    number_ = number;
    stale_ = true;
    if (isVisible())
        refresh();
}

void InfoPanel::refresh()
{
    stale_ = false;
    tree_->clear();
    for (const InfoSection &section : pictureInformation(path_, picture_, number_)) {
        auto *heading = new QTreeWidgetItem(tree_, {section.title});
        heading->setFirstColumnSpanned(true);
        QFont bold = heading->font(0);
        bold.setBold(true);
        heading->setFont(0, bold);
        for (const InfoRow &row : section.rows) {
            auto *item = new QTreeWidgetItem(tree_, {row.label, row.value});
            item->setTextAlignment(0, Qt::AlignLeft | Qt::AlignTop);
            item->setToolTip(1, row.value);
        }
    }
}
