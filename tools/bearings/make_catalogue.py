#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Builds the bearing catalogue of the bearing lookup from the rolling-bearing tables in
data/bearings/ and writes it as C++ (src/core/reference/bearing_lines.cpp).

    tools/bearings/make_catalogue.py [--check]

--check compares the generated text with the committed file instead of writing it.
What each kind takes from which file, and why, is in tools/bearings/README.md.
"""
import argparse
import csv
import math
import os
import re
import statistics
import sys
from dataclasses import dataclass, field

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
DATA = os.path.join(ROOT, "data", "bearings")
OUTPUT = os.path.join(ROOT, "src", "core", "reference", "bearing_lines.cpp")

STEEL_KG_PER_MM3 = 7.85e-6


# ---------------------------------------------------------------------------------------------
# Sources


def read_csv(name):
    with open(os.path.join(DATA, name), encoding="utf-8", newline="") as f:
        return list(csv.DictReader(f))


def is_plain_number(text):
    return re.fullmatch(r"\d+(\.\d+)?", text or "") is not None


class Sources:
    def __init__(self):
        self.derived = read_csv("derived_iso_gost_by_kind.csv")
        self.directory = {}
        for r in read_csv("ru_gost_directory.csv"):
            self.directory.setdefault(r["designation"], r)
        # The analogue table's masses, by GOST number: a second opinion where the directory's
        # mass fails the plausibility check.
        self.analog_mass = {}
        for r in read_csv("ru_gost_iso_analogs.csv"):
            if is_plain_number(r["mass_kg"]):
                self.analog_mass.setdefault(r["gost_designation"], float(r["mass_kg"]))

    def derived_rows(self, kind):
        seen = {}
        for r in self.derived:
            if r["kind"] != kind:
                continue
            key = r["iso_designation"]
            # Design variants (W33 lubrication groove) share the ISO number; the plain design
            # comes first in the file and is kept. A later duplicate only fills a missing mass.
            if key in seen:
                if not seen[key]["mass_kg"] and r["mass_kg"] and r["gost_designation"] == seen[key]["gost_designation"]:
                    seen[key] = r
                continue
            seen[key] = r
        return list(seen.values())

    def directory_row(self, designation):
        return self.directory.get(designation)


# ---------------------------------------------------------------------------------------------
# Rows


@dataclass
class Row:
    new: str
    old: str  # "" when the catalogue gives none
    d: str
    D: str
    B: str
    mass: float | None
    gost: str = ""  # the GOST number the row comes from, for the analogue mass
    rank: int = 0  # orders rows of equal d, D and B (design variants)
    text: str = field(default="", compare=False)

    def key(self):
        return (float(self.d), float(self.D), float(self.B), self.rank, self.new)

    def volume_kg(self):
        d, D, B = float(self.d), float(self.D), float(self.B)
        return STEEL_KG_PER_MM3 * math.pi / 4 * (D * D - d * d) * B


def dim(text):
    """A dimension as the tables write it: no trailing zeros, no trailing point."""
    if not is_plain_number(text):
        raise ValueError(f"not a plain dimension: {text!r}")
    if "." in text:
        text = text.rstrip("0").rstrip(".")
    return text


def mass_of(text):
    return float(text) if is_plain_number(text) else None


def from_derived(r, new=None, old=None, rank=0):
    return Row(new or r["iso_designation"], r["gost_designation"] if old is None else old, dim(r["d_mm"]),
               dim(r["D_mm"]), dim(r["B_mm"]), mass_of(r["mass_kg"]), r["gost_designation"], rank)


def from_directory(src, gost, new, old, rank=0, width=None):
    r = src.directory_row(gost)
    if r is None:
        raise KeyError(f"{gost} is not in the directory")
    B = width if width is not None else r["B_mm"]
    return Row(new, old, dim(r["d_mm"]), dim(r["D_mm"]), dim(B), mass_of(r["mass_kg"]), gost, rank)


# ---------------------------------------------------------------------------------------------
# Line layout: columns count a Chinese character or "×" as two.


def columns(text):
    return sum(2 if (ord(ch) > 0x2E7F or ch == "×") else 1 for ch in text)


def pad_to(text, column):
    return text + " " * max(0, column - columns(text))


def place(text, field_text, column):
    """Appends a field at its column, or one blank after the text where the text reaches it."""
    return pad_to(text, max(column, columns(text) + 1)) + field_text


LINE_COLUMNS = 37


def layout(kind, new, old, dims, weight):
    narrow = kind <= 3
    line = place(new, old or ("-------" if narrow else "-----"), 7 if narrow else 8)
    line = place(line, dims, 17)
    line = place(line, weight, 31 if narrow else 32)
    return pad_to(line, LINE_COLUMNS)


def weight_text(kind, mass):
    """Up to four decimals, in the room the kind's column leaves before column 37."""
    if mass is None:
        return "-----"
    if mass < 0.01 and kind <= 3:
        return f"{mass:.4f}"
    if mass < 10:
        return f"{mass:.3f}"
    if mass < 100:
        return f"{mass:.2f}"
    if mass < 1000:
        return f"{mass:.1f}"
    return f"{mass:.0f}"


def screen_masses(src, rows):
    """Drops masses that are implausible for their size (the directory has some off by ten).
    A mass is kept when its ratio to a solid steel ring of the bearing's size lies within
    0.6 to 1.6 times the kind's median ratio; otherwise the analogue table's mass is used
    when that one passes, and no mass is shown when neither does."""
    ratios = [r.mass / r.volume_kg() for r in rows if r.mass]
    if not ratios:
        return 0
    median = statistics.median(ratios)
    dropped = 0
    for r in rows:
        if r.mass is None:
            continue
        ok = lambda m: 0.6 * median <= m / r.volume_kg() <= 1.6 * median
        if ok(r.mass):
            continue
        other = src.analog_mass.get(r.gost)
        r.mass = other if other is not None and ok(other) else None
        dropped += r.mass is None
    return dropped


# ---------------------------------------------------------------------------------------------
# The twelve kinds. Each block lists its rows by bore, then outside diameter, then width, then
# design variant, which is how the catalogue reads: every size of a bore together.


def deep_groove_series(iso):
    for s in ("618", "619", "160"):
        if iso.startswith(s):
            return s
    return iso.split("/")[0] if "/" in iso else iso[:2]


def deep_groove(src):
    rows = []
    for r in src.derived_rows("deep_groove"):
        iso, d = r["iso_designation"], float(r["d_mm"])
        series = deep_groove_series(iso)
        if d < 3 or iso == "618/3" or series == "64" or (series == "63" and d < 10):
            continue
        if series in ("618", "619", "160") and d > 190:
            continue
        # Miniature bearings carry no old designation in the catalogue.
        rows.append(from_derived(r, old=r["gost_designation"] if d >= 10 else ""))
    for name in ("60/22", "62/22", "63/22", "60/28", "62/28", "63/28", "60/32", "63/32", "618/500", "619/500"):
        rows.append(from_directory(src, name, name, ""))
    rows.append(from_directory(src, "1/500", "60/500", "1/500"))
    return rows


def self_aligning_ball(src):
    return [from_derived(r) for r in src.derived_rows("self_aligning_ball")
            if float(r["d_mm"]) <= 110 and r["iso_designation"] != "2300"]


CYLINDRICAL_TYPES = ("NU", "NJ", "NUP", "N", "NF")


def cylindrical_roller(src):
    rows = []
    for r in src.derived_rows("cylindrical_roller"):
        m = re.fullmatch(r"([A-Z]+)(10|22|23|2|3|4)(\d\d)", r["iso_designation"])
        kind_, series, _ = m.groups()
        d = float(r["d_mm"])
        # The partial NF10, NF22 and NUP10 runs of the derived table are left out; the 10 series
        # runs to 280 mm, the 4 series to 200 mm and only the 2 series reaches 300 mm.
        if kind_ + series in ("NF10", "NF22", "NUP10"):
            continue
        limit = {"10": 280, "4": 200, "2": 300}.get(series, 280)
        if d < 15 or d > limit:
            continue
        rank = CYLINDRICAL_TYPES.index(kind_)
        if series in ("22", "23"):
            # The wide series are listed in the reinforced E design, which has the same
            # boundary dimensions; the old designation marks it the same way.
            rows.append(from_derived(r, new=r["iso_designation"] + "E", old=r["gost_designation"] + "E", rank=rank))
        else:
            rows.append(from_derived(r, rank=rank))
    return rows


def spherical_roller(src):
    rows = []
    for r in src.derived_rows("spherical_roller"):
        iso, gost, d = r["iso_designation"], r["gost_designation"], float(r["d_mm"])
        if not 30 <= d <= 280:
            continue
        # No old designation: the old code tells the lubrication-groove design (3506, 53506),
        # which the new designation does not.
        rows.append(from_derived(r, old=""))
        # The tapered-bore variant: GOST design digits 11 (113506 = 22206K, 4113124 = 24024K30).
        k_gost = "11" + gost if len(gost) == 4 else gost[0] + "11" + gost[3:]
        if src.directory_row(k_gost):
            suffix = "K30" if iso.startswith("24") else "K"
            rows.append(from_directory(src, k_gost, iso + suffix, "", rank=1))
    # The 213 series, listed under its own designations in the directory.
    for bore in range(6, 20):
        rows.append(from_directory(src, f"213{bore:02d}", f"213{bore:02d}", ""))
        rows.append(from_directory(src, f"213{bore:02d}K", f"213{bore:02d}K", "", rank=1))
    return rows


def tapered_roller(src):
    rows = []
    for r in src.derived_rows("tapered_roller"):
        iso, d = r["iso_designation"], float(r["d_mm"])
        series = iso[:3]
        if series not in TAPERED_SERIES:
            continue
        low, high = TAPERED_SERIES[series]
        if low <= d <= high:
            # No old designation: the old Chinese code (7204E) is not confirmed by a source.
            rows.append(from_derived(r, old=""))
    return rows


TAPERED_SERIES = {"302": (20, 190), "303": (20, 190), "313": (20, 180), "320": (25, 190), "322": (20, 190),
                  "323": (20, 190), "332": (25, 40)}


def angular_contact_ball(src):
    rows = []
    for r in src.derived_rows("angular_contact_ball"):
        m = re.fullmatch(r"7(0|2|3)(\d\d)(C|AC|B)", r["iso_designation"])
        if not m:
            continue
        series, _, angle = m.groups()
        d = float(r["d_mm"])
        limits = ANGULAR_SERIES.get(series + angle)
        if limits and limits[0] <= d <= limits[1]:
            rows.append(from_derived(r, rank=("C", "AC", "B").index(angle)))
    return rows


ANGULAR_SERIES = {"0C": (15, 100), "0AC": (15, 100), "2C": (15, 95), "2AC": (15, 95), "2B": (20, 95),
                  "3C": (20, 60), "3AC": (20, 60)}


def needle_roller(src):
    rows = []
    # GOST 4074900 = NA4900; the old Chinese code has design digits 54 instead of 07.
    for gost, r in src.directory.items():
        m = re.fullmatch(r"40748(\d\d)|40749(\d\d)", gost)
        if not m:
            continue
        series = "48" if m.group(1) else "49"
        bore = m.group(1) or m.group(2)
        if series == "48" and float(r["d_mm"]) > 280:
            continue
        rows.append(from_directory(src, gost, f"NA{series}{bore}", "454" + gost[3:]))
    for name in ("NA49/22", "NA49/28", "NA69/22", "NA69/28", "NA69/32", "RNA49/22", "RNA49/28", "RNA49/32"):
        rows.append(from_directory(src, name, name, ""))
    return rows


def thrust_ball(src):
    # 52307's height of 14 mm is a defect of the directory (the 523 series is about 2.5 times
    # taller), so that row is left out.
    return [from_derived(r) for r in src.derived_rows("thrust_ball") if r["iso_designation"] != "52307"]


def spherical_roller_thrust(src):
    return [from_derived(r) for r in src.derived_rows("spherical_roller_thrust")
            if 60 <= float(r["d_mm"]) <= 340]


def cylindrical_roller_thrust(src):
    rows = []
    for r in src.derived_rows("cylindrical_roller_thrust"):
        d, series = float(r["d_mm"]), r["iso_designation"][:3]
        if (series == "811" and 40 <= d <= 100) or (series == "812" and 120 <= d <= 130):
            rows.append(from_derived(r))
    return rows


def tapered_roller_thrust(src):
    rows = []
    for bore in ("26", "28", "30", "32", "34", "36", "38", "52", "64", "76"):
        gost = "90194" + bore
        rows.append(from_directory(src, gost, "994" + bore, gost))
    return rows


# GOST diameter digit of a double-row tapered roller bearing (type 7, design 9) -> the
# dimension series of its GB/T 299 designation. 5, 6 and 7 are the derived table's; 1, 2 and 9
# follow the same GOST-to-ISO diameter rule (1 is ISO 0, 9 is ISO 9) and are inferred.
DOUBLE_ROW_SERIES = {"5": "22", "6": "23", "7": "21", "1": "20", "2": "12", "9": "29"}


def overall_width(text):
    """A double-row bearing's width; the directory sometimes gives the cup width beside the
    overall one ("49.625/41"): the overall width is the larger."""
    return max(text.split("/"), key=float)


# Bore codes of metric bearings from 20 mm: every 5 mm to 110, every 10 mm to 200, then every 20.
STANDARD_BORE_CODES = set(range(4, 23)) | set(range(24, 41, 2)) | set(range(44, 97, 4))


def double_row_tapered(src):
    rows = {}
    for gost, r in src.directory.items():
        m = re.fullmatch(r"(20)?97(\d)(\d\d)", gost)
        if not m or m.group(2) not in DOUBLE_ROW_SERIES:
            continue
        if not (r["d_mm"].isdigit() and r["D_mm"].isdigit()):
            continue  # inch sizes, and cups with a flange ("72/82")
        if not all(is_plain_number(w) for w in r["B_mm"].split("/")):
            continue
        d, bore = int(r["d_mm"]), int(m.group(3))
        if d != bore * 5 or bore not in STANDARD_BORE_CODES or d > 340:
            continue
        new = "35" + DOUBLE_ROW_SERIES[m.group(2)] + m.group(3)
        row = from_directory(src, gost, new, "", width=overall_width(r["B_mm"]))
        # A designation met twice keeps the row of width digit 0, the one the derived table confirms.
        if new not in rows or m.group(1) is None:
            rows[new] = row
    return list(rows.values())


KINDS = [
    # (kind, heading, data lines, builder)
    (1, "深沟球轴承(GB/T276-94)", 256, deep_groove),
    (2, "调心球轴承(GB/T281-94)", 91, self_aligning_ball),
    (3, "圆柱滚子轴承(GB/T283-94)", 815, cylindrical_roller),
    (4, "调心滚子轴承(GB/T288-94)", 292, spherical_roller),
    (5, "圆锥滚子轴承(GB/T297-94)", 159, tapered_roller),
    (6, "双列圆锥滚子轴承(GB/T299-1995)", 76, double_row_tapered),
    (7, "角接触球轴承(GB/T292-94)", 108, angular_contact_ball),
    (8, "滚针轴承(GB/T5801-94)", 51, needle_roller),
    (9, "推力球轴承(GB/T301-1995)", 173, thrust_ball),
    (10, "推力调心滚子轴承(GB/T5859-94)", 53, spherical_roller_thrust),
    (11, "推力圆柱滚子轴承(GB/T4663-94)", 14, cylindrical_roller_thrust),
    (12, "推力圆锥滚子轴承(GB/T4663-1994)", 10, tapered_roller_thrust),
]


# Heading line of each kind in the finished list.
HEADING_LINES = [0, 257, 349, 1165, 1458, 1618, 1695, 1804, 1856, 2030, 2084, 2099]

# Weights the catalogue gives where the directory's differ (None: the catalogue gives none).
CATALOGUE_WEIGHTS = {
    1: {"619/3": "0.0008", "623": "0.002", "6204": "0.103", "60/500": "117.0"},
    3: {"NU202": None, "NUP2204E": "0.147"},
    4: {"22206": "0.500"},
    5: {"30204": "0.124", "32321": "14.458"},
    7: {"7204C": "0.100"},
    8: {"NA4900": "0.0243"},
    12: {"99476": "254.0"},
}
KINDS_WITHOUT_WEIGHTS = {10}


def build(src):
    lines, report = [], []
    for kind, heading, count, builder in KINDS:
        rows = sorted(builder(src), key=Row.key)
        if len(rows) != count:
            raise SystemExit(f"kind {kind}: {len(rows)} rows, the catalogue holds {count}")
        if len({r.new for r in rows}) != count:
            raise SystemExit(f"kind {kind}: a designation occurs twice")
        screened = screen_masses(src, rows)
        overrides = dict(CATALOGUE_WEIGHTS.get(kind, {}))
        if HEADING_LINES[kind - 1] != len(lines):
            raise SystemExit(f"kind {kind}: heading at line {len(lines)}, expected {HEADING_LINES[kind - 1]}")
        lines.append(heading)
        for r in rows:
            dims = "×".join((r.d, r.D, r.B))
            if kind in KINDS_WITHOUT_WEIGHTS:
                weight = "-----"
            elif r.new in overrides:
                weight = overrides.pop(r.new) or "-----"
            else:
                weight = weight_text(kind, r.mass)
                # Where a long dimension pushes the weight along, it gives up decimals (down to
                # one) rather than run past the line's width.
                while columns(layout(kind, r.new, r.old, dims, weight)) > LINE_COLUMNS and re.search(r"\.\d\d", weight):
                    weight = f"{r.mass:.{len(weight.split('.')[1]) - 1}f}"
            lines.append(layout(kind, r.new, r.old, dims, weight))
        if overrides:
            raise SystemExit(f"kind {kind}: no row for {sorted(overrides)}")
        report.append(f"kind {kind:2}: {count:3} lines, {rows[0].new} … {rows[-1].new}, "
                      f"{sum(r.mass is None for r in rows)} without weight ({screened} implausible)")
    return lines, report


def cpp_string(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'


def render(lines):
    out = ["// SPDX-License-Identifier: GPL-3.0-or-later AND MIT",
           "// Generated by tools/bearings/make_catalogue.py from data/bearings/; do not edit by hand.",
           "// The tables behind it are MIT-licensed: data/bearings/LICENSE.",
           "", '#include "reference/bearing_catalogue.h"', "", "namespace zelvik {", "", "namespace {", "",
           "constexpr std::string_view kLines[] = {"]
    out += [f"    {cpp_string(line)}," for line in lines]
    out += ["};", "", "}  // namespace", "",
            "std::span<const std::string_view> BearingLines() { return kLines; }", "", "}  // namespace zelvik", ""]
    return "\n".join(out)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true", help="compare with the committed file, write nothing")
    args = parser.parse_args()
    lines, report = build(Sources())
    text = render(lines)
    if args.check:
        with open(OUTPUT, encoding="utf-8") as f:
            if f.read() != text:
                raise SystemExit(f"{OUTPUT} differs from what the sources give")
    else:
        with open(OUTPUT, "w", encoding="utf-8") as f:
            f.write(text)
    print("\n".join(report))
    print(f"{len(lines)} lines, {sum(columns(l) > LINE_COLUMNS for l in lines if '×' in l)} longer than {LINE_COLUMNS} columns")


if __name__ == "__main__":
    main()
