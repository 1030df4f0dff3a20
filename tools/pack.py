#!/usr/bin/env python3
"""Writes a data pack from a folder tree.

Every subfolder of SOURCE becomes a group named after it, every file in that
subfolder an entry named after the file. Files directly in SOURCE are ignored.
Header values the reader keeps but never interprets are written as zeros.

usage: pack.py SOURCE OUTPUT
"""
import os
import struct
import sys

MAX_NAME_BYTES = 510  # the reader's buffer holds 512 bytes with a terminator


def encoded_name(name):
    data = name.encode("utf-16-le")
    if len(data) > MAX_NAME_BYTES:
        raise SystemExit(f"pack: name too long for the reader: {name}")
    return data


def build_pack(source):
    groups = sorted(d for d in os.listdir(source) if os.path.isdir(os.path.join(source, d)))
    out = bytearray(b"FA\0\0")
    out += struct.pack("<iiii", 0, 0, len(groups), 0)
    for group in groups:
        folder = os.path.join(source, group)
        entries = sorted(f for f in os.listdir(folder) if os.path.isfile(os.path.join(folder, f)))
        name = encoded_name(group)
        out += struct.pack("<iiii", len(name), 0, 0, 0) + bytes(28) + struct.pack("<i", len(entries))
        out += name
        for entry in entries:
            with open(os.path.join(folder, entry), "rb") as f:
                data = f.read()
            ename = encoded_name(entry)
            out += struct.pack("<iiii", len(ename), 0, 0, 0) + bytes(28)
            out += struct.pack("<ii", len(data), 0)
            out += ename + data
    return bytes(out)


def main():
    if len(sys.argv) != 3:
        raise SystemExit(__doc__)
    source, output = sys.argv[1], sys.argv[2]
    data = build_pack(source)
    os.makedirs(os.path.dirname(os.path.abspath(output)), exist_ok=True)
    temp = output + ".tmp"
    with open(temp, "wb") as f:
        f.write(data)
    os.replace(temp, output)


if __name__ == "__main__":
    main()
