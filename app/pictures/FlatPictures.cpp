#include "pictures/FlatPictures.h"

#include "pictures/ScaledWhileDecoding.h"
#include "view/JpegDecoder.h"
#include "imaging/shown_size.h"

namespace {

QSize qSizeOf(imaging::PixelSize size) { return {size.width, size.height}; }
imaging::PixelSize pixelSizeOf(QSize size) { return {size.width(), size.height()}; }

// Decodes `bytes` for a view of `view` and brings the picture to the size
// shown, drawn as the view draws it, so that the view shows it unscaled.
FlatPictures::Prepared prepare(const QByteArray &bytes, QSize view)
{
    FlatPictures::Prepared prepared;
    const auto shown = [view](QSize full) { return qSizeOf(imaging::fittedSize(pixelSizeOf(full), pixelSizeOf(view))); };
    ScaledWhileDecoding scaling(shown);
    prepared.image = scaling.scaled(decodeJpegScaled(bytes, shown, prepared.fullSize, &scaling));
    return prepared;
}

}  // namespace

DecodeQueue::Key FlatPictures::keyFor(std::size_t pictureKey, QSize view)
{
    return qHashMulti(0x666c6174, pictureKey, view);  // "flat"
}

FlatPictures::Taken FlatPictures::take(const PictureBytes &shown, int number, QSize view, const PictureSource &source)
{
    const DecodeQueue::Key key = keyFor(shown.key, view);
    // What waits to be read ahead was planned around the picture before;
    // the plan around this one starts once it is painted.
    queue_.dropWaiting(DecodeQueue::Lane::Ahead);
    if (auto kept = queue_.find<Prepared>(key)) {
        stepsOutrunDecoding_ = false;
        if (kept->image.isNull())  // bytes the JPEG decoder cannot read: the view's own reader tries
            return {Outcome::DecodeHere, {}};
        return {Outcome::Ready, *kept};
    }
    // With the background free, decoding here is quickest (the pool scales
    // meanwhile). While steps come faster than it decodes (a key held) the
    // picture is decoded there, next, and the main thread stays free.
    if (!queue_.isBusy(DecodeQueue::Lane::Shown) && !queue_.isBusy(DecodeQueue::Lane::Ahead) && !stepsOutrunDecoding_) {
        const auto made = queue_.runHere<Prepared>(key, [&] { return prepare(shown.bytes, view); });
        return {made->image.isNull() ? Outcome::DecodeHere : Outcome::Ready, *made};
    }
    stepsOutrunDecoding_ = false;
    // A picture being read ahead is not decoded a second time beside it.
    queue_.dropWaiting(DecodeQueue::Lane::Shown);
    if (!queue_.isRunning(aheadKeyFor(number, view)))
        requestDecode(source, number, view, shown);
    const auto kept = queue_.waitFor<Prepared>(key, waitMs);
    stepsOutrunDecoding_ = !kept;
    if (kept && !kept->image.isNull())
        return {Outcome::Ready, *kept};
    return {kept ? Outcome::DecodeHere : Outcome::Pending, {}};
}

bool FlatPictures::isDecoding(const PictureBytes &shown, int number, QSize view) const
{
    return queue_.isUnderWay(keyFor(shown.key, view)) || queue_.isUnderWay(aheadKeyFor(number, view));
}

DecodeQueue::Key FlatPictures::aheadKeyFor(int number, QSize view)
{
    return qHashMulti(0x61686561, number, view);  // "ahea"
}

std::optional<FlatPictures::Prepared> FlatPictures::find(const PictureBytes &shown, QSize view) const
{
    const auto kept = queue_.find<Prepared>(keyFor(shown.key, view));
    return kept && !kept->image.isNull() ? std::optional(*kept) : std::nullopt;
}

void FlatPictures::readAround(const PictureSource &source, int number, int count, bool forwards, QSize view)
{
    queue_.dropWaiting(DecodeQueue::Lane::Ahead);
    const int ahead = forwards ? number + 1 : number - 1, behind = forwards ? number - 1 : number + 1;
    for (int n : {behind, ahead})  // in reverse: the queue starts the latest first
        if (n >= 1 && n <= count)
            requestDecode(source, n, view, {});
}

void FlatPictures::requestDecode(const PictureSource &source, int number, QSize view, PictureBytes bytes)
{
    if (!bytes.isEmpty()) {
        queue_.request<Prepared>(keyFor(bytes.key, view), DecodeQueue::Lane::Shown,
                                 [bytes, view] { return prepare(bytes.bytes, view); });
        return;
    }
    // A picture read ahead learns its key once it has its bytes, on the pool.
    // On the pool the work reaches only the queue, which waits for it before it goes.
    queue_.run(aheadKeyFor(number, view), DecodeQueue::Lane::Ahead,
               [queue = &queue_, source, number, view] {
                   const PictureBytes picture = source(number);
                   if (!picture.isEmpty())
                       queue->runHere<Prepared>(keyFor(picture.key, view), [&] { return prepare(picture.bytes, view); });
               });
}
