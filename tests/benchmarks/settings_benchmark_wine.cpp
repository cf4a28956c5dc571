// A full Read and a full Apply of every row on the real registry, timed under Wine: run it
// with a warm wineserver ("wineserver -p") in a throwaway prefix, since it writes every
// setting (and Apply's journals). Apply is timed with its undo journal and without it, in
// turns, and the journal alone. Prints the median and the spread of each.
#include "platform/win32/clock.h"
#include "platform/win32/folders.h"
#include "platform/win32/registry_store.h"
#include "platform/win32/unicode_file_system.h"
#include "tests/benchmarks/settings_workload.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

using Timer = std::chrono::steady_clock;

double Milliseconds(const std::function<void()>& measured) {
    auto start = Timer::now();
    measured();
    return std::chrono::duration<double, std::milli>(Timer::now() - start).count();
}

void Print(const char* name, std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    std::printf("%-28s median %8.3f ms   min %8.3f ms   max %8.3f ms   (%zu runs)\n", name,
                ms[ms.size() / 2], ms.front(), ms.back(), ms.size());
}

void Report(const char* name, int runs, const std::function<void()>& prepare,
            const std::function<void()>& measured) {
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        prepare();
        ms.push_back(Milliseconds(measured));
    }
    Print(name, ms);
}

// Two ways of doing the same, run in turns so that a busy machine weighs on both alike; the
// difference of each pair says what the first adds.
void ReportPair(const char* name, const char* otherName, const char* addedName, int runs,
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
    Print(name, first);
    Print(otherName, second);
    Print(addedName, added);
}

} // namespace

int main(int argc, char** argv) {
    int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 51;
    Win32RegistryStore registry;
    Win32UnicodeFileSystem journals;
    Win32Folders folders;
    Win32Clock clock;
    SettingsWorkload workload(registry, journals, folders, clock);
    Report(
        "Read (settings part)", runs, [] {}, [&] { workload.Read(); });
    Report(
        "Journal of a full Apply", runs, [&] { workload.MarkEveryRow(); },
        [&] { workload.SaveJournal(); });
    ReportPair(
        "Apply, every row marked", "Apply without the journal", "added by the journal", runs,
        [&] { workload.MarkEveryRow(); }, [&] { workload.Apply(); },
        [&] { workload.ApplyWithoutJournal(); });
    return workload.ChangeCount() == 0 ? 0 : 1;
}
