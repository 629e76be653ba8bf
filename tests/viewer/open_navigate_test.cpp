// Opening MPO and JPEG files the three ways, and stepping through pictures.
#include <QProgressBar>

#include "viewer_test_support.h"

// Runs the viewer tests on Qt's offscreen platform, so they need no display.
int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

TEST_F(ViewerTest, EachWayOpensAnMpoFileAJpegAndRefusesABrokenFile)
{
    const QString mpo = write("pair.Mpo", jpegMPO(3, 2).bytes), jpeg = write("photo.JPG", jpegOf(QSize(40, 30)));
    const QString bad = write("bad.mpo", jpegOf(QSize(30, 20)));
    for (Way way : {Way::OpenPanel, Way::Drop, Way::Desktop}) {
        bool visibleDuringLoad = false;
        onClock = [&] { visibleDuringLoad |= windows->mainWindow().isVisible(); };
        open(way, mpo);
        onClock = nullptr;
        EXPECT_EQ(visibleDuringLoad, way != Way::Desktop);  // a handed-over file shows before the window
        EXPECT_EQ(windowState(), "2on /   3 prev on next on menu on");
        EXPECT_EQ(shownPicture(), 2);  // the representative picture
        EXPECT_EQ(o().fileNameTextField->text(), "pair.Mpo");
        EXPECT_FALSE(o().statusProgressIndicator->isVisible());

        open(way, jpeg);
        EXPECT_EQ(windowState(), "1off / 1 prev off next off menu off");
        EXPECT_EQ(o().image->image().size(), QSize(40, 30));
        EXPECT_EQ(controller().mpFileName(), way == Way::OpenPanel ? mpo : jpeg);

        open(Way::OpenPanel, mpo);
        panels.alerts.clear();
        {
            InEnglish english;
            open(way, bad);
        }
        EXPECT_EQ(panels.alerts, QStringList{"Cannot Open the File | bad.mpo is not an MPO file this program can read\n\n"
                                             "What the check finds: has no MP index: a single JPEG picture, not a "
                                             "multi-picture file.\n\nThe file cannot be opened, or it is not an MPO or JPEG file that this "
                                             "program can read."});
        // What is on show stays, and so does its name (a fresh start has nothing on show).
        EXPECT_EQ(o().fileNameTextField->text(), way == Way::Desktop ? "bad.mpo" : "pair.Mpo");
        EXPECT_FALSE(o().statusProgressIndicator->isVisible());
        if (way != Way::Desktop)
            EXPECT_EQ(shownPicture(), 2);
    }
    EXPECT_TRUE(log.contains("getPicturefromFile Error -12"));
    EXPECT_TRUE(log.contains("-[KivController application:openFile:]"));

    // Only local files named as pictures are taken; a drop of several opens the first.
    EXPECT_FALSE(drag({QUrl::fromLocalFile("/p/a.jpg"), QUrl::fromLocalFile("/p/b.png")}, false));
    EXPECT_FALSE(drag({QUrl::fromLocalFile("/p/mpo")}, false));
    EXPECT_FALSE(drag({QUrl("https://example.org/pair.mpo")}, false));
    EXPECT_TRUE(drag({QUrl::fromLocalFile("/p/archive.tar.jpg")}, false));
    EXPECT_FALSE(drag({}, false));
    EXPECT_TRUE(drag({QUrl::fromLocalFile(jpeg), QUrl::fromLocalFile(mpo)}));
    EXPECT_EQ(o().image->dropedFileName(), (QStringList{jpeg, mpo}));
    EXPECT_EQ(controller().mpFileName(), jpeg);
}

TEST_F(ViewerTest, StepButtonsAndTypedNumbersMoveThroughThePictures)
{
    open(Way::OpenPanel, write("one.mpo", jpegMPO(1).bytes));
    controller().nextAction();
    EXPECT_EQ(windowState(), "1on /   1 prev on next off menu on");
    open(Way::OpenPanel, write("none.mpo", jpegMPO(3, 0).bytes));  // no representative: the first
    EXPECT_EQ(shownPicture(), 1);
    open(Way::OpenPanel, write("three.mpo", jpegMPO(3, 1).bytes));
    controller().previousAction();
    EXPECT_EQ(windowState(), "1on /   3 prev off next on menu on");
    controller().nextAction();
    EXPECT_EQ(windowState(), "2on /   3 prev on next on menu on");
    controller().nextAction();
    controller().nextAction();
    EXPECT_EQ(windowState(), "3on /   3 prev on next off menu on");
    EXPECT_EQ(shownPicture(), 3);
    controller().previousAction();
    EXPECT_EQ(windowState(), "2on /   3 prev on next on menu on");
    for (const auto &[typed, shown, state] : {std::tuple{"99", 3, "3on /   3 prev on next off menu on"},  // the last
                                              {"0", 1, "0on /   3 prev on next on menu on"},  // the representative
                                              {"-2", 1, "-2on /   3 prev on next on menu on"}}) {  // none: kept
        o().currentTextField->setText(typed);
        controller().changeCurrentNum();
        EXPECT_EQ(shownPicture(), shown) << typed;
        EXPECT_EQ(windowState(), state);
    }
}

TEST_F(ViewerTest, CommandsDuringALoadAreDroppedAndAHeldButtonWalksToTheEnd)
{
    open(Way::OpenPanel, write("twelve.mpo", jpegMPO(12).bytes));
    int pressed = 0;
    onClock = [&] {  // the buttons pressed while a load is under way
        if (controller().isLocked() && pressed++ == 0) {
            controller().nextAction();
            controller().previousAction();
            o().currentTextField->setText("9");
            controller().changeCurrentNum();
        }
    };
    controller().nextAction();
    EXPECT_GT(pressed, 0);
    EXPECT_EQ(shownPicture(), 2);
    onClock = nullptr;
    EXPECT_TRUE(o().nextButton->autoRepeat());
    for (int repeat = 0; repeat < 15; ++repeat)
        o().nextButton->click();  // what a held button sends every 0.2 s
    EXPECT_EQ(windowState(), "12on /  12 prev on next off menu on");
    EXPECT_EQ(shownPicture(), 12);
}

TEST(PictureView, DecodesUprightAtTheSizeShownAndAgainWhenItGrows)
{
    ZorImageView view;
    view.setImageScaling(ZorImageView::ImageScaling::ProportionallyDown);
    view.resize(400, 300);
    view.show();
    const auto show = [&](const Bytes &jpeg) { view.setPicture(qBytes(jpeg)); };
    show(jpegOf(QSize(1600, 1200)));
    EXPECT_EQ(view.image().size(), QSize(400, 300));
    view.resize(800, 700);
    EXPECT_EQ(view.image().size(), QSize(800, 600));
    view.resize(200, 150);  // shrinking keeps what was decoded
    EXPECT_EQ(view.image().size(), QSize(800, 600));
    show(jpegOf(QSize(100, 50)));
    EXPECT_EQ(view.image().size(), QSize(100, 50));  // never enlarged
    show(withSegments(jpegOf(QSize(100, 50)), {exifWithOrientation(6)}));
    EXPECT_EQ(view.image().size(), QSize(50, 100));  // shown upright
}

TEST_F(ViewerTest, AFileWithADamagedIndexIsNamedExactlyAndRepairedIntoACopyThatOpens)
{
    InEnglish english;
    const BuiltMPO pair = jpegMPO(2);
    const Bytes damaged = patched(pair, pair.entriesAt + 24, big32(0x7FFFFFF0));  // picture 2 beyond the end
    const QString path = write("trip.MPO", damaged), repaired = QFileInfo(path).path() + "/trip_repaired.MPO";
    const QString offer = QString("The File’s MP Index Is Damaged | trip.MPO has an MP index that points outside the "
                                  "file, or lists its pictures out of order\n\nWhat the check finds: picture 2 starts "
                                  "outside the file (at byte %1 of %2).\n\nThe 2 pictures it holds can be found whole. "
                                  "Repair writes a repaired copy, trip_repaired.MPO, beside the file and opens it; the "
                                  "file itself is not changed. | Repair…")
                              .arg(0x7FFFFFF0 + pair.baseOffset)
                              .arg(damaged.size());
    open(Way::Drop, path);  // declined: nothing written
    EXPECT_EQ(panels.alerts, QStringList{offer});
    EXPECT_FALSE(QFileInfo::exists(repaired));
    panels.answers = {true, true};
    open(Way::OpenPanel, path);
    EXPECT_EQ(title(), "trip_repaired.MPO — 1 / 2");
    EXPECT_EQ(controller().mpFileName(), repaired);
    EXPECT_EQ(statusBarText(), "Repaired: 2 pictures written to " + repaired);
    EXPECT_EQ(readFile(path.toStdString()), damaged);
    open(Way::OpenPanel, path);  // the first copy is never replaced
    EXPECT_EQ(title(), "trip_repaired_2.MPO — 1 / 2");
    // The file on show, checked: a sound one says so.
    panels.alerts.clear();
    windows->actions().action(Command::CheckRepair)->trigger();
    EXPECT_EQ(panels.alerts, QStringList{"The File Is Sound | trip_repaired_2.MPO has no problem: its MP index lists "
                                         "the pictures it holds."});
}
