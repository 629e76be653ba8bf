#include "PairAligner.h"

#include <QtConcurrent>

PairAligner::PairAligner(QObject *parent) : QObject(parent)
{
    pool_.setMaxThreadCount(1);
    connect(&watcher_, &QFutureWatcher<stereo::Alignment>::finished, this, [this] {
        kept_.insert(running_, watcher_.result());
        running_ = 0;
        emit estimated();
        if (waiting_ != 0)
            request(std::exchange(waiting_, 0), std::exchange(waitingLeft_, {}), std::exchange(waitingRight_, {}));
    });
}

PairAligner::~PairAligner()
{
    watcher_.waitForFinished();
}

std::size_t PairAligner::keyOf(const QByteArray &left, const QByteArray &right)
{
    return qHashMulti(0, left, right) | 1;  // never 0, which stands for none
}

std::optional<stereo::Alignment> PairAligner::find(std::size_t key) const
{
    const auto kept = kept_.constFind(key);
    return kept == kept_.cend() ? std::nullopt : std::optional(*kept);
}

void PairAligner::request(std::size_t key, const QByteArray &left, const QByteArray &right)
{
    if (kept_.contains(key) || key == running_)
        return;
    if (running_ != 0) {
        waiting_ = key;
        waitingLeft_ = left, waitingRight_ = right;
        return;
    }
    running_ = key;
    watcher_.setFuture(QtConcurrent::run(&pool_, [left, right] {
        const auto bytes = [](const QByteArray &jpeg) {
            return std::span(reinterpret_cast<const unsigned char *>(jpeg.constData()), std::size_t(jpeg.size()));
        };
        return stereo::estimatePairAlignment(bytes(left), bytes(right));
    }));
}
