# SPDX-License-Identifier: GPL-3.0-or-later
"""Running zelvik-cli from the end-to-end tests."""
import json
import os
import subprocess

CLI = os.environ.get("ZELVIK_CLI", "zelvik-cli")


def run(*args):
    return subprocess.run([CLI, *args], capture_output=True, text=True, encoding="utf-8")


def ok(*args):
    p = run(*args)
    if p.returncode != 0:
        raise AssertionError(f"{args}: exit {p.returncode}: {p.stderr}")
    return json.loads(p.stdout)


def assert_refused(test, args, code):
    """The command exits with `code`, prints nothing on standard output and one line on error."""
    p = run(*args)
    test.assertEqual(p.returncode, code, p.stdout)
    test.assertEqual(p.stdout, "")
    test.assertEqual(len(p.stderr.strip().splitlines()), 1, p.stderr)
