#!/usr/bin/env bash
# Times bench_resize (optimised native build) and Pillow's resize with the same
# filters on the same 1920x1080 pixels and prints our time / Pillow's time.
# Pillow gets the pixels as "RGBa" so that it filters the four channels as they
# are, like resize does, without converting them before and after.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build/bench"
python=/usr/bin/python3 # Debian's interpreter, the one python3-pil installs for

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DFW_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --target bench_resize -j 2 >/dev/null

pixels="$(mktemp)"
trap 'rm -f "$pixels"' EXIT
"$build/bench/bench_resize" --save "$pixels"
ours="$("$build/bench/bench_resize")"
pillow="$("$python" - "$pixels" <<'PY'
import sys, time
from PIL import Image
image = Image.frombytes("RGBa", (1920, 1080), open(sys.argv[1], "rb").read())
for name, size, kind in (("lanczos3_180x101", (180, 101), Image.LANCZOS),
                         ("bicubic_960x540", (960, 540), Image.BICUBIC)):
    times = []
    for _ in range(15):
        start = time.perf_counter()
        image.resize(size, kind)
        times.append(time.perf_counter() - start)
    print(name, "%.3f" % (min(times) * 1000))
PY
)"
echo "machine: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), $(nproc) cores"
echo "case                 ours_ms  pillow_ms  ratio"
join <(sort <<<"$ours") <(sort <<<"$pillow") |
    awk '{ printf "%-20s %7.2f %10.2f  %5.2f\n", $1, $2, $3, $2 / $3 }'
