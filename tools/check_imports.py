#!/usr/bin/env python3
"""Checks that Windows executables start on the oldest Windows of their
architecture: no import from the refused list (tools/refused-imports.txt) and
subsystem and system version fields no newer than that Windows.

The x86 build must start on Windows XP SP3, the x86_64 build on Windows XP x64
and Server 2003 SP2. Each import that the system lacks is printed with its DLL.

usage: check_imports.py LIST [--list] EXE...
  --list  also print every import of each exe
"""
import fnmatch
import re
import subprocess
import sys

# Oldest supported Windows per architecture (objdump's file format names it):
# the version fields it accepts, and the "first Windows" values of the list
# that it has.
TARGETS = {
    "pei-i386": ("x86", "Windows XP SP3", (5, 1), {"xp"}),
    "pei-x86-64": ("x86_64", "Windows XP x64 / Server 2003 SP2", (5, 2), {"xp", "2003"}),
}
OBJDUMP = {"pei-i386": "i686-w64-mingw32-objdump", "pei-x86-64": "x86_64-w64-mingw32-objdump"}
FIRST_WINDOWS = {"2003": "Windows Server 2003 and XP x64", "vista": "Windows Vista",
                 "7": "Windows 7", "8": "Windows 8", "8.1": "Windows 8.1", "10": "Windows 10",
                 "never": None}
VERSION_FIELDS = [
    ("MajorOSystemVersion", "MinorOSystemVersion"),
    ("MajorSubsystemVersion", "MinorSubsystemVersion"),
]


def read_list(path):
    entries = []
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            fields = line.split("#", 1)[0].split()
            if not fields:
                continue
            if len(fields) != 3 or fields[2] not in FIRST_WINDOWS:
                raise SystemExit(f"{path}:{number}: expected 'DLL function first-Windows' with "
                                 f"first-Windows one of {' '.join(sorted(FIRST_WINDOWS))}")
            entries.append((fields[0].lower(), fields[1], fields[2], number))
    return entries


def file_format(exe):
    # The x86_64 objdump reads both formats.
    out = run(["x86_64-w64-mingw32-objdump", "-f", exe])
    found = re.search(r"file format (\S+)", out)
    return found.group(1) if found else None


def run(command):
    result = subprocess.run(command, capture_output=True, text=True)
    if result.returncode != 0:
        raise SystemExit(f"{' '.join(command)} failed:\n{result.stderr}")
    return result.stdout


def parse_private_headers(text):
    """Returns the header fields and the imports as (dll, function) pairs."""
    fields, imports, dll = {}, [], None
    for line in text.splitlines():
        header = re.match(r"^(\w+Version)\s+(\d+)$", line)
        if header and dll is None:
            fields.setdefault(header.group(1), header.group(2))
        name = re.match(r"^\s+DLL Name: (\S+)", line)
        if name:
            dll = name.group(1)
            continue
        if dll is None:
            continue
        if not line.strip():
            dll = None
            continue
        entry = re.match(r"^\s+[0-9a-fA-F]+\s+(\d+)\s+(\S+)", line)
        if entry:
            function = entry.group(2)
            imports.append((dll, f"ordinal {entry.group(1)}" if function == "<none>" else function))
    return fields, imports


def refusal(entries, accepted, dll, function):
    for dll_pattern, function_pattern, first, number in entries:
        if first in accepted:
            continue
        if fnmatch.fnmatchcase(dll.lower(), dll_pattern) and (
                function_pattern == "*" or fnmatch.fnmatchcase(function, function_pattern)):
            return first, number
    return None


def check(exe, entries, list_path, show_all):
    form = file_format(exe)
    if form not in TARGETS:
        print(f"{exe}: not a Windows x86 or x86_64 executable ({form})")
        return False
    arch, oldest, version, accepted = TARGETS[form]
    fields, imports = parse_private_headers(run([OBJDUMP[form], "-p", exe]))
    if not imports:
        print(f"{exe}: no import table found")
        return False
    dlls = sorted({dll for dll, _ in imports}, key=str.lower)
    print(f"{exe} ({arch}, oldest Windows: {oldest}): {len(imports)} imports from {len(dlls)} DLLs")
    if show_all:
        for dll, function in sorted(imports, key=lambda i: (i[0].lower(), i[1])):
            print(f"  {dll} {function}")
    ok = True
    for major, minor in VERSION_FIELDS:
        found = (int(fields.get(major, "0")), int(fields.get(minor, "0")))
        if found > version or found < (4, 0):
            print(f"  {major[5:]} is {found[0]}.{found[1]}: {oldest} needs "
                  f"{version[0]}.{version[1]} or lower")
            ok = False
    for dll, function in imports:
        refused = refusal(entries, accepted, dll, function)
        if refused:
            first, number = refused
            name = FIRST_WINDOWS[first]
            since = f"first in {name}" if name else "not part of Windows"
            print(f"  refused import: {dll} {function} ({since}; {list_path}:{number})")
            ok = False
    print(f"  {'ok' if ok else 'FAILED'}")
    return ok


def main(argv):
    show_all = "--list" in argv
    args = [a for a in argv if a != "--list"]
    if len(args) < 2:
        raise SystemExit(__doc__)
    entries = read_list(args[0])
    results = [check(exe, entries, args[0], show_all) for exe in args[1:]]
    return 0 if all(results) else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
