#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test twice: a normal build and an
# AddressSanitizer + UndefinedBehaviorSanitizer build, which also runs the fuzz targets. Both use
# clang: it compiles this code base in about a third of gcc's processor time, most of all the
# test programs, and its sanitizer build has libFuzzer.
# The normal build's suites and its Debian package run while the sanitizer build compiles.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
# The print server for the test that prints for real; stopped at the end if started here.
cupsd_pid=$(scripts/print-server.sh) ||
    echo "scripts/test.sh: no print server; tst_cups_print will fail" >&2
trap 'if [ -n "$cupsd_pid" ]; then kill "$cupsd_pid"; fi' EXIT

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

# No debug information here: it doubles compile and link time. The sanitizer build keeps the
# source lines, all that its reports need to say where a fault is.
CC=clang CXX=clang++ cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build
# The suites mostly wait on the simulator's ticks and on child programs, so four run at a time,
# and the sanitizer build compiles meanwhile. Their report follows once that build is done.
normal_report=build/normal-suites.log
(ctest --test-dir build --output-on-failure -j4 && scripts/check-package.sh build) \
    >"$normal_report" 2>&1 &
normal_suites=$!

sanitizer_built=true
{ CC=clang CXX=clang++ cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_FLAGS_DEBUG=-gline-tables-only -DVARKO_SANITIZE=ON &&
    cmake --build build-asan; } || sanitizer_built=false
normal_status=0
wait "$normal_suites" || normal_status=$?
cat "$normal_report"
[ "$normal_status" -eq 0 ] || exit "$normal_status"
$sanitizer_built || exit 1

# The normal run's times start the longest suites first here too, where they would otherwise
# come last and leave the other slots idle.
mkdir -p build-asan/Testing/Temporary
cp build/Testing/Temporary/CTestCostData.txt build-asan/Testing/Temporary/
ctest --test-dir build-asan --output-on-failure -j4
