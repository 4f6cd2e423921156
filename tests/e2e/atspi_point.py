#!/usr/bin/python3
"""Where to click a button, found by its accessible name on the AT-SPI desktop.

Waits until a showing window with the title WINDOW_TITLE holds a push button named BUTTON_NAME,
then prints the screen coordinates "x y" of the button's centre. Exits 1 when none appears in
time, naming what was looked for.

    atspi_point.py WINDOW_TITLE BUTTON_NAME [TIMEOUT_SECONDS]     (default 10)
"""
import sys
import time

import pyatspi
from gi.repository import GLib


def showing(accessible):
    return accessible.getState().contains(pyatspi.STATE_SHOWING)


def button_centre(title, name):
    for app in pyatspi.Registry.getDesktop(0):
        if app is None:
            continue
        for window in app:
            if window is None or window.name != title or not showing(window):
                continue
            button = pyatspi.findDescendant(
                window, lambda a: a is not None and a.getRole() == pyatspi.ROLE_PUSH_BUTTON
                and a.name == name and showing(a), True)
            if button is None:
                continue
            box = button.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            if box.width > 0 and box.height > 0:
                return box.x + box.width // 2, box.y + box.height // 2
    return None


def main():
    title, name = sys.argv[1], sys.argv[2]
    deadline = time.monotonic() + (float(sys.argv[3]) if len(sys.argv) > 3 else 10.0)
    while True:
        try:
            centre = button_centre(title, name)
        except GLib.Error:  # a window or the registry went away or is still starting: ask again
            centre = None
        if centre is not None:
            print("%d %d" % centre)
            return 0
        if time.monotonic() > deadline:
            print("no button %r in a window %r on the accessibility desktop" % (name, title),
                  file=sys.stderr)
            return 1
        time.sleep(0.1)


if __name__ == "__main__":
    sys.exit(main())
