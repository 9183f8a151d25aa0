#!/usr/bin/env python3
"""Fails when the core's include graph breaks its layers or has a circle.

A unit is a header with its source file (matrix/Matrix.h and matrix/Matrix.cpp);
unit A depends on unit B when either file of A includes B's header. No circle of
units may exist, and each core folder includes only the folders below it:
storage never includes analysis, matrix includes nothing else of ours.
    check_includes.py SRC
"""
import os
import re
import sys

ALLOWED = {
    "matrix": {"matrix"},
    "model": {"matrix", "model", "storage"},   # the document reads and writes its set
    "storage": {"matrix", "model", "storage"},
    "analysis": {"matrix", "model", "analysis"},
    "report": {"matrix", "model", "analysis", "storage", "report"},
}
INCLUDE = re.compile(r'^\s*#\s*include\s*"([a-z]+/[A-Za-z0-9_]+)\.h"', re.M)


def main(src):
    edges, faults = {}, []
    for folder in ALLOWED:
        root = os.path.join(src, folder)
        for name in sorted(os.listdir(root)) if os.path.isdir(root) else []:
            stem, ext = os.path.splitext(name)
            if ext not in (".h", ".cpp"):
                continue
            unit = f"{folder}/{stem}"
            with open(os.path.join(root, name), encoding="utf-8") as file:
                for target in INCLUDE.findall(file.read()):
                    if target.split("/")[0] not in ALLOWED[folder]:
                        faults.append(f"{folder}/{name} includes {target}.h: {folder} may include only "
                                      + ", ".join(sorted(ALLOWED[folder])))
                    if target != unit:
                        edges.setdefault(unit, set()).add(target)
    # Circles: a depth-first walk that meets a unit still on its path.
    state, path = {}, []

    def walk(unit):
        state[unit] = 1
        path.append(unit)
        for target in sorted(edges.get(unit, ())):
            if state.get(target) == 1:
                faults.append("include circle: " + " -> ".join(path[path.index(target):] + [target]))
            elif target not in state:
                walk(target)
        path.pop()
        state[unit] = 2

    for unit in sorted(edges):
        if unit not in state:
            walk(unit)
    for fault in faults:
        print(fault)
    if not faults:
        print(f"{len(edges)} units: layered, no include circle")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
