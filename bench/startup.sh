#!/usr/bin/env bash
# Start-up under Wine on a private display: Framewing from its process start to
# its main window on screen, minus the deferred start-up delay it drew, against
# a trivial Win32 program that opens one window, started the same way in the
# same run. Prints the medians and the program's own work beyond the trivial one.
set -euo pipefail
source "$(dirname "$0")/../scripts/lib/common.sh"
cd "$FW_ROOT"
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target Framewing bench_startup_win -j 2 >/dev/null
fw_wine_session
winpath() { echo "Z:${1//\//\\}"; }
"$FW_WINE" build/win64/bench/bench_startup_win.exe \
    "$(winpath "$FW_ROOT/build/win64/dist/Framewing.exe")" >"$FW_RUN_DIR/startup.txt" \
    2>"$FW_RUN_DIR/wine.log" || { tail -5 "$FW_RUN_DIR/wine.log" >&2; exit 1; }
echo "machine: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), $(nproc) cores, $(wine --version)"
awk '/trivial_ms/ { t = $2 } /framewing_ms/ { f = $2 } /own_work_ms/ { o = $2 }
     END { printf "trivial window %.1f ms, Framewing window %.1f ms (deferred delay included), own work beyond the trivial program %.1f ms\n", t, f, o }' \
    "$FW_RUN_DIR/startup.txt"
