// The picture view as a drop target.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include "ZorImageView.h"
#include "drop_recorder.h"

namespace {

QMimeData *filesDrag(const QStringList &paths)
{
    auto *data = new QMimeData;
    QList<QUrl> urls;
    for (const QString &path : paths)
        urls << QUrl::fromLocalFile(path);
    data->setUrls(urls);
    return data;
}

// Sends a drag entering the view, then, if accepted and asked for, the drop.
bool dragOnto(ZorImageView &view, QMimeData *data, bool drop = true)
{
    std::unique_ptr<QMimeData> owned(data);
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&view, &enter);
    if (!enter.isAccepted() || !drop)
        return enter.isAccepted();
    QDropEvent dropped(QPointF(5, 5), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&view, &dropped);
    return dropped.isAccepted();
}

}  // namespace

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
