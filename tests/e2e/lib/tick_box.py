#!/usr/bin/python3
"""Ticks a check box that has no keyboard path, through the accessibility tree.

Usage: tick_box.py [--seconds N] TEXT...   (the box's text in any of the languages given)

Runs on the session bus of the program (DBUS_SESSION_BUS_ADDRESS); the program must have been
started with QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1. Waits for a showing, enabled check box with
one of the texts, ticks it unless it is ticked already and exits 0 once it reads back ticked.
"""
import sys
import time

import pyatspi


def find_box(node, texts, depth=0):
    if node is None or depth > 30:
        return None
    try:
        states = node.getState()
        if (node.getRole() == pyatspi.ROLE_CHECK_BOX and node.name in texts
                and states.contains(pyatspi.STATE_SHOWING)
                and states.contains(pyatspi.STATE_ENABLED)):
            return node
        children = [node.getChildAtIndex(i) for i in range(node.childCount)]
    except Exception:  # a window closing while it is read
        return None
    for child in children:
        found = find_box(child, texts, depth + 1)
        if found is not None:
            return found
    return None


def tick(box):
    if box.getState().contains(pyatspi.STATE_CHECKED):
        return True
    action = box.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    # Qt offers "Toggle" for a check box, and "Press" besides.
    index = next((names.index(n) for n in ("Toggle", "Press") if n in names), 0)
    action.doAction(index)
    for _ in range(40):
        if box.getState().contains(pyatspi.STATE_CHECKED):
            return True
        time.sleep(0.05)
    return False


def main(args):
    seconds = 10.0
    if len(args) >= 2 and args[0] == "--seconds":
        seconds, args = float(args[1]), args[2:]
    if not args:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    texts = set(args)
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        box = find_box(pyatspi.Registry.getDesktop(0), texts)
        if box is not None:
            if tick(box):
                print("ticked " + box.name)
                return 0
            print("the box '%s' did not become ticked" % box.name, file=sys.stderr)
            return 1
        time.sleep(0.1)
    print("no check box %s within %g s" % (sorted(texts), seconds), file=sys.stderr)
    return 1


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
