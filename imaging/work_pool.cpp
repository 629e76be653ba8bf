#include "work_pool.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <exception>

namespace imaging {

struct WorkPool::Shared {
    std::function<void()> task;
    std::atomic<bool> claimed{false};
    bool finished = false;  // guarded by the pool's lock
    std::exception_ptr thrown;

    void run()
    {
        try {
            task();
        } catch (...) {
            thrown = std::current_exception();
        }
    }
};

WorkPool &WorkPool::shared()
{
    static WorkPool pool(std::clamp(int(std::thread::hardware_concurrency()), 1, 8));
    return pool;
}

WorkPool::WorkPool(int threads)
{
    for (int i = 0; i < std::max(1, threads); ++i)
        threads_.emplace_back([this] { work(); });
}

WorkPool::~WorkPool()
{
    {
        const std::lock_guard lock(lock_);
        stopping_ = true;
    }
    wake_.notify_all();
    for (std::thread &thread : threads_)
        thread.join();
}

void WorkPool::post(std::function<void()> task)
{
    {
        const std::lock_guard lock(lock_);
        queue_.push_back(std::move(task));
    }
    wake_.notify_one();
}

void WorkPool::work()
{
    for (;;) {
        std::unique_lock lock(lock_);
        wake_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
        if (queue_.empty())
            return;  // stopping, with nothing left to run
        std::function<void()> task = std::move(queue_.front());
        queue_.pop_front();
        lock.unlock();
        try {
            task();
        } catch (const std::exception &error) {
            std::fprintf(stderr, "a background task failed: %s\n", error.what());
        } catch (...) {
            std::fprintf(stderr, "a background task failed\n");
        }
    }
}

void WorkPool::runAll(std::vector<std::function<void()>> tasks)
{
    if (tasks.empty())
        return;
    std::vector<std::shared_ptr<Shared>> helpers;
    for (std::size_t i = 1; i < tasks.size(); ++i) {
        auto helper = std::make_shared<Shared>();
        helper->task = std::move(tasks[i]);
        helpers.push_back(helper);
        post([this, helper] {
            if (helper->claimed.exchange(true))
                return;
            helper->run();
            const std::lock_guard lock(lock_);
            helper->finished = true;
            done_.notify_all();
        });
    }
    std::exception_ptr thrown;
    try {
        tasks[0]();
    } catch (...) {
        thrown = std::current_exception();
    }
    for (const std::shared_ptr<Shared> &helper : helpers) {
        if (!helper->claimed.exchange(true)) {
            helper->run();
        } else {
            std::unique_lock lock(lock_);
            done_.wait(lock, [&] { return helper->finished; });
        }
        if (!thrown)
            thrown = helper->thrown;
    }
    if (thrown)
        std::rethrow_exception(thrown);
}

void inBands(int height, int bands, const std::function<void(int, int)> &rows)
{
    std::vector<std::function<void()>> tasks;
    for (int band = 0; band < bands; ++band)
        tasks.push_back([&rows, height, band, bands] { rows(height * band / bands, height * (band + 1) / bands); });
    WorkPool::shared().runAll(std::move(tasks));
}

}  // namespace imaging
