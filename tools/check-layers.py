#!/usr/bin/env python3
"""Checks the floors of the source tree: a file includes headers of its own folder, of the
folders on lower floors, and of nothing above; no two folders include each other."""
import os
import re
import sys

# Lowest floor first; a folder may include from its own floor's other folders only where the
# pair is listed in SIDEWAYS. The checker's window sits above its model.
FLOORS = [
    ["game", "solver", "checker"],
    ["history"],
    ["platform", "resources", "translations"],
    ["support"],
    ["controls/gauge", "controls/button", "controls/tabstrip"],
    ["dialogs", "checker/window"],
    ["app", "cli"],
]
SIDEWAYS = {("controls/tabstrip", "controls/gauge")}
WINDOW_FILES = re.compile(r"^checker/varifyfrm\.")


def group_of(path):
    folder = os.path.dirname(path)
    if WINDOW_FILES.match(path):
        return "checker/window"
    while folder and not any(folder in floor for floor in FLOORS):
        folder = os.path.dirname(folder)
    return folder or None


def main(root):
    floor_of = {g: i for i, floor in enumerate(FLOORS) for g in floor}
    header_group = {}
    sources = []
    for group in floor_of:
        top = os.path.join(root, group.replace("/window", ""))
        if not os.path.isdir(top):
            continue
        for dirpath, _, files in os.walk(top):
            for name in files:
                rel = os.path.relpath(os.path.join(dirpath, name), root)
                if name.endswith((".h", ".cpp")) and group_of(rel) == group:
                    sources.append((rel, group))
                    if name.endswith(".h") and dirpath == top:
                        header_group[name] = group
    problems = []
    edges = set()
    for rel, group in sources:
        with open(os.path.join(root, rel), encoding="utf-8") as f:
            for inc in re.findall(r'^#include "([^"]+)"', f.read(), re.M):
                target = header_group.get(inc)
                if target is None or target == group:
                    continue
                edges.add((group, target))
                if floor_of[target] > floor_of[group] or (
                    floor_of[target] == floor_of[group] and (group, target) not in SIDEWAYS
                ):
                    problems.append(f"{rel}: includes {inc} from {target}, not below {group}")
    for a, b in sorted(edges):
        if a < b and (b, a) in edges:
            problems.append(f"{a} and {b} include each other")
    for p in problems:
        print(p)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1] if len(sys.argv) > 1 else "."))
