// Flat pictures at the size the view shows them, through the decode queue:
// the picture a step asks for, and the ones next to it read ahead, so that a
// step to the next or the previous picture only puts a finished picture on
// screen. A picture is found again by its bytes' key, so one that changed
// on disk is never shown from an older decode.
#pragma once

#include <QImage>
#include <QSize>
#include <functional>
#include <optional>

#include "pictures/DecodeQueue.h"
#include "pictures/PictureBytes.h"

class FlatPictures {
public:
    // The bytes of picture `number` of the file on show; called on the pool.
    using PictureSource = std::function<PictureBytes(int number)>;

    // A picture decoded and brought to the size it is shown at.
    struct Prepared {
        QImage image;
        QSize fullSize;  // the upright picture's own size
        std::size_t cost() const { return std::size_t(image.sizeInBytes()); }
    };
    enum class Outcome {
        Ready,       // here it is
        Pending,     // decoding in the background; the queue's finished() says when
        DecodeHere,  // the JPEG decoder cannot read these bytes: the view's own reader tries
    };
    struct Taken {
        Outcome outcome;
        Prepared picture;
    };

    explicit FlatPictures(DecodeQueue &queue) : queue_(queue) {}

    // Picture `number`, of these bytes, for a view of `view`: kept, or
    // decoded here while the background is free, or, while steps outrun it,
    // decoded there next; the main thread waits for that only briefly.
    Taken take(const PictureBytes &shown, int number, QSize view, const PictureSource &source);
    // Whether picture `number`, of these bytes, is being decoded or read ahead.
    bool isDecoding(const PictureBytes &shown, int number, QSize view) const;
    // The picture of these bytes for a view of `view`, if it is decoded by now.
    std::optional<Prepared> find(const PictureBytes &shown, QSize view) const;
    // Reads ahead around picture `number` of `count`, the way the user went
    // last (`forwards`) first, instead of what waits to be read ahead.
    void readAround(const PictureSource &source, int number, int count, bool forwards, QSize view);
    // The key a picture of these bytes has for a view of `view`.
    static DecodeQueue::Key keyFor(std::size_t pictureKey, QSize view);
    // The key under which picture `number` is read ahead for a view of `view`.
    static DecodeQueue::Key aheadKeyFor(int number, QSize view);

    // The longest the main thread waits for a background decode: with the
    // engine's read of the picture, a step stays within one frame (16 ms).
    static constexpr int waitMs = 6;

private:
    void requestDecode(const PictureSource &source, int number, QSize view, PictureBytes bytes);

    DecodeQueue &queue_;
    bool stepsOutrunDecoding_ = false;  // the last step had to wait for the background
};
