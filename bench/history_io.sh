#!/usr/bin/env bash
# Saves and loads a history of 1000 screenshots with the optimised native build
# of bench_history_io, in a temporary folder, and prints its ratios.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build/bench"

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DFW_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --target bench_history_io -j 2 >/dev/null

work="$(mktemp -d "${TMPDIR:-/tmp}/framewing-history.XXXXXX")"
trap 'rm -rf "$work"' EXIT
"$build/bench/bench_history_io" "$work"
