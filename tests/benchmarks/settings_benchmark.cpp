// A full Read and a full Apply of every row of the catalogue on the memory store.
#include "platform/memory_registry_store.h"
#include "tests/benchmarks/settings_workload.h"

#include <benchmark/benchmark.h>

namespace {

void BM_ReadEveryRow(benchmark::State& state) {
    MemoryRegistryStore store;
    FakePlatform fakes;
    SettingsWorkload workload(store, fakes.unicodeFiles, fakes.folders, fakes.clock);
    for (auto _ : state)
        workload.Read();
}
BENCHMARK(BM_ReadEveryRow);

void BM_ApplyEveryRowMarked(benchmark::State& state) {
    MemoryRegistryStore store;
    FakePlatform fakes;
    SettingsWorkload workload(store, fakes.unicodeFiles, fakes.folders, fakes.clock);
    for (auto _ : state) {
        state.PauseTiming();
        workload.MarkEveryRow();
        state.ResumeTiming();
        workload.Apply();
    }
    if (workload.ChangeCount() != 0)
        state.SkipWithError("Apply left changes behind");
}
BENCHMARK(BM_ApplyEveryRowMarked);

void BM_ApplyEveryRowMarkedWithoutJournal(benchmark::State& state) {
    MemoryRegistryStore store;
    FakePlatform fakes;
    SettingsWorkload workload(store, fakes.unicodeFiles, fakes.folders, fakes.clock);
    for (auto _ : state) {
        state.PauseTiming();
        workload.MarkEveryRow();
        state.ResumeTiming();
        workload.ApplyWithoutJournal();
    }
    if (workload.ChangeCount() != 0)
        state.SkipWithError("Apply left changes behind");
}
BENCHMARK(BM_ApplyEveryRowMarkedWithoutJournal);

} // namespace

BENCHMARK_MAIN();
