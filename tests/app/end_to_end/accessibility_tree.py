#!/usr/bin/python3
"""Drives the program through its accessibility tree, as a screen reader or a
voice control tool does: over AT-SPI on the session's bus, nothing in process.

Run inside `dbus-run-session -- xvfb-run -a`; arguments: the program, an
example document. Every control a user can reach must carry a name that says
what it is, and the menus' items must work when pressed from the tree.
"""

import difflib
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

# Roles a user acts on. Labels, fillers and panes only carry others' names.
CONTROLS = {
    "push button", "toggle button", "check box", "radio button", "spin button",
    "combo box", "slider", "menu item", "check menu item", "radio menu item",
    "list item", "page tab", "text", "entry",
}
WINDOWS = {"frame", "window", "dialog"}

failures = []


def fail(message):
    failures.append(message)
    print("FAIL:", message, flush=True)


# Popups are no children of the application in the tree: a screen reader
# meets them through the focus moving into them, and so does this test.
focused = []


def on_focus(event):
    if event.detail1:
        focused.append(event.source)


def wait_for(what, condition, limit=30.0):
    deadline = time.monotonic() + limit
    while time.monotonic() < deadline:
        while GLib.MainContext.default().iteration(False):
            pass
        found = condition()
        if found:
            return found
        time.sleep(0.1)
    raise SystemExit(f"timed out after {limit:.0f} s waiting for {what}")


def children(node):
    for index in range(node.get_child_count()):
        child = node.get_child_at_index(index)
        if child is not None:
            yield child


def showing(node):
    return node.get_state_set().contains(Atspi.StateType.SHOWING)


def walk(node):
    yield node
    for child in children(node):
        yield from walk(child)


def application():
    desktop = Atspi.get_desktop(0)
    for app in children(desktop):
        if app.get_name() == "Ornival":
            return app
    return None


def windows(app):
    return [window for window in children(app) if window.get_role_name() in WINDOWS and showing(window)]


def place(node):
    places = []
    while node is not None and node.get_role_name() != "application":
        places.append(node.get_index_in_parent())
        node = node.get_parent()
    return tuple(reversed(places))


def top(node):
    while node.get_parent() is not None and node.get_parent().get_role_name() != "application":
        node = node.get_parent()
    return node


def panels(app):
    """Every shown window and panel but the document's window, by place:
    proxies come and go, a place in the tree stays."""
    found = {}
    for node in focused:
        try:
            root = top(node)
            if shown_everywhere(root) and not root.get_name().endswith("— Ornival"):
                found[("popup", root.get_name())] = root
        except GLib.Error:
            pass  # gone with its popup
    for window in windows(app):
        for node in walk_shown(window):
            if node.get_role_name() in WINDOWS and shown_everywhere(node) and place(node) != place(windows(app)[0]):
                found[place(node)] = node
    return found


def shown_everywhere(node):
    while node is not None and node.get_role_name() != "application":
        if not showing(node):
            return False
        node = node.get_parent()
    return True


def path(node):
    parts = []
    while node is not None and node.get_role_name() != "application":
        parts.append(f"{node.get_role_name()} {node.get_name()!r}")
        node = node.get_parent()
    return " < ".join(parts)


def says_what_it_is(name):
    # A glyph such as "✕" or a bare count reads as nothing to a listener.
    return any(character.isalpha() for character in name)


def walk_shown(node):
    """What the user sees: hidden branches (closed menus, the hidden tool
    strip's thousand items) are left out."""
    if not showing(node):
        return
    yield node
    for child in children(node):
        yield from walk_shown(child)


def check_names(window, seen):
    if not says_what_it_is(window.get_name()):
        fail(f"a window without a name: {path(window)}")
    for node in walk_shown(window):
        if node.get_role_name() not in CONTROLS:
            continue
        key = path(node)
        if key in seen:
            continue
        seen.add(key)
        if not says_what_it_is(node.get_name()):
            fail(f"a control without a name: {key}")


def menu_item(app, *names):
    """The item at the end of the menu path, found through the menu bar.

    Each menu on the way is opened first, as a user does, so that its items
    are enabled and named for the moment they are chosen in."""
    main = windows(app)[0]
    bar = next(node for node in walk(main) if node.get_role_name() == "menu bar")
    node = bar
    for depth, name in enumerate(names):
        node = next((n for n in walk(node) if n.get_role_name().endswith("menu item") and
                     n.get_name().startswith(name)), None)
        if node is None:
            raise SystemExit(f"no menu item {' › '.join(names)}")
        if depth + 1 < len(names):
            press(node)
    return node


def press(node):
    if node.get_n_actions() < 1:
        raise SystemExit(f"{path(node)} offers no action")
    node.do_action(0)


def main():
    program, example = sys.argv[1], sys.argv[2]
    folder = tempfile.mkdtemp(prefix="ornival-accessibility-")
    process = None
    try:
        home = os.path.join(folder, "home")
        os.makedirs(home)
        document = os.path.join(folder, "Mosaic.ornival")
        shutil.copyfile(example, document)
        environment = dict(os.environ, HOME=home, XDG_CONFIG_HOME=os.path.join(home, ".config"),
                           XDG_DATA_HOME=os.path.join(home, ".local", "share"),
                           XDG_CACHE_HOME=os.path.join(home, ".cache"),
                           QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb", LANGUAGE="en")
        listener = Atspi.EventListener.new(on_focus)
        listener.register("object:state-changed:focused")
        process = subprocess.Popen([program, document], env=environment)
        app = wait_for("the program on the accessibility bus", application)
        wait_for("its window", lambda: windows(app))
        seen = set()
        check_names(windows(app)[0], seen)

        # Every panel the menus open: its window and its controls are named.
        openers = [("Format", "Colors…"), ("Format", "Border and Crossings…"), ("View", "Catalogue…"),
                  ("View", "Counts…"), ("View", "Zoom…"), ("View", "Rotation…"),
                  ("File", "Export Bitmap…")]
        last = []
        for menu, item in openers:
            before = panels(app)
            press(menu_item(app, menu, item))
            try:
                wait_for(f"{menu} › {item} to show its panel", lambda: panels(app).keys() - before.keys(), limit=10)
            except SystemExit as error:
                fail(str(error))
                continue
            now = panels(app)
            last = [now[key] for key in now.keys() - before.keys()]
            print(f"{menu} › {item}:", [w.get_name() for w in last], flush=True)
            for window in last:
                check_names(window, seen)

        # The figures of the tool strip, once shown, are named too.
        press(menu_item(app, "View", "Show Tool Strip"))
        strip = wait_for("the tool strip", lambda: next(
            (n for n in walk_shown(windows(app)[0]) if n.get_role_name() == "tool bar" and n.get_name() == "Tool Strip"),
            None), limit=10)
        check_names(strip, seen)
        if not any(key.startswith("list item") for key in seen):
            fail("no figure of the tool strip reached the tree")

        # The export panel, still open, writes beside the document when its
        # button is pressed from the tree.
        button = next((n for panel in last for n in walk_shown(panel)
                       if n.get_role_name() == "push button" and n.get_name() == "Export"), None)
        if button is None:
            fail("the export panel has no Export button")
        else:
            press(button)
            written = lambda: [name for name in os.listdir(folder) if name.startswith("Mosaic.") and
                               not name.endswith(".ornival")]
            wait_for("the exported picture beside the document", written)
            print("exported:", written(), flush=True)

        # An edit through the Edit menu, saved, undone through it and saved
        # again gives back the document as it was.
        def stored():
            with open(document, "rb") as file:
                return file.read()
        before = stored()
        press(menu_item(app, "Edit", "Invert Colors"))
        press(menu_item(app, "File", "Save"))
        wait_for("the document saved with its colours inverted", lambda: stored() != before, limit=10)
        press(menu_item(app, "Edit", "Undo"))
        press(menu_item(app, "File", "Save"))
        try:
            wait_for("the document saved as it was", lambda: stored() == before, limit=10)
        except SystemExit:
            print("".join(difflib.unified_diff(before.decode().splitlines(True), stored().decode().splitlines(True))))
            raise
    finally:
        if process is not None:
            process.send_signal(signal.SIGKILL)
            process.wait()
        shutil.rmtree(folder, ignore_errors=True)
    if failures:
        print(f"{len(failures)} failures", flush=True)
        return 1
    print("every control named; an export, an edit, its undo and a save reached through the tree", flush=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
