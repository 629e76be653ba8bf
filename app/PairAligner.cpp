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
            request(std::exchange(waiting_, 0), std::exchange(waitingPair_, nullptr));
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

void PairAligner::request(std::size_t key, std::shared_ptr<const stereo::DecodedPair> pair)
{
    if (kept_.contains(key) || key == running_)
        return;
    if (running_ != 0) {
        waiting_ = key;
        waitingPair_ = std::move(pair);
        return;
    }
    running_ = key;
    watcher_.setFuture(QtConcurrent::run(&pool_, [pair = std::move(pair)] {
        return stereo::estimateAlignment(pair->left.picture, pair->right.picture, pair->left.fullSize);
    }));
}
