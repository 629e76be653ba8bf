#include "pictures/DecodeQueue.h"

#include <algorithm>

#include "imaging/work_pool.h"

namespace {

// The pool threads the queue keeps busy at most: one each, so that the
// composition on the main thread still finds helpers.
int runningAtMost() { return imaging::WorkPool::shared().threads(); }

}  // namespace

DecodeQueue::DecodeQueue(std::size_t keptBytes, QObject *parent) : QObject(parent), keptBytes_(keptBytes) {}

DecodeQueue::~DecodeQueue() { stop(); }

void DecodeQueue::stop()
{
    std::unique_lock lock(lock_);
    waiting_.clear();
    changed_.wait(lock, [this] { return running_.empty(); });
}

void DecodeQueue::enqueue(Key key, Lane lane, const std::type_info &type, std::function<Result()> work)
{
    const std::lock_guard lock(lock_);
    const auto same = [key](const Job &job) { return job.key == key; };
    if (findLocked(key, type) || std::any_of(running_.begin(), running_.end(), same))
        return;
    std::erase_if(waiting_, same);
    waiting_.push_back({key, lane, &type, std::move(work)});
    startWaiting();
}

// Starts the latest job the user waits for, else the latest read-ahead.
void DecodeQueue::startWaiting()
{
    while (!waiting_.empty() && int(running_.size()) < runningAtMost()) {
        auto next = std::find_if(waiting_.rbegin(), waiting_.rend(), [](const Job &job) { return job.lane == Lane::Shown; });
        if (next == waiting_.rend())
            next = waiting_.rbegin();
        running_.push_back(std::move(*next));
        waiting_.erase(std::next(next).base());
        const Job &job = running_.back();
        imaging::WorkPool::shared().post([this, key = job.key, type = job.type, work = job.work] {
            Result result;
            try {
                result = work();
            } catch (const std::exception &error) {
                // Nothing is kept; whoever waits for it sees it missing.
                qWarning("a picture could not be made: %s", error.what());
            }
            {
                const std::lock_guard lock(lock_);
                keepLocked(key, *type, std::move(result));
                std::erase_if(running_, [key](const Job &j) { return j.key == key; });
                startWaiting();
                // Told on the main thread; a queue gone by then tells no one.
                QMetaObject::invokeMethod(this, [this, key] { emit finished(key); }, Qt::QueuedConnection);
                changed_.notify_all();  // under the lock: the queue may go once it is free
            }
        });
    }
}

void DecodeQueue::dropWaiting(Lane lane)
{
    const std::lock_guard lock(lock_);
    std::erase_if(waiting_, [lane](const Job &job) { return job.lane == lane; });
}

bool DecodeQueue::isBusy(Lane lane) const
{
    const std::lock_guard lock(lock_);
    const auto inLane = [lane](const Job &job) { return job.lane == lane; };
    return std::any_of(running_.begin(), running_.end(), inLane) || std::any_of(waiting_.begin(), waiting_.end(), inLane);
}

// A result larger than a quarter of the bound (a large picture decoded
// whole for a zoom) is used where it was made and not kept.
bool DecodeQueue::isRunning(Key key) const
{
    const std::lock_guard lock(lock_);
    return std::any_of(running_.begin(), running_.end(), [key](const Job &job) { return job.key == key; });
}

bool DecodeQueue::isUnderWay(Key key) const
{
    const std::lock_guard lock(lock_);
    const auto same = [key](const Job &job) { return job.key == key; };
    return std::any_of(running_.begin(), running_.end(), same) || std::any_of(waiting_.begin(), waiting_.end(), same);
}

void DecodeQueue::keepMadeHere(Key key, const std::type_info &type, Result result)
{
    if (result.cost > keptBytes_ / 4)
        return;
    const std::lock_guard lock(lock_);
    keepLocked(key, type, std::move(result));
}

void DecodeQueue::keepLocked(Key key, const std::type_info &type, Result result)
{
    if (!result.value)
        return;
    std::erase_if(kept_, [&](const Kept &k) {
        if (k.key != key)
            return false;
        keptCost_ -= k.result.cost;
        return true;
    });
    result.cost = std::max<std::size_t>(result.cost, 4096);  // small results count too
    keptCost_ += result.cost;
    kept_.push_front({key, &type, std::move(result)});
    // The latest two stay whatever they take: the two pictures of a pair.
    while (keptCost_ > keptBytes_ && kept_.size() > 2) {
        keptCost_ -= kept_.back().result.cost;
        kept_.pop_back();
    }
}

std::shared_ptr<const void> DecodeQueue::findKept(Key key, const std::type_info &type) const
{
    const std::lock_guard lock(lock_);
    return findLocked(key, type);
}

std::shared_ptr<const void> DecodeQueue::findLocked(Key key, const std::type_info &type) const
{
    const auto found =
        std::find_if(kept_.begin(), kept_.end(), [&](const Kept &k) { return k.key == key && *k.type == type; });
    if (found == kept_.end())
        return nullptr;
    kept_.splice(kept_.begin(), kept_, found);  // the most recently used first
    return found->result.value;
}

std::shared_ptr<const void> DecodeQueue::waitForKept(Key key, const std::type_info &type, int ms)
{
    std::unique_lock lock(lock_);
    std::shared_ptr<const void> found;
    changed_.wait_for(lock, std::chrono::milliseconds(ms), [&] { return (found = findLocked(key, type)) != nullptr; });
    return found;
}
