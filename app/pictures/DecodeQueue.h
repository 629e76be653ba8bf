// The viewer's one queue for decoding and the other work pictures take
// (a flat picture at the size shown, each picture of a pair, an alignment):
// the work runs on the program's long-lived pool, what the user waits for
// before what is read ahead and the latest request first, and the results
// are kept by key up to a memory bound, the least recently used let go first.
#pragma once

#include <QObject>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <list>
#include <memory>
#include <mutex>
#include <typeinfo>

// The bytes a result holds, for the memory bound: what its cost() says, or
// its own size.
template <class T>
std::size_t costOf(const T &value)
{
    if constexpr (requires { value.cost(); })
        return value.cost();
    else
        return sizeof(T);
}

class DecodeQueue : public QObject {
    Q_OBJECT
public:
    using Key = std::size_t;  // names the work: whose bytes, at what size, what kind
    enum class Lane { Shown, Ahead };

    explicit DecodeQueue(std::size_t keptBytes = 24u << 20, QObject *parent = nullptr);
    ~DecodeQueue() override;

    // The result kept under `key`, or null.
    template <class T>
    std::shared_ptr<const T> find(Key key) const
    {
        return std::static_pointer_cast<const T>(findKept(key, typeid(T)));
    }
    // Runs `work` on the pool unless its result is kept or it runs or waits
    // already; finished() tells when its result is kept.
    template <class T>
    void request(Key key, Lane lane, std::function<T()> work)
    {
        enqueue(key, lane, typeid(T), [work = std::move(work)]() -> Result {
            auto result = std::make_shared<const T>(work());
            return {result, costOf(*result)};
        });
    }
    // Runs `work`, which keeps nothing of its own here (a read-ahead that
    // files its results under keys it learns as it goes), unless it runs or
    // waits already; finished() tells when it is done.
    void run(Key key, Lane lane, std::function<void()> work)
    {
        enqueue(key, lane, typeid(void), [work = std::move(work)]() -> Result {
            work();
            return {};
        });
    }
    // The result for `key`: kept, or worked out here and now and, when
    // `keep` says so, kept.
    template <class T>
    std::shared_ptr<const T> runHere(Key key, const std::function<T()> &work, bool keep = true)
    {
        if (auto kept = find<T>(key))
            return kept;
        auto result = std::make_shared<const T>(work());
        if (keep)
            keepMadeHere(key, typeid(T), {result, costOf(*result)});
        return result;
    }
    // Waits at most `ms` milliseconds for the result under `key`.
    template <class T>
    std::shared_ptr<const T> waitFor(Key key, int ms)
    {
        return std::static_pointer_cast<const T>(waitForKept(key, typeid(T), ms));
    }
    // Drops all waiting work and returns once nothing runs: before what the
    // work refers to goes.
    void stop();
    // Drops the work that waits in `lane`; what runs goes on.
    void dropWaiting(Lane lane);
    // Whether work of `lane` runs or waits.
    bool isBusy(Lane lane) const;
    // Whether the work of `key` runs, or runs or waits.
    bool isRunning(Key key) const;
    bool isUnderWay(Key key) const;

signals:
    void finished(DecodeQueue::Key key);

private:
    struct Result {
        std::shared_ptr<const void> value;
        std::size_t cost = 0;
    };
    struct Job {
        Key key;
        Lane lane;
        const std::type_info *type;
        std::function<Result()> work;
    };
    struct Kept {
        Key key;
        const std::type_info *type;
        Result result;
    };
    void enqueue(Key key, Lane lane, const std::type_info &type, std::function<Result()> work);
    void startWaiting();  // with the lock held
    void keepMadeHere(Key key, const std::type_info &type, Result result);
    void keepLocked(Key key, const std::type_info &type, Result result);
    std::shared_ptr<const void> findKept(Key key, const std::type_info &type) const;
    std::shared_ptr<const void> findLocked(Key key, const std::type_info &type) const;
    std::shared_ptr<const void> waitForKept(Key key, const std::type_info &type, int ms);

    const std::size_t keptBytes_;
    mutable std::mutex lock_;
    std::condition_variable changed_;
    std::deque<Job> waiting_;        // the latest last
    std::deque<Job> running_;        // what the pool works on
    mutable std::list<Kept> kept_;   // the most recently used first
    std::size_t keptCost_ = 0;
};
