#!/usr/bin/python3
"""quintora-cli against its peers, in wall time and peak memory, medians of
interleaved runs: one conversion against GNU units, and a stream of a
million lines against awk doing the least that work can, one multiplication
and one printf a line.
Usage: bench/cli.py [QUINTORA_CLI] [RUNS]"""
import os
import random
import statistics
import subprocess
import sys
import tempfile
import time

cli = sys.argv[1] if len(sys.argv) > 1 else "build/default/app/quintora-cli"
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 21


def measure(command, stdin_path=None):
    """Wall time in ms of one run, and peak resident memory in KiB of
    another, which GNU time reports: the memory of a process forked from
    this one would count this one's."""
    def run(argv):
        with open(stdin_path or os.devnull, "rb") as stdin:
            start = time.perf_counter()
            subprocess.run(argv, stdin=stdin, stdout=subprocess.DEVNULL, check=True)
            return (time.perf_counter() - start) * 1000
    elapsed = run(command)
    with tempfile.NamedTemporaryFile("r") as report:
        run(["/usr/bin/time", "-f", "%M", "-o", report.name] + command)
        return elapsed, int(report.read().split()[-1])


def interleaved(commands, stdin_path=None):
    """The medians of time and memory of each command, run in turn."""
    times = [[] for _ in commands]
    memory = [[] for _ in commands]
    for _ in range(runs):
        for i, command in enumerate(commands):
            t, m = measure(command, stdin_path)
            times[i].append(t)
            memory[i].append(m)
    return [(statistics.median(t), statistics.median(m)) for t, m in zip(times, memory)]


one = interleaved([[cli, "25", "KN.m", "Kgf.cm"], ["units", "-t", "25 kN*m", "kgf*cm"]])
print("one conversion, median of %d: quintora-cli %.2f ms, %d KiB; GNU units %.2f ms, %d KiB"
      % (runs, one[0][0], one[0][1], one[1][0], one[1][1]))
print("  quintora-cli / GNU units: time %.2fx, memory %.2fx (goal <= 1)"
      % (one[0][0] / one[1][0], one[0][1] / one[1][1]))

random.seed(20261209)
with tempfile.NamedTemporaryFile("w", suffix=".txt", delete=False) as values:
    for _ in range(1_000_000):
        values.write("%.*f\n" % (random.randint(0, 4), random.uniform(0, 5000)))
stream_runs = max(5, runs // 4)
runs, saved = stream_runs, runs
lines = interleaved([[cli, "-", "--de", "KN.m", "--para", "Kgf.cm"],
                     ["awk", '{ printf "%.15g\\n", $1 * 10000 }']], values.name)
runs = saved
os.unlink(values.name)
print("a million lines, median of %d: quintora-cli %.0f ms, %d KiB; awk %.0f ms, %d KiB"
      % (stream_runs, lines[0][0], lines[0][1], lines[1][0], lines[1][1]))
print("  quintora-cli / awk: time %.2fx (goal <= 1.5)" % (lines[0][0] / lines[1][0]))
