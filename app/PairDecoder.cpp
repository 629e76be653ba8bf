#include "PairDecoder.h"

#include <QtConcurrent/QtConcurrentRun>

PairDecoder::PairDecoder(QObject *parent) : QObject(parent)
{
    connect(&watcher_, &QFutureWatcherBase::finished, this, &PairDecoder::finished);
}

PairDecoder::~PairDecoder() { watcher_.waitForFinished(); }

void PairDecoder::request(Request request)
{
    if (running_) {
        next_ = std::move(request);  // the running decode's result is dropped for it
        return;
    }
    start(std::move(request));
}

void PairDecoder::forget()
{
    next_.reset();
    dropResult_ = running_;
}

void PairDecoder::start(Request request)
{
    running_ = true;
    dropResult_ = false;
    watcher_.setFuture(QtConcurrent::run([request = std::move(request)] {
        return std::make_shared<stereo::DecodedPair>(
            stereo::decodePair(bytesOf(request.left), bytesOf(request.right), request.shownSize));
    }));
}

void PairDecoder::finished()
{
    running_ = false;
    const std::shared_ptr<stereo::DecodedPair> pair = watcher_.result();
    if (next_) {
        Request waiting = std::move(*next_);
        next_.reset();
        start(std::move(waiting));
    } else if (!dropResult_) {
        emit decoded(pair);
    }
}
