// Timing helpers shared by the benchmarks: every figure is printed with the
// baseline measured in the same run and the ratio between them.
#pragma once

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "engine/mpo.h"

inline double secondsOf(const std::function<void()> &work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

inline double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Times `measured` and `baseline` alternately, `rounds` times each, and
// returns their medians.
inline std::pair<double, double> alternate(int rounds, const std::function<void()> &measured,
                                           const std::function<void()> &baseline,
                                           const std::function<void()> &between = {})
{
    std::vector<double> m, b;
    for (int i = 0; i < rounds; ++i) {
        m.push_back(secondsOf(measured));
        if (between)
            between();
        b.push_back(secondsOf(baseline));
        if (between)
            between();
    }
    return {median(m), median(b)};
}

// Where the figures go; a benchmark that silences the engine's trace on
// standard output points this elsewhere first.
inline std::FILE *results = stdout;

// One line per figure: what, value, baseline, ratio, and the goal.
inline void report(const char *what, double value, const char *unit, double baseline, const char *goal)
{
    std::fprintf(results, "%-40s %9.2f %-4s baseline %9.2f %-4s ratio %5.2f  (goal: %s)\n", what, value, unit,
                 baseline, unit, value / baseline, goal);
    std::fflush(results);
}

// Keeps standard output for the figures and sends what else is printed there
// (the engine's trace) to /dev/null.
inline void silenceTrace()
{
    std::fflush(stdout);
    results = fdopen(dup(1), "w");
    if (std::freopen("/dev/null", "w", stdout) == nullptr)
        std::perror("/dev/null");
}

inline std::vector<char> fileBytes(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<char>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The bytes of picture `number` of an MPO file, as the engine hands them back.
inline std::vector<unsigned char> pictureOf(const std::string &file, int number)
{
    int count = 0, representative = 0, size = 0;
    unsigned char *buffer = nullptr;
    chkMPOandSaved(file.c_str(), &count, &representative, MPO_LOAD_ONE, number, &buffer, &size, "/tmp",
                   [](void *, int, int) {}, nullptr);
    std::vector<unsigned char> bytes(buffer, buffer + size);
    std::free(buffer);
    return bytes;
}
