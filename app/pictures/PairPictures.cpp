#include "pictures/PairPictures.h"

#include <QImage>
#include <QTimer>

imaging::RgbPicture resampled(const imaging::RgbPicture &picture, imaging::PixelSize size)
{
    const QImage shared(reinterpret_cast<const uchar *>(picture.pixels.data()), picture.size.width,
                        picture.size.height, qsizetype(picture.size.width) * 4, QImage::Format_RGB32);
    const QImage scaled = shared.scaled(size.width, size.height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                              .convertToFormat(QImage::Format_RGB32);
    imaging::RgbPicture result;
    result.size = size;
    result.pixels.resize(std::size_t(size.width) * std::size_t(size.height));
    for (int y = 0; y < size.height; ++y) {
        const auto *row = reinterpret_cast<const std::uint32_t *>(scaled.constScanLine(y));
        std::copy(row, row + size.width, result.row(y));
    }
    return result;
}

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
    const bool ahead = lane == DecodeQueue::Lane::Ahead;
    queue.request<DecodedPicture>(keyFor(picture, sizing), lane, [bytes = picture.bytes, shownSize = sizing.shownSize, ahead] {
        const std::span<const unsigned char> jpeg = bytesOf(bytes);
        DecodedPicture decoded{imaging::decodeJpeg(jpeg.data(), jpeg.size(), shownSize)};
        // A pair read ahead is brought to the size shown here, off the main
        // thread, so that its view is composed from fewer pixels and shown
        // without scaling; one the user waits for is shown as decoded.
        imaging::RgbPicture &picture = decoded.jpeg.picture;
        if (ahead && decoded.jpeg.decoded && !picture.pixels.empty()) {
            const imaging::PixelSize shown = shownSize(decoded.jpeg.fullSize);
            if (shown.width < picture.size.width && shown.height < picture.size.height)
                picture = resampled(picture, shown);
        }
        return decoded;
    });
}

void PairPictures::readAhead(const PictureSource &source, int left, int right, const Sizing &sizing,
                             const ReadPair &thenAlso)
{
    queue_.dropWaiting(DecodeQueue::Lane::Ahead);
    queue_.run(qHashMulti(0x61686561, left, right, sizing.key), DecodeQueue::Lane::Ahead,
               [queue = &queue_, source, left, right, sizing, thenAlso] {
                   const PictureBytes pictures[] = {source(left), source(right)};
                   for (const PictureBytes &picture : pictures)
                       if (!picture.isEmpty())
                           requestPicture(*queue, picture, sizing, DecodeQueue::Lane::Ahead);
                   if (thenAlso && !pictures[0].isEmpty() && !pictures[1].isEmpty())
                       thenAlso(pictures[0], pictures[1]);
               });
}

void PairPictures::forget()
{
    wantedLeft_ = wantedRight_ = 0;
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
