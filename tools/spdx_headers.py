#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Gives every source file of the repository its SPDX licence line, or with --check lists
the files that lack one (and exits 1). Sources: C++, Python, shell and CMake files, and the
scripts. The line goes first, after a shebang; files generated from other material carry
their own (tools/bearings/make_catalogue.py writes the bearing catalogue's).

    tools/spdx_headers.py [--check]
"""
import argparse
import os
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
TAG = "SPDX-License-Identifier:"
LICENSE = "GPL-3.0-or-later"


def comment_for(path):
    name = os.path.basename(path)
    if name.endswith((".cpp", ".h")):
        return "//"
    if name.endswith((".py", ".sh", ".cmake", ".bash")) or name == "CMakeLists.txt":
        return "#"
    if path.startswith(("scripts/", ".ci/")):
        return "#"
    return None


def sources():
    out = subprocess.run(["git", "ls-files"], cwd=ROOT, capture_output=True, text=True, check=True).stdout
    for path in out.splitlines():
        if path.startswith("data/") or not os.path.isfile(os.path.join(ROOT, path)):
            continue
        prefix = comment_for(path)
        if prefix:
            yield path, prefix


def has_tag(text):
    return TAG in "\n".join(text.splitlines()[:3])


def add_tag(text, prefix):
    line = f"{prefix} {TAG} {LICENSE}\n"
    if text.startswith("#!"):
        first, _, rest = text.partition("\n")
        return f"{first}\n{line}{rest}"
    return line + text


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--check", action="store_true")
    args = parser.parse_args()
    missing = []
    for path, prefix in sources():
        full = os.path.join(ROOT, path)
        with open(full, encoding="utf-8") as f:
            text = f.read()
        if has_tag(text):
            continue
        missing.append(path)
        if not args.check:
            with open(full, "w", encoding="utf-8") as f:
                f.write(add_tag(text, prefix))
    if args.check and missing:
        print("without an SPDX licence line:", *missing, sep="\n  ")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
