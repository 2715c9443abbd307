#!/usr/bin/env python3
"""Two saves of the same edit, compared cell by cell.

    cells.py BEFORE.json LINUX.json WINDOWS.json MIN_CHANGED

Each file is what "vhmission dump" prints. Lists every cell where the
mission Linux saved and the one Windows saved differ, and fails when there
is one, when anything outside the cells differs, or when the edit changed
fewer than MIN_CHANGED cells of BEFORE (a stroke that missed the map).
"""
import json
import sys


def load(path):
    with open(path, encoding="utf-8") as f:
        mission = json.load(f)
    for key in ("file", "namesFile"):
        mission.pop(key, None)
    return mission


def main():
    if len(sys.argv) != 5:
        sys.exit(__doc__)
    before, linux, windows = (load(p) for p in sys.argv[1:4])
    least = int(sys.argv[4])
    failed = False
    if (linux["width"], linux["height"]) != (windows["width"], windows["height"]):
        sys.exit(f"sizes differ: {linux['width']}x{linux['height']} and {windows['width']}x{windows['height']}")
    changed = differing = 0
    for y, (rowB, rowL, rowW) in enumerate(zip(before["cells"], linux["cells"], windows["cells"])):
        for x, (b, l, w) in enumerate(zip(rowB, rowL, rowW)):
            changed += l != b
            if l != w:
                differing += 1
                failed = True
                print(f"cell {x},{y}: Linux {l}, Windows {w}")
    others = sorted(k for k in linux if k != "cells" and linux[k] != windows.get(k))
    if others:
        failed = True
        print("differing outside the cells:", ", ".join(others))
    print(f"{changed} cells painted on Linux, {differing} cells differ")
    if changed < least:
        failed = True
        print(f"the stroke changed fewer than {least} cells")
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main()
