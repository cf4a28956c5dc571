#!/usr/bin/env bash
# Runs every test: the native ones under the sanitizers, then the Windows ones under Wine on
# a throwaway prefix and a private X display. Fails when any test fails.
set -uo pipefail
native=$1 win64=$2
cd "$(dirname "$0")/.."
source tools/wine-session.sh

echo "== Native tests"
ctest --test-dir "$native" --output-on-failure -j2
native_status=$?

echo "== Windows tests under Wine"
wine_session_start "$PWD/build/wine-test" headless
ctest --test-dir "$win64" --output-on-failure
win_status=$?

((native_status == 0 && win_status == 0))
