// The stereo views in the viewer: a pair shown composed, the view and the
// swap remembered, offsets per file, the flat view when there is no pair,
// one waiting pair at most while stepping, the exports, JPS files, and full
// screen.
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QImageReader>
#include <QMenuBar>
#include <QPainter>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>

#include "engine/mpo.h"
#include "engine/mpo_check.h"
#include "imaging/jpeg_decoder.h"
#include "window/ConvertDialog.h"
#include "window/ConvertRunDialog.h"
#include "window/InfoPanel.h"
#include "viewer_test_support.h"

namespace {

Bytes solidJpeg(QColor colour, QSize size = QSize(64, 48)) { return jpegOf(size, colour); }

const QColor red(220, 40, 40), blue(40, 120, 220), green(40, 200, 60), yellow(230, 210, 40);

// Pictures of these colours, all of one size.
BuiltMPO series(const std::vector<QColor> &colours)
{
    MPOBuilder builder;
    for (const QColor &colour : colours)
        builder.add(solidJpeg(colour), 0x00020002u | (builder.pictures.empty() ? representativeFlag : 0u));
    return builder.build();
}

struct StereoViewTest : ViewerTest {
    InEnglish english;  // the tests read the stereo texts as shown
    PicturePresenter &presenter() { return windows->picturePresenter(); }
    void choose(std::optional<stereo::View> view) { windows->viewMenu().itemFor(view)->trigger(); }
    // Opens `path` and waits until its pair is on show.
    bool openPair(const QString &path)
    {
        QSignalSpy shown(&presenter(), &PicturePresenter::pairShown);
        open(Way::OpenPanel, path);
        return !shown.isEmpty() || shown.wait(5000);
    }
    QAction *itemWithKeys(const char *keys)
    {
        for (QAction *item : windows->mainWindow().actions())
            if (item->shortcut() == QKeySequence(keys))
                return item;
        return nullptr;
    }
    QRgb shownPixel(int x, int y) { return o().image->image().pixel(x, y); }
};

}  // namespace

TEST_F(StereoViewTest, AChosenViewShowsThePairComposedAndIsRememberedWithTheSwap)
{
    const QString pair = write("pair.MPO", series({red, blue}).bytes);
    choose(stereo::View::Parallel);
    ASSERT_TRUE(openPair(pair));
    EXPECT_EQ(o().image->image().size(), QSize(128, 48));
    EXPECT_TRUE(near(shownPixel(10, 10), red));
    EXPECT_TRUE(near(shownPixel(100, 10), blue));
    EXPECT_EQ(windows->stereoStatus().text(), "Side by Side (Parallel) · offset 0, 0 px · Auto Align");

    windows->viewMenu().swapItem()->trigger();
    EXPECT_TRUE(near(shownPixel(10, 10), blue));
    EXPECT_EQ(windows->stereoStatus().text(), "Side by Side (Parallel) · offset 0, 0 px · swapped · Auto Align");

    QSignalSpy shown(&presenter(), &PicturePresenter::pairShown);
    choose(stereo::View::RedCyanColour);  // red from the left picture (now blue), green and blue from the right
    ASSERT_TRUE(shown.wait(5000));
    EXPECT_EQ(o().image->image().size(), QSize(64, 48));
    EXPECT_TRUE(near(shownPixel(10, 10), QColor(blue.red(), red.green(), red.blue())));

    // Interlaced rows are shown without scaling, so each row of the view is one picture's row.
    MPOBuilder large;
    large.add(solidJpeg(red, QSize(1600, 1200)), representativeFlag).add(solidJpeg(blue, QSize(1600, 1200)));
    choose(stereo::View::Rows);
    ASSERT_TRUE(openPair(write("large.MPO", large.build().bytes)));
    const QSize view = o().image->size(), rows = o().image->image().size();
    EXPECT_TRUE(rows.width() == view.width() || rows.height() == view.height());
    EXPECT_TRUE(QRect(QPoint(), view).contains(QRect(QPoint(), rows)));
    EXPECT_TRUE(near(shownPixel(10, 0), blue));  // swapped: the right picture on the even rows
    EXPECT_TRUE(near(shownPixel(10, 1), red));
    choose(stereo::View::RedCyanColour);
    // At 100 % the pair is composed from its full-size pictures, let go again once it fits.
    o().image->setZoom(1.0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return o().image->image().size() == QSize(1600, 1200); }, 5000));
    o().image->fitToWindow();
    EXPECT_TRUE(QTest::qWaitFor([&] { return o().image->image().width() < 1600; }, 5000));

    EXPECT_EQ(stored(ViewerSettings::stereoViewKey), "anaglyph-color");
    EXPECT_EQ(stored(ViewerSettings::stereoSwapKey).toBool(), true);
    start();
    EXPECT_TRUE(windows->viewMenu().itemFor(stereo::View::RedCyanColour)->isChecked());
    EXPECT_TRUE(windows->viewMenu().swapItem()->isChecked());
    choose(std::nullopt);
    open(Way::OpenPanel, pair);
    EXPECT_EQ(o().image->image().size(), QSize(64, 48));
    EXPECT_EQ(stored(ViewerSettings::stereoViewKey), "flat");
}

TEST_F(StereoViewTest, WithoutAPairThePictureShowsFlatWithAMessageAndNoAlert)
{
    choose(stereo::View::OverUnder);
    open(Way::OpenPanel, write("sizes.MPO", jpegMPO(2).bytes));  // pictures of two sizes
    // (QTRY_ macros would end a failing test early without failing it.)
    EXPECT_TRUE(QTest::qWaitFor([&] { return statusBarText() == "The pictures of the pair differ in size: shown flat"; }, 5000));
    EXPECT_EQ(shownPicture(), 1);
    open(Way::OpenPanel, write("photo.jpg", solidJpeg(red)));
    EXPECT_EQ(statusBarText(), "A single picture: shown flat");
    EXPECT_EQ(o().image->image().size(), QSize(64, 48));
    EXPECT_TRUE(panels.alerts.isEmpty());
}

TEST_F(StereoViewTest, OffsetsLevelAndACropFrameChangeTheViewAndEachFileStartsAfresh)
{
    const QString pair = write("pair.MPO", series({red, blue}).bytes);
    choose(stereo::View::Parallel);
    ASSERT_TRUE(openPair(pair));
    itemWithKeys("Alt+Right")->trigger();
    itemWithKeys("Alt+Shift+Up")->trigger();
    EXPECT_EQ(windows->stereoStatus().text(), "Side by Side (Parallel) · offset 1, -10 px · Auto Align");
    EXPECT_EQ(o().image->image().size(), QSize(2 * 51, 38));  // what both cover, in the shape taken
    for (int i = 0; i < 10; ++i)
        itemWithKeys("Alt+Shift+Left")->trigger();
    EXPECT_EQ(windows->stereoStatus().text(), "Side by Side (Parallel) · offset -63, -10 px · Auto Align");  // clamped
    itemWithKeys("Alt+Home")->trigger();
    for (int i = 0; i < 3; ++i)
        itemWithKeys("]")->trigger();
    EXPECT_EQ(windows->stereoStatus().text(), "Side by Side (Parallel) · offset 0, 0 px · level 0.3° · Auto Align");

    // Shift+drag over the left picture, from a tenth of its width and height
    // to four tenths and nine: both pictures keep that part (any shape).
    itemWithKeys("K")->trigger();  // from the shape taken to the next: 4:3 ...
    EXPECT_NEAR(presenter().shownOptions().crop.aspect, 4.0 / 3, 1e-9);
    for (int i = 0; i < 4; ++i)
        itemWithKeys("K")->trigger();  // ... 3:2, 16:9, 1:1, free
    EXPECT_LT(presenter().shownOptions().crop.aspect, 0);
    const QSize before = o().image->image().size();
    ZorImageView *view = o().image;
    const auto at = [&](double x, double y) {  // a point of the view showing that share of the picture
        QPoint found;
        for (int vx = 0; vx < view->width(); ++vx)
            for (int vy = 0; vy < view->height(); ++vy)
                if (const QPointF p = view->pictureAt(QPointF(vx, vy)); found.isNull() && p.x() >= x * before.width() &&
                                                                         p.y() >= y * before.height())
                    found = {vx, vy};
        return found;
    };
    QTest::mousePress(view, Qt::LeftButton, Qt::ShiftModifier, at(0.05, 0.1));
    QTest::mouseMove(view, at(0.2, 0.9));
    QTest::mouseRelease(view, Qt::LeftButton, Qt::ShiftModifier, at(0.2, 0.9));
    const stereo::Crop crop = presenter().shownOptions().crop;
    EXPECT_NEAR(crop.left, 0.1, 0.05);
    EXPECT_NEAR(crop.right, 0.4, 0.05);
    EXPECT_NEAR(crop.top, 0.1, 0.05);
    EXPECT_NEAR(crop.bottom, 0.9, 0.05);
    EXPECT_NEAR(o().image->image().width(), before.width() * 0.3, before.width() * 0.06);
    ASSERT_TRUE(openPair(pair));
    EXPECT_EQ(windows->stereoStatus().text(), "Side by Side (Parallel) · offset 0, 0 px · Auto Align");
    EXPECT_TRUE(presenter().shownOptions().crop.whole());

    // Small pictures are enlarged to fit the view, flat or in pairs, unless asked not to be.
    EXPECT_GT(o().image->zoom(), 2);
    choose(std::nullopt);
    EXPECT_GT(o().image->zoom(), 2);
    itemWithKeys("E")->trigger();
    EXPECT_EQ(o().image->zoom(), 1);
    EXPECT_FALSE(stored(ViewerSettings::enlargeSmallKey).toBool());
}

TEST_F(StereoViewTest, SteppingWhileAPairDecodesKeepsOnePairWaitingAndShowsTheLast)
{
    const QString four = write("series.MPO", series({red, blue, green, yellow}).bytes);
    choose(stereo::View::Parallel);
    ASSERT_TRUE(openPair(four));
    QSignalSpy shown(&presenter(), &PicturePresenter::pairShown);
    for (int step = 0; step < 3; ++step)
        controller().nextAction();  // faster than the pairs decode
    ASSERT_TRUE(shown.wait(5000));
    QTest::qWait(100);
    EXPECT_EQ(shown.count(), 1);  // the pairs stepped past are dropped, not shown
    EXPECT_TRUE(near(shownPixel(10, 10), green));  // the last picture pairs with the one before it
    EXPECT_TRUE(near(shownPixel(100, 10), yellow));
}

TEST_F(StereoViewTest, TheNextPairIsDecodedAheadQuietlyAndAKeptPairNeverShowsOldBytes)
{
    choose(stereo::View::Parallel);
    const QString path = write("series.mpo", series({red, blue, green, yellow}).bytes);
    ASSERT_TRUE(openPair(path));
    testing::internal::CaptureStdout();
    whileReadingAhead();  // pair 2 and 3
    QSignalSpy shown(&presenter(), &PicturePresenter::pairShown);
    controller().nextAction();
    ASSERT_TRUE(!shown.isEmpty() || shown.wait(5000));
    whileReadingAhead();  // and now pair 3 and 4
    const std::vector<std::string> trace = linesOf(testing::internal::GetCapturedStdout());
    EXPECT_TRUE(near(shownPixel(10, 10), blue));
    EXPECT_TRUE(near(shownPixel(100, 10), green));
    EXPECT_EQ(std::count_if(trace.begin(), trace.end(), [](const std::string &line) { return line.rfind("File Size", 0) == 0; }), 1)
        << "the step's picture only: its partner was read ahead, quietly";

    write("series.mpo", series({red, blue, green, red}).bytes);
    shown.clear();
    controller().nextAction();  // pair 3 and 4, decoded ahead from the old bytes
    ASSERT_TRUE(!shown.isEmpty() || shown.wait(5000));
    EXPECT_TRUE(near(shownPixel(10, 10), green));
    EXPECT_TRUE(near(shownPixel(100, 10), red));
}

TEST_F(StereoViewTest, ExportWritesTheViewAtFullSizeAndNeverReplacesAFile)
{
    const QString pair = write("pair.MPO", series({red, blue}).bytes);
    controller().exportStereoViewAction();
    EXPECT_EQ(panels.alerts.value(0).section(" | ", 0, 0), "No Stereo View on Show");
    choose(stereo::View::Cross);
    ASSERT_TRUE(openPair(pair));
    const QString exported = QString::fromStdString(scratch.path()) + "/pair_stereo.jps";
    panels.savedNames << exported << exported;
    controller().exportStereoViewAction();
    EXPECT_EQ(panels.suggestedNames.value(0), QString::fromStdString(scratch.path()) + "/pair.jps");  // after the view
    EXPECT_EQ(panels.titles.last(), "Export the Stereo View");
    EXPECT_EQ(panels.kinds.mid(1), (QStringList{"JPEG picture", "JPS side-by-side picture"}));
    const QImage written(exported, "JPEG");
    EXPECT_EQ(written.size(), QSize(128, 48));
    EXPECT_TRUE(near(written.pixel(10, 10), blue));  // crossed: the right picture on the left
    EXPECT_EQ(statusBarText(), "Stereo view written to " + exported);
    const Bytes before = readFile(exported.toStdString());
    panels.alerts.clear();
    controller().exportStereoViewAction();
    ASSERT_EQ(panels.alerts.size(), 1);
    EXPECT_TRUE(panels.alerts[0].contains("never replaced")) << panels.alerts[0].toStdString();
    EXPECT_EQ(readFile(exported.toStdString()), before);
    EXPECT_FALSE(o().statusProgressIndicator->isVisible());
    // For a 3D TV: each picture into its half of a 1920 x 1080 frame; for a
    // headset: side by side, each at its own size.
    const QString tv = QString::fromStdString(scratch.path()) + "/pair_3dtv.jpg",
                  headset = QString::fromStdString(scratch.path()) + "/pair_vr.jpg";
    panels.savedNames << tv << headset;
    windows->actions().action(Command::ExportTvHalfSideBySide)->trigger();
    windows->actions().action(Command::ExportHeadset)->trigger();
    const QImage framed(tv, "JPEG");
    ASSERT_EQ(framed.size(), QSize(1920, 1080));
    EXPECT_TRUE(near(framed.pixel(0, 540), Qt::black) && near(framed.pixel(1919, 540), Qt::black));
    EXPECT_TRUE(near(framed.pixel(480, 540), red) && near(framed.pixel(1440, 540), blue));
    EXPECT_EQ(QImage(headset, "JPEG").size(), QSize(128, 48));
    // A wiggle: the two pictures in turn, at the wiggle view's rate (7 a second).
    const QString wiggle = QString::fromStdString(scratch.path()) + "/pair_wiggle.gif";
    panels.savedNames << wiggle;
    windows->actions().action(Command::ExportWiggle)->trigger();
    EXPECT_EQ(panels.suggestedNames.last(), wiggle);
    QImageReader animation(wiggle);
    ASSERT_EQ(animation.imageCount(), 2);
    EXPECT_TRUE(near(animation.read().pixel(32, 24), red));
    EXPECT_EQ(animation.nextImageDelay(), 140);
    EXPECT_TRUE(near(animation.read().pixel(32, 24), blue));
    EXPECT_EQ(statusBarText(), "Wiggle animation written: " + wiggle);
    // Of a series, every picture there and back: 1, 2, 3, 2.
    ASSERT_TRUE(openPair(write("three.MPO", series({red, blue, green}).bytes)));
    const QString rocking = QString::fromStdString(scratch.path()) + "/three_wiggle.gif";
    panels.savedNames << rocking;
    windows->actions().action(Command::ExportWiggle)->trigger();
    QImageReader frames(rocking);
    ASSERT_EQ(frames.imageCount(), 4) << panels.alerts.join("; ").toStdString();
    for (const QColor &colour : {red, blue, green, blue})
        EXPECT_TRUE(near(frames.read().pixel(32, 24), colour));
    // The next export, of a file elsewhere, starts where this one went.
    QDir(QString::fromStdString(scratch.path())).mkdir("elsewhere");
    ASSERT_TRUE(openPair(write("elsewhere/other.MPO", series({red, blue}).bytes)));
    controller().saveAdjustedPairAction();
    EXPECT_EQ(panels.suggestedNames.last(), QString::fromStdString(scratch.path()) + "/other_adjusted.MPO");
    // The stereo exports act on a stereo view only.
    EXPECT_TRUE(itemWithKeys("Ctrl+Shift+S")->isEnabled());
    choose(std::nullopt);
    EXPECT_FALSE(itemWithKeys("Ctrl+Shift+S")->isEnabled());
}

TEST_F(StereoViewTest, FullScreenShowsThePictureAloneOnBlackAndEscapeLeavesIt)
{
    QMainWindow &window = windows->mainWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QDockWidget &panel = windows->browseMenus().infoPanel();
    windows->browseMenus().informationItem()->trigger();
    windows->viewMenu().fullScreenItem()->trigger();
    EXPECT_TRUE(window.isFullScreen());
    EXPECT_FALSE(window.menuBar()->isVisible());
    EXPECT_FALSE(panel.isVisible());
    EXPECT_FALSE(o().nextButton->isVisible());
    EXPECT_EQ(o().image->grab().toImage().pixel(0, 0), qRgb(0, 0, 0));
    ASSERT_NE(itemWithKeys("Ctrl+1"), nullptr);  // the window holds the items while the menus are hidden
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_FALSE(window.isFullScreen());
    EXPECT_TRUE(window.menuBar()->isVisible());
    EXPECT_TRUE(o().nextButton->isVisible());
    EXPECT_TRUE(panel.isVisible());
    EXPECT_FALSE(windows->viewMenu().fullScreenItem()->isChecked());
}

TEST_F(StereoViewTest, AutoAlignCorrectsAPairWhoseRightPictureSitsLowerAndCanBeTurnedOff)
{
    // A scene of many shapes; the right picture shows it 8 pixels lower and 6 to the left.
    QImage left(960, 720, QImage::Format_RGB32);
    left.fill(QColor(90, 120, 150));
    QPainter painter(&left);
    QRandomGenerator random(3);
    for (int i = 0; i < 500; ++i) {
        painter.setBrush(QColor::fromRgb(random.generate() | 0xFF000000u));
        painter.drawRect(random.bounded(960), random.bounded(720), 4 + random.bounded(50), 4 + random.bounded(50));
    }
    painter.end();
    QImage right(left.size(), QImage::Format_RGB32);
    right.fill(Qt::black);
    QPainter(&right).drawImage(-6, 8, left);
    const auto jpeg = [](const QImage &picture) { return jpegOf(picture, 95); };
    MPOBuilder builder;
    builder.add(jpeg(left), representativeFlag).add(jpeg(right));
    choose(stereo::View::RedCyanDubois);
    QSignalSpy told(&presenter(), &PicturePresenter::message);
    ASSERT_TRUE(openPair(write("shifted.MPO", builder.build().bytes)));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !told.isEmpty(); }, 10000));
    const auto said = [&] { return told.last().at(0).toString(); };
    EXPECT_EQ(said(), "Auto Align: 8 px up; the nearest points at the screen · colors matched: the pictures hardly "
                      "differed");
    itemWithKeys("C")->trigger();  // Match Colors, on by default, off
    EXPECT_FALSE(stored(ViewerSettings::matchColorsKey).toBool());
    EXPECT_EQ(said(), "Auto Align: 8 px up; the nearest points at the screen");
    EXPECT_EQ(presenter().shownOptions().colours, nullptr);

    // The adjusted pair saved at full size: aligned, cropped to the shape taken.
    const QString saved = QString::fromStdString(scratch.path()) + "/shifted_adjusted.MPO";
    panels.savedNames << saved;
    itemWithKeys("Ctrl+Shift+S")->trigger();
    std::vector<MPOListedEntry> entries;
    int count = 0, representative = 0;
    EXPECT_EQ(listMPOEntries(saved.toUtf8().constData(), entries, &count, &representative), 0);
    EXPECT_EQ(count, 2);
    const Bytes written = readFile(saved.toStdString());
    const imaging::DecodedJpeg first = imaging::decodeJpeg(written.data(), written.size(), [](auto full) { return full; });
    EXPECT_NEAR(double(first.fullSize.width) / first.fullSize.height, 4.0 / 3, 0.01);
    EXPECT_LT(first.fullSize.height, 720 - 8);
    // Ctrl+C copies the view at full size too, not as shown.
    itemWithKeys("Ctrl+C")->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), QSize(first.fullSize.width, first.fullSize.height));
    EXPECT_LT(o().image->image().width(), first.fullSize.width) << "the view holds it at the size shown";
    const stereo::Options aligned = presenter().shownOptions();
    EXPECT_NEAR(aligned.shiftY, -8, 0.5);
    EXPECT_NEAR(aligned.degrees, 0, 0.05);
    EXPECT_NEAR(aligned.dx, 6, 2) << "the nearest points (here all of them, seen 6 px in front) at the screen plane";
    ZorImageView *view = o().image;
    QTest::mouseClick(view, Qt::LeftButton, Qt::ControlModifier, view->rect().center());
    const QList<QAction *> items = windows->mainWindow().findChildren<QAction *>();
    EXPECT_TRUE(std::any_of(items.begin(), items.end(), [](QAction *item) {
        return item->text() == "MenuWindowAtPoint" && item->isChecked();  // menus as the tests name them
    }));
    EXPECT_EQ(said(), "Auto Align: 8 px up; the clicked point at the screen");
    EXPECT_NEAR(presenter().shownOptions().dx, 6, 2) << "every point lies at the same depth";
    itemWithKeys("W")->trigger();

    windows->viewMenu().autoAlignItem()->trigger();
    EXPECT_EQ(presenter().shownOptions().shiftY, 0);
    EXPECT_EQ(presenter().shownOptions().dx, 0);
    EXPECT_FALSE(stored(ViewerSettings::autoAlignKey).toBool());
    EXPECT_EQ(said(), "Auto Align off: the pair is shown as stored") << "the old text does not stay";
    EXPECT_TRUE(windows->stereoStatus().text().endsWith(" · Auto Align off"));
    windows->viewMenu().autoAlignItem()->trigger();
    EXPECT_TRUE(said().startsWith("Auto Align: 8 px up")) << "the kept estimate";
    EXPECT_NEAR(presenter().shownOptions().shiftY, -8, 0.5);

    // A pair shown while Auto Align is off is estimated once it is turned on.
    windows->viewMenu().autoAlignItem()->trigger();
    MPOBuilder swapped;
    swapped.add(jpeg(right), representativeFlag).add(jpeg(left));
    ASSERT_TRUE(openPair(write("swapped.MPO", swapped.build().bytes)));
    windows->viewMenu().autoAlignItem()->trigger();
    EXPECT_EQ(said(), "Auto Align: measuring the pair…");
    ASSERT_TRUE(QTest::qWaitFor([&] { return said().startsWith("Auto Align: 8 px down"); }, 10000));
    EXPECT_NEAR(presenter().shownOptions().shiftY, 8, 0.5);
}

TEST_F(StereoViewTest, AJpsFileShowsAsAPairAndExportsForThe3dsUnderTheNextFreeName)
{
    // The right eye's picture (blue) on the left half.
    QImage sideBySide(128, 48, QImage::Format_RGB32);
    sideBySide.fill(blue);
    QPainter(&sideBySide).fillRect(64, 0, 64, 48, red);
    choose(stereo::View::Parallel);
    ASSERT_TRUE(openPair(write("pair.jps", jpegOf(sideBySide, 95))));
    EXPECT_EQ(o().image->image().size(), QSize(128, 48));
    EXPECT_TRUE(near(shownPixel(10, 10), red));
    EXPECT_TRUE(near(shownPixel(100, 10), blue));
    EXPECT_EQ(windowState(), "1on /   2 prev off next on menu off");  // stepped through, never split

    const QString card = QString::fromStdString(scratch.path()) + "/card";
    QDir().mkpath(card);
    write("card/HNI_0004.MPO", {1});
    panels.folders << card;
    controller().exportConsolePairAction();
    ASSERT_TRUE(panels.alerts.isEmpty()) << panels.alerts.join("; ").toStdString();
    EXPECT_EQ(statusBarText(), "Written for the Nintendo 3DS: " + card + "/HNI_0005.MPO");
    EXPECT_TRUE(checkMPO((card + "/HNI_0005.MPO").toStdString()).findings.empty());

    open(Way::OpenPanel, write("odd.pns", Bytes{'P'}));  // not a PNG
    EXPECT_EQ(panels.alerts.value(0), "Cannot Show the File | odd.pns is not a PNG picture that can be decoded");
}

// Convert Pictures: every file listed is written into the folder chosen as
// mpostereo writes it, a file that holds no pair is listed with its reason
// and stops nothing, and a cancelled run leaves only whole files.
TEST_F(StereoViewTest, ConvertPicturesWritesEachFileListsRefusalsAndACancelLeavesOnlyWholeFiles)
{
    // Pairs large enough that a Cancel comes while files are left to start.
    MPOBuilder builder;
    builder.add(solidJpeg(red, {640, 480}), 0x00020002u | representativeFlag).add(solidJpeg(blue, {640, 480}), 0x00020002u);
    const Bytes pair = builder.build().bytes;
    QStringList files;
    for (int i = 1; i <= 6; ++i)
        files << write("pair" + std::to_string(i) + ".MPO", pair);
    files.insert(1, write("single.MPO", solidJpeg(red)));
    const QString out = QString::fromStdString(scratch.path()) + "/out";
    QDir().mkpath(out + "/cancelled");
    QStringList lines;
    bool cancel = false;
    panels.whileModal = [&](QDialog &dialog) {
        if (auto *convert = qobject_cast<ConvertDialog *>(&dialog)) {
            convert->addFiles(files);
            convert->chooseOutput("ConvertJps");
            convert->ui().folderField->setText(cancel ? out + "/cancelled" : out);
            return int(QDialog::Accepted);
        }
        auto &run = dynamic_cast<ConvertRunDialog &>(dialog);
        if (cancel)
            run.button()->click();
        EXPECT_TRUE(QTest::qWaitFor([&] { return !run.running(); }, 30000));
        lines = run.lines();
        return int(QDialog::Accepted);
    };
    controller().convertPicturesAction();
    ASSERT_EQ(lines.size(), 7);
    EXPECT_TRUE(lines.contains("single.MPO is not an MPO file this program can read (a single JPEG picture holds no pair)"))
        << lines.join("\n").toStdString();
    EXPECT_TRUE(lines.contains("pair6.MPO → " + out + "/pair6.jps"));
    EXPECT_EQ(statusBarText(), "Converted: 6 of 7 files written to " + out);
    const QImage jps(out + "/pair1.jps", "JPEG");
    EXPECT_EQ(jps.size(), QSize(1280, 480));
    EXPECT_TRUE(near(jps.pixel(10, 10), blue));  // crossed

    cancel = true;
    controller().convertPicturesAction();
    const QStringList written = QDir(out + "/cancelled").entryList(QDir::Files | QDir::Hidden);
    EXPECT_LT(written.size(), 6);
    for (const QString &name : written)
        EXPECT_EQ(QImage(out + "/cancelled/" + name, "JPEG").size(), QSize(1280, 480)) << name.toStdString();
    EXPECT_EQ(statusBarText(), "Converted: " + QString::number(written.size()) + " of 7 files written to " + out + "/cancelled");
}
