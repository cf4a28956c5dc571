#!/usr/bin/env bash
# make fuzz: builds every fuzz target of tests/fuzz/ with clang's libFuzzer, AddressSanitizer
# and UndefinedBehaviorSanitizer in build/fuzz/, and runs each for FUZZ_RUNS executions
# (200000 unless set) from its committed corpus and its seeds. New inputs collect in
# build/fuzz/corpus/<target>/; with FUZZ_MERGE=1 the ones that reach new code are merged
# into the committed corpus afterwards, cut to 1 KiB so that it stays small (the seeds are
# replayed whole from where they live). A crash ends the run with its input in build/fuzz/.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${FUZZ_RUNS:-200000}
tools/install-deps.sh clang libclang-rt-dev
cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DSORVANTO_FUZZ=ON >/dev/null
cmake --build build/fuzz --target fuzz_targets
for exe in build/fuzz/*_fuzz; do
    name=$(basename "$exe" _fuzz)
    work=build/fuzz/corpus/$name
    committed=tests/fuzz/corpus/$name
    mkdir -p "$work" "$committed"
    # The seeds are files; the committed corpus is read as a folder.
    while read -r input; do
        [[ -f $input ]] && cp "$input" "$work/"
    done <"build/fuzz/$name.inputs"
    echo "== $name: $runs executions"
    "$exe" -runs="$runs" -print_final_stats=1 -artifact_prefix=build/fuzz/ "$work" "$committed"
    if [[ ${FUZZ_MERGE:-} == 1 ]]; then
        "$exe" -merge=1 -max_len=1024 "$committed" "$work"
    fi
done
