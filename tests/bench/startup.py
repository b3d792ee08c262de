#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Start-up time and resident memory of zelvik beside an empty Qt window started the same way
(and beside the same window showing one line of Chinese, which loads a CJK font).

Each program is started N times in turn on the same X server; a program built with the start-up
probe prints "shown_ms=… rss_kb=…" once its window has painted, and quits. Time is measured here,
from the start of the process to that line. Prints medians and the ratios zelvik / empty window.

    tests/bench/startup.py [--build build] [--runs 15]

Uses $DISPLAY when set, otherwise starts its own Xvfb.
"""
import argparse
import os
import shutil
import statistics
import subprocess
import tempfile
import time


def start_xvfb():
    """Xvfb on a display it picks itself (-displayfd), so that no display number is guessed."""
    read, write = os.pipe()
    proc = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                            pass_fds=[write], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write)
    number = b""
    while not number.endswith(b"\n"):
        chunk = os.read(read, 16)
        if not chunk:
            raise SystemExit("Xvfb did not start")
        number += chunk
    os.close(read)
    return proc, ":" + number.decode().strip()


def measure(command, env):
    start = time.perf_counter()
    proc = subprocess.Popen(command, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, env=env, text=True)
    line = proc.stdout.readline()
    elapsed = (time.perf_counter() - start) * 1000
    proc.wait(timeout=30)
    fields = dict(part.split("=") for part in line.split())
    return elapsed, int(fields["rss_kb"])


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--build", default=os.path.join(os.path.dirname(__file__), "..", "..", "build"))
    parser.add_argument("--runs", type=int, default=15)
    args = parser.parse_args()
    empty = os.path.join(args.build, "tests", "bench", "empty_qt_window")
    programs = {
        "zelvik": [os.path.join(args.build, "src", "ui", "zelvik")],
        "empty Qt window": [empty],
        "one Chinese line": [empty, "--text"],
    }
    xvfb = None
    env = dict(os.environ, ZELVIK_STARTUP_PROBE="1")
    if "DISPLAY" not in env:
        xvfb, env["DISPLAY"] = start_xvfb()
    scratch = tempfile.mkdtemp()
    env["ZELVIK_CONFIG_DIR"] = os.path.join(scratch, "config")
    env["ZELVIK_RUNTIME_DIR"] = os.path.join(scratch, "run")
    env.setdefault("XDG_RUNTIME_DIR", scratch)
    try:
        results = {name: [] for name in programs}
        for name, program in programs.items():  # warm the file cache
            measure(program, env)
        for _ in range(args.runs):
            for name, program in programs.items():
                results[name].append(measure(program, env))
        med = {name: (statistics.median(t for t, _ in r), statistics.median(m for _, m in r))
               for name, r in results.items()}
        for name, (ms, kb) in med.items():
            print(f"{name:16s} start to shown {ms:7.1f} ms   resident {kb / 1024:6.1f} MiB")
        z, e = med["zelvik"], med["empty Qt window"]
        print(f"ratio            start {z[0] / e[0]:.2f} (goal <= 1.5)   memory {z[1] / e[1]:.2f} (goal <= 1.3)")
        t = med["one Chinese line"]
        print(f"beside one line  start {z[0] / t[0]:.2f}                memory {z[1] / t[1]:.2f}")
    finally:
        shutil.rmtree(scratch, ignore_errors=True)
        if xvfb:
            xvfb.terminate()  # a killed server would leave its lock file behind
            xvfb.wait()


if __name__ == "__main__":
    main()
