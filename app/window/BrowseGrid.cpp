#include "window/BrowseGrid.h"

#include <QKeyEvent>
#include <QPainter>
#include <QTimer>

#include "files/FilePaths.h"
#include "files/FolderFiles.h"
#include "files/ThumbnailCache.h"
#include "pictures/AlignmentText.h"
#include "stereo/thumbnail.h"
#include "view/JpegDecoder.h"

namespace {

constexpr int cellSide = ThumbnailCache::normalSize;
// Thumbnails of 128 pixels take up to 64 KB each: a few hundred are kept.
constexpr std::size_t keptBytes = 32u << 20;

// A thumbnail, or why a file has none.
struct Thumbnail {
    QImage image;
    stereo::Problem problem;
    std::size_t cost() const { return std::size_t(image.sizeInBytes()) + 256; }
};

DecodeQueue::Key keyOf(const QString &path)
{
    return std::hash<QString>{}(path);
}


// Runs on the pool: the cached thumbnail, or one made and put in the cache.
Thumbnail thumbnailOf(const QString &path)
{
    if (QImage cached = ThumbnailCache::find(path, cellSide); !cached.isNull())
        return {cached, {}};
    imaging::RgbPicture picture;
    if (stereo::Problem problem = stereo::makeThumbnail(FilePaths::toBytes(path).toStdString(), cellSide, picture);
        !problem.empty())
        return {{}, problem};
    QImage image = imageOf(std::move(picture));
    ThumbnailCache::store(path, cellSide, image);
    return {image, {}};
}

// The picture a cell shows: the thumbnail centred in a square, "3D" on a
// stereo file's, a crossed frame for a file that has none, an empty square
// while it is made.
QImage cellPicture(const QImage &thumbnail, bool stereo, bool failed)
{
    QImage cell(cellSide, cellSide, QImage::Format_ARGB32_Premultiplied);
    cell.fill(Qt::transparent);
    QPainter painter(&cell);
    if (thumbnail.isNull() && !failed)
        return cell;
    if (thumbnail.isNull()) {
        painter.setPen(QPen(Qt::gray, 2));
        painter.drawRect(cell.rect().adjusted(8, 8, -8, -8));
        painter.drawLine(QPoint(8, 8), QPoint(cellSide - 8, cellSide - 8));
        return cell;
    }
    const QPoint at((cellSide - thumbnail.width()) / 2, (cellSide - thumbnail.height()) / 2);
    painter.drawImage(at, thumbnail);
    if (stereo) {
        const QRect badge(at.x() + thumbnail.width() - 30, at.y() + thumbnail.height() - 18, 28, 16);
        painter.fillRect(badge, QColor(0, 0, 0, 160));
        painter.setPen(Qt::white);
        painter.drawText(badge, Qt::AlignCenter, QStringLiteral("3D"));
    }
    return cell;
}

}  // namespace

FolderThumbnails::FolderThumbnails(QObject *parent) : QAbstractListModel(parent), thumbnails_(keptBytes)
{
    connect(&thumbnails_, &DecodeQueue::finished, this, &FolderThumbnails::thumbnailMade);
}

FolderThumbnails::~FolderThumbnails()
{
    thumbnails_.stop();
}

void FolderThumbnails::showFolder(const QString &folder)
{
    beginResetModel();
    // What was asked for the folder before and has not begun is no longer wanted.
    if (folder != folder_)
        thumbnails_.dropWaiting(DecodeQueue::Lane::Shown);
    folder_ = folder;
    paths_.clear();
    for (const QString &name : FolderFiles::picturesIn(folder))
        paths_ << folder + "/" + name;
    endResetModel();
}

QString FolderThumbnails::pathAt(int row) const
{
    return paths_.value(row);
}

bool FolderThumbnails::isMade(int row) const
{
    return row >= 0 && row < paths_.size() && thumbnails_.find<Thumbnail>(keyOf(paths_[row])) != nullptr;
}

int FolderThumbnails::rowOf(const QString &path) const
{
    return int(paths_.indexOf(path));
}

int FolderThumbnails::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(paths_.size());
}

QVariant FolderThumbnails::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= paths_.size())
        return {};
    const QString &path = paths_[index.row()];
    switch (role) {
    case Qt::DisplayRole: return FilePaths::shownFileName(path);
    case Qt::DecorationRole:
    case Qt::ToolTipRole: {
        // The view asks for the cells it shows: those are made first.
        const std::shared_ptr<const Thumbnail> made = thumbnails_.find<Thumbnail>(keyOf(path));
        if (!made) {
            thumbnails_.request<Thumbnail>(keyOf(path), DecodeQueue::Lane::Shown, [path] { return thumbnailOf(path); });
            return role == Qt::DecorationRole ? QVariant(cellPicture({}, false, false)) : QVariant(FilePaths::shown(path));
        }
        if (role == Qt::ToolTipRole)
            return made->problem.empty() ? FilePaths::shown(path)
                                         : qtTrId("FileReason").arg(FilePaths::shownFileName(path), problemText(made->problem));
        return cellPicture(made->image, FilePaths::isStereoName(path), !made->problem.empty());
    }
    default: return {};
    }
}

void FolderThumbnails::thumbnailMade(DecodeQueue::Key key)
{
    for (int row = 0; row < paths_.size(); ++row)
        if (keyOf(paths_[row]) == key) {
            emit dataChanged(index(row), index(row), {Qt::DecorationRole, Qt::ToolTipRole});
            return;
        }
}

BrowseGrid::BrowseGrid(QWidget *parent) : QListView(parent)
{
    setModel(&files_);
    setViewMode(QListView::IconMode);
    setIconSize(QSize(cellSide, cellSide));
    setGridSize(QSize(cellSide + 24, cellSide + 40));
    setResizeMode(QListView::Adjust);
    setMovement(QListView::Static);
    setUniformItemSizes(true);
    setWordWrap(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListView::activated, this, [this](const QModelIndex &index) {
        emit fileChosen(files_.pathAt(index.row()));
    });
}

void BrowseGrid::showFile(const QString &path)
{
    const QString file = FilePaths::absolute(path);
    files_.showFolder(file.left(file.lastIndexOf('/')));
    if (const int row = files_.rowOf(file); row >= 0) {
        setCurrentIndex(files_.index(row));
        // Once the cells are laid out.
        QTimer::singleShot(0, this, [this, row] { scrollTo(files_.index(row)); });
    }
}

bool BrowseGrid::event(QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        switch (static_cast<QKeyEvent *>(event)->key()) {
        case Qt::Key_Left: case Qt::Key_Right: case Qt::Key_Up: case Qt::Key_Down:
        case Qt::Key_Home: case Qt::Key_End: case Qt::Key_PageUp: case Qt::Key_PageDown:
        case Qt::Key_Return: case Qt::Key_Enter:
            event->accept();
            return true;
        default: break;
        }
    }
    return QListView::event(event);
}

void BrowseGrid::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        emit leave();
        return;
    }
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentIndex().isValid()) {
        emit fileChosen(files_.pathAt(currentIndex().row()));
        return;
    }
    QListView::keyPressEvent(event);
}
