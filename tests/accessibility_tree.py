#!/usr/bin/python3
"""Uses the running program through its accessibility tree, as a screen
reader user would, and checks what such a user hears:

- no focusable control is unnamed (welcome, options and question windows);
- the welcome window's caption is the test name its box shows;
- the question window's labels are named with the values a sighted user
  reads (question number, slot, directions, and after NEXT the score and the
  percentage), described by what they are;
- each shown choice button is described by the text of its answer box, with
  the answers shuffled and in bank order;
- a choice button reports its pressed state, the answer window and the
  result box can be read and closed;
- question 4's two diagrams and its exhibit open, with no message box.

Usage: accessibility_tree.py PROGRAM [WORKING_DIRECTORY]
       accessibility_tree.py --desktop-entry FILE   (starts the program the
       way a menu does: the entry's Exec in the entry's Path)

Run through accessibility_tree.sh, which provides a virtual display and a
session bus; exits 77 (skipped) when a tool is missing."""
import os
import shlex
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


def showing(node):
    try:
        return node.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:
        return False


def find_where(root, test, timeout=10.0):
    """The first showing node under `root` for which `test` holds."""
    end = time.time() + timeout
    while True:
        for node in walk(root):
            try:
                if test(node) and showing(node):
                    return node
            except Exception:
                pass
        if time.time() > end:
            return None
        time.sleep(0.2)


def find(root, role, name, timeout=10.0):
    return find_where(root, lambda n: n.getRole() == role and n.name == name, timeout)


def find_described(root, role, description, timeout=10.0):
    return find_where(root, lambda n: n.getRole() == role and n.description == description, timeout)


def find_button(root, name, timeout=10.0):
    return find_where(root, lambda n: n.name == name and n.getRole() in (
        pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_CHECK_BOX,
        pyatspi.ROLE_RADIO_BUTTON), timeout)


def find_window(app, name, timeout=10.0):
    """A top-level window (frame, dialog or alert) of the program by its caption."""
    end = time.time() + timeout
    while True:
        for i in range(app.childCount):
            w = app.getChildAtIndex(i)
            try:
                if w is not None and w.name == name and showing(w):
                    return w
            except Exception:
                pass
        if time.time() > end:
            return None
        time.sleep(0.2)


def text_of(node):
    t = node.queryText()
    return t.getText(0, t.characterCount)


def is_on(node):
    state = node.getState()
    return state.contains(pyatspi.STATE_CHECKED) or state.contains(pyatspi.STATE_PRESSED)


def press(node):
    node.queryAction().doAction(0)


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
    """The top-level window holding `node`: the application's child."""
    while node.parent is not None and node.parent.getRole() != pyatspi.ROLE_APPLICATION:
        node = node.parent
    return node


def label_value(window, description, timeout=10.0):
    """The name (the shown value) of the label described as `description`."""
    node = find_described(window, pyatspi.ROLE_LABEL, description, timeout)
    return None if node is None else node.name


def wait_for_label(window, description, wanted, timeout=10.0):
    """The label's value once it is one of `wanted` (or its last value)."""
    end = time.time() + timeout
    value = None
    while time.time() < end:
        value = label_value(window, description, 1)
        if value in wanted:
            break
        time.sleep(0.2)
    return value


def choice_problems(window, where):
    """Each shown choice button must be described by its answer box's text."""
    problems, shown = [], 0
    for letter in "ABCDEF":
        button = find_button(window, f"Choice {letter}", 0.5)
        if button is None:
            continue
        shown += 1
        box = find(window, pyatspi.ROLE_TEXT, f"Answer {letter}", 2)
        if box is None:
            problems.append(f"{where}: no answer box beside 'Choice {letter}'")
            continue
        answer = text_of(box)
        if not answer.strip() or button.description != answer:
            problems.append(f"{where}: 'Choice {letter}' is described as {button.description!r}, "
                            f"its answer box reads {answer!r}")
    if shown < 2:
        problems.append(f"{where}: only {shown} choice buttons showing")
    return problems


def no_message_box(app, where):
    for title in ("Diagram", "Exhibit"):
        for i in range(app.childCount):
            w = app.getChildAtIndex(i)
            if w is not None and w.name == title and showing(w) and \
                    w.getRole() in (pyatspi.ROLE_ALERT, pyatspi.ROLE_DIALOG):
                return [f"{where}: a message box titled {title!r} appeared"]
    return []


def through_welcome(app, failures, first):
    agree = find(app, pyatspi.ROLE_PUSH_BUTTON, "I Agree", 20)
    if agree is None:
        raise RuntimeError("no 'I Agree' button")
    welcome = window_of(agree)
    if first:
        failures += unnamed_focusable(welcome, 6)
        for label in ("Written by", "Terms of use"):
            if find(app, pyatspi.ROLE_TEXT, label, 2) is None:
                failures.append(f"welcome window: no text box named {label!r}")
        name = find(welcome, pyatspi.ROLE_TEXT, "Test name", 2)
        if name is None or not text_of(name).strip() or text_of(name) != welcome.name:
            failures.append(f"welcome window: caption {welcome.name!r} is not the test name box's text")
    press(agree)
    start = find(app, pyatspi.ROLE_PUSH_BUTTON, "Start the Quiz")
    if start is None:
        raise RuntimeError("the options window did not open")
    return window_of(start), start


def first_quiz(app, failures):
    """Quiz 1 with the default options (answers shuffled), one NEXT, then Quit."""
    options, start = through_welcome(app, failures, True)
    failures += unnamed_focusable(options, 8)
    press(start)
    choice = find_button(app, "Choice A", 10)
    if choice is None:
        raise RuntimeError("the question window has no 'Choice A'")
    window = window_of(choice)
    failures += unnamed_focusable(window, 7)  # the question, Next, Quit Test and the choices
    if find(window, pyatspi.ROLE_TEXT, "Question", 2) is None:
        failures.append("question window: no text box named 'Question'")
    number = label_value(window, "Question number")
    if number != "1":
        failures.append(f"question window: the question number label reads {number!r}, not '1'")
    directions = label_value(window, "Directions")
    if directions is None or directions.strip() != "Please Select the correct answer(s)":
        failures.append(f"question window: the directions label reads {directions!r}")
    slot = label_value(window, "Question ID")
    if slot is None or not slot.isdigit() or int(slot) % 4 != 1:
        failures.append(f"question window: the question ID label reads {slot!r}, not a slot of quiz 1")
    failures += choice_problems(window, "quiz 1, shuffled")

    if is_on(choice):
        failures.append("'Choice A' reports pressed before it is pressed")
    press(choice)
    time.sleep(0.5)
    if not is_on(choice):
        failures.append("'Choice A' does not report its pressed state")

    press(find_button(window, "Next"))
    # A wrong answer brings the answer window (the option is on by default).
    answer = find_window(app, "The Answer", 3)
    if answer is not None:
        explanation = find(answer, pyatspi.ROLE_TEXT, "Answer explanation", 5)
        if explanation is None or not text_of(explanation).startswith("Incorrect."):
            failures.append("the answer window's text cannot be read")
        press(find(answer, pyatspi.ROLE_PUSH_BUTTON, "Close", 5))
    score = wait_for_label(window, "Score", ("0/1", "1/1"))
    percent = label_value(window, "Percent right")
    if (score, percent) not in (("0/1", "0%"), ("1/1", "100%")) or (score == "1/1") != (answer is None):
        failures.append(f"after one NEXT the score reads {score!r} and the percentage {percent!r}")

    press(find(window, pyatspi.ROLE_PUSH_BUTTON, "Quit Test"))
    result = find_window(app, "Test Complete!", 10)
    if result is None:
        raise RuntimeError("no result box after Quit Test")
    if find_where(result, lambda n: "Right/Total" in n.name, 5) is None:
        failures.append("the result box's text cannot be read")
    press(find(result, pyatspi.ROLE_PUSH_BUTTON, "OK", 5))


def question_four(app, failures):
    """Quiz 4 in slot order, answers unshuffled: its first question is slot 4,
    which names two diagrams and an exhibit."""
    options, start = through_welcome(app, failures, False)
    for name in ("Quiz #4", "Questions", "Answers"):
        control = find_button(options, name, 5)
        if control is None:
            raise RuntimeError(f"the options window has no {name!r}")
        press(control)
        time.sleep(0.2)
    press(start)
    choice = find_button(app, "Choice A", 10)
    if choice is None:
        raise RuntimeError("the second quiz did not start")
    window = window_of(choice)
    slot = wait_for_label(window, "Question ID", ("4",))
    if slot != "4":
        raise RuntimeError(f"quiz 4 in slot order starts with slot {slot!r}, not 4")
    failures += choice_problems(window, "question 4, in bank order")

    for button, picture in (("Diagram #1", "mypic.gif"), ("Diagram #2", "mypic.jpg")):
        press(find(window, pyatspi.ROLE_PUSH_BUTTON, button))
        diagram = find_window(app, "Diagram", 5)
        shown = diagram and find_where(diagram, lambda n: n.name == "Diagram picture" and n.description == picture, 5)
        if not shown:
            failures.append(f"{button} of question 4 did not show {picture}")
        failures += no_message_box(app, button)
    press(find(window, pyatspi.ROLE_PUSH_BUTTON, "Exhibit #1"))
    exhibit = find_window(app, "Exhibit", 5)
    text = exhibit and find(exhibit, pyatspi.ROLE_TEXT, "Exhibit text", 5)
    content = text_of(text) if text else ""
    if not all(word in content for word in ("SW1", "SW2", "VLAN 10", "VLAN 20")):
        failures.append(f"Exhibit #1 of question 4 shows {content[:80]!r}")
    failures += no_message_box(app, "Exhibit #1")


def command_line(argv):
    """The command and working directory: given, or read from a menu entry."""
    if argv[1] == "--desktop-entry":
        entry = {}
        with open(argv[2], encoding="utf-8") as f:
            for line in f:
                key, _, value = line.rstrip("\n").partition("=")
                entry.setdefault(key, value)
        return shlex.split(entry["Exec"]), entry.get("Path") or None
    return [argv[1]], argv[2] if len(argv) > 2 else None


def main():
    command, cwd = command_line(sys.argv)
    env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
    if not wait_for_bus():
        print("SKIP: the accessibility bus does not answer")
        return SKIP
    proc = subprocess.Popen(command, env=env, cwd=cwd)
    failures = []
    try:
        app = find_app("netadmin-quiz")
        if app is None:
            print("FAIL: the program did not appear on the accessibility bus")
            return 1
        first_quiz(app, failures)
        question_four(app, failures)
    except RuntimeError as e:
        failures.append(str(e))
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
