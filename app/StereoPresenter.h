// Shows the picture on show in the chosen view: flat, as the picture view
// decodes it, or as a stereo view of its pair, decoded at the size shown
// (both pictures at once, off the main thread) and composed for the view.
// A file that holds no pair, or a pair that cannot be shown in stereo, is
// shown flat with a short message saying why. Flat pictures next to the one
// on show, and in a series the next pair, are decoded ahead.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>

#include "PairAligner.h"
#include "PairDecoder.h"
#include "PicturePrefetcher.h"

class StereoMode;
class ZorImageView;

class StereoPresenter : public QObject {
    Q_OBJECT
public:
    // The JPEG bytes of picture `number` of the file on show; empty when
    // they cannot be read.
    using PictureSource = std::function<QByteArray(int number)>;

    StereoPresenter(StereoMode &mode, ZorImageView &view, QObject *parent = nullptr);

    // A new file: its offsets start at zero.
    void startFile();
    // Shows picture `number` of `count`, whose bytes are `shown`.
    void showPicture(const QByteArray &shown, int number, int count, const PictureSource &source);

    // Whether a stereo view is on show, and the JPEG bytes of its pair.
    bool showsPair() const { return pair_ != nullptr; }
    const QByteArray &leftBytes() const { return left_; }
    const QByteArray &rightBytes() const { return right_; }
    // The composition of the view on show, the alignment included, in
    // pixels of the full-size pictures.
    stereo::Options shownOptions() const;
    // The full size of the pictures of the pair on show.
    imaging::PixelSize pictureSize() const;

    // Moves the right picture by steps of about one shown pixel.
    void moveRightPicture(int columns, int rows);
    const StereoMode &mode() const { return mode_; }

signals:
    void message(const QString &text);  // why a picture is shown flat
    void pairShown();                   // a stereo view is on show

private:
    void showAgain();
    void showFlat(const QString &reason);
    void showFlatPicture();
    void backgroundPictureReady();
    void requestDecode();
    PairDecoder::Request pairRequest(const QByteArray &left, const QByteArray &right) const;
    void readPairAhead();
    void pairDecoded(std::shared_ptr<stereo::DecodedPair> pair);
    void compose();
    void viewResized();
    void nextWiggleFrame();
    void alignmentEstimated();
    void autoAlignChanged();
    void tellAlignment();

    StereoMode &mode_;
    ZorImageView &view_;
    PairDecoder decoder_;
    PicturePrefetcher prefetcher_;
    PairAligner aligner_;
    QTimer wiggle_;
    QByteArray shown_, left_, right_;
    std::size_t pairKey_ = 0;  // the pair's key for its alignment
    int number_ = 0, count_ = 0;
    bool forwards_ = true;          // the way the user last stepped
    bool awaitingPicture_ = false;  // the flat picture is decoding in the background
    PictureSource source_;
    std::shared_ptr<stereo::DecodedPair> pair_;  // decoded for the view
    QImage wiggleFrames_[2];
    QSize fullComposedSize_;  // the view on show at the pictures' full size
    int wiggleFrame_ = 0;
};
