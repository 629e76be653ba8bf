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

// Where a picture is scaled to. The pixels are reached through a pointer
// taken once, as QImage::bits() may not be called on several threads.
struct Target {
    QImage image;
    uchar *pixels = nullptr;
    explicit Target(QSize size) : image(size, QImage::Format_RGB32), pixels(image.isNull() ? nullptr : image.bits()) {}
};

// Draws `source`, smoothly scaled to the size of `target`, into rows
// [first, last) of `target` only.
void drawRows(const QImage &source, const Target &target, int first, int last)
{
    if (last <= first)
        return;
    const qsizetype stride = target.image.bytesPerLine();
    QImage rows(target.pixels + qsizetype(first) * stride, target.image.width(), last - first, stride,
                QImage::Format_RGB32);
    QPainter painter(&rows);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(0, -first, target.image.width(), target.image.height()), source);
}

}  // namespace

struct ScaledWhileDecoding::Bands {
    enum State : int { Waiting, Taken, Withdrawn };

    Bands(const QImage &decoded, QSize shown) : source(decoded), target(shown) {}

    QImage source;  // shares the decoded pixels while the decode runs
    Target target;
    int posted = 0;  // bands handed to the pool, from the top; on the decoding thread only
    std::atomic<int> state[bandCount] = {};
    bool finished[bandCount] = {};  // under the lock
    std::mutex lock;
    std::condition_variable changed;

    int firstRow(int band) const { return target.image.height() * band / bandCount; }
    // The decoded rows band `band` reads: those it shows and two more for the filter.
    int rowsRead(int band) const
    {
        const double scale = double(source.height()) / target.image.height();
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
        bands_ = std::make_shared<Bands>(QImage(reinterpret_cast<const uchar *>(picture.pixels.data()), decoded.width(),
                                                decoded.height(), qsizetype(decoded.width()) * 4, QImage::Format_RGB32),
                                         shown);
        if (bands_->target.pixels == nullptr) {  // no memory for it: scaled() tries again at the end
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
    if (!bands_ || bands_->target.image.size() != shown) {
        const Target target(shown);
        if (target.pixels != nullptr)
            drawRows(decoded, target, 0, shown.height());
        return target.image;
    }
    Bands &bands = *bands_;
    for (int band = 0; band < bandCount; ++band)
        if (!bands.finished[band])
            drawRows(decoded, bands.target, bands.firstRow(band), bands.firstRow(band + 1));
    return bands.target.image;
}
