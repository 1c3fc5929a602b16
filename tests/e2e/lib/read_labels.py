#!/usr/bin/python3
"""Prints what a window's labels, list items and buttons show, one a line, through the
accessibility tree.

Usage: read_labels.py [--seconds N] CAPTION

Runs on the session bus of the program (DBUS_SESSION_BUS_ADDRESS); the program must have been
started with QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1. Waits for a showing window with that caption.
"""
import sys
import time

import pyatspi

kShown = (pyatspi.ROLE_LABEL, pyatspi.ROLE_LIST_ITEM, pyatspi.ROLE_PUSH_BUTTON)


def find_window(caption):
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is None:
            continue
        for window in app:
            if window is not None and window.name == caption:
                return window
    return None


def texts(node, depth=0):
    if node is None or depth > 30:
        return []
    found = [node.name] if node.getRole() in kShown and node.name else []
    for i in range(node.childCount):
        found += texts(node.getChildAtIndex(i), depth + 1)
    return found


def main(argv):
    seconds = 10
    if len(argv) > 2 and argv[0] == "--seconds":
        seconds, argv = float(argv[1]), argv[2:]
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        try:
            window = find_window(argv[0])
            if window is not None:
                print("\n".join(texts(window)))
                return 0
        except Exception:  # a window closing while it is read
            pass
        time.sleep(0.1)
    print("no window " + argv[0], file=sys.stderr)
    return 1


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
