// The shared thumbnail cache and View ▸ Browse: a thumbnail kept is found
// again under the name and with the keys other programs use, and is made
// anew once its file changes; the grid shows the folder with the file on
// show selected, marks what it cannot read, opens the file chosen and
// follows the folder steps.
#include <QAbstractItemView>
#include <QDir>
#include <QTest>

#include "files/FilePaths.h"
#include "files/ThumbnailCache.h"
#include "imaging/png_chunks.h"
#include "window/BrowseGrid.h"
#include "window/BrowseMenus.h"
#include "viewer_test_support.h"

namespace {

struct ThumbnailsTest : ViewerTest {
    ThumbnailsTest()
    {
        // The cache in the scratch home, never the user's.
        realCacheHome = qgetenv("XDG_CACHE_HOME");
        qunsetenv("XDG_CACHE_HOME");
    }
    ~ThumbnailsTest() override
    {
        if (!realCacheHome.isNull())
            qputenv("XDG_CACHE_HOME", realCacheHome);
    }
    QByteArray realCacheHome;
    InEnglish english;  // the reasons read as shown
    QString home() const { return QString::fromStdString(scratch.path()); }
};

}  // namespace

TEST_F(ThumbnailsTest, AKeptThumbnailIsFoundUnderTheSharedNameUntilItsFileChanges)
{
    const QString picture = write("a (1);é.MPO", jpegMPO(2).bytes);
    EXPECT_EQ(ThumbnailCache::uriOf(picture), "file://" + home() + "/a%20(1)%3B%C3%A9.MPO");  // as GLib writes it
    EXPECT_TRUE(ThumbnailCache::find(picture, ThumbnailCache::normalSize).isNull());
    QImage thumbnail(64, 48, QImage::Format_RGB32);
    thumbnail.fill(Qt::red);
    ASSERT_TRUE(ThumbnailCache::store(picture, ThumbnailCache::normalSize, thumbnail));
    const QString kept = ThumbnailCache::thumbnailPathOf(picture, ThumbnailCache::normalSize);
    EXPECT_TRUE(kept.startsWith(home() + "/.cache/thumbnails/normal/")) << kept.toStdString();
    const Bytes png = readFile(kept.toStdString());
    EXPECT_EQ(imaging::findText(png.data(), png.size(), "Thumb::URI"), ThumbnailCache::uriOf(picture).toStdString());
    EXPECT_EQ(imaging::findText(png.data(), png.size(), "Thumb::MTime"),
              std::to_string(QFileInfo(picture).lastModified().toSecsSinceEpoch()));
    EXPECT_EQ(QFile::permissions(kept) & (QFile::ReadGroup | QFile::ReadOther), QFile::Permissions());
    EXPECT_EQ(ThumbnailCache::find(picture, ThumbnailCache::normalSize).size(), QSize(64, 48));
    QFile file(picture);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.setFileTime(QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime);
    file.close();
    EXPECT_TRUE(ThumbnailCache::find(picture, ThumbnailCache::normalSize).isNull()) << "out of date";
    // A name that is no UTF-8 is named by its bytes, and kept like any other.
    const QString latin1 = FilePaths::fromBytes(QByteArray::fromStdString(scratch.write("caf\xe9.MPO", jpegMPO(2).bytes)));
    EXPECT_EQ(ThumbnailCache::uriOf(latin1), "file://" + home() + "/caf%E9.MPO");
    ASSERT_TRUE(ThumbnailCache::store(latin1, ThumbnailCache::normalSize, thumbnail));
    EXPECT_FALSE(ThumbnailCache::find(latin1, ThumbnailCache::normalSize).isNull());
}

TEST_F(ThumbnailsTest, BrowseShowsTheFolderOpensTheFileChosenAndFollowsTheFolderSteps)
{
    const QString first = write("IMG_1.MPO", jpegMPO(2).bytes);
    write("IMG_2.MPO", jpegMPO(2).bytes);
    const QString third = write("IMG_3.MPO", jpegMPO(2).bytes);
    const QString broken = write("IMG_4.MPO", Bytes{0xFF, 0xD8, 0xFF});
    open(Way::OpenPanel, first);
    QAction *browse = windows->actions().action(Command::Browse);
    browse->trigger();
    BrowseGrid &grid = windows->browseMenus().browseGrid();
    FolderThumbnails &files = grid.files();
    ASSERT_TRUE(grid.isVisibleTo(&windows->mainWindow()));
    ASSERT_EQ(files.rowCount(), 4);
    EXPECT_EQ(grid.currentIndex().row(), 0);
    // Every cell asks for its thumbnail; the broken file gets its reason.
    for (int row = 0; row < 4; ++row)
        files.data(files.index(row), Qt::DecorationRole);
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return files.data(files.index(3), Qt::ToolTipRole).toString().contains("IMG_4.MPO ");
    }, 5000)) << files.data(files.index(3), Qt::ToolTipRole).toString().toStdString();
    EXPECT_TRUE(QTest::qWaitFor([&] { return QDir(home() + "/.cache/thumbnails/normal").count() == 2 + 3; }, 5000));
    // Enter on the third file opens it and shows the picture again.
    grid.setCurrentIndex(files.index(2));
    QTest::keyClick(&grid, Qt::Key_Return);
    EXPECT_EQ(controller().document().shownPath(), third);
    EXPECT_FALSE(browse->isChecked());
    // Browsing again, a folder step moves the selection with it.
    browse->trigger();
    EXPECT_EQ(grid.currentIndex().row(), 2);
    windows->actions().action(Command::PreviousFile)->trigger();
    EXPECT_EQ(grid.currentIndex().row(), 1);
    windows->actions().action(Command::LeaveFullScreen)->trigger();  // Esc
    EXPECT_FALSE(grid.isVisibleTo(&windows->mainWindow()));
    (void)broken;
}
