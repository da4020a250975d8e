#!/usr/bin/python3
"""Walks the running reelix window with an assistive-technology client.

Run by a11y_check.sh on a private session bus with the accessibility bus up:
  a11y_check.py REELIX BASE_URL
It goes through setup (pressing "Continue with the system tools" as a screen
reader user would), the main view empty and with rows in several states, the
history, the Tools menu, the log window and the preferences, and reports every
control that a screen reader could not announce: a focusable or actionable
control without a name, with a role that is not a control's, a progress bar
without a value, a menu bar entry that is not a menu. Exits 1 on any."""
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

APP, BASE = sys.argv[1], sys.argv[2]
# The roles a control can be announced as.
CONTROL_ROLES = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_CHECK_BOX,
    pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY,
    pyatspi.ROLE_SPIN_BUTTON, pyatspi.ROLE_SLIDER, pyatspi.ROLE_SCROLL_BAR, pyatspi.ROLE_MENU,
    pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_CHECK_MENU_ITEM, pyatspi.ROLE_RADIO_MENU_ITEM,
    pyatspi.ROLE_PAGE_TAB, pyatspi.ROLE_LIST_ITEM, pyatspi.ROLE_LINK, pyatspi.ROLE_LIST,
}
# Scroll bars are announced by their role and position alone.
UNNAMED_ROLES = {pyatspi.ROLE_SCROLL_BAR}
problems = {}


def log(text):
    print("a11y: " + text, flush=True)


def children(node):
    try:
        return [c for c in node if c is not None]
    except Exception:  # the tree changed under us: the next walk sees it
        return []


def actions(node):
    try:
        act = node.queryAction()
        return [act.getName(i) for i in range(act.nActions)]
    except (NotImplementedError, Exception):
        return []


def label(node):
    """The node as a path step; one without a name says where it is on screen."""
    if node.name:
        return "[%s %r]" % (node.getRoleName(), node.name)
    try:
        x, y, w, h = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        return "[%s at %d,%d %dx%d]" % (node.getRoleName(), x, y, w, h)
    except NotImplementedError:
        return "[%s]" % node.getRoleName()


def inspect(node, path, parent_role):
    """Adds what a screen reader could not announce about `node` to problems."""
    state = node.getState()
    role = node.getRole()
    if not state.contains(pyatspi.STATE_SHOWING):
        return
    where = " > ".join(path)
    acting = [a for a in actions(node) if a != "SetFocus"]
    if state.contains(pyatspi.STATE_FOCUSABLE) or acting:
        if not node.name.strip() and role not in UNNAMED_ROLES:
            problems[where] = "a control without a name"
        bar_entry = role == pyatspi.ROLE_MENU_BAR and parent_role == pyatspi.ROLE_MENU_BAR
        if role not in CONTROL_ROLES and not bar_entry:
            problems[where] = "a control announced as %s" % node.getRoleName()
    # Qt 6.4 announces a menu bar's entries as menu bars, whatever the view
    # says; what a screen reader needs is that they can be pressed open.
    if (role == pyatspi.ROLE_MENU_BAR and parent_role == pyatspi.ROLE_MENU_BAR
            and "Press" not in acting):
        problems[where] = "a menu bar entry that cannot be opened"
    if role == pyatspi.ROLE_PROGRESS_BAR:
        try:
            value = node.queryValue()
            if value.maximumValue <= value.minimumValue:
                problems[where] = "a progress bar without a range"
        except NotImplementedError:
            # Qt 6.4 gives a Qt Quick progress bar no value interface: its
            # description carries the percentage instead.
            if not node.description.rstrip().endswith("%"):
                problems[where] = "a progress bar without a value"


def walk(node, path=(), parent_role=None, visit=None):
    try:
        path = path + (label(node),)
        (visit or inspect)(node, path, parent_role)
        role = node.getRole()
    except GLib.GError:  # gone while we walked (a row that moved, a closed popup)
        return
    for child in children(node):
        walk(child, path, role, visit)


def find_app():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "Reelix":
            app.clearCache()
            return app
    return None


def find_all(predicate):
    found = []

    def visit(node, _path, _parent):
        if node.getState().contains(pyatspi.STATE_SHOWING) and predicate(node):
            found.append(node)
    app = find_app()
    if app is not None:
        walk(app, visit=visit)
    return found


def wait_for(what, predicate, seconds=60):
    """The showing nodes that match, once there are any; fails after `seconds`."""
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        found = find_all(predicate)
        if found:
            return found
        time.sleep(0.25)
    log("gave up waiting for " + what)
    report()
    sys.exit(2)


def named(name, role=None):
    """Matches a node by its English name, whatever its capitals and mnemonic mark."""
    return lambda n: (n.name.replace("&", "").lower() == name.lower()
                      and (role is None or n.getRole() == role))


def check(view):
    before = len(problems)
    walk(find_app())
    log("%s: %d new problem(s)" % (view, len(problems) - before))


def press(node):
    node.queryAction().doAction(actions(node).index("Press"))


def click(node):
    """A real click: menus and menu bar entries open on the pointer."""
    x, y, w, h = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    subprocess.run(["xdotool", "mousemove", str(x + w // 2), str(y + h // 2), "click", "1"],
                   check=True)


def open_tools_entry(entry):
    click(wait_for("the Tools menu", named("Tools"))[0])
    wait_for("the Tools menu's entries", named(entry))
    check("the Tools menu")
    click(wait_for(entry, named(entry))[0])


def main():
    wait_for("the setup view", named("Continue with the system tools"))
    check("setup")
    press(find_all(named("Continue with the system tools"))[0])
    wait_for("the main view", named("Add", pyatspi.ROLE_PUSH_BUTTON))
    check("the main view, empty")

    # Handed over as a second start would: a finished, a running, a failed
    # download and a list of videos.
    subprocess.run([APP, BASE + "/h264.mp4", BASE + "/slow/h264.mp4", BASE + "/gone.mp4",
                    BASE + "/list/feed.xml?n=2"], check=True, env=os.environ)
    wait_for("a finished row", named("Show in folder"))
    wait_for("a failed row", named("Retry"))
    wait_for("a running row", lambda n: n.getRole() == pyatspi.ROLE_PROGRESS_BAR)
    wait_for("a list of videos", named("Skip videos already downloaded to this folder"))
    check("the main view with rows")

    press(wait_for("the history button", named("History"))[0])
    wait_for("the history", lambda n: n.name.startswith("Search"))
    check("the history")
    press(find_all(named("History"))[0])

    open_tools_entry("Debug logs")
    wait_for("the log window", named("Reelix logs", pyatspi.ROLE_FRAME))
    check("the log window")

    open_tools_entry("Preferences…")
    wait_for("the preferences", named("Preferences", pyatspi.ROLE_FRAME))
    check("the preferences")

    report()
    return 1 if problems else 0


def report():
    for where, what in sorted(problems.items()):
        log("%s: %s" % (what, where))
    log("%d problem(s)" % len(problems))


if __name__ == "__main__":
    sys.exit(main())
