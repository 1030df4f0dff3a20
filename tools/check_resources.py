#!/usr/bin/env python3
"""Checks the rendered pack folders against the list of resources the program
names, and the XML descriptions against the images they describe.

The list has sections "[pack group]" followed by one entry per line; an entry
without extension means a PNG. In group "skins" an entry must also be declared
in xml/skins.xml, in group "cursors" in cursors/cursors.xml. Every declared
skin must match its sheet: frame width x (frame height x count), with slices
that add up to the frame size.

usage: check_resources.py LIST PACK=FOLDER...   (e.g. data=build/stage/data)
"""
import os
import struct
import sys
import xml.etree.ElementTree as ET


def png_size(path):
    if not os.path.isfile(path):
        return None
    with open(path, "rb") as f:
        head = f.read(24)
    if len(head) < 24 or head[:8] != b"\x89PNG\r\n\x1a\n":
        return None
    return struct.unpack(">II", head[16:24])


def read_list(path):
    wanted, section = [], None
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            line = line.split("#", 1)[0].strip()
            if not line:
                continue
            if line.startswith("["):
                section = tuple(line.strip("[]").split())
                if len(section) != 2:
                    raise SystemExit(f"{path}:{number}: section must be [pack group]")
            elif section is None:
                raise SystemExit(f"{path}:{number}: entry outside a section")
            else:
                wanted.append((section[0], section[1], line if "." in line else line + ".png"))
    return wanted


def slices(text):
    parts = [p for p in (text or "").split(",") if p.strip()]
    return [int(p) for p in parts] if len(parts) == 3 else None


def check_skins(folder, errors):
    path = os.path.join(folder, "xml", "skins.xml")
    if not os.path.isfile(path):
        return set()
    names = set()
    for skin in ET.parse(path).getroot().iter("skin"):
        name = skin.get("name", "")
        names.add(name)
        sheet = os.path.join(folder, "skins", name + ".png")
        size = png_size(sheet) if os.path.isfile(sheet) else None
        if size is None:
            errors.append(f"skin {name}: no PNG sheet {sheet}")
            continue
        count = int(skin.get("count", "0"))
        width, height = int(skin.get("width", "0")), int(skin.get("height", "0"))
        columns, rows = slices(skin.get("columns")), slices(skin.get("rows"))
        if columns and columns[0] > 0:
            if not rows or sum(columns) != width or sum(rows) != height:
                errors.append(f"skin {name}: slices do not add up to {width}x{height}")
        if count < 1 or size != (width, height * count):
            errors.append(f"skin {name}: sheet is {size[0]}x{size[1]}, expected {width}x{height * count}")
    return names


def check_cursors(folder, errors):
    path = os.path.join(folder, "cursors", "cursors.xml")
    if not os.path.isfile(path):
        return set()
    names = set()
    for cursor in ET.parse(path).getroot():
        name = cursor.get("name", "")
        names.add(name)
        size = png_size(os.path.join(folder, "cursors", name + ".png"))
        x, y = int(cursor.get("hotspotX", "0")), int(cursor.get("hotspotY", "0"))
        if size is None or not (0 <= x < size[0] and 0 <= y < size[1]):
            errors.append(f"cursor {name}: missing image or hot spot outside it")
    return names


def main():
    if len(sys.argv) < 3:
        raise SystemExit(__doc__)
    folders = dict(arg.split("=", 1) for arg in sys.argv[2:])
    errors = []
    declared = {}
    for pack, folder in folders.items():
        declared[(pack, "skins")] = check_skins(folder, errors)
        declared[(pack, "cursors")] = check_cursors(folder, errors)
    for pack, group, entry in read_list(sys.argv[1]):
        if pack not in folders:
            errors.append(f"unknown pack {pack} for {group}/{entry}")
            continue
        if not os.path.isfile(os.path.join(folders[pack], group, entry)):
            errors.append(f"missing resource: {pack} {group}\\{entry}")
        stem = os.path.splitext(entry)[0]
        if group in ("skins", "cursors") and entry.endswith(".png") and stem not in declared[(pack, group)]:
            errors.append(f"{pack} {group}\\{entry} is not declared in its XML description")
    for error in errors:
        print("check_resources:", error, file=sys.stderr)
    if errors:
        raise SystemExit(1)


if __name__ == "__main__":
    main()
