#include "window/ConvertDialog.h"

#include <vector>

#include "controller/Panels.h"
#include "files/FilePaths.h"
#include "files/FolderFiles.h"

namespace {

// One thing the dialog offers to write.
struct OutputChoice {
    const char *textId;
    stereo::Output output;
    stereo::View view = stereo::View::Cross;
    imaging::PixelSize fit{};
    const char *ending = nullptr;  // a preset's name, as the File menu's exports give it
};

// The presets and the other outputs first, then every view.
const std::vector<OutputChoice> &outputChoices()
{
    static const std::vector<OutputChoice> choices = [] {
        using stereo::Output, stereo::View;
        std::vector<OutputChoice> list = {
            {QT_TRID_NOOP("ConvertTvHalfSideBySide"), Output::View, View::HalfParallel, {1920, 1080}, "_3dtv.jpg"},
            {QT_TRID_NOOP("ConvertTvHalfOverUnder"), Output::View, View::HalfOverUnder, {1920, 1080}, "_3dtv.jpg"},
            {QT_TRID_NOOP("ConvertHeadset"), Output::View, View::Parallel, {}, "_vr.jpg"},
            {QT_TRID_NOOP("ConvertWiggleGif"), Output::WiggleGif},
            {QT_TRID_NOOP("ConvertWiggleWebp"), Output::WiggleWebp},
            {QT_TRID_NOOP("ConvertJps"), Output::Jps},
            {QT_TRID_NOOP("ConvertPns"), Output::Pns},
            {QT_TRID_NOOP("ConvertAdjustedPair"), Output::AdjustedPair},
            {QT_TRID_NOOP("ConvertConsole"), Output::Console},
        };
        for (const stereo::ViewDescription &view : stereo::allViews())
            if (view.view != View::Wiggle)
                list.push_back({view.textId, Output::View, view.view});
        return list;
    }();
    return choices;
}


}  // namespace

ConvertDialog::ConvertDialog(Panels &panels, QWidget *parent) : QDialog(parent), panels_(panels)
{
    ui_.setupUi(this);
    const std::vector<OutputChoice> &choices = outputChoices();
    for (std::size_t i = 0; i < choices.size(); ++i) {
        if (choices[i].output == stereo::Output::View && choices[i].ending == nullptr && i > 0 &&
            choices[i - 1].output != stereo::Output::View)
            ui_.outputBox->insertSeparator(ui_.outputBox->count());
        ui_.outputBox->addItem(qtTrId(choices[i].textId), int(i));
    }
    ui_.windowBox->addItem(qtTrId("ConvertWindowNearest"), int(stereo::WindowRule::Nearest));
    ui_.windowBox->addItem(qtTrId("ConvertWindowCamera"), int(stereo::WindowRule::AsCamera));
    // The View menu's crop shapes, but free (which would give each pair a
    // shape of its own).
    ui_.cropBox->addItem(qtTrId("ConvertCropAsTaken"), 0.0);
    for (const auto &[width, height] : {std::pair{4, 3}, {3, 2}, {16, 9}, {1, 1}})
        ui_.cropBox->addItem(QStringLiteral("%1:%2").arg(width).arg(height), double(width) / height);
    connect(ui_.addFilesButton, &QPushButton::clicked, this, &ConvertDialog::addChosenFiles);
    connect(ui_.addFolderButton, &QPushButton::clicked, this, &ConvertDialog::addFolder);
    connect(ui_.removeButton, &QPushButton::clicked, this, [this] { qDeleteAll(ui_.fileList->selectedItems()); });
    connect(ui_.chooseButton, &QPushButton::clicked, this, &ConvertDialog::chooseTarget);
    connect(ui_.fileList, &QListWidget::itemSelectionChanged, this, &ConvertDialog::updateButtons);
    connect(ui_.fileList->model(), &QAbstractItemModel::rowsRemoved, this, &ConvertDialog::updateButtons);
    connect(ui_.fileList->model(), &QAbstractItemModel::rowsInserted, this, &ConvertDialog::updateButtons);
    connect(ui_.folderField, &QLineEdit::textChanged, this, &ConvertDialog::updateButtons);
    connect(ui_.convertButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui_.cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    updateButtons();
}

void ConvertDialog::prepare(const QStringList &files, const QString &folder)
{
    ui_.fileList->clear();
    addFiles(files);
    ui_.folderField->setText(folder);
    ui_.convertButton->setFocus();
}

// Adds the stereo files among `paths` that are not listed yet.
void ConvertDialog::addFiles(const QStringList &paths)
{
    const QStringList listed = files();
    for (const QString &path : paths) {
        if (!FilePaths::isStereoName(path) || listed.contains(path))
            continue;
        auto *item = new QListWidgetItem(FilePaths::shownFileName(path), ui_.fileList);
        item->setData(Qt::UserRole, path);
        item->setToolTip(FilePaths::shown(path));
    }
}

QStringList ConvertDialog::files() const
{
    QStringList paths;
    for (int row = 0; row < ui_.fileList->count(); ++row)
        paths << ui_.fileList->item(row)->data(Qt::UserRole).toString();
    return paths;
}

QString ConvertDialog::folder() const
{
    return ui_.folderField->text().trimmed();
}

stereo::Conversion ConvertDialog::conversion() const
{
    const OutputChoice &choice = outputChoices().at(std::size_t(ui_.outputBox->currentData().toInt()));
    stereo::Conversion conversion;
    conversion.output = choice.output;
    conversion.view.view = choice.view;
    conversion.view.fit = choice.fit;
    conversion.ending = choice.ending;
    conversion.view.crop.aspect = ui_.cropBox->currentData().toDouble();
    conversion.align = ui_.alignBox->isChecked();
    conversion.choices.matchColours = ui_.coloursBox->isChecked();
    if (ui_.windowBox->currentData().toInt() == int(stereo::WindowRule::AsCamera)) {
        conversion.choices.window = stereo::WindowRule::AsCamera;
        conversion.windowGiven = true;
    }
    return conversion;
}

void ConvertDialog::chooseOutput(const char *textId)
{
    for (int i = 0; i < ui_.outputBox->count(); ++i)
        if (!ui_.outputBox->itemData(i).isNull() &&
            qstrcmp(outputChoices().at(std::size_t(ui_.outputBox->itemData(i).toInt())).textId, textId) == 0)
            ui_.outputBox->setCurrentIndex(i);
}

void ConvertDialog::addChosenFiles()
{
    const QString start = folder().isEmpty() ? QString() : folder();
    addFiles(panels_.openFiles(this, qtTrId("PanelTitleConvertFiles"), start,
                               {qtTrId("PanelStereoFiles"), {"mpo", "jps", "pns"}}));
}

void ConvertDialog::addFolder()
{
    const QString chosen = panels_.chooseFolder(this, qtTrId("PanelTitleConvertFolder"), folder());
    if (chosen.isEmpty())
        return;
    QStringList paths;
    for (const QString &name : FolderFiles::picturesIn(chosen))
        paths << chosen + "/" + name;
    addFiles(paths);
}

void ConvertDialog::chooseTarget()
{
    const QString chosen = panels_.chooseFolder(this, qtTrId("PanelTitleConvertTarget"), folder());
    if (!chosen.isEmpty())
        ui_.folderField->setText(chosen);
}

void ConvertDialog::updateButtons()
{
    ui_.removeButton->setEnabled(!ui_.fileList->selectedItems().isEmpty());
    ui_.convertButton->setEnabled(ui_.fileList->count() > 0 && !folder().isEmpty());
}
