#!/usr/bin/env python3
"""Renders an asset source tree into the folder tree that pack.py packs.

Every SVG file becomes a PNG of the same name at the size the SVG declares
(rendered with rsvg-convert); every other file is copied unchanged. The
output folder is rebuilt from scratch so that removed sources leave no stale
entries behind.

usage: render_assets.py SOURCE OUTPUT
"""
import os
import shutil
import subprocess
import sys


def render(source, output):
    if os.path.isdir(output):
        shutil.rmtree(output)
    for folder, _, files in os.walk(source):
        target = os.path.join(output, os.path.relpath(folder, source))
        os.makedirs(target, exist_ok=True)
        for name in sorted(files):
            path = os.path.join(folder, name)
            stem, ext = os.path.splitext(name)
            if ext.lower() == ".svg":
                png = os.path.join(target, stem + ".png")
                result = subprocess.run(["rsvg-convert", "--format=png", "--output", png, path],
                                        capture_output=True, text=True)
                if result.returncode != 0:
                    raise SystemExit(f"render_assets: cannot render {path}: {result.stderr.strip()}")
            else:
                shutil.copyfile(path, os.path.join(target, name))


def main():
    if len(sys.argv) != 3:
        raise SystemExit(__doc__)
    if shutil.which("rsvg-convert") is None:
        raise SystemExit("render_assets: rsvg-convert not found (Debian package librsvg2-bin)")
    render(sys.argv[1], sys.argv[2])


if __name__ == "__main__":
    main()
