// Reading ahead: the pictures next to the one on show are decoded in the
// background at the size shown, quietly; a step puts them up at once, a
// picture changed on disk is never shown from an older decode, and while the
// background is busy a step leaves the main thread free and only the latest
// step's picture is decoded next.
#include <QSignalSpy>
#include <QPainter>
#include <QTest>
#include <future>

#include "imaging/work_pool.h"
#include "pictures/FlatPictures.h"
#include "pictures/ScaledWhileDecoding.h"
#include "view/JpegDecoder.h"
#include "viewer_test_support.h"

namespace {

// Four pictures larger than the view, picture n in colour n.
const QColor colours[] = {Qt::red, Qt::green, Qt::blue, Qt::yellow, Qt::magenta};

Bytes fourPictures(QColor second = colours[1])
{
    MPOBuilder builder;
    for (int n = 0; n < 4; ++n)
        builder.add(jpegOf(QSize(1600, 1200), n == 1 ? second : colours[n]), n == 0 ? representativeFlag : 0u);
    return builder.build().bytes;
}

}  // namespace

TEST_F(ViewerTest, NeighboursAreReadAheadQuietlyAndShownUnlessTheyChanged)
{
    const QString path = write("four.mpo", fourPictures());
    testing::internal::CaptureStdout();
    open(Way::OpenPanel, path);
    whileReadingAhead();  // picture 2
    const QSize fitted = ZorImageView::fittedSize(QSize(1600, 1200), o().image->size());
    controller().nextAction();
    EXPECT_EQ(o().image->image().size(), fitted) << "decoded ahead, at the size shown";
    EXPECT_TRUE(near(o().image->image().pixel(5, 5), colours[1]));
    o().currentTextField->setText("4");
    controller().changeCurrentNum();
    EXPECT_EQ(o().image->image().size(), fitted) << "not read ahead: decoded here, at the size shown";
    EXPECT_TRUE(near(o().image->image().pixel(5, 5), colours[3]));
    const std::vector<std::string> trace = linesOf(testing::internal::GetCapturedStdout());
    EXPECT_EQ(std::count(trace.begin(), trace.end(), "File Size = " + std::to_string(fourPictures().size())), 3)
        << "one engine run in the trace for each of the three the user asked for";

    // Picture 3 is read ahead from 4; then the file changes under it.
    whileReadingAhead();
    write("four.mpo", fourPictures(colours[4]));
    o().currentTextField->setText("2");
    controller().changeCurrentNum();
    EXPECT_TRUE(near(o().image->image().pixel(5, 5), colours[4])) << "the bytes read now, not an older decode";
}

TEST_F(ViewerTest, WhileThePoolIsBusyAStepWaitsNotAndOnlyTheLatestIsDecoded)
{
    std::promise<void> release;
    const std::shared_future<void> released = release.get_future().share();
    PictureBytes pictures[5];
    for (int n = 1; n <= 4; ++n)
        pictures[n] = PictureBytes::of(qBytes(jpegOf(QSize(400 + 40 * n, 300), colours[n - 1])));
    const auto source = [&](int n) { return pictures[n]; };
    const QSize view(200, 200);
    DecodeQueue queue;
    FlatPictures flat(queue);
    for (int thread = 0; thread < imaging::WorkPool::shared().threads(); ++thread)
        queue.run(thread, DecodeQueue::Lane::Shown, [released] { released.wait(); });  // every thread busy

    // With every thread held, a step that waited for its decode would never return.
    EXPECT_EQ(flat.take(pictures[3], 3, view, source).outcome, FlatPictures::Outcome::Pending);
    EXPECT_EQ(flat.take(pictures[4], 4, view, source).outcome, FlatPictures::Outcome::Pending);

    QSignalSpy finished(&queue, &DecodeQueue::finished);
    release.set_value();
    FlatPictures::Taken latest;
    for (int tries = 0; tries < 50; ++tries) {
        finished.wait(100);
        if ((latest = flat.take(pictures[4], 4, view, source)).outcome == FlatPictures::Outcome::Ready)
            break;
    }
    ASSERT_EQ(latest.outcome, FlatPictures::Outcome::Ready);
    EXPECT_EQ(latest.picture.image.size(), ZorImageView::fittedSize(QSize(560, 300), view));
    EXPECT_EQ(latest.picture.fullSize, QSize(560, 300));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !queue.isBusy(DecodeQueue::Lane::Shown); }, 5000));  // the threads freed
    EXPECT_FALSE(flat.find(pictures[3], view)) << "a step passed by is not decoded";
    flat.readAround(source, 1, 4, true, view);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return flat.take(pictures[2], 2, view, source).outcome == FlatPictures::Outcome::Ready; }, 5000))
        << "read ahead";
}

TEST(ScaledWhileDecoding, GivesWhatOneScalingAfterTheDecodeGivesWhetherThePoolHelpsOrNot)
{
    QImage scene(1000, 750, QImage::Format_RGB32);
    for (int y = 0; y < scene.height(); ++y)
        for (int x = 0; x < scene.width(); ++x)
            scene.setPixel(x, y, qRgb(x * 7 % 256, y * 5 % 256, (x ^ y) % 256));
    const QByteArray jpeg = qBytes(jpegOf(scene, 95));
    const auto shown = [](QSize) { return QSize(377, 283); };
    QSize full;
    const QImage decoded = decodeJpegScaled(jpeg, shown, full);
    QImage once(shown({}), QImage::Format_RGB32);
    QPainter painter(&once);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(QPoint(), once.size()), decoded);
    painter.end();

    for (bool poolBusy : {false, true}) {
        std::promise<void> release;
        const std::shared_future<void> released = release.get_future().share();
        if (poolBusy)
            for (int thread = 0; thread < imaging::WorkPool::shared().threads(); ++thread)
                imaging::WorkPool::shared().post([released] { released.wait(); });
        ScaledWhileDecoding scaling(shown);
        const QImage scaled = scaling.scaled(decodeJpegScaled(jpeg, shown, full, &scaling));
        release.set_value();
        EXPECT_EQ(scaled, once) << (poolBusy ? "scaled after the decode" : "scaled in bands meanwhile");
    }
}
