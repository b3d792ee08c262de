#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks the English translation: current with the sources and complete.

    check_translations.py LUPDATE TS_FILE LUPDATE_ARGUMENTS...

Current: lupdate, run with the build's arguments into a copy of TS_FILE, changes nothing (a
text added, changed or removed in the sources shows as a difference). Complete: every message
has a translation that is neither empty nor unfinished, and carries the same %1, %2 … markers
as its source. Prints the figures; exits 1 with each problem listed.
"""
import difflib
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

MARKER = re.compile(r"%L?(\d+)")
UPDATE = "cmake --build BUILD --target update_translations"


def stale(lupdate, ts, args):
    with tempfile.TemporaryDirectory() as tmp:
        copy = os.path.join(tmp, os.path.basename(ts))
        shutil.copyfile(ts, copy)
        run = subprocess.run([lupdate, *args, "-ts", copy], capture_output=True, text=True)
        if run.returncode != 0:
            return [f"lupdate failed: {run.stderr.strip()}"]
        with open(ts, encoding="utf-8") as a, open(copy, encoding="utf-8") as b:
            before, after = a.read().splitlines(), b.read().splitlines()
    if before == after:
        return []
    diff = list(difflib.unified_diff(before, after, "committed", "sources", lineterm="", n=1))
    return [f"{os.path.basename(ts)} is not current with the sources: run `{UPDATE}` and translate"] + diff[:60]


def incomplete(ts):
    problems, total = [], 0
    for context in ET.parse(ts).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            total += 1
            source = message.findtext("source") or ""
            translation = message.find("translation")
            forms = [f.text or "" for f in translation.iter("numerusform")] or [translation.text or ""]
            where = f"{name}: {source[:50]!r}"
            if translation.get("type") in ("unfinished", "vanished", "obsolete"):
                problems.append(f"{where}: {translation.get('type')}")
            elif any(not f.strip() for f in forms):
                problems.append(f"{where}: no translation")
            elif any(sorted(set(MARKER.findall(f))) != sorted(set(MARKER.findall(source))) for f in forms):
                problems.append(f"{where}: the markers %1, %2 … differ from the source's")
    return problems, total


def main(argv):
    if len(argv) < 3:
        sys.exit(__doc__)
    lupdate, ts, args = argv[0], argv[1], argv[2:]
    problems = stale(lupdate, ts, args)
    missing, total = incomplete(ts)
    problems += missing
    print(f"{os.path.basename(ts)}: {total} source texts, {total - len(missing)} translated")
    for p in problems:
        print(p)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
