#!/usr/bin/python3
"""Prints the accessible tree of every application on the session's
accessibility bus, one node per line: depth, role, name.

Used by the end-to-end tests to read message boxes, labels and menu items
from outside the program. Usage: atspi_dump.py [application-name-substring]
"""
import sys

import pyatspi


def walk(node, depth, out):
    try:
        role = node.getRoleName()
        name = node.name or ""
    except Exception:
        return
    out.append(f"{depth} {role} {name}")
    try:
        count = node.childCount
    except Exception:
        return
    for i in range(min(count, 500)):
        try:
            child = node.getChildAtIndex(i)
        except Exception:
            continue
        if child is not None:
            walk(child, depth + 1, out)


def main():
    wanted = sys.argv[1] if len(sys.argv) > 1 else ""
    desktop = pyatspi.Registry.getDesktop(0)
    out = []
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is None:
            continue
        if wanted and wanted.lower() not in (app.name or "").lower():
            continue
        walk(app, 0, out)
    print("\n".join(out))


if __name__ == "__main__":
    main()
