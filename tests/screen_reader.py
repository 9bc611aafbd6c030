#!/usr/bin/python3
"""Two quizzes by keyboard with Orca: what Orca says, by its own log, must
hold in order what the windows show over AT-SPI; question 4's diagrams and
exhibit must open; every window the program centres stands in the middle of
the screen by its outer frame. Then the welcome window under qt6ct with a
10 pt font and a dark scheme: its texts in the same fonts, and legible.
Through screen_reader.sh: PROGRAM [WORKING_DIRECTORY] or --desktop-entry FILE
(the entry's Exec in its Path)."""
import collections
import contextlib
import os
import re
import shlex
import struct
import subprocess
import sys
import tempfile
import time

PACE = 1.2  # seconds after a key: Orca has spoken before the next one
SCREEN = (1280, 1024)
pyatspi = None  # imported once the display and the accessibility bus are up


def spoken(text):
    return " ".join(text.split())


def poll(what, get, timeout=10.0):
    end = time.time() + timeout
    while time.time() < end:
        with contextlib.suppress(Exception):
            if (found := get()) is not None:
                return found
        time.sleep(0.2)
    raise RuntimeError(f"not found: {what}")


def shown(nodes, test):
    return next((n for n in nodes if n and test(n) and n.getState().contains(pyatspi.STATE_SHOWING)), None)


def find(root, test, what, timeout=10.0):
    def nodes(node, depth=0):
        yield node
        for i in range(node.childCount if depth < 40 else 0):
            yield from nodes(node.getChildAtIndex(i), depth + 1)
    return poll(what, lambda: shown(nodes(root), test), timeout)


def text_of(root, name):
    t = find(root, lambda n: n.name == name and n.getRole() == pyatspi.ROLE_TEXT, name).queryText()
    return t.getText(0, t.characterCount)


def x11(*argv):
    return subprocess.run(argv, check=True, capture_output=True, text=True).stdout


def outer_frame(title):
    """The window's area grown by the frame the window manager reports."""
    def framed():
        wid = x11("xdotool", "search", "--onlyvisible", "--name", f"^{re.escape(title)}$").split()[0]
        extents = re.findall(r"\d+", x11("xprop", "-id", wid, "_NET_FRAME_EXTENTS").partition("=")[2])
        return (wid, [int(e) for e in extents]) if len(extents) == 4 else None
    wid, (left, right, top, bottom) = poll(f"the frame of {title!r}", framed, 5)
    info = x11("xwininfo", "-id", wid)  # the lines come in this order
    x, y, w, h = map(int, re.findall(r"^\s*(?:Absolute upper-left [XY]|Width|Height):\s*(-?\d+)", info, re.M))
    return x - left, y - top, w + left + right, h + top + bottom


class Run:
    """Xvfb, a window manager, the accessibility bus, Orca and the program."""

    def __init__(self, command, cwd, work):
        self.procs, self.expected, self.failures = [], [], []
        self.command, self.cwd, self.work, self.log = command, cwd, work, os.path.join(work, "orca.log")
        try:
            read, write = os.pipe()
            self.start(["Xvfb", "-displayfd", str(write), "-screen", "0", "%dx%dx24" % SCREEN, "-nolisten", "tcp",
                        "-fbdir", work], pass_fds=(write,))
            os.environ["DISPLAY"] = ":" + os.read(read, 16).decode().strip()
            os.makedirs(os.path.join(work, "run"), mode=0o700)
            os.environ.update(HOME=os.path.join(work, "home"), XDG_RUNTIME_DIR=os.path.join(work, "run"))
            self.start(["openbox"])
            self.start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
            time.sleep(1)
            global pyatspi
            import pyatspi
            self.orca = self.start(["orca", "--debug-file", self.log, "-u", os.path.join(work, "prefs")])
            self.app_named("orca", 30)
            self.start_program()
        except BaseException:
            self.stop()  # a stray Orca would keep the next run's from starting
            raise

    def start(self, argv, **kw):
        self.procs.append(subprocess.Popen(argv, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, **kw))
        return self.procs[-1]

    def stop(self):
        for p in self.procs:
            p.kill()
            p.wait()

    def start_program(self, **env):
        self.program = self.start(self.command, cwd=self.cwd, env=dict(
            os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", **env))
        self.app = self.app_named("netadmin-quiz", 40)

    def app_named(self, name, timeout):
        return poll(name, lambda: next((a for a in pyatspi.Registry.getDesktop(0) if a and a.name == name), None),
                    timeout)

    def window(self, name, timeout=10.0):
        return poll(f"window {name!r}", lambda: shown(self.app, lambda w: w.name == name), timeout)

    def screen(self):
        """The screen in Xvfb's frame-buffer file (XWD): (x, y) to (red, green, blue)."""
        with open(os.path.join(self.work, "Xvfb_screen0"), "rb") as f:
            data = f.read()
        head = struct.unpack(">25I", data[:100])
        start, lsb_first, bits, line = head[0] + 12 * head[19], head[7] == 0, head[11], head[12]
        assert bits == 32, f"a {bits}-bit screen"
        def pixel(x, y):
            at = start + y * line + 4 * x
            b, g, r = data[at:at + 3] if lsb_first else data[at + 3:at:-1]
            return r, g, b
        return pixel

    def key(self, *keys):
        for k in keys:
            subprocess.run(["xdotool", "key", k], check=True)
            time.sleep(PACE)
        return self

    def hear(self, *texts):
        self.expected += [spoken(t) for t in texts]

    def check(self, holds, failure):
        self.failures += [] if holds else [failure]

    def centred(self, title, timeout=10.0):
        """Once shown, centred within 2 px, and still there a moment later
        (no jump once the window manager has framed it)."""
        win = self.window(title, timeout)
        first = outer_frame(title)
        time.sleep(0.3)
        x, y, w, h = outer_frame(title)
        off = (x + w / 2 - SCREEN[0] / 2, y + h / 2 - SCREEN[1] / 2)
        self.check(max(abs(off[0]), abs(off[1])) <= 2 and first == (x, y, w, h),
                   f"{title!r} is not centred by its frame: outer {first} then {(x, y, w, h)} "
                   f"on a {SCREEN[0]}x{SCREEN[1]} screen, {off[0]:+.1f}, {off[1]:+.1f} px from the middle")
        return win

    def transcript(self):
        """What Orca said, in order: it writes its log as it ends."""
        self.orca.terminate()
        self.orca.wait(15)
        with open(self.log, encoding="utf-8", errors="replace") as f:
            return [spoken(s) for s in re.findall(r"SPEECH OUTPUT: '(.*?)'\s*\{'established'", f.read(), re.S)]


def contrast(a, b):
    """WCAG 2 contrast of two (red, green, blue) colours."""
    def luminance(c):
        lin = [v / 255 / 12.92 if v / 255 <= 0.04045 else ((v / 255 + 0.055) / 1.055) ** 2.4 for v in c]
        return 0.2126 * lin[0] + 0.7152 * lin[1] + 0.0722 * lin[2]
    dark, light = sorted((luminance(a), luminance(b)))
    return (light + 0.05) / (dark + 0.05)


def welcome_texts(run):
    """Each text of the welcome window as drawn inside its control's frame:
    the commonest colour (the background), the colour that stands out most
    from it (the text), and the box around the text's ink."""
    win = run.window("Network Admin Quiz 1.0", 20)
    time.sleep(1)  # a platform theme applies its settings once the program runs
    pixel, seen = run.screen(), {}
    for name, role in [("Written By", "LABEL"), ("Do you agree to the license agreement to the left?", "LABEL"),
                       ("Test name", "TEXT"), ("I Agree", "PUSH_BUTTON"), ("Exit", "PUSH_BUTTON"),
                       ("About", "PUSH_BUTTON")]:
        node = find(win, lambda n: n.name == name and n.getRole() == getattr(pyatspi, "ROLE_" + role), name)
        e, inset = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS), 0 if role == "LABEL" else 3
        points = [(i, j) for j in range(e.y + inset, e.y + e.height - inset)
                  for i in range(e.x + inset, e.x + e.width - inset)]
        count = collections.Counter(pixel(*p) for p in points)
        back = count.most_common(1)[0][0]
        ink = [p for p in points if contrast(pixel(*p), back) >= 3]
        box = (min(i for i, _ in ink), min(j for _, j in ink), max(i for i, _ in ink),
               max(j for _, j in ink)) if ink else None
        seen[name] = back, max(count, key=lambda c: contrast(c, back)), box
    return seen


def desktop_theme(run, plain):
    """The welcome window again under qt6ct with a 10 pt font and its darker
    scheme: each text in the same place and size as without a theme (the
    design's fonts), and each legible (4.5:1 at least)."""
    config = os.path.join(run.work, "config", "qt6ct")
    os.makedirs(config)
    with open(os.path.join(config, "qt6ct.conf"), "w", encoding="utf-8") as f:
        f.write("[Appearance]\ncolor_scheme_path=/usr/share/qt6ct/colors/darker.conf\ncustom_palette=true\n"
                "style=Fusion\n[Fonts]\ngeneral=\"DejaVu Sans,10,-1,5,50,0,0,0,0,0\"\n"
                "fixed=\"DejaVu Sans Mono,10,-1,5,50,0,0,0,0,0\"\n")
    run.program.kill()
    run.program.wait()
    run.start_program(QT_QPA_PLATFORMTHEME="qt6ct", XDG_CONFIG_HOME=os.path.dirname(config))
    themed = welcome_texts(run)
    run.check(themed["I Agree"][0] != plain["I Agree"][0],
              "the dark scheme did not reach the program: is qt6ct's platform theme installed?")
    for name, (back, text, box) in themed.items():
        # Within a pixel: the edges of the glyphs blend into another background.
        run.check(box and max(abs(a - b) for a, b in zip(box, plain[name][2])) <= 1,
                  f"{name!r} under qt6ct: its text spans {box}, without a theme {plain[name][2]}")
        run.check(contrast(back, text) >= 4.5,
                  f"{name!r} under qt6ct's dark scheme: {text} on {back}, {contrast(back, text):.2f}:1")


def question(run, number):
    win = run.window("Network Admin Quiz")
    find(win, lambda n: n.description == "Question number" and n.name == str(number), f"question {number}")
    directions = find(win, lambda n: n.description == "Directions", "directions").name
    run.hear(f"Question {number}: {text_of(win, 'Question')} {directions}")


def first_quiz(run):
    """Quiz 1 as the options come: shuffled, the answer window after a wrong answer."""
    run.centred("Network Admin Quiz 1.0", 20)
    run.welcome = welcome_texts(run)
    run.hear("Network Admin Quiz 1.0", "I Agree push button")
    run.key("Tab", "Tab", "Return")  # past Exit to About, and back to I Agree
    run.centred("About")
    run.key("Return", "shift+Tab", "shift+Tab")
    run.hear("About push button", "About", "Close push button", "I Agree push button")
    run.key("Return")
    run.centred("Start the QUIZ")
    run.hear("Start the QUIZ", "Start the Quiz push button")
    run.key("Return")
    question(run, 1)
    win = run.centred("Network Admin Quiz")
    run.key("Tab", "Tab").hear("Quit Test push button", "Choice A", text_of(win, "Answer A"))
    run.key("space", "space").hear("checked", "not checked")  # released again: nothing chosen is wrong
    run.key("alt+n")
    run.hear("The Answer", "Close push button", text_of(run.centred("The Answer"), "Answer explanation"))
    run.key("Escape")
    question(run, 2)
    run.key("Tab", "Return").hear("Quit Test push button", "Test Complete!")
    run.hear(find(run.window("Test Complete!"), lambda n: "Right/Total" in n.name, "result").name, "OK push button")
    run.key("Return")


def question_four(run):
    """Quiz 4 in slot order, slot 4 first, with two diagrams and an exhibit."""
    run.centred("Network Admin Quiz 1.0")  # loaded afresh after the test
    run.hear("I Agree push button")
    run.key("Return", "shift+Tab", "shift+Tab", "space").hear("Questions check box checked", "not checked")
    run.key("shift+Tab", "shift+Tab", "space").hear("WRONG check box checked", "not checked")
    run.key("shift+Tab", "space").hear("Quiz #4")  # Shift+Tab enters the group at its last member
    run.key("Tab", "Tab", "Tab", "Tab", "Tab", "Return")
    question(run, 1)
    for i, picture in ((1, "mypic.gif"), (2, "mypic.jpg")):
        run.key("Tab", "Return").hear(f"Diagram #{i} push button", "Diagram", "Close push button")
        find(run.window("Diagram"), lambda n: n.name == "Diagram picture" and n.description == picture,
             f"Diagram #{i} of question 4 showing {picture}", 5)
        run.key("Escape")
    run.key("Tab", "Return").hear("Exhibit #1 push button", "Exhibit")
    content = text_of(run.centred("Exhibit"), "Exhibit text")
    run.check(all(fact in content for fact in ("SW1", "SW2", "VLAN 10", "VLAN 20")),
              f"Exhibit #1 of question 4 shows {content[:80]!r}")
    run.key("Escape", "alt+n")
    question(run, 2)
    run.key("alt+a", "alt+a").hear("Choice A checked", "Choice A not checked")  # the focus stays on NEXT
    run.key("alt+n")
    question(run, 3)  # announced, as NEXT kept the focus


def unheard(expected, said):
    """What was expected but not said in that order. Orca 47 says "button"
    for the role Orca 43 calls "push button": both compare as the newer one."""
    same_roles = lambda text: text.replace(" push button", " button")
    missing, at, said = [], 0, [same_roles(s) for s in said]
    for text in expected:
        found = next((i for i in range(at, len(said)) if same_roles(text) in said[i]), None)
        missing, at = (missing + [text], at) if found is None else (missing, found)
    return missing


def main():
    if sys.argv[1] == "--desktop-entry":
        with open(sys.argv[2], encoding="utf-8") as f:
            entry = dict(line.rstrip("\n").partition("=")[::2] for line in f if "=" in line)
        command, cwd = shlex.split(entry["Exec"]), entry.get("Path") or None
    else:
        command, cwd = [os.path.abspath(sys.argv[1])], sys.argv[2] if len(sys.argv) > 2 else None
    with tempfile.TemporaryDirectory() as work:
        run = Run(command, cwd, work)
        try:
            first_quiz(run)
            question_four(run)
            desktop_theme(run, run.welcome)
        except (RuntimeError, subprocess.CalledProcessError) as e:
            run.failures.append(str(e))
        finally:
            said = run.transcript()
            run.stop()
    failures = run.failures + [f"Orca did not say {t!r}" for t in unheard(run.expected, said)]
    print("What Orca said:\n    " + " | ".join(said), *(f"FAIL: {f}" for f in failures), sep="\n")
    print("screen reader:", "ok" if not failures else f"{len(failures)} problems")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
