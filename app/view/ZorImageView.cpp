#include "view/ZorImageView.h"

#include <QBuffer>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QImageReader>
#include <QMimeData>
#include <QPainter>

#include "files/FilePaths.h"
#include "view/JpegDecoder.h"
#include "imaging/shown_size.h"
#include "pictures/DecodeQueue.h"

namespace {

// The local file paths a drag carries; false when it carries no file names.
bool draggedPaths(const QMimeData *data, QStringList &paths)
{
    const QList<QUrl> urls = data != nullptr && data->hasUrls() ? data->urls() : QList<QUrl>();
    if (urls.isEmpty())
        return false;
    paths.clear();
    for (const QUrl &url : urls)
        paths << FilePaths::fromUrl(url);
    return true;
}

}  // namespace

ZorImageView::ZorImageView(QWidget *parent) : QWidget(parent) {}

void ZorImageView::setPicture(const PictureBytes &encoded)
{
    encoded_ = encoded;
    image_ = prepared_ = QImage();
    fullSize_ = QSize();
    // A view not yet on screen has no final size: it decodes when shown.
    pending_ = !isVisible();
    if (!pending_)
        decode();
    update();
}

void ZorImageView::setPreparedPicture(const PictureBytes &encoded, const QImage &decoded, QSize fullSize)
{
    encoded_ = encoded;
    image_ = prepared_ = decoded;
    fullSize_ = fullSize;
    pending_ = false;
    decodeIfTooCoarse();
    update();
}

void ZorImageView::setComposedPicture(const QImage &picture, QSize fullSize)
{
    encoded_ = {};
    image_ = picture;
    prepared_ = QImage();
    fullSize_ = fullSize.isValid() ? fullSize : picture.size();
    pending_ = false;
    update();
}

void ZorImageView::setBackground(const QColor &colour)
{
    background_ = colour;
    update();
}

QSize ZorImageView::fittedSize(QSize picture, QSize view, bool enlarge)
{
    const imaging::PixelSize fitted =
        imaging::fittedSize({picture.width(), picture.height()}, {view.width(), view.height()}, enlarge);
    return {fitted.width, fitted.height};
}

QSize ZorImageView::shownSize(QSize picture) const
{
    return scaling_ == ImageScaling::ProportionallyDown ? fittedSize(picture, size(), enlarge_) : picture;
}

void ZorImageView::setEnlargesSmall(bool on)
{
    if (on == enlarge_)
        return;
    enlarge_ = on;
    update();
    emit zoomChanged();
}

namespace {

// What the view decoded, as the decode queue keeps it.
struct ViewDecode {
    QImage image;
    QSize fullSize;
    std::size_t cost() const { return std::size_t(image.sizeInBytes()); }
};

}  // namespace

void ZorImageView::decode()
{
    const auto work = [this] {
        ViewDecode decoded;
        QByteArray bytes = encoded_.bytes;
        decoded.image = decodeJpegScaled(bytes, [this](QSize full) { return decodedSize(full); }, decoded.fullSize);
        if (!decoded.image.isNull() || bytes.isEmpty())
            return decoded;
        // Not a JPEG libjpeg turns into RGB: Qt's readers decode what they can.
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer);
        decoded.fullSize = reader.size();
        if (decoded.fullSize.isValid() && decodedSize(decoded.fullSize) != decoded.fullSize)
            reader.setScaledSize(decodedSize(decoded.fullSize));
        decoded.image = reader.read();
        return decoded;
    };
    const std::size_t key = qHashMulti(0x76696577, encoded_.key, size(), zoom_.value_or(0.0), int(scaling_));
    // A zoom's decode is not kept: at full size it takes memory only while it is shown.
    const ViewDecode decoded = queue_ != nullptr ? *queue_->runHere<ViewDecode>(key, work, !zoom_) : work();
    image_ = decoded.image;
    fullSize_ = decoded.fullSize;
}

void ZorImageView::showEvent(QShowEvent *)
{
    if (pending_) {
        pending_ = false;
        decode();
    }
}

void ZorImageView::resizeEvent(QResizeEvent *)
{
    // Growing past the decoded size asks for more pixels from the bytes.
    if (!pending_)
        decodeIfTooCoarse();
    keepPictureInView();
    emit resized();
}

void ZorImageView::setImageScaling(ImageScaling scaling)
{
    scaling_ = scaling;
    update();
}

void ZorImageView::dragEnterEvent(QDragEnterEvent *event)
{
    QStringList paths;
    if (!draggedPaths(event->mimeData(), paths))
        return event->ignore();
    for (const QString &path : paths)
        if (!FilePaths::isPictureName(path))
            return event->ignore();
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void ZorImageView::dropEvent(QDropEvent *event)
{
    qInfo("%s", "-[ZorImageView performDragOperation:]");
    QStringList paths;
    if (!draggedPaths(event->mimeData(), paths))
        return event->ignore();
    dropedFileName_ = paths;
    emit filesDropped(this);
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void ZorImageView::paintEvent(QPaintEvent *)
{
    paintPicture();
    emit painted();
}

void ZorImageView::paintPicture()
{
    QPainter painter(this);
    if (image_.isNull())
        return painter.fillRect(rect(), background_);
    const QRect area = pictureArea().toAlignedRect();
    // Only the margins around the picture take the background colour.
    for (const QRect &margin : QRegion(rect()).subtracted(area))
        painter.fillRect(margin, background_);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, area.size() != image_.size());
    painter.drawImage(pictureArea(), image_);
    if (!frame_.isEmpty()) {
        // The crop frame being drawn: what stays bright, the rest dimmed.
        const QRegion outside = QRegion(area).subtracted(frame_.toAlignedRect());
        for (const QRect &part : outside)
            painter.fillRect(part, QColor(0, 0, 0, 128));
        painter.setPen(QPen(Qt::white, 1, Qt::DashLine));
        painter.drawRect(frame_.adjusted(0, 0, -1, -1));
    }
}
