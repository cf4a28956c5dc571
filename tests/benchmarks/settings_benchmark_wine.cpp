// A full Read and a full Apply of every row on the real registry, timed under Wine: run it
// with a warm wineserver ("wineserver -p") in a throwaway prefix, since it writes every
// setting. Prints the median and the spread of each.
#include "platform/win32/registry_store.h"
#include "tests/benchmarks/settings_workload.h"
#include "tests/benchmarks/wine_timing.h"

#include <algorithm>
#include <cstdlib>

int main(int argc, char** argv) {
    int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 51;
    Win32RegistryStore registry;
    SettingsWorkload workload(registry);
    ReportMedian(
        "Read (settings part)", runs, [] {}, [&] { workload.Read(); });
    ReportMedian(
        "Apply, every row marked", runs, [&] { workload.MarkEveryRow(); },
        [&] { workload.Apply(); });
    return workload.ChangeCount() == 0 ? 0 : 1;
}
