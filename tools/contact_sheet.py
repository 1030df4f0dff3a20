#!/usr/bin/env python3
"""Renders every PNG of the given folders onto one labelled contact sheet, on
the screenshot list's background colour, each image magnified twice with hard
pixel edges so that blurry or misaligned strokes show.

usage: contact_sheet.py OUTPUT.png FOLDER...
"""
import os
import shutil
import subprocess
import sys
import tempfile


def main():
    if len(sys.argv) < 3:
        raise SystemExit(__doc__)
    output, folders = sys.argv[1], sys.argv[2:]
    montage = shutil.which("montage")
    if montage is None:
        raise SystemExit("contact_sheet: montage not found (Debian package imagemagick)")
    # The convert beside montage, not whatever else is first on PATH.
    convert = os.path.join(os.path.dirname(montage), "convert")
    with tempfile.TemporaryDirectory() as temp:
        tiles = []
        for folder in folders:
            for root, _, files in sorted(os.walk(folder)):
                for name in sorted(files):
                    if not name.endswith(".png"):
                        continue
                    tile = os.path.join(temp, f"{len(tiles):04d}.png")
                    subprocess.run([convert, os.path.join(root, name), "-filter", "point", "-resize", "200%",
                                    "-set", "label", os.path.splitext(name)[0][:26], tile], check=True)
                    tiles.append(tile)
        subprocess.run([montage, "-background", "#363636", "-fill", "white", "-pointsize", "10",
                        *tiles, "-tile", "10x", "-geometry", "150x120>+4+4", output], check=True)


if __name__ == "__main__":
    main()
