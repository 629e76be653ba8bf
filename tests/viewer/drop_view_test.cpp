// The picture view as a drop target.
#include <gtest/gtest.h>

#include <QMimeData>
#include <QUrl>

#include "ZorImageView.h"
#include "drop_recorder.h"
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
