#!/usr/bin/python3
"""Prints what assistive technology reads of a program's showing list: its item count on the
first line, then its description.

Usage: read_list.py [--seconds N] [--empty]   (--empty: wait for a list without items)

Runs on the session bus of the program (DBUS_SESSION_BUS_ADDRESS); the program must have been
started with QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1.
"""
import sys
import time

import pyatspi

kListRoles = {pyatspi.ROLE_LIST, pyatspi.ROLE_LIST_BOX}


def find_list(node, depth=0):
    if node is None or depth > 30:
        return None
    try:
        if node.getRole() in kListRoles and node.getState().contains(pyatspi.STATE_SHOWING):
            return node
        children = [node.getChildAtIndex(i) for i in range(node.childCount)]
    except Exception:  # a window closing while it is read
        return None
    for child in children:
        found = find_list(child, depth + 1)
        if found is not None:
            return found
    return None


def main(args):
    seconds, empty = 10.0, False
    while args:
        if args[0] == "--seconds" and len(args) > 1:
            seconds, args = float(args[1]), args[2:]
        elif args[0] == "--empty":
            empty, args = True, args[1:]
        else:
            print(__doc__.strip(), file=sys.stderr)
            return 2
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = find_list(pyatspi.Registry.getDesktop(0))
        if found is not None and (not empty or (found.childCount == 0 and found.description)):
            print(found.childCount)
            print(found.description)
            return 0
        time.sleep(0.1)
    print("no %slist within %g s" % ("empty " if empty else "", seconds), file=sys.stderr)
    return 1


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
