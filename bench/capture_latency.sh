#!/usr/bin/env bash
# Capture latency under Wine on a private 1920x1080 display: Framewing from the
# PrintScreen press to the complete PNG on disk (minus its capture delay),
# against ImageMagick's `import -window root` writing a PNG of the same screen.
# Prints where Framewing's time goes (from its trace), both medians and
# ours / import (below 1 is faster than import). FW_BENCH_PROGRAM names another
# build's Framewing.exe to time instead (one without the trace shows no breakdown).
set -euo pipefail
source "$(dirname "$0")/../scripts/lib/common.sh"
cd "$FW_ROOT"
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target Framewing bench_capture_latency_win -j 2 >/dev/null
fw_wine_session
markers="$FW_RUN_DIR/markers"
mkdir -p "$markers"
winpath() { echo "Z:${1//\//\\}"; }

"$FW_WINE" build/win64/bench/bench_capture_latency_win.exe \
    "$(winpath "${FW_BENCH_PROGRAM:-$FW_ROOT/build/win64/dist/Framewing.exe}")" \
    "$(winpath "$markers")" \
    >"$FW_RUN_DIR/ours.txt" 2>"$FW_RUN_DIR/wine.log" &
bench=$!
while [ ! -e "$markers/ready" ]; do
    if ! kill -0 "$bench" 2>/dev/null; then
        echo "capture_latency: the Wine side failed" >&2
        grep -v '^ALSA' "$FW_RUN_DIR/wine.log" | tail -n 5 >&2
        exit 1
    fi
    sleep 0.1
done
times=()
for _ in 1 2 3 4 5 6 7; do
    start=$(date +%s%N)
    import -window root "$FW_RUN_DIR/import.png"
    times+=($((($(date +%s%N) - start) / 1000)))
done
touch "$markers/done"
wait "$bench"
ours=$(awk '/framewing_ms/ { print $2 }' "$FW_RUN_DIR/ours.txt")
theirs=$(printf '%s\n' "${times[@]}" | sort -n | awk '{ v[NR] = $1 } END { printf "%.1f", v[int((NR + 1) / 2)] / 1000 }')
echo "machine: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), $(nproc) cores, $(wine --version)"
echo "screen: $(identify -format '%wx%h' "$FW_RUN_DIR/import.png")," \
    "PNG bytes: ours $(awk '/framewing_bytes/ { print $2 }' "$FW_RUN_DIR/ours.txt")," \
    "import $(stat -c %s "$FW_RUN_DIR/import.png")," \
    "pixels that differ: $(compare -metric AE "$markers/ours.png" "$FW_RUN_DIR/import.png" null: 2>&1 || true)"
awk '/^breakdown/,/^framewing_ms/' "$FW_RUN_DIR/ours.txt" | grep -v '^framewing_'
awk -v a="$ours" -v b="$theirs" 'BEGIN { printf "framewing %.1f ms, import %.1f ms, ratio %.2f\n", a, b, a / b }'
