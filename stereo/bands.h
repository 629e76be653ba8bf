// Work over the rows of a picture split into bands, one per thread: the
// composition and the correction are bound by memory and arithmetic, not by
// anything the bands share.
#pragma once

#include <algorithm>
#include <functional>
#include <thread>
#include <vector>

namespace stereo {

// The threads worth using: one per core, at most eight.
inline int coresForBands()
{
    return std::clamp(int(std::thread::hardware_concurrency()), 1, 8);
}

// Runs `rows(first, last)` for `bands` bands of [0, height), the first on
// this thread, and waits for all.
inline void inBands(int height, int bands, const std::function<void(int, int)> &rows)
{
    std::vector<std::thread> helpers;
    for (int band = 1; band < bands; ++band)
        helpers.emplace_back(rows, height * band / bands, height * (band + 1) / bands);
    rows(0, height / bands);
    for (std::thread &helper : helpers)
        helper.join();
}

}  // namespace stereo
