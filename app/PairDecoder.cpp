#include "PairDecoder.h"

#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>

#include "trace_output.h"

namespace {

std::size_t hashOf(const QByteArray &bytes) { return qHash(QByteArrayView(bytes)); }

}  // namespace

PairDecoder::PairDecoder(QObject *parent) : QObject(parent)
{
    connect(&watcher_, &QFutureWatcherBase::finished, this, &PairDecoder::finished);
}

PairDecoder::~PairDecoder() { watcher_.waitForFinished(); }

void PairDecoder::request(Request request)
{
    const unsigned serial = ++requests_;
    if (std::shared_ptr<stereo::DecodedPair> pair = kept(request)) {
        next_.reset();
        dropResult_ = running_;
        // Answered as a decode would be: later, and only if still the latest.
        QTimer::singleShot(0, this, [this, serial, pair] {
            if (serial == requests_)
                emit decoded(pair);
        });
        return;
    }
    if (running_) {
        next_ = std::move(request);  // the running decode's result is dropped for it
        return;
    }
    start(std::move(request), {});
}

void PairDecoder::readAhead(ReadPair read)
{
    ahead_ = std::move(read);
    // Once the pair on show is painted, which decoding ahead would slow.
    QTimer::singleShot(0, this, &PairDecoder::startAhead);
}

void PairDecoder::forget()
{
    ++requests_;
    next_.reset();
    ahead_.reset();
    dropResult_ = running_;
}

void PairDecoder::start(Request request, ReadPair read)
{
    running_ = true;
    dropResult_ = false;
    watcher_.setFuture(QtConcurrent::run([request = std::move(request), read = std::move(read)]() mutable {
        const bool ahead = bool(read);
        if (ahead) {
            const QuietTrace quiet;
            request = read();
        }
        Finished done{hashOf(request.left), hashOf(request.right), request.sizeKey, nullptr, ahead};
        if (!request.left.isEmpty() && !request.right.isEmpty())
            done.pair = std::make_shared<stereo::DecodedPair>(
                stereo::decodePair(bytesOf(request.left), bytesOf(request.right), request.shownSize));
        return done;
    }));
}

void PairDecoder::finished()
{
    running_ = false;
    const Finished done = watcher_.result();
    if (done.pair)
        keep(done);
    if (next_) {
        Request waiting = std::move(*next_);
        next_.reset();
        request(std::move(waiting));
    } else if (!done.ahead && !dropResult_) {
        emit decoded(done.pair);
    }
    startAhead();
}

// The pair to decode ahead, once nothing else decodes.
void PairDecoder::startAhead()
{
    if (!ahead_ || running_)
        return;
    ReadPair read = std::move(*ahead_);
    ahead_.reset();
    start({}, std::move(read));
}

void PairDecoder::keep(const Finished &pair)
{
    std::erase_if(kept_, [&](const Finished &k) { return k.left == pair.left && k.right == pair.right && k.sizeKey == pair.sizeKey; });
    kept_.push_back(pair);
    if (kept_.size() > keptPairs)
        kept_.pop_front();
}

std::shared_ptr<stereo::DecodedPair> PairDecoder::kept(const Request &request) const
{
    const std::size_t left = hashOf(request.left), right = hashOf(request.right);
    for (const Finished &k : kept_)
        if (k.left == left && k.right == right && k.sizeKey == request.sizeKey)
            return k.pair;
    return nullptr;
}
