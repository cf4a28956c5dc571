// A full Read and a full Apply of every row on the real registry, timed under Wine: run it
// with a warm wineserver ("wineserver -p") in a throwaway prefix, since it writes every
// setting. Prints the median and the spread of each.
#include "platform/win32/registry_store.h"
#include "tests/benchmarks/settings_workload.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

void Report(const char* name, int runs, const std::function<void()>& prepare,
            const std::function<void()>& measured) {
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        prepare();
        auto start = Clock::now();
        measured();
        ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::sort(ms.begin(), ms.end());
    std::printf("%-28s median %8.3f ms   min %8.3f ms   max %8.3f ms   (%d runs)\n", name,
                ms[ms.size() / 2], ms.front(), ms.back(), runs);
}

} // namespace

int main(int argc, char** argv) {
    int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 51;
    Win32RegistryStore registry;
    SettingsWorkload workload(registry);
    Report(
        "Read (settings part)", runs, [] {}, [&] { workload.Read(); });
    Report(
        "Apply, every row marked", runs, [&] { workload.MarkEveryRow(); },
        [&] { workload.Apply(); });
    return workload.ChangeCount() == 0 ? 0 : 1;
}
