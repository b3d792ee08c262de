#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks that a man page says what the program's --help says.

    check_man_pages.py PROGRAM MAN_PAGE [PROGRAM MAN_PAGE ...]

For each pair, runs PROGRAM --help and reads MAN_PAGE (roff source). They agree when
  - every usage line of --help ("  NAME ..." at the start of a line) is a line of the man
    page's SYNOPSIS and the tag of an entry (.TP) of the page, and the page has no usage
    line, in SYNOPSIS or as a tag, that --help lacks;
  - the page names exactly the --options that --help names;
  - every word of a word list in --help (a heading such as "Calculators:" over lines of
    bare words) appears in the page;
  - groff formats the page without a warning.
Exits 1 with every difference listed when they do not agree.
"""
import os
import re
import subprocess
import sys

OPTION = re.compile(r"(?<![\w-])--[a-z][a-z0-9-]*")
ESCAPES = [
    (re.compile(r"\\f(\[[^\]]*\]|\(..|.)"), ""),
    (re.compile(r"\\\[u([0-9A-Fa-f]{4,5})\]"), lambda m: chr(int(m.group(1), 16))),
    (re.compile(r"\\\(aq"), "'"),
    (re.compile(r"\\\((lq|rq)"), '"'),
    (re.compile(r"\\\(mu"), "\u00d7"),
    (re.compile(r"\\\(em"), "\u2014"),
    (re.compile(r"\\\(ti"), "~"),
    (re.compile(r"\\-"), "-"),
    (re.compile(r"\\&"), ""),
    (re.compile(r"\\ "), " "),
    (re.compile(r"\\e"), "\\\\"),
]
# The Chinese pages head their synopsis in Chinese.
SYNOPSIS_HEADINGS = ("SYNOPSIS", "概述")
JOINED_FONT_MACROS = {"BR", "BI", "IB", "IR", "RB", "RI"}
SPACED_FONT_MACROS = {"B", "I", "SM", "SB"}


def deroff(text):
    for pattern, replacement in ESCAPES:
        text = pattern.sub(replacement, text)
    return text


def macro_args(rest):
    args, current, quoted, i = [], "", False, 0
    while i < len(rest):
        c = rest[i]
        if quoted and c == '"' and rest[i + 1:i + 2] == '"':
            current += '"'
            i += 1
        elif c == '"':
            quoted = not quoted
        elif c == " " and not quoted:
            if current:
                args.append(current)
            current = ""
        else:
            current += c
        i += 1
    if current:
        args.append(current)
    return args


def read_man_page(path):
    """Returns {section: [text lines]} and the list of (section, tag) of .TP entries."""
    sections, tags = {"": []}, []
    section, want_tag = "", False
    with open(path, encoding="utf-8") as f:
        for raw in f:
            line = raw.rstrip("\n")
            if line.startswith(('.\\"', "'\\\"")):
                continue
            text = None
            if line.startswith("."):
                name, _, rest = line[1:].partition(" ")
                args = macro_args(rest)
                if name in ("SH", "SS"):
                    section = deroff(" ".join(args))
                    sections.setdefault(section, [])
                    continue
                if name == "TP":
                    want_tag = True
                    continue
                if name in JOINED_FONT_MACROS:
                    text = "".join(args)
                elif name in SPACED_FONT_MACROS:
                    text = " ".join(args)
                else:
                    continue
            else:
                text = line
            text = " ".join(deroff(text).split())
            if not text:
                continue
            sections[section].append(text)
            if want_tag:
                tags.append((section, text))
                want_tag = False
    return sections, tags


def read_help(program):
    result = subprocess.run([program, "--help"], capture_output=True, text=True, timeout=30)
    if result.returncode != 0:
        sys.exit(f"{program} --help exited {result.returncode}: {result.stderr.strip()}")
    return result.stdout


def word_lists(help_text):
    """The words under headings whose lines are nothing but bare words."""
    words, block, heading = [], [], None
    for line in help_text.splitlines() + [""]:
        if re.fullmatch(r"\S.*:", line):
            heading, block = line, []
        elif heading and line.strip():
            block.append(line)
        else:
            if heading and block and all(re.fullmatch(r"  [a-z0-9-]+( [a-z0-9-]+)*", b) for b in block):
                words += " ".join(block).split()
            heading, block = None, []
    return words


def render_warnings(page):
    """What groff says about the page, as man would format it (preconv reads UTF-8)."""
    with open(page, "rb") as f:
        source = subprocess.run(["preconv", "-e", "utf-8"], stdin=f, capture_output=True, check=True).stdout
    # Formatted in full, not with -z: lines that cannot be broken are found only then.
    result = subprocess.run(["groff", "-man", "-Tutf8", "-ww"], input=source, stdout=subprocess.DEVNULL,
                            stderr=subprocess.PIPE)
    return {l for l in result.stderr.decode(errors="replace").splitlines() if l.strip()}


def compare(program, page):
    name = os.path.basename(program)
    help_text = read_help(program)
    usage = {" ".join(l.split()) for l in help_text.splitlines()
             if l.startswith("  " + name) and (len(l) == 2 + len(name) or l[2 + len(name)] == " ")}
    sections, tags = read_man_page(page)
    text = "\n".join(l for lines in sections.values() for l in lines)
    synopsis = {l for h in SYNOPSIS_HEADINGS for l in sections.get(h, []) if l.split()[0] == name}
    tagged = {t for _, t in tags if t.split()[0] == name}

    problems = []

    def report(title, items):
        if items:
            problems.append(title)
            problems.extend("      " + i for i in sorted(items))

    report(f"  usage lines that `{name} --help` prints but the SYNOPSIS lacks:", usage - synopsis)
    report("  usage lines in the SYNOPSIS that --help does not print:", synopsis - usage)
    report("  usage lines of --help without an entry (.TP) of their own in the page:", usage - tagged)
    report("  entries (.TP) in the page for usage lines that --help does not print:", tagged - usage)
    help_options, page_options = set(OPTION.findall(help_text)), set(OPTION.findall(text))
    report("  options of --help missing from the page:", help_options - page_options)
    report("  options in the page that --help does not know:", page_options - help_options)
    page_words = set(re.findall(r"[\w-]+", text))
    report("  words of --help's lists missing from the page:", set(word_lists(help_text)) - page_words)
    if not usage:
        problems.append(f"  `{name} --help` printed no usage lines at all")
    report("  groff's warnings on the page:", render_warnings(page))
    if problems:
        print(f"MAN PAGE OUT OF STEP: {page} and `{name} --help` disagree.")
        print("\n".join(problems))
        print(f"Bring {os.path.basename(page)} in step with --help (SYNOPSIS, the entries, the options).\n")
        return False
    print(f"{page}: in step with `{name} --help` ({len(usage)} usage lines, {len(help_options)} options)")
    return True


def main(argv):
    if len(argv) < 2 or len(argv) % 2:
        sys.exit(__doc__)
    pairs = list(zip(argv[0::2], argv[1::2]))
    results = [compare(program, page) for program, page in pairs]
    return 0 if all(results) else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
