// The two pictures of a stereo pair, decoded at the size shown through the
// decode queue, both at once. Only the latest request is answered: pairs a
// held key steps past are dropped before they start. The pair a step would
// show next can be decoded ahead; pairs are found again by both pictures'
// keys and the size asked for.
#pragma once

#include <QObject>
#include <functional>
#include <memory>

#include "imaging/jpeg_decoder.h"
#include "pictures/DecodeQueue.h"
#include "pictures/PictureBytes.h"

// One picture decoded for a pair, as the queue keeps it.
struct DecodedPicture {
    imaging::DecodedJpeg jpeg;
    std::size_t cost() const { return jpeg.picture.pixels.size() * 4; }
};

// The picture smoothly resampled to `size`.
imaging::RgbPicture resampled(const imaging::RgbPicture &picture, imaging::PixelSize size);

struct ShownPair {
    std::shared_ptr<const DecodedPicture> left, right;
};

class PairPictures : public QObject {
    Q_OBJECT
public:
    using ShownSize = std::function<imaging::PixelSize(imaging::PixelSize)>;
    // The size each picture is decoded at, and a key that is the same for
    // requests whose size rule is the same.
    struct Sizing {
        ShownSize shownSize;  // must not refer to objects of the main thread
        std::size_t key = 0;
    };
    using PictureSource = std::function<PictureBytes(int number)>;
    // What else to do with a pair read ahead, on the pool.
    using ReadPair = std::function<void(const PictureBytes &left, const PictureBytes &right)>;

    explicit PairPictures(DecodeQueue &queue, QObject *parent = nullptr);

    // Starts decoding one picture of the pair to come, while its partner is read.
    void start(const PictureBytes &picture, const Sizing &sizing);
    void request(const PictureBytes &left, const PictureBytes &right, const Sizing &sizing);
    // Decodes pictures `left` and `right`, read through `source` on the
    // pool, once nothing the user waits for is decoding, and hands their
    // bytes to `thenAlso`.
    void readAhead(const PictureSource &source, int left, int right, const Sizing &sizing,
                   const ReadPair &thenAlso = {});
    // Drops the waiting request and the answer to the running one.
    void forget();

signals:
    void decoded(ShownPair pair);

private:
    static void requestPicture(DecodeQueue &queue, const PictureBytes &picture, const Sizing &sizing,
                               DecodeQueue::Lane lane);
    static DecodeQueue::Key keyFor(const PictureBytes &picture, const Sizing &sizing);
    void answer();

    DecodeQueue &queue_;
    DecodeQueue::Key wantedLeft_ = 0, wantedRight_ = 0;  // the latest request; 0 for none
};
