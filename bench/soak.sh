#!/usr/bin/env bash
# Soak test under Wine on a private 1920x1080 display: N PrintScreen captures
# (default 300) with the history on or off (default off), printing every 100
# captures the program's anonymous memory, the GDI objects it holds (its own
# count) and its handles. After the first 100 (warm-up) the memory may grow
# per capture by no more than one list thumbnail (180x101x4 bytes) plus 8 KB.
#   bench/soak.sh [captures] [on|off]
# FW_BENCH_PROGRAM names another build's Framewing.exe to soak instead (one
# without the trace is followed by its screenshot files; it reports no counts).
set -euo pipefail
source "$(dirname "$0")/../scripts/lib/common.sh"
cd "$FW_ROOT"
captures="${1:-300}"
history="${2:-off}"
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target Framewing bench_soak_win -j 2 >/dev/null
fw_wine_session
markers="$FW_RUN_DIR/markers"
mkdir -p "$markers"
winpath() { echo "Z:${1//\//\\}"; }

# The program's process in this session's Wine prefix.
program_pid() {
    local dir
    for dir in /proc/[0-9]*; do
        # The program's own first argument, not the benchmark's that names it.
        if tr '\0' '\n' 2>/dev/null <"$dir/cmdline" | head -n 1 | grep -q 'Framewing\.exe$' &&
            tr '\0' '\n' 2>/dev/null <"$dir/environ" | grep -qx "WINEPREFIX=$WINEPREFIX"; then
            echo "${dir#/proc/}"
            return
        fi
    done
}

"$FW_WINE" build/win64/bench/bench_soak_win.exe \
    "$(winpath "${FW_BENCH_PROGRAM:-$FW_ROOT/build/win64/dist/Framewing.exe}")" \
    "$(winpath "$markers")" "$captures" "$history" >"$FW_RUN_DIR/soak.txt" 2>"$FW_RUN_DIR/wine.log" &
bench=$!
: >"$FW_RUN_DIR/memory.txt"
while kill -0 "$bench" 2>/dev/null; do
    for asked in "$markers"/sample-*; do
        [ -e "$asked" ] || continue
        count="${asked##*-}"
        pid=$(program_pid)
        anon=$(awk '/^RssAnon:/ { print $2 }' "/proc/$pid/status")
        echo "$count $anon" >>"$FW_RUN_DIR/memory.txt"
        mv "$asked" "$markers/sampled-$count"
    done
    sleep 0.1
done
if ! wait "$bench"; then
    echo "soak: the Wine side failed" >&2
    tail -5 "$FW_RUN_DIR/soak.txt" "$FW_RUN_DIR/wine.log" >&2
    exit 1
fi
echo "machine: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), $(nproc) cores, $(wine --version)"
echo "screen: 1920x1080, history $history, $captures captures"
thumbnail=$((180 * 101 * 4))
join <(sort -n "$FW_RUN_DIR/memory.txt") \
    <(awk '/^captures/ { print $2, $4, $6 }' "$FW_RUN_DIR/soak.txt" | sort -n) | sort -n |
    awk -v thumbnail="$thumbnail" '
        BEGIN { printf "%8s %14s %22s %12s %8s\n", "captures", "anonymous KB",
                       "growth KB per capture", "GDI objects", "handles" }
        {
            growth = NR > 1 ? sprintf("%.1f", ($2 - anon) / ($1 - count)) : "-"
            printf "%8d %14d %22s %12s %8s\n", $1, $2, growth, $3, $4
            if (NR > 2) { warm += $2 - anon; warmCount += $1 - count }
            count = $1; anon = $2
        }
        END {
            if (warmCount > 0) {
                limit = (thumbnail + 8192) / 1024
                perCapture = warm / warmCount
                printf "after warm-up: %.1f KB per capture, limit %.1f KB (thumbnail %.1f KB + 8 KB): %s\n",
                       perCapture, limit, thumbnail / 1024, perCapture <= limit ? "within" : "OVER"
            }
        }'
