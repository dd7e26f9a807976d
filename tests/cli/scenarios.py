#!/usr/bin/python3
"""The table of scenarios (tests/scenarios.txt) run through quintora-cli, for
what a command line can do: the window's three inputs are its --tabela
arguments, "=" runs it, and what it writes is what the window shows and
copies. It has no looks, no notes and no HTML: a mark is its refusal with
the mark's reason on standard error, and a result of a refused line is not
there to check.
Usage: scenarios.py QUINTORA_CLI"""
import os
import re
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "support"))
from scenarios import run_all  # noqa: E402

INPUTS = ["Text1(0)", "Combo1", "Text3(0)", "Combo2", "Text5(0)", "Combo3"]
START = ["1", "Kgf", "1", "Kgf.mm", "1", "Kgf/mm2"]
HEADINGS = {"Text1": "Força", "Text3": "Momento", "Text5": "Tensão"}


class CommandLine:
    def __init__(self, program):
        self.program, self.inputs = program, dict(zip(INPUTS, START))
        self.answer = self.clipboard = None

    def convert(self):
        arguments = [self.inputs[name] for name in INPUTS]
        self.answer = subprocess.run([self.program, "--tabela"] + arguments, capture_output=True,
                                     text=True, env=dict(os.environ, LC_ALL="C.UTF-8"), timeout=10)

    def result(self, column, row):
        """Row `row` of `column`'s results, as the table writes it."""
        block = self.answer.stdout.split(HEADINGS[column] + ":", 1)[1].split("\n\n")[0]
        return block.split("\n")[row].split("\t")[0]

    def step(self, line):
        presses = line.verb == "click" and line.field == "Command1" or \
            line.verb == "key" and line.text in ("Enter", "=")
        if line.verb == "type" and line.field in self.inputs:
            self.inputs[line.field] = line.text.rstrip("=")
            if line.text.endswith("="):
                self.convert()
        elif presses:
            self.convert()
        elif line.verb == "key" and line.text == "Ctrl+Shift+C":
            self.clipboard = self.answer.stdout
        elif line.verb == "click" and line.field in self.inputs:
            pass  # it only moves the focus
        else:
            raise AssertionError("no such step on the command line: %r" % line)

    def check(self, line):
        column, _, row = line.field.partition("(")
        if line.verb == "text" and line.field in self.inputs:
            assert self.inputs[line.field] == line.text
        elif line.verb in ("text", "rows") and self.answer.returncode != 0:
            pass  # a refused line has no results
        elif line.verb == "text":
            assert self.result(column, int(row.rstrip(")"))) == line.text
        elif line.verb == "rows":
            got = [self.result(line.field, i) for i in range(1, line.text.count("|") + 2)]
            assert "|".join(got) == line.text, got
        elif line.verb == "tint":
            refused = self.answer.returncode != 0
            assert refused == (line.text == "mark"), self.answer.stderr
        elif line.verb == "reason":
            assert re.search(r"(^|: )" + re.escape(line.text) + r"$", self.answer.stderr, re.M), \
                self.answer.stderr
        elif line.verb == "clipboard":
            assert self.clipboard.startswith(line.text), self.clipboard
        elif line.verb not in ("html", "note"):  # no HTML, no notes
            raise AssertionError("no such check on the command line: %r" % line)


def main(program):
    def run(scenario):
        cli = CommandLine(program)
        for line in scenario.lines:
            (cli.step if line.is_step else cli.check)(line)

    return run_all("cli", run)


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
