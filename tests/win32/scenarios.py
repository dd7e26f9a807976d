#!/usr/bin/python3
"""The table of scenarios (tests/scenarios.txt) run through quintora.exe under
Wine on a virtual X display, with real X input: boxes are read back through
the clipboard, a look from the box's pixels (its tint), a note from the
tooltip colour it is drawn in. Wine gives no reader of tooltips or of a
message's words: a reason is left to the other drivers, and a message is
checked for being shown.
Usage: scenarios.py QUINTORA_EXE WINDOW_FACTS (on an X display: see
CMakeLists.txt)"""
import os
import re
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "support"))
from scenarios import run_all  # noqa: E402

KEYS = {"Enter": "Return", "Space": "space", "End": "End", "Ctrl+C": "ctrl+c",
        "Ctrl+Shift+C": "ctrl+shift+c", "Ctrl+Q": "ctrl+q", "Alt+F4": "alt+F4"}
TINTS = {"255,192,192": "mark", "192,192,192": "unit", "255,255,255": "plain"}
# A tooltip's background, in which the note is drawn: Windows' own, which
# the driver gives Wine, whose own is white.
NOTE_COLOUR = "#FFFFE1"
INFO_WINDOW = r"HKCU\Control Panel\Colors"


def run(*command, **options):
    return subprocess.run(command, capture_output=True, text=True, timeout=20, **options).stdout


def put_clipboard(text):
    # xclip stays to serve the selection: its output is not waited for.
    subprocess.run(["xclip", "-selection", "clipboard"], input=text.encode(), timeout=20,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def read_facts(path):
    text = open(path, encoding="utf-8").read()
    caption = re.search(r"^caption='(.*)'$", text, re.M).group(1)
    twips = {name: [int(n) for n in place.split()]
             for name, place in re.findall(r"^twips\['(.*)'\]=\"(.*)\"$", text, re.M)}
    units = {name: names.split(", ") for name, names in re.findall(r"^units\['(.*)'\]='(.*)'$", text, re.M)}
    client = [int(n) for n in re.search(r"^client_twips='(.*)'$", text, re.M).group(1).split()]
    return caption, twips, units, client


def px(twips):
    return (twips * 96 + 720) // 1440


class Program:
    def __init__(self, exe, facts):
        self.exe = exe
        self.caption, self.twips, self.units, self.client = read_facts(facts)
        self.process = None

    def start(self):
        self.process = subprocess.Popen(["wine", self.exe], stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)
        pattern = "^%s$" % re.escape(self.caption)
        for _ in range(450):  # a first start in a new prefix can take minutes
            time.sleep(0.4)
            found = run("xdotool", "search", "--onlyvisible", "--name", pattern).split()
            geometry = found and run("xdotool", "getwindowgeometry", "--shell", found[0])
            if geometry:
                break
        assert geometry, "no window of " + self.exe
        self.window = found[0]
        g = dict(line.split("=") for line in geometry.split())
        width, height = int(g["WIDTH"]), int(g["HEIGHT"])
        self.x, self.y = int(g["X"]), int(g["Y"])
        self.left = (width - px(self.client[0])) // 2
        self.top = height - px(self.client[1]) - self.left
        self.focused = "Command1"

    def stop(self):
        if self.process and self.process.poll() is None:
            self.process.kill()
            self.process.wait()

    def centre(self, name):
        left, top, width, height = self.twips[name]
        return self.left + px(left + width // 2), self.top + px(top + height // 2)

    def click(self, name, button="1"):
        x, y = self.centre(name)
        run("xdotool", "mousemove", "--window", self.window, str(x), str(y), "click", button)
        time.sleep(0.1)
        self.focused = name

    def keys(self, *keys):
        run("xdotool", "key", "--clearmodifiers", *keys)
        time.sleep(0.2)

    def focus(self, name):
        """Gives `name` the focus: a box by a click, a button by Tab from the
        force input, as a click would press it."""
        if self.focused == name:
            return
        if name.startswith("Command"):
            self.click("Text1(0)")
            self.keys(*(["shift+Tab"] if name == "Command1" else ["Tab"] * 6))
            self.focused = name
        else:
            self.click(name)

    def read(self, name):
        """A box's text, through the clipboard."""
        put_clipboard("(nothing)")
        self.click(name)
        self.keys("ctrl+a", "ctrl+c")
        text = run("xclip", "-o", "-selection", "clipboard")
        return "" if text == "(nothing)" else text

    def clipboard(self, target="UTF8_STRING"):
        return run("xclip", "-o", "-selection", "clipboard", "-t", target).replace("\r\n", "\n")

    def shot(self):
        path = tempfile.mktemp(suffix=".png")
        w, h = px(self.client[0]), px(self.client[1])
        run("import", "-window", "root", "-crop", "%dx%d+%d+%d" % (w, h, self.x + self.left, self.y + self.top),
            "+repage", path)
        return path

    def colour(self, name):
        """The colour most of a box shows inside its frame, as "r,g,b": its
        background, whatever its text; in a selector, left of its arrow."""
        left, top, width, height = self.twips[name]
        x, y = self.left + px(left) + 3, self.top + px(top) + 3
        w = px(left + width) - px(left) - (22 if name.startswith("Combo") else 6)
        histogram = run("import", "-window", self.window, "-crop", "%dx%d+%d+%d" % (w, px(top + height) - px(top) - 6, x, y),
                        "-depth", "8", "-format", "%c", "histogram:info:")
        counts = re.findall(r"^\s*(\d+): \((\d+),(\d+),(\d+)", histogram, re.M)
        most = max(counts, key=lambda c: int(c[0]))
        return ",".join(most[1:])

    def messages(self):
        found = run("xdotool", "search", "--onlyvisible", "--name", "^%s$" % re.escape(self.caption)).split()
        return [w for w in found if w != self.window]

    def note(self):
        """Where the note is drawn in the client area, (x, y, w, h), or None."""
        run("xdotool", "mousemove", "0", "0")  # no hovered tooltip in the way
        time.sleep(0.6)
        path = self.shot()
        box = run("convert", path, "-alpha", "off", "-fill", "black", "+opaque", NOTE_COLOUR,
                  "-format", "%@", "info:")
        os.unlink(path)
        w, h, x, y = (int(n) for n in re.match(r"(\d+)x(\d+)\+(\d+)\+(\d+)", box).groups())
        return None if w <= 1 and h <= 1 else (x, y, w, h)

    def step(self, line):
        if line.verb == "type":
            self.click(line.field)
            self.keys("ctrl+a")
            run("xdotool", "type", "--delay", "20", "--", line.text) if line.text else self.keys("Delete")
            time.sleep(0.2)
        elif line.verb == "paste":
            put_clipboard(line.text)
            self.click(line.field)
            self.keys("ctrl+a", "ctrl+v")
        elif line.verb == "key":
            self.focus(line.field)
            for key in line.text.split(" "):
                if key in KEYS:
                    self.keys(KEYS[key])
                else:
                    run("xdotool", "type", "--", key)
                    time.sleep(0.2)
        elif line.verb == "click":
            self.click(line.field)
            time.sleep(0.3)
        elif line.verb == "list":
            current = self.read(line.field)
            self.keys("F4")
            if line.text.startswith("pick "):
                names = self.units[line.field]
                down = names.index(line.text[5:]) - (names.index(current) if current in names else -1)
                self.keys(*(["Down"] * down), "Return")
            else:
                self.keys("F4")
        elif line.verb == "menu":
            self.click(line.field, "3")
            self.keys(*(["Up"] * (1 if line.text == "all" else 2)), "Return")
        elif line.verb == "dismiss":
            self.keys("Return")  # the message has the focus, and OK is its default button
            time.sleep(0.3)

    def check(self, line):
        column, _, row = line.field.partition("(")
        if line.verb == "text":
            got = self.read(line.field)
            assert got == line.text, got
        elif line.verb == "rows":
            got = [self.read("%s(%d)" % (line.field, i)) for i in range(1, line.text.count("|") + 2)]
            assert "|".join(got) == line.text, got
        elif line.verb == "tint":
            got = self.colour(line.field)
            assert TINTS.get(got) == line.text, got
        elif line.verb == "clipboard":
            assert self.clipboard().startswith(line.text), self.clipboard()
        elif line.verb == "html":
            assert line.text in self.clipboard("text/html"), self.clipboard("text/html")
        elif line.verb == "message":
            for _ in range(50):
                if self.messages():
                    break
                time.sleep(0.1)
            assert self.messages(), "no message shown"
        elif line.verb == "running":
            assert self.process.poll() is None and not self.messages()
        elif line.verb == "ended":
            assert self.process.wait(timeout=20) == 0, self.process.returncode
        elif line.verb == "note":
            note = self.note()
            assert line.text == "clear" or note is None, "a note at %s" % (note,)
            for name, (left, top, width, height) in self.twips.items():
                if not note or not re.match(r"(Text[1-6]\(\d+\)|Combo[1-3])$", name):
                    continue
                x, y, w, h = note
                apart = px(left + width) <= x or x + w <= px(left) or px(top + height) <= y or y + h <= px(top)
                assert apart, "the note %s covers %s" % (note, name)


def main(exe, facts):
    run("wineserver", "-k")
    # Xvfb runs no window manager: Wine draws the frames and gives the focus,
    # as Windows does; and at 100 %, whatever a test before left.
    run("wine", "reg", "add", r"HKCU\Software\Wine\X11 Driver", "/v", "Managed", "/d", "N", "/f")
    run("wine", "reg", "add", r"HKCU\Control Panel\Desktop", "/v", "LogPixels", "/t", "REG_DWORD",
        "/d", "96", "/f")
    run("wine", "reg", "add", INFO_WINDOW, "/v", "InfoWindow", "/d", "255 255 225", "/f")
    program = Program(exe, facts)

    def scenario(s):
        program.start()
        try:
            for line in s.lines:
                (program.step if line.is_step else program.check)(line)
        finally:
            program.stop()

    try:
        return run_all("win32", scenario)
    finally:
        run("wine", "reg", "delete", INFO_WINDOW, "/v", "InfoWindow", "/f")


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:3]))
