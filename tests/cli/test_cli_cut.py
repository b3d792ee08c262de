# SPDX-License-Identifier: GPL-3.0-or-later
"""zelvik-cli cut end to end: arguments, the pieces file and the JSON; the optimiser's rules
are the core tests' business."""
import os
import re
import subprocess
import tempfile
import unittest

from cli_support import assert_refused, ok, run

BASE = ("cut", "--stock", "6000", "--kerf", "3")
WITH_PDF = os.environ.get("ZELVIK_BUILD_UI") == "1"


class BadUsage(unittest.TestCase):
    ROWS = [
        ("cut",), ("cut", "--kerf", "3", "--piece", "100:1"), ("cut", "--stock", "6000", "--piece", "100:1"),
        BASE, BASE + ("--piece", "100:1", "--pieces", "x.csv"), BASE + ("--piece", "100"),
        BASE + ("--piece", "100:0"), BASE + ("--piece", "abc:1"), BASE + ("--piece",),
        ("cut", "--stock", "6000:x", "--kerf", "3", "--piece", "100:1"),
        ("cut", "--stock", "6000:1:2:3", "--kerf", "3", "--piece", "100:1"),
        ("cut", "--stock", "6000", "--kerf", "-1", "--piece", "100:1"),
        BASE + ("--piece", "100:1", "--time-limit", "0"), BASE + ("--piece", "100:1", "--time-limit", "7200"),
        BASE + ("--piece", "100:1", "--unit-weight", "x"),
        BASE + ("--piece", "100:1", "--spec", "L50x5", "--unit-weight", "3.77"),
        BASE + ("--piece", "100:1", "--spec", "L49x9"), BASE + ("--piece", "100:1", "--spec", "-10x1500x6000"),
        BASE + ("--piece", "100:1", "--density", "7.93"),
        BASE + ("--pieces", "/nonexistent/pieces.csv"), BASE + ("--piece", "100.25:1"),
        ("cut", "--stock", "6000:1:10,9000", "--kerf", "3", "--piece", "10:1"),
    ]

    def test_exit_2_with_one_line(self):
        for args in self.ROWS:
            with self.subTest(args=args):
                assert_refused(self, args, 2)


class NoPlan(unittest.TestCase):
    def test_exit_1_with_one_line(self):
        for args in [BASE + ("--piece", "6001:1"), ("cut", "--stock", "6000:2", "--kerf", "3", "--piece", "4000:3"),
                     BASE + ("--trim", "3000", "--piece", "10:1")]:
            with self.subTest(args=args):
                assert_refused(self, args, 1)


class Plan(unittest.TestCase):
    def test_the_shape(self):
        plan = ok(*BASE, "--piece", "2350:2:A", "--piece", "1200:1")
        self.assertEqual(plan, {
            "bars": [{"stock": 6000, "cuts": [2350, 2350, 1200], "offcut": 91, "kept": False}],
            "patterns": [{"stock": 6000, "cuts": [2350, 2350, 1200], "count": 1}],
            "totals": {"bars": {"6000": 1}, "stock_mm": 6000, "used_mm": 5900, "scrap_mm": 100, "kept_mm": 0},
            "lower_bound": {"bars": 1, "stock_mm": 6000, "cost": None},
            "optimal": True, "weight_kg": None, "cost": None})

    def test_options_reach_the_plan(self):
        plan = ok("cut", "--stock", "6000:4:300,9000::420", "--kerf=2.5", "--trim", "5", "--keep", "50",
                  "--unit-weight", "3.77", "--time-limit", "1", "--piece", "1990:6")
        self.assertEqual(plan["totals"]["bars"], {"6000": 2})
        self.assertEqual(plan["cost"], 600)
        self.assertEqual(plan["lower_bound"]["cost"], 600)
        self.assertAlmostEqual(plan["weight_kg"], 12 * 3.77)
        self.assertEqual(plan["bars"][0]["offcut"], 12.5)  # 5990 - 3 × 1990 - 3 × 2.5
        self.assertEqual(plan["patterns"], [{"stock": 6000, "cuts": [1990] * 3, "count": 2}])

    def test_spec_weighs_the_stock(self):
        plan = ok(*BASE, "--spec", "L50×5", "--density", "7.93", "--piece", "2350:2")
        self.assertAlmostEqual(plan["weight_kg"], 22.62 * 7.93 / 7.85, places=3)

    def test_same_length_twice_counts_once(self):
        plan = ok("cut", "--stock", "6000:1:300,6000::350", "--kerf", "0", "--piece", "6000:3")
        self.assertEqual(plan["totals"]["bars"], {"6000": 3})
        self.assertEqual(plan["cost"], 1000)

    def test_pieces_file(self):
        with tempfile.TemporaryDirectory() as d:
            for name, text in [("zh.csv", "\ufeff长度,数量,标签\r\n2350,2,柱\r\n1200,1,\r\n"),
                               ("en.csv", "label,quantity,length\nA,2,2350\nB,1,1200\n"),
                               ("bare.csv", "2350,2\n1200,1\n")]:
                path = os.path.join(d, name)
                with open(path, "w", encoding="utf-8") as f:
                    f.write(text)
                with self.subTest(file=name):
                    plan = ok(*BASE, "--pieces", path)
                    self.assertEqual(plan["bars"][0]["cuts"], [2350, 2350, 1200])
            path = os.path.join(d, "empty.csv")
            with open(path, "w", encoding="utf-8") as f:
                f.write("长度,数量\n")
            self.assertEqual(run(*BASE, "--pieces", path).returncode, 2)
            path = os.path.join(d, "bad.csv")
            with open(path, "w", encoding="utf-8") as f:
                f.write("长度,数量\n2350,2\nabc,1\n")
            p = run(*BASE, "--pieces", path)
            self.assertEqual(p.returncode, 2)
            self.assertIn("line 3", p.stderr)


class Sheet(unittest.TestCase):
    @unittest.skipUnless(WITH_PDF, "built without the Qt print library")
    def test_pdf_beside_the_json(self):
        pieces = [a for i in range(50) for a in ("--piece", f"{2990 - 53 * i}:20:P{i + 1}")]
        with tempfile.TemporaryDirectory() as d:
            path = os.path.join(d, "plan.pdf")
            plan = ok(*BASE, "--spec", "L50x5", "--pdf", path, *pieces)
            fonts = subprocess.run(["pdffonts", path], capture_output=True, text=True, check=True).stdout
            for line in fonts.splitlines()[2:]:
                self.assertRegex(line, r"\byes\s+(yes|no)\s+(yes|no)\s+\d+\s+\d+$", line)  # embedded
            text = subprocess.run(["pdftotext", path, "-"], capture_output=True, text=True, check=True).stdout
            pages = [re.sub(r"\s+", "", page) for page in text.split("\f")[:-1]]
            self.assertGreater(len(pages), 1)
            for n, page in enumerate(pages, 1):
                with self.subTest(page=n):
                    self.assertIn("下料优化", page)
                    self.assertIn("规格：∠50×50×5（3.770kg/m）", page)
                    self.assertIn(f"第{n}页/共{len(pages)}页", page)
            whole = "".join(pages)
            bars = sum(plan["totals"]["bars"].values())
            self.assertIn(f"需购原料：6000mm×{bars}根", whole)
            self.assertIn(f"方案{len(plan['patterns'])}原料6000mm×", whole)  # the last pattern's table
            p = run(*BASE, "--pdf", os.path.join(d, "no", "plan.pdf"), "--piece", "100:1")
            self.assertEqual((p.returncode, p.stdout), (1, ""))
            self.assertEqual(len(p.stderr.strip().splitlines()), 1, p.stderr)

    @unittest.skipUnless(WITH_PDF, "built without the Qt print library")
    def test_a_table_longer_than_a_page_runs_on_with_its_header(self):
        with tempfile.TemporaryDirectory() as d:
            path = os.path.join(d, "plan.pdf")
            plan = ok("cut", "--stock", "12000", "--kerf", "3", "--pdf", path, "--piece", "60:150")
            self.assertEqual(plan["patterns"][0]["count"], 1)
            text = subprocess.run(["pdftotext", "-layout", path, "-"], capture_output=True, text=True, check=True).stdout
            pages = text.split("\f")[:-1]
            self.assertGreater(len(pages), 1)
            for page in pages[1:]:
                self.assertIn("序号", page)
            self.assertRegex(pages[-1], r"\n\s*150\s+60\s+9387\s+9447\n")  # the last cut, from 149 × 63

    @unittest.skipIf(WITH_PDF, "built with the Qt print library")
    def test_pdf_needs_the_print_library(self):
        p = run(*BASE, "--pdf", "plan.pdf", "--piece", "100:1")
        self.assertEqual((p.returncode, p.stdout), (2, ""))


if __name__ == "__main__":
    unittest.main()
