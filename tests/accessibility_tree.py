#!/usr/bin/python3
"""Reads the accessibility tree of the running program, as a screen reader
would, and checks that no focusable control is unnamed: on the welcome
window, the options window and the question window (reached by pressing the
buttons through the accessibility interface), and that a choice button
reports its pressed state.

Run by CTest through accessibility_tree.sh, which provides a virtual display
and a session bus; exits 77 (skipped) when a tool is missing."""
import os
import subprocess
import sys
import time

SKIP = 77

try:
    import pyatspi
except ImportError:
    print("SKIP: python3-pyatspi is not installed")
    sys.exit(SKIP)


def walk(node, depth=0):
    yield node
    if depth > 40:
        return
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child, depth + 1)


def wait_for_bus(timeout=20.0):
    """Starts the accessibility bus (on demand) and waits until it answers."""
    end = time.time() + timeout
    while time.time() < end:
        try:
            pyatspi.Registry.getDesktop(0).childCount
            return True
        except Exception:
            time.sleep(0.3)
    return False


def find_app(name, timeout=40.0):
    end = time.time() + timeout
    while time.time() < end:
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name == name:
                return app
        time.sleep(0.2)
    return None


def find(app, role, name, timeout=10.0):
    end = time.time() + timeout
    while time.time() < end:
        for node in walk(app):
            try:
                if node.getRole() == role and node.name == name and \
                        node.getState().contains(pyatspi.STATE_SHOWING):
                    return node
            except Exception:
                pass
        time.sleep(0.2)
    return None


checked = 0


def unnamed_focusable(window, at_least, timeout=10.0):
    """The unnamed focusable controls of a window, once at least `at_least`
    focusable controls are showing (a window's controls appear on the bus
    a moment after the window itself)."""
    global checked
    end = time.time() + timeout
    while True:
        focusable, bad = 0, []
        for node in walk(window):
            try:
                state = node.getState()
                if state.contains(pyatspi.STATE_FOCUSABLE) and state.contains(pyatspi.STATE_SHOWING):
                    focusable += 1
                    if not node.name.strip():
                        bad.append(f"{node.getRoleName()} in {window.name!r}")
            except Exception:
                pass
        if focusable >= at_least or time.time() > end:
            break
        time.sleep(0.3)
    checked += focusable
    if focusable < at_least:
        bad.append(f"only {focusable} focusable controls in {window.name!r}, expected {at_least} or more")
    return bad


def window_of(node):
    while node.parent is not None and node.getRole() != pyatspi.ROLE_FRAME:
        node = node.parent
    return node


def press(node):
    node.queryAction().doAction(0)


def main():
    program = sys.argv[1]
    env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
    if not wait_for_bus():
        print("SKIP: the accessibility bus does not answer")
        return SKIP
    proc = subprocess.Popen([program], env=env)
    failures = []
    try:
        app = find_app("netadmin-quiz")
        if app is None:
            print("FAIL: the program did not appear on the accessibility bus")
            return 1
        agree = find(app, pyatspi.ROLE_PUSH_BUTTON, "I Agree")
        if agree is None:
            print("FAIL: no 'I Agree' button")
            return 1
        failures += unnamed_focusable(window_of(agree), 6)
        for label in ("Test name", "Written by", "Terms of use"):
            if find(app, pyatspi.ROLE_TEXT, label, 2) is None:
                failures.append(f"welcome window: no text box named {label!r}")

        press(agree)
        start = find(app, pyatspi.ROLE_PUSH_BUTTON, "Start the Quiz")
        if start is None:
            print("FAIL: the options window did not open")
            return 1
        failures += unnamed_focusable(window_of(start), 8)
        press(start)

        choice = None
        for role in (pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_CHECK_BOX):
            choice = find(app, role, "Choice A", 5)
            if choice is not None:
                break
        if choice is None:
            print("FAIL: the question window has no 'Choice A'")
            return 1
        window = window_of(choice)
        # The question, Next, Quit Test, and at least two choices with their boxes.
        failures += unnamed_focusable(window, 7)
        for name in ("Question", "Answer A", "Score", "Percent right", "Question number"):
            if not any(n.name == name for n in walk(window)):
                failures.append(f"question window: nothing named {name!r}")
        before = choice.getState().contains(pyatspi.STATE_CHECKED) or choice.getState().contains(pyatspi.STATE_PRESSED)
        press(choice)
        time.sleep(0.5)
        after = choice.getState().contains(pyatspi.STATE_CHECKED) or choice.getState().contains(pyatspi.STATE_PRESSED)
        if before or not after:
            failures.append(f"'Choice A' does not report its pressed state (before {before}, after {after})")
    finally:
        proc.terminate()
        try:
            proc.wait(10)
        except subprocess.TimeoutExpired:
            proc.kill()
    for f in failures:
        print("FAIL:", f)
    print(f"{checked} focusable controls read")
    print("accessibility tree:", "ok" if not failures else f"{len(failures)} problems")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
