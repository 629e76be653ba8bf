// The picture view: shows one picture, scaled down to fit and centred, or
// zoomed and panned, and takes files dropped on it. It keeps the picture's
// JPEG bytes and decodes them at the size it shows (libjpeg scales while
// decoding), again when it grows or zooms in, through the decode queue, so
// a large photo sits in memory at full size only while it is shown at 100 %
// or more. A drag is accepted
// only when every file in it is named .mpo, .jpg or .jpeg; a drop keeps the
// list of paths and says so with filesDropped(), whose receiver reads the
// list back.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QStringList>
#include <QWidget>
#include <optional>

#include "pictures/PictureBytes.h"

class DecodeQueue;

class ZorImageView : public QWidget {
    Q_OBJECT
public:
    enum class ImageScaling { ProportionallyDown, None };

    explicit ZorImageView(QWidget *parent = nullptr);

    // Shows the picture in these bytes (any format Qt reads); empty or
    // undecodable bytes show nothing.
    void setPicture(const PictureBytes &encoded);
    void setPicture(const QByteArray &encoded) { setPicture(PictureBytes::of(encoded)); }
    // Where the view's decodes go and are kept; without one it decodes alone.
    void setDecodeQueue(DecodeQueue *queue) { queue_ = queue; }
    // Shows the picture in these bytes as already decoded (and perhaps
    // brought to the size shown); `fullSize` is the picture's own size.
    void setPreparedPicture(const PictureBytes &encoded, const QImage &decoded, QSize fullSize);
    // Shows a picture made for the view (such as a stereo view); it is not
    // decoded again when the view grows. `fullSize`, where given, is its
    // size at full resolution, which zooming counts in.
    void setComposedPicture(const QImage &picture, QSize fullSize = {});
    // The colour around the picture; pictures look best on dark grey.
    static QColor defaultBackground() { return QColor(0x33, 0x33, 0x33); }
    void setBackground(const QColor &colour);
    // The picture as decoded for the view.
    const QImage &image() const { return image_; }
    void setImageScaling(ImageScaling scaling);
    // The size a picture of `picture` is shown at in a view of `view` when
    // scaled proportionally down: the largest that fits, never enlarged.
    static QSize fittedSize(QSize picture, QSize view, bool enlarge = false);
    // Whether a fitted picture smaller than the view is enlarged to fill it.
    void setEnlargesSmall(bool on);
    bool enlargesSmall() const { return enlarge_; }

    // Zoom: the picture fits the view (the default), or is shown at a
    // scale of its own size, anchored at a point of the view that keeps
    // showing the same spot of the picture.
    bool isFitted() const { return !zoom_; }
    std::optional<double> zoomFactor() const { return zoom_; }
    double zoom() const;  // the scale the picture is shown at now
    void fitToWindow();
    void setZoom(double zoom);  // anchored at the view's centre
    void setZoom(double zoom, QPointF anchor);
    void zoomIn() { setZoom(zoom() * zoomStep); }
    void zoomOut() { setZoom(zoom() / zoomStep); }
    static constexpr double zoomStep = 1.25, smallestZoom = 0.02, largestZoom = 16.0;
    // The most pixels a zoom decodes (4 bytes each): a larger picture is
    // refused at that scale, with a message.
    static constexpr qint64 largestDecodedPixels = 100'000'000;
    // The picture at its own size, as far as the limit above allows; else as shown.
    QImage fullPicture() const;

    // The paths of the last drop; empty before one.
    const QStringList &dropedFileName() const { return dropedFileName_; }

signals:
    void resized();
    void zoomChanged();
    void painted();  // what it holds is on screen
    void message(const QString &text);  // a zoom refused
    void filesDropped(ZorImageView *view);  // dropedFileName() holds them
    void controlClicked(QPointF at);  // Ctrl+click, in the view's pixels
    void frameDrawn(QRectF frame);    // Shift+drag, in the view's pixels

public:
    // The point of the picture held at `at` (the view's pixels), in the
    // picture's pixels; (-1, -1) outside it.
    QPointF pictureAt(QPointF at) const;
    // The shape a frame drawn with Shift+drag keeps (width over height); 0
    // or less: any.
    void setFrameAspect(double aspect) { frameAspect_ = aspect; }

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QSize shownSize(QSize picture) const;
    QSize decodedSize(QSize full) const;
    QRectF pictureArea() const;
    void keepPictureInView();
    void decodeIfTooCoarse();
    void paintPicture();
    void decode();

    QRectF frameTo(QPointF corner) const;

    std::optional<QPointF> frameFrom_;  // where a Shift+drag started
    QRectF frame_;                      // the frame drawn so far
    double frameAspect_ = 0;
    PictureBytes encoded_;
    DecodeQueue *queue_ = nullptr;
    QSize fullSize_;  // the picture's own size
    QImage image_;
    QImage prepared_;  // the picture as handed over at the size shown, for the way back from a zoom
    bool pending_ = false;  // bytes kept, to be decoded once the view is shown
    ImageScaling scaling_ = ImageScaling::None;
    bool enlarge_ = false;
    QColor background_ = defaultBackground();
    std::optional<double> zoom_;  // none while the picture fits the view
    QPointF zoomedCorner_;        // where the zoomed picture's top left corner is in the view
    std::optional<QPointF> dragFrom_;
    QStringList dropedFileName_;
};
