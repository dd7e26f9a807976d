"""The table of scenarios (tests/scenarios.txt), read for the drivers written
in Python: the Windows program's under Wine, the page's in Chromium and
quintora-cli's. Each driver gives `run_all` one function that runs a
scenario; `run_all` says what each front end leaves out, and closes with
'N passed, N failed'."""
import os
import re
import sys
import traceback

TABLE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "scenarios.txt")
STEPS = {"type", "paste", "key", "click", "list", "menu", "dismiss"}
CHECKS = {"text", "rows", "tint", "reason", "clipboard", "html", "message", "running", "ended", "note"}
FIELDLESS = {"dismiss", "clipboard", "html", "message", "running", "ended", "note"}


def unescape(text):
    out, i = [], 0
    while i < len(text):
        repeat = re.match(r"\\\*(\d+)", text[i:])
        if repeat and out:  # the character before, N times in all
            out.append(out[-1] * (int(repeat.group(1)) - 1))
            i += repeat.end()
        elif text[i] == "\\" and i + 1 < len(text):
            out.append({"n": "\n", "t": "\t", "\\": "\\"}.get(text[i + 1], text[i + 1]))
            i += 2
        else:
            out.append(text[i])
            i += 1
    return "".join(out)


class Line:
    """One step or check: its verb, the field it names, and its text."""

    def __init__(self, text):
        self.verb, _, rest = text.partition(" ")
        self.field = ""
        if self.verb not in FIELDLESS:
            self.field, _, rest = rest.partition(" ")
        self.text = unescape(rest)
        if self.verb not in STEPS | CHECKS:
            raise ValueError("no such step or check: " + text)

    @property
    def is_step(self):
        return self.verb in STEPS

    def __repr__(self):
        return " ".join(w for w in (self.verb, self.field, repr(self.text)) if w)


class Scenario:
    def __init__(self, title):
        self.title, self.lines, self.left_out = title, [], {}


def scenarios():
    table = []
    with open(TABLE, encoding="utf-8") as f:
        for raw in f:
            line = raw.rstrip("\n")
            if not line.strip() or line.startswith("#"):
                continue
            if line.startswith("== "):
                table.append(Scenario(line[3:]))
            elif line.startswith("not on "):
                front_end, why = line[len("not on "):].split(": ", 1)
                table[-1].left_out[front_end] = why
            else:
                table[-1].lines.append(Line(line))
    return table


def run_all(front_end, run):
    """Runs every scenario that `front_end` does not leave out through
    `run(scenario)`, which raises AssertionError, or any error, on a fault."""
    passed = failed = 0
    for scenario in scenarios():
        if front_end in scenario.left_out:
            print("left out: %s (%s)" % (scenario.title, scenario.left_out[front_end]))
            continue
        try:
            run(scenario)
            passed += 1
            print("ok: " + scenario.title)
        except Exception:  # one scenario's fault never hides the others'
            failed += 1
            print("FAILED: " + scenario.title)
            traceback.print_exc(file=sys.stdout)
    print("%s: %d passed, %d failed" % (front_end, passed, failed))
    return 1 if failed or not passed else 0
