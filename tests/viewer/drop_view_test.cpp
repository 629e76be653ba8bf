// The picture view as a drop target, and how it decodes what it shows.
#include <gtest/gtest.h>

#include <QMimeData>
#include <QUrl>

#include "ZorImageView.h"
#include "drop_recorder.h"
#include "jpeg_pictures.h"
#include "viewer_test_support.h"


TEST(DropView, AcceptsOnlyFilesNamedAsPictures)
{
    ZorImageView view;
    view.setAcceptDrops(true);
    EXPECT_TRUE(dragOnto(view, filesDrag({"/p/photo.MPO", "/p/scene.Jpeg"}), false));
    EXPECT_TRUE(dragOnto(view, filesDrag({"/p/archive.tar.jpg"}), false));
    EXPECT_FALSE(dragOnto(view, filesDrag({"/p/a.jpg", "/p/b.png"}), false));
    EXPECT_FALSE(dragOnto(view, filesDrag({"/p/mpo"}), false));
    auto *colour = new QMimeData;
    colour->setColorData(QColor(Qt::red));
    EXPECT_FALSE(dragOnto(view, colour, false));
    auto *web = new QMimeData;
    web->setUrls({QUrl("https://example.org/pair.mpo")});
    EXPECT_FALSE(dragOnto(view, web, false));
}

TEST(DropView, ADropKeepsItsPathsAndReachesTheTargetOnce)
{
    ZorImageView view;
    view.setAcceptDrops(true);
    EXPECT_TRUE(dragOnto(view, filesDrag({"/p/a.mpo"})));  // no target yet: taken, not kept
    EXPECT_TRUE(view.dropedFileName().isEmpty());

    DropRecorder target;
    view.setTarget(&target, "dropped(ZorImageView*)");
    EXPECT_TRUE(dragOnto(view, filesDrag({"/p/photo.MPO", "/p/scene.Jpeg"})));
    EXPECT_TRUE(dragOnto(view, filesDrag({"/p/second.jpg"})));
    EXPECT_EQ(target.lists, (QList<QStringList>{{"/p/photo.MPO", "/p/scene.Jpeg"}, {"/p/second.jpg"}}));
    EXPECT_EQ(view.dropedFileName(), QStringList{"/p/second.jpg"});

    view.setTarget(&target, "noSuchSlot(ZorImageView*)");
    EXPECT_TRUE(dragOnto(view, filesDrag({"/p/third.jpg"})));
    EXPECT_EQ(view.dropedFileName(), QStringList{"/p/second.jpg"});
}

namespace {

QByteArray jpegBytes(const QImage &picture)
{
    const Bytes bytes = jpegOf(picture);
    return QByteArray(reinterpret_cast<const char *>(bytes.data()), qsizetype(bytes.size()));
}

}  // namespace

TEST(PictureView, DecodesAtTheSizeShownAndAgainWhenItGrows)
{
    ZorImageView view;
    view.setImageScaling(ZorImageView::ImageScaling::ProportionallyDown);
    view.resize(400, 300);
    view.show();
    QImage large(1600, 1200, QImage::Format_RGB32);
    large.fill(Qt::darkCyan);
    view.setPicture(jpegBytes(large));
    EXPECT_EQ(view.image().size(), QSize(400, 300));
    view.resize(800, 700);
    EXPECT_EQ(view.image().size(), QSize(800, 600));
    view.resize(200, 150);  // shrinking keeps what was decoded
    EXPECT_EQ(view.image().size(), QSize(800, 600));

    QImage small(100, 50, QImage::Format_RGB32);
    small.fill(Qt::red);
    view.setPicture(jpegBytes(small));
    EXPECT_EQ(view.image().size(), QSize(100, 50));  // never enlarged
    view.setPicture("no picture here");
    EXPECT_TRUE(view.image().isNull());
}
