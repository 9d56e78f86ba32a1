#!/usr/bin/python3
"""Reads the running program's accessibility tree over AT-SPI, as a screen
reader would, and walks from the menu through the quiz to the picture book
by pressing what it finds by name.

Usage: accessibility.py PROGRAM (inside a private session bus and X display).
"""
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

TIMEOUT = 15


def fail(message):
    print("accessibility: " + message, file=sys.stderr)
    sys.exit(1)


def descendants(node):
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield child
            yield from descendants(child)


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def wait_for(what, find):
    deadline = time.monotonic() + TIMEOUT
    while time.monotonic() < deadline:
        found = find()
        if found is not None:
            return found
        pump(0.1)
    fail("not found: " + what)


def pump(seconds):
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while context.pending():
            context.iteration(False)
        time.sleep(0.02)


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == "hana":
            return app
    return None


def window(app, caption):
    for i in range(app.childCount):
        child = app.getChildAtIndex(i)
        if child is not None and child.name == caption and showing(child):
            return child
    return None


def control(root, role, name):
    for node in descendants(root):
        if node.getRole() == role and node.name == name and showing(node):
            return node
    return None


def press(node):
    actions = node.queryAction()
    for i in range(actions.nActions):
        if actions.getName(i) == "Press":
            actions.doAction(i)
            return
    fail("cannot press " + node.name)


def extents(node):
    box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x, box.y, box.width, box.height


def full_screen_menu():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is None or app.name != "hana":
            continue
        menu = window(app, "メニュー")
        if menu is not None and extents(menu)[2] > 687:
            return menu
    return None


def check_full_screen(path):
    """The menu in full screen: its buttons lie where the scaled layout puts
    them, as a screen reader's magnifier or a pointer would find them."""
    program = subprocess.Popen([path, "--fullscreen"], stderr=subprocess.DEVNULL)
    try:
        menu = wait_for("the full-screen menu", full_screen_menu)
        _, _, width, height = extents(menu)
        factor = min(width / 687, height / 491)
        left = (width - round(687 * factor)) // 2
        top = (height - round(491 * factor)) // 2
        button = wait_for("menu button 花の名前",
                          lambda: control(menu, pyatspi.ROLE_PUSH_BUTTON, "花の名前"))
        want = (left + 464 * factor, top + 339 * factor, 128 * factor, 40 * factor)
        got = extents(button)
        if any(abs(g - w) > 1.5 for g, w in zip(got, want)):
            fail(f"the button 花の名前 lies at {got} in full screen, not at {want}")
    finally:
        program.kill()
        program.wait()


def main():
    # The registry is started before the program, so that the program finds
    # it when it announces itself.
    pyatspi.Registry.getDesktop(0).childCount
    program = subprocess.Popen([sys.argv[1]], stderr=subprocess.DEVNULL)
    try:
        app = wait_for("the program", application)
        menu = wait_for("the menu window", lambda: window(app, "メニュー"))
        buttons = {}
        for name in ("花の図鑑", "花の名前", "終\u3000\u3000了"):
            buttons[name] = wait_for("menu button " + name,
                                     lambda name=name: control(menu, pyatspi.ROLE_PUSH_BUTTON, name))

        press(buttons["花の名前"])
        quiz = wait_for("the quiz window", lambda: window(app, "花の名前"))
        tile = wait_for("quiz tile あさがお",
                        lambda: control(quiz, pyatspi.ROLE_PUSH_BUTTON, "あさがお"))
        names = [node.name for node in descendants(quiz)
                 if node.getRole() == pyatspi.ROLE_PUSH_BUTTON]
        for picture in descendants(quiz):
            if picture.getRole() != pyatspi.ROLE_IMAGE:
                continue
            if not picture.name:
                fail("a quiz picture has no name")
            for name in names:
                if name not in ("花の図鑑", "メニュー") and name in picture.name:
                    fail(f"the quiz picture {picture.name!r} gives away {name!r}")

        changed = []
        listener = lambda event: changed.append(event.source.name)
        pyatspi.Registry.registerEventListener(listener, "object:property-change:accessible-name")
        press(tile)
        pump(3.5)
        pyatspi.Registry.deregisterEventListener(listener, "object:property-change:accessible-name")
        if not any("正解率" in name for name in changed):
            fail(f"no change of the rate was announced: {changed}")
        if not any("のこり" in name for name in changed):
            fail(f"no change of the count was announced: {changed}")

        press(wait_for("quiz button 花の図鑑",
                       lambda: control(quiz, pyatspi.ROLE_PUSH_BUTTON, "花の図鑑")))
        book = wait_for("the picture book window", lambda: window(app, "花の図鑑"))
        press(wait_for("kana tile あ", lambda: control(book, pyatspi.ROLE_PUSH_BUTTON, "あ")))
        wait_for("the name label あさがお",
                 lambda: control(book, pyatspi.ROLE_LABEL, "あさがお"))
    finally:
        program.kill()
        program.wait()
    check_full_screen(sys.argv[1])
    print("accessibility: menu buttons, quiz tiles, rate and count announcements, "
          "picture book name found; full-screen geometry scaled")


if __name__ == "__main__":
    main()
