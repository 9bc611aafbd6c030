#!/usr/bin/python3
"""Two quizzes taken by keyboard alone with the Orca screen reader running,
checked against Orca's own record of what it said: a blind user must hear
what a sighted user reads, in the order it appears.

- the welcome and options windows and their buttons;
- each question, its number and the directions, when the question window
  opens, after the answer window closes, and after NEXT with no window between;
- a choice button's letter and answer text on Tab, and its pressed state;
- the feedback text of the answer window, and the result box's message;
- question 4's two diagrams and its exhibit open (read over AT-SPI).

The expected texts are read from the program over AT-SPI as it runs.

Usage: screen_reader.py PROGRAM [WORKING_DIRECTORY]
       screen_reader.py --desktop-entry FILE   (the entry's Exec in its Path)
Run through screen_reader.sh; exits 77 (skipped) when a tool is missing."""
import os
import re
import shlex
import subprocess
import sys
import tempfile
import time

SKIP = 77
PACE = 1.2  # seconds after a key: Orca has spoken before the next one
KEY_ECHOES = {"return", "tab", "space", "escape", "left alt", "left shift", "down", "n"}

pyatspi = None  # imported once the display and the accessibility bus are up


def spoken(text):
    return " ".join(text.split())


def nodes(node, depth=0):
    yield node
    for i in range(node.childCount if depth < 40 else 0):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from nodes(child, depth + 1)


def find(root, test, timeout=10.0):
    """The first showing node under `root` for which `test` holds."""
    end = time.time() + timeout
    while True:
        for node in nodes(root):
            try:
                if test(node) and node.getState().contains(pyatspi.STATE_SHOWING):
                    return node
            except Exception:
                pass
        if time.time() > end:
            raise RuntimeError(f"not found under {root.name!r}: {test.__doc__}")
        time.sleep(0.2)


def named(name, roles=None):
    test = lambda n: n.name == name and (roles is None or n.getRole() in roles)
    test.__doc__ = name
    return test


def text_of(node):
    t = node.queryText()
    return t.getText(0, t.characterCount)


class Run:
    """A virtual display with a window manager, the accessibility bus, Orca
    and the program; the expected utterances are collected as it goes."""

    def __init__(self, command, cwd, work):
        self.procs, self.expected = [], []
        read, write = os.pipe()
        self.start(["Xvfb", "-displayfd", str(write), "-screen", "0", "1280x800x24", "-nolisten", "tcp"],
                   pass_fds=(write,))
        os.close(write)
        os.environ["DISPLAY"] = ":" + os.read(read, 16).decode().strip()
        home = os.path.join(work, "home")
        os.makedirs(os.path.join(work, "run"), mode=0o700)
        os.environ.update(HOME=home, XDG_RUNTIME_DIR=os.path.join(work, "run"))
        self.start(["openbox"])
        self.start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
        time.sleep(1)
        global pyatspi
        import pyatspi
        self.log = os.path.join(work, "orca.log")
        self.orca = self.start(["orca", "--debug-file", self.log, "-u", os.path.join(work, "prefs")])
        self.app_named("orca", 30)
        env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        self.start(command, env=env, cwd=cwd)
        self.app = self.app_named("netadmin-quiz", 40)

    def start(self, argv, **kw):
        self.procs.append(subprocess.Popen(argv, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, **kw))
        return self.procs[-1]

    def app_named(self, name, timeout):
        end = time.time() + timeout
        while time.time() < end:
            try:
                desktop = pyatspi.Registry.getDesktop(0)
                for i in range(desktop.childCount):
                    app = desktop.getChildAtIndex(i)
                    if app is not None and app.name == name:
                        return app
            except Exception:
                pass
            time.sleep(0.3)
        raise RuntimeError(f"{name} did not appear on the accessibility bus")

    def key(self, *keys):
        for k in keys:
            subprocess.run(["xdotool", "key", k], check=True)
            time.sleep(PACE)

    def hear(self, *texts):
        self.expected += [spoken(t) for t in texts]

    def window(self, name, timeout=10.0):
        end = time.time() + timeout
        while time.time() < end:
            for i in range(self.app.childCount):
                w = self.app.getChildAtIndex(i)
                try:
                    if w is not None and w.name == name and w.getState().contains(pyatspi.STATE_SHOWING):
                        return w
                except Exception:
                    pass
            time.sleep(0.2)
        raise RuntimeError(f"no window {name!r}")

    def transcript(self):
        """What Orca said, in order: it writes its log when it ends."""
        self.orca.terminate()
        try:
            self.orca.wait(15)
        except subprocess.TimeoutExpired:
            self.orca.kill()
        with open(self.log, encoding="utf-8", errors="replace") as f:
            return [spoken(s) for s in re.findall(r"SPEECH OUTPUT: '(.*?)'\s*\{'established'", f.read(), re.S)]

    def stop(self):
        for p in reversed(self.procs):
            p.terminate()
            try:
                p.wait(10)
            except subprocess.TimeoutExpired:
                p.kill()


def question(run, number):
    """Once the question window shows `number`, Orca must say the question."""
    win = run.window("Network Admin Quiz")
    find(win, lambda n: n.getRole() == pyatspi.ROLE_LABEL and n.description == "Question number"
         and n.name == str(number))
    directions = find(win, lambda n: n.getRole() == pyatspi.ROLE_LABEL and n.description == "Directions").name
    run.hear(f"Question {number}: {text_of(find(win, named('Question')))} {directions}")
    return win


def result_box(run):
    box = run.window("Test Complete!")
    run.hear("Test Complete!", find(box, lambda n: "Right/Total" in n.name).name, "OK push button")
    run.key("Return")


def first_quiz(run):
    """Quiz 1 with the options as they come: questions and answers shuffled,
    the answer window after a wrong answer."""
    run.window("Network Admin Quiz 1.0", 20)
    run.hear("Network Admin Quiz 1.0", "I Agree push button")
    run.key("Return")
    run.window("Start the QUIZ")
    run.hear("Start the QUIZ", "Start the Quiz push button")
    run.key("Return")
    win = question(run, 1)
    run.key("Tab", "Tab")
    run.hear("Quit Test push button", "Choice A", text_of(find(win, named("Answer A"))))
    run.key("space")
    run.hear("checked")
    run.key("space")  # released again: nothing chosen is always wrong
    run.hear("not checked")
    run.key("alt+n")
    answer = run.window("The Answer")
    run.hear("The Answer", "Close push button", text_of(find(answer, named("Answer explanation"))))
    run.key("Escape")
    question(run, 2)
    run.key("Tab")
    run.hear("Quit Test push button")
    run.key("Return")
    result_box(run)


def question_four(run, failures):
    """Quiz 4 in slot order without the answer window: its first question,
    slot 4, names two diagrams and an exhibit."""
    run.window("Network Admin Quiz 1.0")
    run.hear("I Agree push button")
    run.key("Return")
    run.window("Start the QUIZ")
    run.key("shift+Tab", "shift+Tab", "space")
    run.hear("Questions check box checked", "not checked")
    run.key("shift+Tab", "shift+Tab", "space")
    run.hear("WRONG check box checked", "not checked")
    run.key("shift+Tab", "space")  # Shift+Tab enters the group at its last member
    run.hear("Quiz #4")
    run.key("Tab", "Tab", "Tab", "Tab", "Tab", "Return")
    question(run, 1)
    for i, picture in ((1, "mypic.gif"), (2, "mypic.jpg")):
        run.key("Tab", "Return")
        run.hear(f"Diagram #{i} push button", "Diagram", "Close push button")
        diagram = run.window("Diagram")
        try:
            find(diagram, lambda n: n.name == "Diagram picture" and n.description == picture, 5)
        except RuntimeError:
            failures.append(f"Diagram #{i} of question 4 did not show {picture}")
        run.key("Escape")
    run.key("Tab", "Return")
    run.hear("Exhibit #1 push button", "Exhibit")
    content = text_of(find(run.window("Exhibit"), named("Exhibit text")))
    if not all(fact in content for fact in ("SW1", "SW2", "VLAN 10", "VLAN 20")):
        failures.append(f"Exhibit #1 of question 4 shows {content[:80]!r}")
    run.key("Escape")
    run.key("alt+n")
    question(run, 2)
    run.key("alt+a", "alt+a")  # the focus stays on NEXT
    run.hear("Choice A checked", "Choice A not checked")
    run.key("alt+n")
    question(run, 3)
    run.key("Tab", "Return")
    result_box(run)


def unheard(expected, said):
    """The expected texts Orca did not say, each looked for after the last found."""
    missing, at = [], 0
    for text in expected:
        found = next((i for i in range(at, len(said)) if text in said[i]), None)
        if found is None:
            missing.append(text)
        else:
            at = found
    return missing


def print_transcript(said):
    """What Orca said after each key, one line a key."""
    line = []
    for s in said:
        if s in KEY_ECHOES and line:
            print("   ", " | ".join(line))
            line = []
        line.append(f"[{s}]" if s in KEY_ECHOES else s)
    print("   ", " | ".join(line))


def command_line(argv):
    if argv[1] == "--desktop-entry":
        entry = {}
        with open(argv[2], encoding="utf-8") as f:
            for line in f:
                key, _, value = line.rstrip("\n").partition("=")
                entry.setdefault(key, value)
        return shlex.split(entry["Exec"]), entry.get("Path") or None
    return [os.path.abspath(argv[1])], argv[2] if len(argv) > 2 else None


def main():
    command, cwd = command_line(sys.argv)
    failures = []
    with tempfile.TemporaryDirectory() as work:
        work = os.environ.get("KEEP_WORK", work)
        run = Run(command, cwd, work)
        try:
            first_quiz(run)
            question_four(run, failures)
        except RuntimeError as e:
            failures.append(str(e))
        said = run.transcript()
        run.stop()
    failures += [f"Orca did not say {t!r}" for t in unheard(run.expected, said)]
    failures += [f"a message box: {s!r}" for s in said if s.startswith(("alert Diagram", "alert Exhibit"))]
    print("What Orca said, key by key:")
    print_transcript(said)
    for f in failures:
        print("FAIL:", f)
    print("screen reader:", "ok" if not failures else f"{len(failures)} problems")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
