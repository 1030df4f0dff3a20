#!/usr/bin/env bash
# Builds bench_list_repaint_win and runs it under Wine on a private 1920x1080 Xvfb.
set -euo pipefail
source "$(dirname "$0")/../scripts/lib/common.sh"
cd "$FW_ROOT"
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target bench_list_repaint_win fw_dist -j 2 >/dev/null
fw_wine_session
echo "machine: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), $(nproc) cores, $(wine --version)"
"$FW_WINE" build/win64/bench/bench_list_repaint_win.exe
