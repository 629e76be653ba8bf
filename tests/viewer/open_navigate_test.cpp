// Opening MPO and JPEG files the three ways, and stepping through pictures.
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>

#include "ZorImageView.h"
#include "viewer_test_support.h"

TEST_F(ViewerTest, EachWayOpensAnMpoFileAJpegAndRefusesABrokenFile)
{
    const QString mpo = write("pair.Mpo", jpegMPO(3, 2).bytes), jpeg = write("photo.JPG", jpegOf(QSize(40, 30)));
    const QString bad = write("bad.mpo", jpegOf(QSize(30, 20)));
    for (Way way : {Way::OpenPanel, Way::Drop, Way::Desktop}) {
        bool visibleDuringLoad = false;
        onClock = [&] { visibleDuringLoad |= windows->mainWindow().isVisible(); };
        open(way, mpo);
        EXPECT_EQ(windowState(), "2on /   3 prev on next on menu on");
        EXPECT_EQ(shownPicture(), 2);  // the representative picture
        EXPECT_EQ(controller().mpFileName(), mpo);
        EXPECT_EQ(o().fileNameTextField->text(), "pair.Mpo");
        EXPECT_FALSE(o().statusProgressIndicator->isVisible());
        EXPECT_EQ(visibleDuringLoad, way != Way::Desktop);  // a handed-over file shows before the window does
        onClock = nullptr;

        open(way, jpeg);
        EXPECT_EQ(windowState(), "1off / 1 prev off next off menu off");
        EXPECT_EQ(o().image->image().size(), QSize(40, 30));
        EXPECT_EQ(controller().currentNum(), way == Way::Desktop ? 0 : 2);  // kept from before
        EXPECT_EQ(controller().mpFileName(), way == Way::OpenPanel ? mpo : jpeg);

        open(Way::OpenPanel, mpo);
        panels.alerts.clear();
        open(way, bad);
        EXPECT_EQ(panels.alerts, QStringList{"ErrorTitle0001 | ErrorMsg0001"});
        EXPECT_EQ(o().fileNameTextField->text(), "bad.mpo");
        if (way != Way::Desktop) {  // a fresh start has nothing on show
            EXPECT_EQ(shownPicture(), 2);
            EXPECT_EQ(windowState(), way == Way::Drop ? "2off /   3 prev on next on menu on" : "2on /   3 prev on next on menu on");
        }
    }
    EXPECT_TRUE(log.contains("getPicturefromFile Error -12"));
    EXPECT_TRUE(log.contains("-[KivController application:openFile:]"));
}

TEST_F(ViewerTest, DropsOnlyFilesNamedAsPicturesAndOpensTheFirst)
{
    EXPECT_TRUE(dragOnto(filesDrag({"/p/photo.MPO", "/p/scene.Jpeg"}), false));
    EXPECT_TRUE(dragOnto(filesDrag({"/p/archive.tar.jpg"}), false));
    EXPECT_FALSE(dragOnto(filesDrag({"/p/a.jpg", "/p/b.png"}), false));
    EXPECT_FALSE(dragOnto(filesDrag({"/p/mpo"}), false));
    auto *web = new QMimeData;
    web->setUrls({QUrl("https://example.org/pair.mpo")});
    EXPECT_FALSE(dragOnto(web, false));
    auto *colour = new QMimeData;
    colour->setColorData(QColor(Qt::red));
    EXPECT_FALSE(dragOnto(colour, false));

    const QString first = write("first.mpo", jpegMPO(2).bytes), second = write("second.mpo", jpegMPO(3).bytes);
    EXPECT_TRUE(dragOnto(filesDrag({first, second})));
    EXPECT_EQ(o().image->dropedFileName(), (QStringList{first, second}));
    EXPECT_EQ(controller().mpFileName(), first);
}

TEST_F(ViewerTest, StepButtonsAndTypedNumbersMoveThroughThePictures)
{
    open(Way::OpenPanel, write("one.mpo", jpegMPO(1).bytes));
    EXPECT_EQ(windowState(), "1on /   1 prev off next on menu on");
    controller().nextAction();
    EXPECT_EQ(windowState(), "1on /   1 prev on next off menu on");
    open(Way::OpenPanel, write("none.mpo", jpegMPO(3, 0).bytes));  // no representative: the first
    EXPECT_EQ(windowState(), "1on /   3 prev off next on menu on");
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

    const auto type = [&](const QString &text) {
        o().currentTextField->setText(text);
        controller().changeCurrentNum();
    };
    type("99");
    EXPECT_EQ(o().currentTextField->text(), "3");
    type("0");  // the representative picture, here the first
    EXPECT_EQ(controller().currentNum(), 0);
    EXPECT_EQ(shownPicture(), 1);
    type("-2");  // no picture: the view keeps its own
    EXPECT_EQ(windowState(), "-2on /   3 prev on next on menu on");
    EXPECT_EQ(shownPicture(), 1);
}

TEST_F(ViewerTest, CommandsDuringALoadAreDroppedAndAHeldButtonWalksToTheEnd)
{
    open(Way::OpenPanel, write("twelve.mpo", jpegMPO(12).bytes));
    // The progress display reads the clock during each load: press the
    // buttons from there, while the load is under way.
    bool pressed = false;
    onClock = [&] {
        if (controller().isLocked() && !pressed) {
            pressed = true;
            controller().nextAction();
            controller().previousAction();
            o().currentTextField->setText("9");
            controller().changeCurrentNum();
        }
    };
    controller().nextAction();
    EXPECT_TRUE(pressed);
    EXPECT_EQ(shownPicture(), 2);
    EXPECT_TRUE(o().nextButton->autoRepeat());
    for (int repeat = 0; repeat < 15; ++repeat)
        o().nextButton->click();  // what a held button sends every 0.2 s
    EXPECT_EQ(windowState(), "12on /  12 prev on next off menu on");
    EXPECT_EQ(shownPicture(), 12);
}

TEST(PictureView, DecodesAtTheSizeShownAndAgainWhenItGrows)
{
    ZorImageView view;
    view.setImageScaling(ZorImageView::ImageScaling::ProportionallyDown);
    view.resize(400, 300);
    view.show();
    const auto picture = [&](QSize size) {
        const Bytes bytes = jpegOf(size);
        view.setPicture(QByteArray(reinterpret_cast<const char *>(bytes.data()), qsizetype(bytes.size())));
    };
    picture(QSize(1600, 1200));
    EXPECT_EQ(view.image().size(), QSize(400, 300));
    view.resize(800, 700);
    EXPECT_EQ(view.image().size(), QSize(800, 600));
    view.resize(200, 150);  // shrinking keeps what was decoded
    EXPECT_EQ(view.image().size(), QSize(800, 600));
    picture(QSize(100, 50));
    EXPECT_EQ(view.image().size(), QSize(100, 50));  // never enlarged
    view.setPicture("no picture here");
    EXPECT_TRUE(view.image().isNull());
}
