// Zooming and panning the picture view: the scale, the place of the zoomed
// picture, and the decode at the scale shown.
#include <QMouseEvent>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "view/JpegDecoder.h"
#include "view/ZorImageView.h"
#include "imaging/shown_size.h"

namespace {

imaging::PixelSize pixelSizeOf(QSize size) { return {size.width(), size.height()}; }

// libjpeg decodes at k/8 of the full size: the pixels a decode at `zoom` takes.
qint64 decodedPixels(QSize full, double zoom)
{
    const imaging::PixelSize size = pixelSizeOf(full);
    const imaging::PixelSize decoded =
        imaging::sizeAtEighths(size, imaging::decodeEighths(size, imaging::zoomedSize(size, zoom)));
    return qint64(decoded.width) * qint64(decoded.height);
}

}  // namespace

QSize ZorImageView::decodedSize(QSize full) const
{
    if (!zoom_)
        return shownSize(full).boundedTo(full);  // an enlarged picture is decoded whole, then scaled
    const imaging::PixelSize zoomed = imaging::zoomedSize(pixelSizeOf(full), *zoom_);
    return QSize(zoomed.width, zoomed.height);
}

QRectF ZorImageView::pictureArea() const
{
    if (zoom_)
        return QRectF(zoomedCorner_, QSizeF(fullSize_.isValid() ? fullSize_ : image_.size()) * *zoom_);
    const QSize shown = shownSize(image_.size());
    return QRectF(QPointF((width() - shown.width()) / 2, (height() - shown.height()) / 2), shown);
}

double ZorImageView::zoom() const
{
    if (zoom_)
        return *zoom_;
    const QSize full = fullSize_.isValid() ? fullSize_ : image_.size();
    return full.width() > 0 ? pictureArea().width() / full.width() : 1.0;
}

void ZorImageView::fitToWindow()
{
    if (!zoom_)
        return;
    zoom_.reset();
    dragFrom_.reset();
    unsetCursor();
    // The full-size decode of a zoom is let go: the fitted size is enough.
    if (!prepared_.isNull() && prepared_.size() == decodedSize(fullSize_))
        image_ = prepared_;
    else if (!encoded_.isEmpty() && !pending_ && image_.size() != decodedSize(fullSize_))
        decode();
    update();
    emit zoomChanged();
}

void ZorImageView::setZoom(double zoom)
{
    setZoom(zoom, QPointF(width() / 2.0, height() / 2.0));
}

void ZorImageView::setZoom(double zoom, QPointF anchor)
{
    if (image_.isNull())
        return;
    zoom = std::clamp(zoom, smallestZoom, largestZoom);
    if (fullSize_.isValid() && decodedPixels(fullSize_, zoom) > largestDecodedPixels) {
        emit message(qtTrId("ZoomTooLarge").arg(std::lround(zoom * 100)));
        return;
    }
    const QRectF area = pictureArea();
    const QPointF spot = (anchor - area.topLeft()) / zoom_.value_or(this->zoom());
    zoom_ = zoom;
    zoomedCorner_ = anchor - spot * zoom;
    keepPictureInView();
    decodeIfTooCoarse();
    setCursor(Qt::OpenHandCursor);
    update();
    emit zoomChanged();
}

// A picture larger than the view covers it, with no margin on either side;
// a smaller one is centred.
void ZorImageView::keepPictureInView()
{
    if (!zoom_)
        return;
    const QSizeF picture = pictureArea().size();
    const auto place = [](double corner, double pictureExtent, double viewExtent) {
        if (pictureExtent <= viewExtent)
            return (viewExtent - pictureExtent) / 2;
        return std::clamp(corner, viewExtent - pictureExtent, 0.0);
    };
    zoomedCorner_ = QPointF(place(zoomedCorner_.x(), picture.width(), width()),
                            place(zoomedCorner_.y(), picture.height(), height()));
}

void ZorImageView::decodeIfTooCoarse()
{
    const QSize wanted = decodedSize(fullSize_);
    if (!encoded_.isEmpty() && (wanted.width() > image_.width() || wanted.height() > image_.height()))
        decode();
}

QImage ZorImageView::fullPicture() const
{
    if (encoded_.isEmpty() || image_.size() == fullSize_ || decodedPixels(fullSize_, 1.0) > largestDecodedPixels)
        return image_;
    QSize full;
    const QImage picture = decodeJpegScaled(encoded_.bytes, [](QSize size) { return size; }, full);
    return picture.isNull() ? image_ : picture;
}

void ZorImageView::wheelEvent(QWheelEvent *event)
{
    const double notches = event->angleDelta().y() / 120.0;
    if (event->modifiers() & Qt::ControlModifier) {
        setZoom(zoom() * std::pow(zoomStep, notches), event->position());
        return event->accept();
    }
    if (!zoom_)
        return event->ignore();
    zoomedCorner_ += QPointF(event->angleDelta()) / 2.0;  // about 60 pixels a notch
    keepPictureInView();
    update();
    event->accept();
}

QPointF ZorImageView::pictureAt(QPointF at) const
{
    const QRectF area = pictureArea();
    if (image_.isNull() || !area.contains(at))
        return {-1, -1};
    return {(at.x() - area.left()) / area.width() * image_.width(), (at.y() - area.top()) / area.height() * image_.height()};
}

void ZorImageView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && (event->modifiers() & Qt::ControlModifier))
        return emit controlClicked(event->position());
    if (event->button() == Qt::LeftButton && (event->modifiers() & Qt::ShiftModifier)) {
        frameFrom_ = event->position();
        frame_ = {};
        return;
    }
    if (!zoom_ || event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    dragFrom_ = event->position() - zoomedCorner_;
    setCursor(Qt::ClosedHandCursor);
}

QRectF ZorImageView::frameTo(QPointF corner) const
{
    QRectF frame = QRectF(*frameFrom_, corner).normalized();
    if (frameAspect_ > 0) {
        // The larger frame of the shape within the one dragged, from the corner held.
        const double width = std::min(frame.width(), frame.height() * frameAspect_);
        const double height = width / frameAspect_;
        frame = QRectF(corner.x() < frameFrom_->x() ? frameFrom_->x() - width : frameFrom_->x(),
                       corner.y() < frameFrom_->y() ? frameFrom_->y() - height : frameFrom_->y(), width, height);
    }
    return frame;
}

void ZorImageView::mouseMoveEvent(QMouseEvent *event)
{
    if (frameFrom_) {
        frame_ = frameTo(event->position());
        return update();
    }
    if (!zoom_ || !dragFrom_)
        return QWidget::mouseMoveEvent(event);
    zoomedCorner_ = event->position() - *dragFrom_;
    keepPictureInView();
    update();
}

void ZorImageView::mouseReleaseEvent(QMouseEvent *event)
{
    if (frameFrom_) {
        const QRectF frame = frameTo(event->position());
        frameFrom_.reset();
        frame_ = {};
        update();
        if (frame.width() >= 4 && frame.height() >= 4)
            emit frameDrawn(frame);
        return;
    }
    if (!dragFrom_)
        return QWidget::mouseReleaseEvent(event);
    dragFrom_.reset();
    setCursor(Qt::OpenHandCursor);
}
