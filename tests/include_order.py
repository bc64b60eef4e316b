#!/usr/bin/env python3
"""Fails on an include in src/ that runs against the layer order of the folders.

A folder includes its own files and those of the folders below it:

    units -> platform -> model, refdb, metafile -> page -> catalog, details, find, compare,
    print, export -> tensile -> app -> cli

Folders on one level know nothing of each other. A gui/ folder sits just above its own folder:
it includes its own folder, what that folder may include, and the gui/ folders of those. The
core folders include no gui/ folder; cli, on top, may (its pdf command prints through the
sheet painter). The launcher stands apart: it includes nothing of the editor and nothing
includes it.

Usage: include_order.py SRC_DIR; prints each include against the order and exits 1.
"""
import os
import re
import sys

LEVELS = [["units"], ["platform"], ["model", "refdb", "metafile"], ["page"],
          ["catalog", "details", "find", "compare", "print", "export"], ["tensile"], ["app"],
          ["cli"]]
LEVEL = {folder: level for level, folders in enumerate(LEVELS) for folder in folders}
LAUNCHER = "launcher"
INCLUDE = re.compile(r'^\s*#\s*include\s*[<"]([^>"]+)[>"]')


def area(path):
    """("page", True) for page/gui/..., ("page", False) for page/...; None for another name."""
    parts = path.split("/")
    if len(parts) < 2 or (parts[0] not in LEVEL and parts[0] != LAUNCHER):
        return None
    return parts[0], len(parts) > 2 and parts[1] == "gui"


def allowed(source, target):
    (src, src_gui), (dst, dst_gui) = source, target
    if LAUNCHER in (src, dst):
        return src == dst
    if dst_gui and not src_gui and src != "cli":
        return False
    return src == dst or LEVEL[dst] < LEVEL[src]


def main(src_dir):
    faults = []
    for folder, _, files in sorted(os.walk(src_dir)):
        for name in sorted(f for f in files if f.endswith((".h", ".cpp"))):
            path = os.path.join(folder, name)
            source = area(os.path.relpath(path, src_dir).replace(os.sep, "/"))
            if source is None:
                continue
            with open(path, encoding="utf-8", errors="replace") as f:
                for number, line in enumerate(f, 1):
                    match = INCLUDE.match(line)
                    target = match and area(match.group(1))
                    if target and not allowed(source, target):
                        faults.append(f"{path}:{number}: {match.group(1)} runs against the "
                                      "layer order")
    print("\n".join(faults) or "every include keeps the layer order")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
