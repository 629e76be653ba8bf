#include "pictures/PairPictures.h"

#include <QTimer>

PairPictures::PairPictures(DecodeQueue &queue, QObject *parent) : QObject(parent), queue_(queue)
{
    connect(&queue_, &DecodeQueue::finished, this, &PairPictures::answer);
}

DecodeQueue::Key PairPictures::keyFor(const PictureBytes &picture, const Sizing &sizing)
{
    return qHashMulti(0x70616972, picture.key, sizing.key);  // "pair"
}

void PairPictures::request(const PictureBytes &left, const PictureBytes &right, const Sizing &sizing)
{
    wantedLeft_ = keyFor(left, sizing);
    wantedRight_ = keyFor(right, sizing);
    queue_.dropWaiting(DecodeQueue::Lane::Shown);
    requestPicture(queue_, left, sizing, DecodeQueue::Lane::Shown);
    requestPicture(queue_, right, sizing, DecodeQueue::Lane::Shown);
    // A kept pair is answered as a decode would be: later, and only if still the latest.
    QTimer::singleShot(0, this, &PairPictures::answer);
}

void PairPictures::start(const PictureBytes &picture, const Sizing &sizing)
{
    requestPicture(queue_, picture, sizing, DecodeQueue::Lane::Shown);
}

void PairPictures::requestPicture(DecodeQueue &queue, const PictureBytes &picture, const Sizing &sizing,
                                  DecodeQueue::Lane lane)
{
    queue.request<DecodedPicture>(keyFor(picture, sizing), lane, [bytes = picture.bytes, shownSize = sizing.shownSize] {
        const std::span<const unsigned char> jpeg = bytesOf(bytes);
        return DecodedPicture{imaging::decodeJpeg(jpeg.data(), jpeg.size(), shownSize)};
    });
}

void PairPictures::readAhead(const PictureSource &source, int left, int right, const Sizing &sizing)
{
    queue_.dropWaiting(DecodeQueue::Lane::Ahead);
    const unsigned plan = ++plans_;
    // Once the pair on show is painted, which decoding ahead would slow.
    QTimer::singleShot(0, this, [=, this] {
        if (plan != plans_)
            return;
        queue_.run(qHashMulti(0x61686561, left, right, sizing.key), DecodeQueue::Lane::Ahead,
                   [queue = &queue_, source, left, right, sizing] {
                       for (int number : {left, right})
                           if (const PictureBytes picture = source(number); !picture.isEmpty())
                               requestPicture(*queue, picture, sizing, DecodeQueue::Lane::Ahead);
                   });
    });
}

void PairPictures::forget()
{
    wantedLeft_ = wantedRight_ = 0;
    ++plans_;
    queue_.dropWaiting(DecodeQueue::Lane::Shown);
}

void PairPictures::answer()
{
    if (wantedLeft_ == 0)
        return;
    ShownPair pair{queue_.find<DecodedPicture>(wantedLeft_), queue_.find<DecodedPicture>(wantedRight_)};
    if (!pair.left || !pair.right)
        return;
    wantedLeft_ = wantedRight_ = 0;
    emit decoded(pair);
}
