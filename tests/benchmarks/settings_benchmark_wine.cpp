// A full Read and a full Apply of every row on the real registry, timed under Wine: run it
// with a warm wineserver ("wineserver -p") in a throwaway prefix, since it writes every
// setting (and Apply's journals). Apply is timed with its undo journal and without it, in
// turns, and the journal alone. Prints the median and the spread of each.
#include "platform/win32/clock.h"
#include "platform/win32/folders.h"
#include "platform/win32/registry_store.h"
#include "platform/win32/unicode_file_system.h"
#include "tests/benchmarks/settings_workload.h"
#include "tests/benchmarks/wine_timing.h"

#include <algorithm>
#include <cstdlib>

int main(int argc, char** argv) {
    int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 51;
    Win32RegistryStore registry;
    Win32UnicodeFileSystem journals;
    Win32Folders folders;
    Win32Clock clock;
    SettingsWorkload workload(registry, journals, folders, clock);
    ReportMedian(
        "Read (settings part)", runs, [] {}, [&] { workload.Read(); });
    ReportMedian(
        "Journal of a full Apply", runs, [&] { workload.MarkEveryRow(); },
        [&] { workload.SaveJournal(); });
    ReportPair(
        "Apply, every row marked", "Apply without the journal", "added by the journal", runs,
        [&] { workload.MarkEveryRow(); }, [&] { workload.Apply(); },
        [&] { workload.ApplyWithoutJournal(); });
    return workload.ChangeCount() == 0 ? 0 : 1;
}
