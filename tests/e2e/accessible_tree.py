#!/usr/bin/env python3
"""What a screen reader finds of the program whose process id is the first argument, through AT-SPI.

Waits (up to the seconds of the second argument) until the registry lists the program, then checks its showing
objects: exactly one window, a frame named as the program; every object inside it on the window, named, and no two
of the same role and name. Prints the tree and every problem; exits 1 when there is one.
With a third argument "focus", prints instead the name of each object of the program's that gains the focus, with its
role, for as long as the seconds of the second argument: what a screen reader reads out while a menu is worked.
"""
import sys
import time

import pyatspi
from gi.repository import GLib

TITLE = "Somnivox Noise Player"


def find_program(pid, seconds):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        for program in pyatspi.Registry.getDesktop(0):
            # A window's objects arrive a moment after the program itself.
            if program is not None and program.get_process_id() == pid and program.childCount > 0:
                return program
        time.sleep(0.2)
    return None


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def extents(node):
    box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x, box.y, box.width, box.height


def inside(box, outer):
    x, y, w, h = box
    ox, oy, ow, oh = outer
    return x >= ox and y >= oy and x + w <= ox + ow and y + h <= oy + oh


def showing_descendants(node):
    # Showing means shown along with every ancestor: Qt marks the items of a closed list's rows showing, not the list.
    for child in node:
        if child is not None and showing(child):
            yield child
            yield from showing_descendants(child)


def follow_focus(pid, seconds):
    def focused(event):
        if event.detail1 == 1 and event.source.get_process_id() == pid:
            print(f"{event.source.getRoleName()}: {event.source.name}", flush=True)

    pyatspi.Registry.registerEventListener(focused, "object:state-changed:focused")
    GLib.timeout_add(int(seconds * 1000), pyatspi.Registry.stop)
    print("following", flush=True)
    pyatspi.Registry.start()
    return 0


def main():
    pid, seconds = int(sys.argv[1]), float(sys.argv[2])
    if sys.argv[3:] == ["focus"]:
        return follow_focus(pid, seconds)
    program = find_program(pid, seconds)
    if program is None:
        print(f"the registry does not list process {pid} with a window within {seconds} s")
        return 1
    problems = []
    windows = [w for w in program if w is not None and showing(w)]
    for w in windows:
        print(f"window: {w.getRoleName()} '{w.name}' at {extents(w)}")
    if len(windows) != 1 or windows[0].getRoleName() != "frame" or windows[0].name != TITLE:
        problems.append(f"the showing windows are not one frame named '{TITLE}'")
    seen = {}
    for window in windows:
        outer = extents(window)
        for node in showing_descendants(window):
            box = extents(node)
            role = node.getRoleName()
            print(f"  {role} '{node.name}' at {box}")
            if not inside(box, outer):
                problems.append(f"{role} '{node.name}' shows at {box}, outside its window at {outer}")
            if not node.name.strip():
                problems.append(f"a {role} at {box} has no name")
            elif (role, node.name) in seen:
                problems.append(f"two of role {role} are named '{node.name}'")
            seen[(role, node.name)] = box
    for problem in problems:
        print(f"problem: {problem}")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
