// Opening MPO and JPEG files the three ways, and stepping through pictures.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include "ZorImageView.h"
#include "engine_test_support.h"
#include "jpeg_pictures.h"
#include "viewer_test_support.h"

namespace {

enum class Way { OpenPanel, Drop, Desktop };

struct OpenTest : testing::Test {
    ScratchFolder folder;
    QTemporaryDir settingsDir;
    std::unique_ptr<Viewer> viewer = std::make_unique<Viewer>(settingsDir.filePath("settings.ini"));
    LogCapture log;

    QString write(const std::string &name, const Bytes &bytes)
    {
        return QString::fromStdString(folder.write(name, bytes));
    }
    KivController &controller() { return viewer->controller(); }
    const KivOutlets &o() { return viewer->outlets(); }
    int shownPicture() { return (o().image->image().width() - 56) / 8; }  // jpegMPO's sizes

    void open(Way way, const QString &path)
    {
        if (way == Way::Desktop) {
            viewer = std::make_unique<Viewer>(settingsDir.filePath("settings.ini"));
            controller().applicationOpenFile(path);
        }
        controller().applicationDidFinishLaunching();
        if (way == Way::OpenPanel) {
            viewer->panels.files << path;
            controller().selectAction();
        } else if (way == Way::Drop) {
            dragOnto(*o().image, filesDrag({path}));
        }
    }
    // Number field, count label and the enabled state of the controls.
    std::string windowState()
    {
        auto on = [](bool enabled) { return enabled ? "on" : "off"; };
        return QString("%1%2 %3 prev %4 next %5 menu %6")
            .arg(o().currentTextField->text(), on(o().currentTextField->isEnabled()), o().totalTextField->text(),
                 on(o().previousButton->isEnabled()), on(o().nextButton->isEnabled()), on(o().mpoMenuItem->isEnabled()))
            .toStdString();
    }
};

}  // namespace

TEST_F(OpenTest, EachWayShowsTheRepresentativePictureOfAnMpoFile)
{
    const QString path = write("pair.Mpo", jpegMPO(3, 2).build().bytes);
    for (Way way : {Way::OpenPanel, Way::Drop, Way::Desktop}) {
        open(way, path);
        EXPECT_EQ(windowState(), "2on /   3 prev on next on menu on");
        EXPECT_EQ(shownPicture(), 2);
        EXPECT_EQ(controller().currentNum(), 2);
        EXPECT_EQ(controller().totalCount(), 3);
        EXPECT_EQ(controller().mpFileName(), path);
        EXPECT_EQ(o().fileNameTextField->text(), "pair.Mpo");
        EXPECT_FALSE(o().statusProgressIndicator->isVisible());
    }
}

TEST_F(OpenTest, AJpegIsShownAsASinglePicture)
{
    const QString mpo = write("pair.MPO", jpegMPO(2).build().bytes);
    const QString jpeg = write("photo.JPG", jpegOf(scenePicture(1, QSize(40, 30))));
    for (Way way : {Way::OpenPanel, Way::Drop, Way::Desktop}) {
        open(Way::OpenPanel, mpo);
        open(way, jpeg);
        EXPECT_EQ(windowState(), "1off / 1 prev off next off menu off");
        EXPECT_EQ(o().image->image().size(), QSize(40, 30));
        EXPECT_EQ(controller().currentNum(), way == Way::Desktop ? 0 : 1);  // kept from before
        EXPECT_EQ(controller().mpFileName(), way == Way::OpenPanel ? mpo : jpeg);
    }
}

TEST_F(OpenTest, RepresentativeNumberDecidesTheFirstPictureAndButtons)
{
    open(Way::OpenPanel, write("none.mpo", jpegMPO(3, 0).build().bytes));
    EXPECT_EQ(windowState(), "1on /   3 prev off next on menu on");
    EXPECT_EQ(shownPicture(), 1);
    open(Way::OpenPanel, write("last.mpo", jpegMPO(12, 12).build().bytes));
    EXPECT_EQ(windowState(), "12on /  12 prev on next off menu on");
    EXPECT_EQ(shownPicture(), 12);
    open(Way::OpenPanel, write("one.mpo", jpegMPO(1).build().bytes));
    EXPECT_EQ(windowState(), "1on /   1 prev off next on menu on");
    controller().nextAction();
    EXPECT_EQ(windowState(), "1on /   1 prev on next off menu on");
}

TEST_F(OpenTest, AFailedLoadKeepsWhatWasOnShow)
{
    const QString good = write("good.mpo", jpegMPO(3, 2).build().bytes);
    const QString bad = write("bad.mpo", jpegOf(scenePicture(1, QSize(30, 20))));
    for (Way way : {Way::OpenPanel, Way::Drop, Way::Desktop}) {
        open(Way::OpenPanel, good);
        viewer->panels.alerts.clear();
        open(way, bad);
        EXPECT_EQ(viewer->panels.alerts, QStringList{"ErrorTitle0001 | ErrorMsg0001"});
        EXPECT_EQ(o().fileNameTextField->text(), "bad.mpo");
        if (way == Way::Desktop)
            continue;  // a fresh start has nothing on show
        EXPECT_EQ(windowState(), way == Way::Drop ? "2off /   3 prev on next on menu on" : "2on /   3 prev on next on menu on");
        EXPECT_EQ(shownPicture(), 2);
        EXPECT_EQ(controller().currentNum(), 2);
    }
    EXPECT_TRUE(log.lines.contains("getPicturefromFile Error -12"));
}

TEST_F(OpenTest, StepButtonsAndTypedNumbersMoveThroughThePictures)
{
    open(Way::OpenPanel, write("three.mpo", jpegMPO(3, 1).build().bytes));
    controller().previousAction();
    EXPECT_EQ(windowState(), "1on /   3 prev off next on menu on");
    controller().nextAction();
    EXPECT_EQ(windowState(), "2on /   3 prev on next on menu on");
    controller().nextAction();
    controller().nextAction();
    EXPECT_EQ(windowState(), "3on /   3 prev on next off menu on");
    EXPECT_EQ(shownPicture(), 3);

    auto type = [&](const QString &text) {
        o().currentTextField->setText(text);
        controller().changeCurrentNum();
    };
    controller().previousAction();
    type("99");
    EXPECT_EQ(o().currentTextField->text(), "3");
    EXPECT_EQ(shownPicture(), 3);
    type("0");  // the representative picture
    EXPECT_EQ(controller().currentNum(), 0);
    EXPECT_EQ(shownPicture(), 1);
    type("-2");  // no picture: the view keeps its own
    EXPECT_EQ(controller().currentNum(), -2);
    EXPECT_EQ(windowState(), "-2on /   3 prev on next on menu on");
    EXPECT_EQ(shownPicture(), 1);
}

TEST_F(OpenTest, CommandsDuringALoadAreDroppedAndAHeldButtonWalksToTheEnd)
{
    open(Way::OpenPanel, write("twelve.mpo", jpegMPO(12, 1).build().bytes));
    // The progress display reads the clock during each load: press the
    // buttons from there, while the load is under way.
    bool pressed = false;
    controller().setClock([&] {
        if (controller().isLocked() && !pressed) {
            pressed = true;
            controller().nextAction();
            controller().previousAction();
            o().currentTextField->setText("9");
            controller().changeCurrentNum();
        }
        return qint64(0);
    });
    controller().nextAction();
    EXPECT_TRUE(pressed);
    EXPECT_EQ(controller().currentNum(), 2);
    EXPECT_EQ(shownPicture(), 2);
    for (int repeat = 0; repeat < 15; ++repeat)
        o().nextButton->click();  // what a held button sends every 0.2 s
    EXPECT_EQ(windowState(), "12on /  12 prev on next off menu on");
    EXPECT_EQ(shownPicture(), 12);
}

TEST_F(OpenTest, AHandedOverDocumentIsShownBeforeTheWindowComesToTheFront)
{
    const QString path = write("pair.MPO", jpegMPO(2).build().bytes);
    viewer = std::make_unique<Viewer>(settingsDir.filePath("settings.ini"));
    bool visibleDuringLoad = true;
    controller().setClock([&] {
        visibleDuringLoad = viewer->windows->mainWindow().isVisible();
        return qint64(0);
    });
    controller().applicationOpenFile(path);
    controller().applicationDidFinishLaunching();
    EXPECT_FALSE(visibleDuringLoad);
    EXPECT_TRUE(viewer->windows->mainWindow().isVisible());
    EXPECT_EQ(shownPicture(), 1);
    EXPECT_EQ(controller().mpFileName(), path);
    EXPECT_TRUE(log.lines.contains("-[KivController application:openFile:]"));
}
