// Start-up and quitting with the saved frame and save folder, the split
// commands, and the split-settings dialog with its two folder stores.
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QTimer>

#include "viewer_test_support.h"

TEST_F(ViewerTest, FirstLaunchIsEmptyAndTheNextRestoresTheFrameAndSaveFolder)
{
    EXPECT_EQ(controller().mpSaveFolder(), QString::fromStdString(scratch.path()) + "/Pictures");
    EXPECT_FALSE(settings->contains("SaveFolderPath"));  // a default is never written
    EXPECT_EQ(windows->mainWindow().size(), ViewerWindows(*settings, panels).mainWindow().size());
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

TEST_F(ViewerTest, SplitsWriteTheEnginesFilesIntoTheSaveFolderAndSettingsChangeIt)
{
    const QString out = QString::fromStdString(scratch.path()) + "/out", chosen = out + "/chosen";
    QDir().mkpath(chosen);
    settings->setValue("SaveFolderPath", out);
    start();
    const auto written = [&](const QString &folder) { return QDir(folder).entryList({"*.JPG"}, QDir::Files, QDir::Name); };
    const BuiltMPO mpo = jpegMPO(3, 2);
    const QString file = write("pair.MPO", mpo.bytes);
    controller().splitAllFilesAction();  // nothing on show: nothing happens
    open(Way::OpenPanel, file);
    controller().splitOneFileAction();
    controller().splitAllFilesAction();
    o().currentTextField->setText("0");
    controller().changeCurrentNum();
    controller().splitOneFileAction();  // picture 0: the representative one
    EXPECT_EQ(written(out), (QStringList{"pair_001.JPG", "pair_002-1.JPG", "pair_002-2.JPG", "pair_002.JPG", "pair_003.JPG"}));
    EXPECT_EQ(readFile((out + "/pair_002-1.JPG").toStdString()), expectedOutput(mpo, 1));

    // The dialog keeps its word: OK makes the field's folder (typed, or
    // chosen with Browse) the one the next split writes into and the next
    // start reads; Cancel changes nothing, even after a Browse.
    const QString typed = out + "/typed";
    QDir().mkpath(typed);
    QString shown;  // the folder the dialog showed when it opened
    const auto dialog = [&](const QString &text, QPushButton *press) {
        panels.whileModal = [&](QDialog &modal) {
            EXPECT_FALSE(o().mpoMenuItem->isEnabled());
            shown = windows->settingsUi().saveFolderTextField->text();
            if (text.isEmpty())
                windows->settingsUi().browseButton->click();
            else
                windows->settingsUi().saveFolderTextField->setText(text);
            press->click();
            return modal.result();
        };
        controller().splitSettingsAction();
    };
    const auto splitsInto = [&](const QString &folder) {
        const QStringList before = written(folder);
        controller().splitOneFileAction();
        return written(folder).size() == before.size() + 1;
    };
    dialog(typed, windows->settingsUi().okButton);
    EXPECT_EQ(shown, out);
    EXPECT_EQ(stored("SaveFolderPath"), typed);
    EXPECT_TRUE(splitsInto(typed));
    EXPECT_TRUE(o().mpoMenuItem->isEnabled());
    panels.folders << chosen;
    dialog("", windows->settingsUi().cancelButton);  // Browse, then Cancel
    dialog("/elsewhere", windows->settingsUi().cancelButton);
    EXPECT_EQ(shown, typed);
    EXPECT_EQ(stored("SaveFolderPath"), typed);
    EXPECT_TRUE(splitsInto(typed));
    panels.folders << chosen;
    dialog("", windows->settingsUi().okButton);  // Browse, then OK
    EXPECT_EQ(stored("SaveFolderPath"), chosen);
    EXPECT_TRUE(splitsInto(chosen));
    EXPECT_TRUE(panels.alerts.isEmpty());

    start();
    EXPECT_EQ(controller().mpSaveFolder(), chosen);
}

TEST_F(ViewerTest, SplitsSayWhatTheyWroteAndOfferAnotherFolderWhenTheirsFails)
{
    InEnglish english;
    const QString home = QString::fromStdString(scratch.path()), pictures = home + "/Pictures";
    const BuiltMPO three = jpegMPO(3, 2);
    const QString file = write("pair.MPO", three.bytes);
    open(Way::OpenPanel, file);
    controller().splitAllFilesAction();  // into the default folder, made for it
    EXPECT_EQ(statusBarText(), "3 pictures written to " + pictures + ", the first as pair_001.JPG");
    controller().splitOneFileAction();
    EXPECT_EQ(statusBarText(), "pair_002-1.JPG written to " + pictures);
    QFile::resize(file, qint64(three.starts[2]));  // cut short where picture 3 starts
    controller().splitAllFilesAction();
    EXPECT_EQ(statusBarText(), "2 pictures written to " + pictures + ", the first as pair_001-1.JPG; pair.MPO has a "
                               "picture that starts where the file ends, or beyond (the file is cut short): picture 3 "
                               "is not written");
    write("pair.MPO", three.bytes);

    settings->setValue("SaveFolderPath", home + "/gone");  // a folder of the user's own is never made
    start();
    open(Way::OpenPanel, file);
    const QString chosen = home + "/chosen";
    QDir().mkpath(chosen);
    panels.answers << true << false;
    panels.folders << chosen;
    controller().splitOneFileAction();
    const QString failed = "Cannot Write the Picture | pair.MPO cannot be split: the save folder does not exist or "
                           "cannot be used (%1) | Choose Another Folder…";
    EXPECT_EQ(panels.alerts, QStringList{failed.arg(home + "/gone")});
    EXPECT_FALSE(QDir(home + "/gone").exists());
    EXPECT_EQ(statusBarText(), "pair_002.JPG written to " + chosen);  // tried again there, and kept
    EXPECT_EQ(stored("SaveFolderPath"), chosen);
    QDir(chosen).removeRecursively();
    controller().splitOneFileAction();  // offered again, and declined: nothing more
    EXPECT_EQ(panels.alerts.value(1), failed.arg(chosen));
    EXPECT_EQ(panels.alerts.size(), 2);
    EXPECT_FALSE(o().statusProgressIndicator->isVisible());
}
