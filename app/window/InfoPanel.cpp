#include "window/InfoPanel.h"

#include <QHeaderView>
#include <QStyledItemDelegate>
#include <QTreeWidget>

#include "files/PictureInformation.h"

namespace {

// Gives each row the height its value takes wrapped in the value column's
// width: the tree's own row heights would cut long values short.
class WrappingDelegate : public QStyledItemDelegate {
public:
    explicit WrappingDelegate(QTreeWidget &tree) : QStyledItemDelegate(&tree), tree_(tree) {}

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const QSize natural = QStyledItemDelegate::sizeHint(option, index);
        if (index.column() != 1)
            return natural;  // the labels keep to one line
        QStyleOptionViewItem item = option;
        initStyleOption(&item, index);
        const int margins = 8;
        const int width = std::max(1, tree_.columnWidth(index.column()) - margins);
        const QRect text = item.fontMetrics.boundingRect(QRect(0, 0, width, 1 << 20),
                                                         int(Qt::TextWordWrap | Qt::AlignLeft), item.text);
        return {natural.width(), std::max(natural.height(), text.height() + margins / 2)};
    }

private:
    QTreeWidget &tree_;
};

}  // namespace

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
    tree_->setTextElideMode(Qt::ElideNone);
    tree_->setItemDelegate(new WrappingDelegate(*tree_));
    // The rows' heights follow the width the values wrap in.
    connect(tree_->header(), &QHeaderView::sectionResized, tree_, [this] { tree_->doItemsLayout(); });
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
            item->setTextAlignment(1, Qt::AlignLeft | Qt::AlignTop);
            item->setToolTip(1, row.value);
        }
    }
}
