// One set of long-lived threads for the work pictures take: decoding,
// composing, correcting, aligning. Nothing starts a thread of its own per
// picture or per composition; it hands its work to the pool.
#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace imaging {

class WorkPool {
public:
    // The pool every part of the program shares: one thread per core, at most eight.
    static WorkPool &shared();

    explicit WorkPool(int threads);
    ~WorkPool();
    WorkPool(const WorkPool &) = delete;
    WorkPool &operator=(const WorkPool &) = delete;

    int threads() const { return int(threads_.size()); }
    // Runs `task` on a pool thread, after the tasks posted before it. A
    // task handles its own failures: one that throws ends with a message on
    // standard error, and the pool goes on.
    void post(std::function<void()> task);
    // Runs every task and returns once all are done. This thread runs the
    // first one and then any that no pool thread has begun, so that work
    // started from a pool thread never waits for a thread that is busy.
    // An exception a task throws is thrown here once all are done (the
    // first one, when several throw).
    void runAll(std::vector<std::function<void()>> tasks);

private:
    struct Shared;  // a task of runAll, claimed by whoever runs it first
    void work();

    std::mutex lock_;
    std::condition_variable wake_, done_;
    std::deque<std::function<void()>> queue_;
    bool stopping_ = false;
    std::vector<std::thread> threads_;
};

// Runs `rows(first, last)` for `bands` bands of [0, height) on the shared
// pool, and waits for all.
void inBands(int height, int bands, const std::function<void(int, int)> &rows);

}  // namespace imaging
