#pragma once
// Timing under Wine, where Google Benchmark is not built: runs a step many times and prints
// the median and the spread.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

inline double Milliseconds(const std::function<void()>& measured) {
    using Timer = std::chrono::steady_clock;
    auto start = Timer::now();
    measured();
    return std::chrono::duration<double, std::milli>(Timer::now() - start).count();
}

// Prints the median and the spread of the times; returns the median.
inline double PrintTimes(const char* name, std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    double median = ms[ms.size() / 2];
    std::printf("%-28s median %8.3f ms   min %8.3f ms   max %8.3f ms   (%zu runs)\n", name, median,
                ms.front(), ms.back(), ms.size());
    return median;
}

// `prepare` runs before each timed run, outside the time. Returns the median in ms.
inline double ReportMedian(const char* name, int runs, const std::function<void()>& prepare,
                           const std::function<void()>& measured) {
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        prepare();
        ms.push_back(Milliseconds(measured));
    }
    return PrintTimes(name, ms);
}

// Two ways of doing the same, run in turns so that a busy machine weighs on both alike; the
// difference of each pair says what the first adds.
inline void ReportPair(const char* name, const char* otherName, const char* addedName, int runs,
                       const std::function<void()>& prepare, const std::function<void()>& measured,
                       const std::function<void()>& other) {
    std::vector<double> first, second, added;
    for (int i = 0; i < runs; ++i) {
        prepare();
        first.push_back(Milliseconds(measured));
        prepare();
        second.push_back(Milliseconds(other));
        added.push_back(first.back() - second.back());
    }
    PrintTimes(name, first);
    PrintTimes(otherName, second);
    PrintTimes(addedName, added);
}
