#include "pictures/ScaledWhileDecoding.h"

#include <QPainter>
#include <algorithm>
#include <atomic>
#include <cmath>
#include <condition_variable>
#include <mutex>

#include "imaging/work_pool.h"

namespace {

constexpr int bandCount = 8;

// Draws `source`, smoothly scaled to the size of `target`, into rows
// [first, last) of `target` only.
void drawRows(const QImage &source, QImage &target, int first, int last)
{
    if (last <= first)
        return;
    QImage rows(target.bits() + qsizetype(first) * target.bytesPerLine(), target.width(), last - first,
                target.bytesPerLine(), target.format());
    QPainter painter(&rows);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(0, -first, target.width(), target.height()), source);
}

}  // namespace

struct ScaledWhileDecoding::Bands {
    enum State : int { Waiting, Taken, Withdrawn };

    QImage source;  // shares the decoded pixels while the decode runs
    QImage target;
    int posted = 0;  // bands handed to the pool, from the top; on the decoding thread only
    std::atomic<int> state[bandCount] = {};
    bool finished[bandCount] = {};  // under the lock
    std::mutex lock;
    std::condition_variable changed;

    int firstRow(int band) const { return target.height() * band / bandCount; }
    // The decoded rows band `band` reads: those it shows and two more for the filter.
    int rowsRead(int band) const
    {
        const double scale = double(source.height()) / target.height();
        return std::min(source.height(), int(std::ceil(firstRow(band + 1) * scale)) + 2);
    }
    // On the pool: scales band `band` unless it was withdrawn.
    void run(int band)
    {
        int waiting = Waiting;
        if (!state[band].compare_exchange_strong(waiting, Taken))
            return;
        drawRows(source, target, firstRow(band), firstRow(band + 1));
        const std::lock_guard guard(lock);
        finished[band] = true;
        changed.notify_all();
    }
    // Withdraws the bands the pool has not begun and waits for the others.
    void withdraw()
    {
        for (std::atomic<int> &band : state) {
            int waiting = Waiting;
            band.compare_exchange_strong(waiting, Withdrawn);
        }
        std::unique_lock guard(lock);
        changed.wait(guard, [this] {
            for (int band = 0; band < bandCount; ++band)
                if (state[band] == Taken && !finished[band])
                    return false;
            return true;
        });
        source = QImage();
    }
};

void ScaledWhileDecoding::rowsReady(const imaging::RgbPicture &picture, int rows)
{
    if (unscaled_)
        return;
    if (!bands_) {
        const QSize decoded(picture.size.width, picture.size.height), shown = shownSize_(decoded);
        if (shown == decoded || shown.isEmpty()) {
            unscaled_ = true;
            return;
        }
        bands_ = std::make_shared<Bands>();
        bands_->source = QImage(reinterpret_cast<const uchar *>(picture.pixels.data()), decoded.width(),
                                decoded.height(), qsizetype(decoded.width()) * 4, QImage::Format_RGB32);
        bands_->target = QImage(shown, QImage::Format_RGB32);
        if (bands_->target.isNull()) {  // no memory for it: scaled() tries again at the end
            bands_.reset();
            unscaled_ = true;
            return;
        }
    }
    Bands &bands = *bands_;
    while (bands.posted < bandCount && bands.rowsRead(bands.posted) <= rows) {
        imaging::WorkPool::shared().post([shared = bands_, band = bands.posted] { shared->run(band); });
        ++bands.posted;
    }
}

void ScaledWhileDecoding::decodeOver()
{
    if (bands_)
        bands_->withdraw();
}

QImage ScaledWhileDecoding::scaled(const QImage &decoded)
{
    const QSize shown = shownSize_(decoded.size());
    if (decoded.isNull() || shown == decoded.size())
        return decoded;
    if (!bands_ || bands_->target.size() != shown) {
        QImage target(shown, QImage::Format_RGB32);
        if (!target.isNull())
            drawRows(decoded, target, 0, shown.height());
        return target;
    }
    Bands &bands = *bands_;
    for (int band = 0; band < bandCount; ++band)
        if (!bands.finished[band])
            drawRows(decoded, bands.target, bands.firstRow(band), bands.firstRow(band + 1));
    return bands.target;
}
