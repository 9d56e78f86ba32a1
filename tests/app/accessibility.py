#!/usr/bin/python3
"""Reads the running program's accessibility tree over AT-SPI, as a screen
reader would, and walks from the menu through the quiz to the picture book
by pressing what it finds by name, checks the menu's geometry in full
screen, then reads the pack editor's 60 entries by their flowers' names and
chooses one.

Usage: accessibility.py PROGRAM EDITOR, or accessibility.py --editor EDITOR
for the editor alone (inside a private session bus and X display).
"""
import os
import subprocess
import sys
import tempfile
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


def application(name="hana"):
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == name:
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


def board_names(editor):
    """The 60 names of the quiz board, from the names list beside the program."""
    beside = os.path.dirname(os.path.realpath(editor))
    with open(os.path.join(beside, "説明", "name.txt"), encoding="cp932") as names:
        return [name for name in names.read().replace("\r", "").split("\n") if name][:60]


def entries(root, names):
    """The editor's entries that a screen reader finds by their flowers' names."""
    found = {}
    for node in descendants(root):
        if node.name in names and node.getRole() in (pyatspi.ROLE_TREE_ITEM,
                                                      pyatspi.ROLE_TABLE_CELL,
                                                      pyatspi.ROLE_LIST_ITEM):
            found[node.name] = node
    return found if len(found) == len(names) else None


def check_editor(editor):
    names = board_names(editor)
    with tempfile.TemporaryDirectory() as home:
        source = os.path.join(home, "校庭の花")
        os.makedirs(os.path.join(source, "pictures"))
        environment = dict(os.environ, HOME=home, XDG_CONFIG_HOME=home, XDG_DATA_HOME=home)
        program = subprocess.Popen([editor, source], stderr=subprocess.DEVNULL, env=environment)
        try:
            app = wait_for("the editor", lambda: application("hana-editor"))
            window = wait_for("the editor's window", lambda: next(
                (app.getChildAtIndex(i) for i in range(app.childCount)
                 if app.getChildAtIndex(i) is not None and showing(app.getChildAtIndex(i))),
                None))
            found = wait_for("the 60 entries by name", lambda: entries(window, names))
            # Chosen as a screen reader chooses a row of a tree.
            sunflower = found["ひまわり"]
            tree = sunflower.parent.queryTable()
            tree.addRowSelection(tree.getRowAtIndex(sunflower.getIndexInParent()))
            wait_for("the chosen entry's heading",
                     lambda: control(window, pyatspi.ROLE_LABEL, "45\u3000ひまわり"))
        finally:
            program.kill()
            program.wait()


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
    if sys.argv[1] == "--editor":
        check_editor(sys.argv[2])
        print("accessibility: the editor's 60 entries found by name, one chosen")
        return
    check_program(sys.argv[1])
    check_full_screen(sys.argv[1])
    check_editor(sys.argv[2])
    print("accessibility: menu buttons, quiz tiles, rate and count announcements, "
          "picture book name found; full-screen geometry scaled; "
          "the editor's 60 entries found by name")


def check_program(path):
    program = subprocess.Popen([path], stderr=subprocess.DEVNULL)
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


if __name__ == "__main__":
    main()
