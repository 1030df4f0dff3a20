#!/usr/bin/env bash
# Builds bench_painter_repaint_win and runs it under Wine on a private Xvfb: a
# full 1920x1080 toolkit repaint against a plain fill of the same surface.
set -euo pipefail
source "$(dirname "$0")/../scripts/lib/common.sh"
cd "$FW_ROOT"
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target bench_painter_repaint_win -j 2 >/dev/null
fw_wine_session
echo "machine: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), $(nproc) cores, $(wine --version)"
"$FW_WINE" build/win64/bench/bench_painter_repaint_win.exe
