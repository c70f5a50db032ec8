#!/usr/bin/python3
"""Prints what a screen reader finds in a running orvella-exporter (the application "OrvellaExporter"): every
accessible object of the application, indented by depth, with its role, its
name and the states that matter to a user (focusable, focused, checkable,
checked, selected, disabled).

Needs an AT-SPI bus (at-spi2-core) and python3-pyatspi; scripts/a11y-dump.sh
starts everything on a virtual display and calls this.

    a11y-dump.py [APPLICATION-NAME] [--wait SECONDS]
"""
import sys
import time

import pyatspi

STATES = [
    ("focusable", pyatspi.STATE_FOCUSABLE),
    ("focused", pyatspi.STATE_FOCUSED),
    ("checkable", pyatspi.STATE_CHECKABLE),
    ("checked", pyatspi.STATE_CHECKED),
    ("selected", pyatspi.STATE_SELECTED),
]


def describe(node):
    states = node.getState()
    shown = [name for name, state in STATES if states.contains(state)]
    if not states.contains(pyatspi.STATE_ENABLED):
        shown.append("disabled")
    if not states.contains(pyatspi.STATE_SHOWING):
        shown.append("hidden")
    line = f"[{node.getRoleName()}] {node.name!r}"
    if shown:
        line += " (" + ", ".join(shown) + ")"
    return line


def dump(node, depth=0):
    print("  " * depth + describe(node))
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            dump(child, depth + 1)


def find_application(name, wait):
    deadline = time.time() + wait
    while True:
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name == name and app.childCount > 0:
                return app
        if time.time() > deadline:
            return None
        time.sleep(0.2)


def main(argv):
    name = "OrvellaExporter"
    wait = 10.0
    args = list(argv)
    while args:
        arg = args.pop(0)
        if arg == "--wait":
            wait = float(args.pop(0))
        else:
            name = arg
    app = find_application(name, wait)
    if app is None:
        print(f"a11y-dump: no accessible application named {name!r} on the AT-SPI bus",
              file=sys.stderr)
        return 1
    dump(app)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
