#!/usr/bin/env bash
# Times a full Read and a full Apply of the settings: natively on the memory registry (a
# Release build without sanitizers in build/bench) and under Wine on the real registry of a
# prefix of its own, since Apply writes every setting. Then, under Wine, the icons' Read and
# the picker's strip.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DSORVANTO_SANITIZE=OFF >/dev/null
cmake --build build/bench --target settings_benchmark
echo "== Native, memory registry"
build/bench/settings_benchmark --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
source tools/wine-session.sh
wine_session_start "$PWD/build/wine-bench" headless
echo "== Wine, real registry"
wine build/win64/settings_benchmark_wine.exe
wine build/win64/programs_benchmark_wine.exe
echo "== Wine, icons"
wine build/win64/icons_benchmark_wine.exe
