#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it with the unit simulator attached as
# COM1, so the program talks to a "unit" at once. Closing the window stops the simulator.
# VARKO_BUILD_DIR names another build folder (default: build).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
build=${VARKO_BUILD_DIR:-build}

# The same compiler as the test command's, so the two share the build folder.
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build "$build" --target varko varko-sim

"$build"/tools/varko-sim/varko-sim --com 1 &
simulator=$!
trap 'kill "$simulator" 2>/dev/null || true; wait "$simulator" 2>/dev/null || true' EXIT
# Give the simulator a moment to link its pseudo-terminal before the window opens the port.
for _ in $(seq 50); do
    [ -e "${XDG_CONFIG_HOME:-$HOME/.config}/varko/ports/COM1" ] && break
    sleep 0.1
done
"$build"/src/varko "$@"
