// The split commands and the split-settings dialog with its two folder stores.
#include <gtest/gtest.h>

#include <QAction>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>

#include "engine_test_support.h"
#include "jpeg_pictures.h"
#include "viewer_test_support.h"

namespace {

struct SplitTest : testing::Test {
    ScratchFolder scratch;
    QString out = QString::fromStdString(scratch.path()) + "/out";
    QString settingsFile = QString::fromStdString(scratch.path()) + "/settings.ini";
    BuiltMPO mpo = jpegMPO(3, 2).build();
    QString file = QString::fromStdString(scratch.write("pair.MPO", mpo.bytes));
    std::unique_ptr<Viewer> viewer;

    void SetUp() override
    {
        QDir().mkpath(out);
        QSettings(settingsFile, QSettings::IniFormat).setValue("SaveFolderPath", out);
        start();
    }
    void start()
    {
        viewer = std::make_unique<Viewer>(settingsFile);
        viewer->controller().applicationDidFinishLaunching();
    }
    void openFile()
    {
        viewer->panels.files << file;
        viewer->controller().selectAction();
    }
    KivController &controller() { return viewer->controller(); }
    QStringList written(const QString &folder) { return QDir(folder).entryList({"*.JPG"}, QDir::Files, QDir::Name); }
    Bytes bytesOf(const QString &name) { return readFile((out + "/" + name).toStdString()); }
    // Runs the settings dialog: `user` acts in it, then the button is pressed.
    void settingsDialog(const std::function<void(const Ui::SplitSettings &)> &user, bool ok)
    {
        viewer->panels.whileModal = [&](QDialog &dialog) {
            user(viewer->windows->settingsUi());
            (ok ? viewer->windows->settingsUi().okButton : viewer->windows->settingsUi().cancelButton)->click();
            return dialog.result();
        };
        controller().splitSettingsAction();
    }
};

}  // namespace

TEST_F(SplitTest, SplitOneAndSplitAllWriteTheEnginesFilesAndNeverOverwrite)
{
    controller().splitAllFilesAction();  // nothing on show: nothing happens
    EXPECT_TRUE(written(out).isEmpty());
    openFile();
    controller().splitOneFileAction();
    EXPECT_EQ(written(out), QStringList{"pair_002.JPG"});
    EXPECT_EQ(bytesOf("pair_002.JPG"), expectedOutput(mpo, 1));
    controller().splitAllFilesAction();
    EXPECT_EQ(written(out), (QStringList{"pair_001.JPG", "pair_002-1.JPG", "pair_002.JPG", "pair_003.JPG"}));
    EXPECT_EQ(bytesOf("pair_001.JPG"), expectedOutput(mpo, 0));
    EXPECT_EQ(bytesOf("pair_002-1.JPG"), expectedOutput(mpo, 1));

    viewer->outlets().currentTextField->setText("0");
    controller().changeCurrentNum();
    controller().splitOneFileAction();  // picture 0: the representative one
    EXPECT_TRUE(written(out).contains("pair_002-2.JPG"));
    EXPECT_TRUE(viewer->panels.alerts.isEmpty());
}

TEST_F(SplitTest, AFailedSplitShowsItsAlertAndChangesNothingElse)
{
    openFile();
    QDir(out).removeRecursively();
    controller().splitAllFilesAction();
    QFile(out).open(QIODevice::WriteOnly);  // a file where the folder was
    controller().splitOneFileAction();
    EXPECT_EQ(viewer->panels.alerts, (QStringList{"ErrorTitle0004 | ErrorMsg0004", "ErrorTitle0002 | ErrorMsg0002"}));
    EXPECT_EQ(controller().currentNum(), 2);
    EXPECT_TRUE(viewer->outlets().mpoMenuItem->isEnabled());
}

TEST_F(SplitTest, SettingsDialogOkStoresTheDefaultAndTheMenuComesBack)
{
    bool menuDuring = true;
    settingsDialog([&](const Ui::SplitSettings &ui) {
        menuDuring = viewer->outlets().mpoMenuItem->isEnabled();
        EXPECT_EQ(ui.saveFolderTextField->text(), out);
        ui.saveFolderTextField->setText("/typed/folder");
    }, true);
    EXPECT_FALSE(menuDuring);
    EXPECT_FALSE(viewer->outlets().mpoMenuItem->isEnabled());  // nothing on show
    EXPECT_EQ(QSettings(settingsFile, QSettings::IniFormat).value("SaveFolderPath"), "/typed/folder");
    EXPECT_EQ(controller().mpSaveFolder(), out);  // splits keep the old folder until restart

    openFile();
    settingsDialog([&](const Ui::SplitSettings &ui) { EXPECT_EQ(ui.saveFolderTextField->text(), "/typed/folder"); }, false);
    EXPECT_TRUE(viewer->outlets().mpoMenuItem->isEnabled());
    start();
    EXPECT_EQ(controller().mpSaveFolder(), "/typed/folder");
}

TEST_F(SplitTest, AFolderChosenThenCancelledIsUsedUntilRestart)
{
    const QString chosen = QString::fromStdString(scratch.path()) + "/chosen";
    QDir().mkpath(chosen);
    viewer->panels.folders << chosen;
    settingsDialog([&](const Ui::SplitSettings &ui) { ui.browseButton->click(); }, false);
    EXPECT_EQ(viewer->windows->settingsUi().saveFolderTextField->text(), chosen);
    EXPECT_EQ(QSettings(settingsFile, QSettings::IniFormat).value("SaveFolderPath"), out);
    openFile();
    controller().splitAllFilesAction();
    EXPECT_EQ(written(chosen).size(), 3);
    EXPECT_TRUE(written(out).isEmpty());

    viewer->panels.folders.clear();  // the panel cancelled: nothing changes
    settingsDialog([&](const Ui::SplitSettings &ui) { ui.browseButton->click(); }, true);
    EXPECT_EQ(controller().mpSaveFolder(), chosen);
    EXPECT_EQ(QSettings(settingsFile, QSettings::IniFormat).value("SaveFolderPath"), out);
    start();
    EXPECT_EQ(controller().mpSaveFolder(), out);
}
