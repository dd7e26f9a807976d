#!/usr/bin/python3
"""quintora-cli over a gigabyte of random lines on standard input: good and
bad conversions, empty lines, comments, invalid UTF-8 and NULs, lines of a
megabyte, and no final line end. Every line must get its one answer line,
and the peak memory stays under 10 MiB; then one line of 100 MB, the one
input whose memory grows with it. Not run by CI: it takes a few minutes.
Usage: bench/cli_gigabyte.py [QUINTORA_CLI] [MEGABYTES]"""
import os
import random
import subprocess
import sys
import tempfile
import time

cli = sys.argv[1] if len(sys.argv) > 1 else "build/package/app/quintora-cli"
megabytes = int(sys.argv[2]) if len(sys.argv) > 2 else 1024
BUDGET_KIB = 10 * 1024

POOL = [b"25 KN.m Kgf.cm", b"1,5 Kgf Tf N", b"-2 KN", b"3 N Kgf", b"12.5kN KN", b"abc",
        b"1e400 Kgf", b"2 kg/cm2 MPa", b"7 GPa", b"", b"   ", b"# a comment", b"1 Tf.m KN.m",
        b"\xff\xfe\x00 1 Kgf", b"0.1 MPa Kgf/cm2 Pa KPa", b"1 KN Kgf.cm", b"\x00\x00\x00"]


def make_input(path, size):
    """Writes about `size` bytes of random lines; returns how many lines."""
    rng = random.Random(1)
    lines = written = 0
    with open(path, "wb") as out:
        while written < size:
            chunk = rng.choices(POOL, k=50000)
            if rng.random() < 0.05:  # now and then a line of a megabyte
                chunk.append(b"0." + b"7" * (1 << 20) + b" Kgf")
            data = b"\n".join(chunk) + b"\n"
            out.write(data)
            written += len(data)
            lines += len(chunk)
        out.write(b"5 Kgf N")  # the last line, with no line end
    return lines + 1


def run(path):
    """The answer lines, the peak memory in KiB and the seconds of one run."""
    with tempfile.NamedTemporaryFile("r") as report, open(path, "rb") as stdin:
        start = time.perf_counter()
        command = subprocess.Popen(["/usr/bin/time", "-f", "%M", "-o", report.name, cli, "-"],
                                   stdin=stdin, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        answers = 0
        while block := command.stdout.read(1 << 20):
            answers += block.count(b"\n")
        command.wait()
        return answers, int(report.read().split()[-1]), time.perf_counter() - start


def main():
    with tempfile.TemporaryDirectory() as folder:
        path = os.path.join(folder, "lines.txt")
        lines = make_input(path, megabytes << 20)
        answers, kib, seconds = run(path)
        print(f"{os.path.getsize(path) / (1 << 20):.0f} MiB, {lines} lines: {answers} answer lines, "
              f"peak {kib / 1024:.1f} MiB, {seconds:.1f} s")
        ok = answers == lines and kib < BUDGET_KIB
        with open(path, "wb") as out:
            out.write(b"1." + b"1" * (100 << 20) + b" Kgf\n")
        answers, kib, seconds = run(path)
        print(f"one line of 100 MiB: {answers} answer line, peak {kib / 1024:.1f} MiB, {seconds:.1f} s")
        ok = ok and answers == 1
    print("every line answered, within 10 MiB" if ok else "FAILED")
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
