#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test twice: a normal build and an
# AddressSanitizer + UndefinedBehaviorSanitizer build, which also runs the fuzz targets. Both use
# clang: it compiles this code base in about a third of gcc's processor time, most of all the
# test programs, and its sanitizer build has libFuzzer.
# The normal build's Debian package and desktop files are checked in between.
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
# Many suites wait on the simulator's ticks and on child programs, so four at a time keep two
# cores busy.
ctest --test-dir build --output-on-failure -j4
scripts/check-package.sh build

CC=clang CXX=clang++ cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_FLAGS_DEBUG=-gline-tables-only -DVARKO_SANITIZE=ON
cmake --build build-asan
ctest --test-dir build-asan --output-on-failure -j4
