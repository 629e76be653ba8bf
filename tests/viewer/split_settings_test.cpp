// Start-up and quitting with the saved frame and save folder, the split
// commands, and the split-settings dialog with its two folder stores.
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "ZorImageView.h"
#include "viewer_test_support.h"

namespace {

struct SplitTest : ViewerTest {
    QString out = QString::fromStdString(scratch.path()) + "/out";
    BuiltMPO mpo = jpegMPO(3, 2);
    QString file = write("pair.MPO", mpo.bytes);

    SplitTest()
    {
        QDir().mkpath(out);
        settings->setValue("SaveFolderPath", out);
        start();
    }
    QStringList written(const QString &folder) { return QDir(folder).entryList({"*.JPG"}, QDir::Files, QDir::Name); }
    Bytes bytesOf(const QString &name) { return readFile((out + "/" + name).toStdString()); }
    // Runs the settings dialog: `user` acts in it, then OK or Cancel is pressed.
    void settingsDialog(const std::function<void(const Ui::SplitSettings &)> &user, bool ok)
    {
        panels.whileModal = [&](QDialog &dialog) {
            user(windows->settingsUi());
            (ok ? windows->settingsUi().okButton : windows->settingsUi().cancelButton)->click();
            return dialog.result();
        };
        controller().splitSettingsAction();
    }
};

}  // namespace

TEST_F(ViewerTest, FirstLaunchIsEmptyAndTheNextRestoresTheFrameAndSaveFolder)
{
    EXPECT_EQ(controller().mpSaveFolder(), QString::fromStdString(scratch.path()) + "/Pictures");
    EXPECT_FALSE(settings->contains("SaveFolderPath"));  // a default is never written
    EXPECT_EQ(windows->mainWindow().size(), ViewerWindows(*settings, panels).mainWindow().size());
    EXPECT_TRUE(windows->mainWindow().isVisible());
    EXPECT_EQ(windowState(), "off /   0 prev off next off menu off");
    EXPECT_EQ(log, QStringList{"-[KivController applicationDidFinishLaunching:]"});

    windows->mainWindow().setGeometry(150, 90, 700, 520);
    const QRect frame = windows->mainWindow().geometry();
    settings->setValue("SaveFolderPath", "/srv/stereo");
    controller().applicationWillTerminate();
    start();
    EXPECT_EQ(windows->mainWindow().geometry(), frame);
    EXPECT_EQ(controller().mpSaveFolder(), "/srv/stereo");

    windows->mainWindow().move(40, 30);  // closing the main window quits and keeps the frame
    QTimer::singleShot(0, &windows->mainWindow(), &QWidget::close);
    QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(1); });  // never hang
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_TRUE(stored("Kiv1Rect").toString().startsWith("40 30 "));
}

TEST_F(SplitTest, SplitOneAndSplitAllWriteTheEnginesFilesAndNeverOverwrite)
{
    controller().splitAllFilesAction();  // nothing on show: nothing happens
    EXPECT_TRUE(written(out).isEmpty());
    open(Way::OpenPanel, file);
    controller().splitOneFileAction();
    EXPECT_EQ(written(out), QStringList{"pair_002.JPG"});
    controller().splitAllFilesAction();
    EXPECT_EQ(written(out), (QStringList{"pair_001.JPG", "pair_002-1.JPG", "pair_002.JPG", "pair_003.JPG"}));
    EXPECT_EQ(bytesOf("pair_001.JPG"), expectedOutput(mpo, 0));
    EXPECT_EQ(bytesOf("pair_002-1.JPG"), expectedOutput(mpo, 1));
    o().currentTextField->setText("0");
    controller().changeCurrentNum();
    controller().splitOneFileAction();  // picture 0: the representative one
    EXPECT_TRUE(written(out).contains("pair_002-2.JPG"));
    EXPECT_TRUE(panels.alerts.isEmpty());

    QDir(out).removeRecursively();
    controller().splitAllFilesAction();
    QFile(out).open(QIODevice::WriteOnly);  // a file where the folder was
    controller().splitOneFileAction();
    EXPECT_EQ(panels.alerts, (QStringList{"ErrorTitle0004 | ErrorMsg0004", "ErrorTitle0002 | ErrorMsg0002"}));
    EXPECT_EQ(windowState(), "0on /   3 prev on next on menu on");
}

TEST_F(SplitTest, SettingsOkStoresTheFolderForTheNextStartAndBrowsingUsesItAtOnce)
{
    bool menuDuring = true;
    settingsDialog([&](const Ui::SplitSettings &ui) {
        menuDuring = o().mpoMenuItem->isEnabled();
        EXPECT_EQ(ui.saveFolderTextField->text(), out);
        ui.saveFolderTextField->setText("/typed/folder");
    }, true);
    EXPECT_FALSE(menuDuring);
    EXPECT_FALSE(o().mpoMenuItem->isEnabled());  // nothing on show
    EXPECT_EQ(stored("SaveFolderPath"), "/typed/folder");
    EXPECT_EQ(controller().mpSaveFolder(), out);  // splits keep the old folder until restart
    open(Way::OpenPanel, file);
    settingsDialog([&](const Ui::SplitSettings &ui) { EXPECT_EQ(ui.saveFolderTextField->text(), "/typed/folder"); }, false);
    EXPECT_TRUE(o().mpoMenuItem->isEnabled());
    start();
    EXPECT_EQ(controller().mpSaveFolder(), "/typed/folder");

    const QString chosen = QString::fromStdString(scratch.path()) + "/chosen";
    QDir().mkpath(chosen);
    panels.folders << chosen;  // a folder chosen, then the dialog cancelled
    settingsDialog([&](const Ui::SplitSettings &ui) { ui.browseButton->click(); }, false);
    EXPECT_EQ(windows->settingsUi().saveFolderTextField->text(), chosen);
    open(Way::OpenPanel, file);
    controller().splitAllFilesAction();
    EXPECT_EQ(written(chosen).size(), 3);
    settingsDialog([&](const Ui::SplitSettings &ui) { ui.browseButton->click(); }, true);  // the panel cancelled
    EXPECT_EQ(controller().mpSaveFolder(), chosen);
    EXPECT_EQ(stored("SaveFolderPath"), "/typed/folder");
    start();
    EXPECT_EQ(controller().mpSaveFolder(), "/typed/folder");
}
