#include "PicturePrefetcher.h"

#include <QPainter>
#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>

#include "JpegDecoder.h"
#include "ZorImageView.h"
#include "trace_output.h"

namespace {

std::size_t hashOf(const QByteArray &bytes) { return qHash(QByteArrayView(bytes)); }

// Decodes `bytes` for a view of `view` and brings the picture to the size
// shown, drawn as the view draws it, so that the view shows it unscaled.
PicturePrefetcher::Prepared prepare(const QByteArray &bytes, QSize view)
{
    PicturePrefetcher::Prepared prepared;
    const auto shown = [view](QSize full) { return ZorImageView::fittedSize(full, view); };
    const QImage decoded = decodeJpegScaled(bytes, shown, prepared.fullSize);
    if (decoded.isNull())
        return prepared;
    const QSize size = shown(decoded.size());
    if (size == decoded.size()) {
        prepared.image = decoded;
        return prepared;
    }
    prepared.image = QImage(size, QImage::Format_RGB32);
    QPainter painter(&prepared.image);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(QPoint(0, 0), size), decoded);
    return prepared;
}

}  // namespace

PicturePrefetcher::PicturePrefetcher(QObject *parent) : QObject(parent)
{
    pool_.setMaxThreadCount(1);
    connect(&watcher_, &QFutureWatcherBase::finished, this, &PicturePrefetcher::finished);
}

PicturePrefetcher::~PicturePrefetcher()
{
    plan_.clear();
    pool_.waitForDone();
}

PicturePrefetcher::Taken PicturePrefetcher::take(const QByteArray &bytes, int number, QSize view,
                                                 const PictureSource &source)
{
    const std::size_t hash = hashOf(bytes);
    std::unique_lock lock(lock_);
    if (auto picture = keptLocked(hash, view)) {
        stepsOutrunDecoding_ = false;
        return {Outcome::Ready, std::move(*picture)};
    }
    // With the background free, decoding here is quickest. While steps come
    // faster than it decodes (a key held) the picture is decoded there,
    // next, and the main thread stays free.
    if (failed_ == hash || (!running_ && !stepsOutrunDecoding_)) {
        stepsOutrunDecoding_ = false;
        return {Outcome::DecodeHere, {}};
    }
    if (!(running_ && last_ && last_->number == number && last_->view == view)) {
        plan_.clear();
        plan_.push_back({source, number, view, bytes});
    }
    lock.unlock();
    startNext();  // when the background is free
    lock.lock();
    jobEnded_.wait_for(lock, std::chrono::milliseconds(waitMs), [&] { return keptLocked(hash, view).has_value(); });
    stepsOutrunDecoding_ = !keptLocked(hash, view);
    if (auto picture = keptLocked(hash, view))
        return {Outcome::Ready, std::move(*picture)};
    return {Outcome::Pending, {}};
}

void PicturePrefetcher::readAround(const PictureSource &source, int number, int count, bool forwards, QSize view)
{
    plan_.clear();
    const int ahead = forwards ? number + 1 : number - 1, behind = forwards ? number - 1 : number + 1;
    for (int n : {ahead, behind})
        if (n >= 1 && n <= count)
            plan_.push_back({source, n, view, {}});
    // Once the picture on show is painted, which reading ahead would slow.
    QTimer::singleShot(0, this, &PicturePrefetcher::startNext);
}

void PicturePrefetcher::startNext()
{
    {
        const std::lock_guard lock(lock_);
        if (running_ || plan_.empty())
            return;
        running_ = true;
    }
    last_ = std::move(plan_.front());
    plan_.pop_front();
    watcher_.setFuture(QtConcurrent::run(&pool_, [this, job = *last_] { run(job); }));
}

// On the background thread: reads the picture quietly, and decodes it
// unless it is kept already.
void PicturePrefetcher::run(const Job &job)
{
    const QuietTrace quiet;
    const QByteArray bytes = job.bytes.isEmpty() ? job.source(job.number) : job.bytes;
    const std::size_t hash = hashOf(bytes);
    bool known = bytes.isEmpty();
    {
        const std::lock_guard lock(lock_);
        known = known || keptLocked(hash, job.view);
    }
    Prepared picture = known ? Prepared() : prepare(bytes, job.view);
    const std::lock_guard lock(lock_);
    if (!picture.image.isNull()) {
        kept_.push_back({hash, job.view, std::move(picture)});
        if (kept_.size() > keptPictures)
            kept_.pop_front();
    } else if (!known) {
        failed_ = hash;  // for the view's own decoder, which reads more than JPEG
    }
    running_ = false;
    jobEnded_.notify_all();
}

void PicturePrefetcher::finished()
{
    startNext();
    emit prepared();
}

std::optional<PicturePrefetcher::Prepared> PicturePrefetcher::keptLocked(std::size_t hash, QSize view) const
{
    for (const Kept &k : kept_)
        if (k.hash == hash && k.view == view)
            return k.picture;
    return std::nullopt;
}
