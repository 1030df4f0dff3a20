#!/usr/bin/env python3
"""Draws the application icon (a viewfinder frame around a lens) into an ICO
file with 16, 24, 32 and 48 pixel images, 32-bit with alpha, readable on XP.

usage: make_icon.py OUTPUT.ico
"""
import math
import os
import struct
import sys

ACCENT = (0x3D, 0xA5, 0xF4)   # RGB
DARK = (0x26, 0x2B, 0x33)
LIGHT = (0xF2, 0xF4, 0xF7)


def coverage(size, x, y, inside):
    """Fraction of the pixel (x, y) for which inside(px, py) holds, 4x4 samples."""
    hits = 0
    for sy in range(4):
        for sx in range(4):
            px = (x + (sx + 0.5) / 4) / size
            py = (y + (sy + 0.5) / 4) / size
            hits += inside(px, py)
    return hits / 16


def rounded_square(px, py, lo, hi, r):
    cx = min(max(px, lo + r), hi - r)
    cy = min(max(py, lo + r), hi - r)
    return (px - cx) ** 2 + (py - cy) ** 2 <= r * r


def corner_marks(px, py):
    t, m, lo, hi = 0.075, 0.3, 0.1, 0.9
    for cx in (lo, hi):
        for cy in (lo, hi):
            dx, dy = abs(px - cx), abs(py - cy)
            inner_x = (px - cx) * (1 if cx == lo else -1)
            inner_y = (py - cy) * (1 if cy == lo else -1)
            if inner_x >= -t / 2 and inner_y >= -t / 2:
                if (dx <= t / 2 and dy <= m) or (dy <= t / 2 and dx <= m):
                    return True
    return False


def pixel(size, x, y):
    layers = [
        (DARK, coverage(size, x, y, lambda px, py: rounded_square(px, py, 0.02, 0.98, 0.18))),
        (LIGHT, coverage(size, x, y, corner_marks)),
        (ACCENT, coverage(size, x, y, lambda px, py: math.hypot(px - 0.5, py - 0.5) <= 0.2)),
        (DARK, coverage(size, x, y, lambda px, py: math.hypot(px - 0.5, py - 0.5) <= 0.09)),
    ]
    r = g = b = a = 0.0
    for (cr, cg, cb), cov in layers:
        r, g, b = (r * (1 - cov) + cr * cov, g * (1 - cov) + cg * cov, b * (1 - cov) + cb * cov)
        a = a * (1 - cov) + 255 * cov
    if a > 0:
        # The layers were mixed as if over opaque; undo the background share.
        base = layers[0][1]
        if base > 0:
            r, g, b = r / base if base < 1 else r, g / base if base < 1 else g, b / base if base < 1 else b
    return (min(255, int(b + 0.5)), min(255, int(g + 0.5)), min(255, int(r + 0.5)), int(a + 0.5))


def icon_image(size):
    rows = []
    for y in reversed(range(size)):  # DIB rows bottom-up
        rows.append(b"".join(bytes(pixel(size, x, y)) for x in range(size)))
    mask_stride = ((size + 31) // 32) * 4
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    return header + b"".join(rows) + bytes(mask_stride * size)


def main():
    sizes = [16, 24, 32, 48]
    images = [icon_image(s) for s in sizes]
    out = struct.pack("<HHH", 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for size, image in zip(sizes, images):
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    out += b"".join(images)
    # Replaced in one step: a half-written icon would look up to date to the build.
    with open(sys.argv[1] + ".tmp", "wb") as f:
        f.write(out)
    os.replace(sys.argv[1] + ".tmp", sys.argv[1])


if __name__ == "__main__":
    main()
