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
    connect(ui_.makeButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui_.cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    updateButtons();
}

void MakeMpoDialog::setPictures(const QStringList &paths)
{
    ui_.pictureList->clear();
    for (const QString &path : paths) {
        auto *item = new QListWidgetItem(FilePaths::shownFileName(path), ui_.pictureList);
        item->setData(Qt::UserRole, path);
        item->setToolTip(path);
    }
    ui_.pictureList->setCurrentRow(0);
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
    setPictures(pictures() + panels_.openFiles(this, {"jpg", "jpeg", "mpo"}));
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
}
