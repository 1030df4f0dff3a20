#!/usr/bin/env bash
# Saves and loads a history of 1000 screenshots with bench_history_io, natively
# (optimised build, in a temporary folder) and then under Wine (the win64
# build, in a private prefix), and prints the ratios of each.
set -euo pipefail
source "$(dirname "$0")/../scripts/lib/common.sh"
cd "$FW_ROOT"
build="$FW_ROOT/build/bench"

cmake -S "$FW_ROOT" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DFW_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --target bench_history_io -j 2 >/dev/null
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target bench_history_io -j 2 >/dev/null

echo "machine: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), $(nproc) cores, $(wine --version)"
fw_wine_session
mkdir -p "$FW_RUN_DIR/native" "$FW_RUN_DIR/wine"
echo "native:"
"$build/bench/bench_history_io" "$FW_RUN_DIR/native"
echo "under Wine:"
"$FW_WINE" build/win64/bench/bench_history_io.exe "Z:${FW_RUN_DIR//\//\\}\\wine"
