#!/usr/bin/env bash
# Builds bench_overlay_repaint_win and runs it under Wine on a private
# 1920x1080 Xvfb: the region overlay's repaint per mouse move against one
# full-screen blit.
set -euo pipefail
source "$(dirname "$0")/../scripts/lib/common.sh"
cd "$FW_ROOT"
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target fw_dist bench_overlay_repaint_win -j 2 >/dev/null
fw_wine_session
echo "machine: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), $(nproc) cores, $(wine --version)"
"$FW_WINE" build/win64/bench/bench_overlay_repaint_win.exe
