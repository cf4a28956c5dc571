#pragma once
// Timing under Wine, where Google Benchmark is not built: runs a step many times and prints
// the median and the spread.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

// `prepare` runs before each timed run, outside the time. Returns the median in ms.
inline double ReportMedian(const char* name, int runs, const std::function<void()>& prepare,
                           const std::function<void()>& measured) {
    using Clock = std::chrono::steady_clock;
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        prepare();
        auto start = Clock::now();
        measured();
        ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::sort(ms.begin(), ms.end());
    double median = ms[ms.size() / 2];
    std::printf("%-28s median %8.3f ms   min %8.3f ms   max %8.3f ms   (%d runs)\n", name, median,
                ms.front(), ms.back(), runs);
    return median;
}
