#!/usr/bin/env bash
# Optimised native build of bench_xml_entities: decoding a long run of bare "&"
# against plain text of the same length.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build/bench"

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DFW_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --target bench_xml_entities -j 2 >/dev/null
"$build/bench/bench_xml_entities"
