// Shows the picture on show in the chosen view: flat, at the size shown, or
// as a stereo view of its pair, both pictures decoded at the size shown and
// composed for the view. A file that holds no pair, or a pair that cannot be
// shown in stereo, is shown flat with a short message saying why. Flat
// pictures next to the one on show, and in a series the next pair, are
// decoded ahead. All decoding goes through one decode queue.
#pragma once

#include <QImage>
#include <QObject>
#include <QPointF>
#include <optional>
#include <QTimer>
#include <functional>
#include <vector>

#include "pictures/DecodeQueue.h"
#include "pictures/FlatPictures.h"
#include "pictures/PairAlignments.h"
#include "pictures/PairPictures.h"
#include "pictures/PictureStore.h"
#include "stereo/composition.h"

class StereoMode;
class ZorImageView;

class PicturePresenter : public QObject {
    Q_OBJECT
public:
    PicturePresenter(StereoMode &mode, ZorImageView &view, QObject *parent = nullptr);
    ~PicturePresenter() override { queue_.stop(); }  // its work refers to the store and the readers

    // A new file: its offsets start at zero. `held` are its pictures when
    // they are not read from the file (a side-by-side file's).
    void startFile(const QString &path, const QList<QByteArray> &held = {});
    // Shows picture `number` of `count`, whose bytes the controller read.
    void showPicture(const QByteArray &shown, int number, int count);

    DecodeQueue &decodeQueue() { return queue_; }
    // Whether a stereo view is on show, and the JPEG bytes of its pair.
    bool showsPair() const { return pair_.left != nullptr; }
    // Whether the pair on show records the stereo window its camera showed.
    bool recordsCameraWindow() const { return cameraWindow_.has_value(); }
    // A point of the view (its own pixels) put at the screen plane: the
    // point of the left picture it shows becomes the stereo window.
    void putAtScreen(QPointF shown);
    // A frame drawn on the view (its own pixels) becomes the crop of both pictures.
    void cropTo(QRectF frame);
    const QByteArray &leftBytes() const { return left_.bytes; }
    const QByteArray &rightBytes() const { return right_.bytes; }
    // The composition of the view on show, the alignment included, in
    // pixels of the full-size pictures.
    stereo::Options shownOptions() const;
    // The composition on show aligned as Auto Align aligns it, whether it
    // is on or not (the alignment is worked out now if it is not known).
    stereo::Options alignedOptions() const;
    // What is on show, at full size: with Auto Align on, aligned even before
    // the estimate in the background is done.
    stereo::Options adjustedOptions() const;
    // The stereo view on show at the pictures' full size (null when it
    // cannot be made, as for pictures too large to hold).
    QImage fullSizeView() const;
    // The full size of the pictures of the pair on show.
    imaging::PixelSize pictureSize() const;

    // Moves the right picture by steps of about one shown pixel.
    void moveRightPicture(int columns, int rows);
    const StereoMode &mode() const { return mode_; }

signals:
    void message(const QString &text);  // why a picture is shown flat
    void pairShown();                   // a stereo view is on show
    void pairGone();                    // a picture is shown flat

private:
    void showAgain();
    void showFlat(const QString &reason);
    void showFlatPicture();
    void pictureFinished();
    void requestDecode();
    PairPictures::Sizing pairSizing() const;
    void readPairAhead();
    void pairDecoded(const ShownPair &pair);
    void compose();
    void viewResized();
    void nextWiggleFrame();
    void alignmentEstimated();
    void autoAlignChanged();
    void tellAlignment();
    void whenPainted(std::function<void()> work);
    void paintedAfterShowing();
    FlatPictures::PictureSource source();

    StereoMode &mode_;
    ZorImageView &view_;
    DecodeQueue queue_;
    PictureStore store_;
    FlatPictures flat_;
    PairPictures pairs_;
    PairAlignments alignments_;
    QTimer wiggle_;
    PictureBytes left_, right_;
    std::optional<double> cameraWindow_;  // the stereo window the pair's camera recorded
    DecodeQueue::Key pairKey_ = 0;  // the pair's key for its alignment
    int number_ = 0, count_ = 0;
    bool forwards_ = true;          // the way the user last stepped
    bool awaitingPicture_ = false;  // the flat picture is decoding in the background
    ShownPair pair_;                // decoded for the view
    QImage wiggleFrames_[2];
    QSize fullComposedSize_;  // the view on show at the pictures' full size
    int wiggleFrame_ = 0;
    // Reading ahead and aligning would slow the paint of what was just put
    // on show: they wait for it, and a newer picture drops them.
    std::vector<std::function<void()>> afterPaint_;
    unsigned shownPictures_ = 0;  // counts the pictures put on show
};
