#include "window/MakeMpoDialog.h"

#include "files/FilePaths.h"
#include "controller/Panels.h"
#include "engine/mpo_joiner.h"

MakeMpoDialog::MakeMpoDialog(Panels &panels, QWidget *parent) : QDialog(parent), panels_(panels)
{
    ui_.setupUi(this);
    ui_.typeBox->addItem(qtTrId("MakeTypeDisparity"), MP_TYPE_DISPARITY);
    ui_.typeBox->addItem(qtTrId("MakeTypeMultiAngle"), MP_TYPE_MULTI_ANGLE);
    ui_.typeBox->addItem(qtTrId("MakeTypePanorama"), MP_TYPE_PANORAMA);
    connect(ui_.addButton, &QPushButton::clicked, this, &MakeMpoDialog::addPictures);
    connect(ui_.removeButton, &QPushButton::clicked, this, [this] { delete ui_.pictureList->currentItem(); });
    connect(ui_.upButton, &QPushButton::clicked, this, [this] { moveCurrent(-1); });
    connect(ui_.downButton, &QPushButton::clicked, this, [this] { moveCurrent(1); });
    connect(ui_.pictureList, &QListWidget::currentRowChanged, this, &MakeMpoDialog::updateButtons);
    connect(ui_.pictureList->model(), &QAbstractItemModel::rowsRemoved, this, &MakeMpoDialog::updateButtons);
    connect(ui_.pictureList->model(), &QAbstractItemModel::rowsInserted, this, &MakeMpoDialog::updateButtons);
    connect(ui_.pictureList->model(), &QAbstractItemModel::rowsMoved, this, &MakeMpoDialog::updateButtons);
    connect(ui_.typeBox, &QComboBox::currentIndexChanged, this, &MakeMpoDialog::nameRows);
    connect(ui_.makeButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui_.cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    updateButtons();
}

void MakeMpoDialog::setPictures(const QStringList &paths)
{
    ui_.pictureList->clear();
    for (const QString &path : paths) {
        auto *item = new QListWidgetItem(ui_.pictureList);
        item->setData(Qt::UserRole, path);
        item->setToolTip(FilePaths::shown(path));
    }
    ui_.pictureList->setCurrentRow(0);
    nameRows();
}

// Each row shows its picture's name; the first two of a stereo pair also
// which eye they are for.
void MakeMpoDialog::nameRows()
{
    const bool pair = type() == MP_TYPE_DISPARITY;
    for (int row = 0; row < ui_.pictureList->count(); ++row) {
        QListWidgetItem *item = ui_.pictureList->item(row);
        const QString name = FilePaths::shownFileName(item->data(Qt::UserRole).toString());
        item->setText(pair && row < 2 ? qtTrId(row == 0 ? "MakeLeftPicture" : "MakeRightPicture").arg(name) : name);
    }
}

QStringList MakeMpoDialog::pictures() const
{
    QStringList paths;
    for (int row = 0; row < ui_.pictureList->count(); ++row)
        paths << ui_.pictureList->item(row)->data(Qt::UserRole).toString();
    return paths;
}

std::uint32_t MakeMpoDialog::type() const { return ui_.typeBox->currentData().toUInt(); }

void MakeMpoDialog::addPictures()
{
    const QStringList have = pictures();
    const QString start = have.isEmpty() ? QString() : have.last().left(have.last().lastIndexOf('/'));
    setPictures(have + panels_.openFiles(this, qtTrId("PanelTitleJoinPictures"), start,
                                         {qtTrId("PanelJoinPictures"), {"jpg", "jpeg", "mpo"}}));
    ui_.pictureList->setCurrentRow(ui_.pictureList->count() - 1);
}

void MakeMpoDialog::moveCurrent(int by)
{
    const int row = ui_.pictureList->currentRow(), to = row + by;
    if (row < 0 || to < 0 || to >= ui_.pictureList->count())
        return;
    ui_.pictureList->insertItem(to, ui_.pictureList->takeItem(row));
    ui_.pictureList->setCurrentRow(to);
}

void MakeMpoDialog::updateButtons()
{
    const int row = ui_.pictureList->currentRow(), count = ui_.pictureList->count();
    ui_.removeButton->setEnabled(row >= 0);
    ui_.upButton->setEnabled(row > 0);
    ui_.downButton->setEnabled(row >= 0 && row + 1 < count);
    ui_.makeButton->setEnabled(count >= 2 && count <= MPO_JOIN_MOST_PICTURES);
    nameRows();
}
