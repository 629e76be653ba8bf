// The picture view: shows one picture, scaled down to fit and centred, and
// takes files dropped on it. A drag is accepted only when every file in it
// is named .mpo, .jpg or .jpeg; a drop keeps the list of paths and sends the
// view's action to its target, which reads the list back.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QPointer>
#include <QStringList>
#include <QWidget>

class ZorImageView : public QWidget {
    Q_OBJECT
public:
    enum class ImageScaling { ProportionallyDown, None };

    explicit ZorImageView(QWidget *parent = nullptr);

    void setImage(const QImage &image);
    const QImage &image() const { return image_; }
    void setImageScaling(ImageScaling scaling);

    // The target receives `action`, a slot taking the view, on each drop.
    void setTarget(QObject *target, const char *action);
    // The paths of the last drop passed on to the target; empty before one.
    const QStringList &dropedFileName() const { return dropedFileName_; }

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QImage image_;
    ImageScaling scaling_ = ImageScaling::None;
    QPointer<QObject> target_;
    QByteArray action_;
    QStringList dropedFileName_;
};
