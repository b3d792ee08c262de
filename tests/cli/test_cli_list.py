# SPDX-License-Identifier: GPL-3.0-or-later
"""zelvik-cli list: the JSON of a materials list file, its errors, and the csv, xlsx and pdf
it writes, read back as a spreadsheet program and a PDF viewer read them."""
import json
import math
import os
import re
import subprocess
import tempfile
import unittest

from cli_support import CLI, ok, run

HERE = os.path.dirname(os.path.abspath(__file__))
WITH_PDF = os.environ.get("ZELVIK_BUILD_UI") == "1"

LIST = ("\ufeff规格,长度,数量,材质,单价,计价方式,备注\r\n"
        "∠50×50×5,6000,10,Q235B,4200,元/吨,\r\n"
        "[20a,9000,4,Q235B,4300,元/吨,\"立柱, 两侧\"\r\n"
        "-10×1500×6000,,2,Q345B,4.6,元/千克,\r\n"
        "∠50×50×5,6000,2,Q235B,,,\r\n")


class ListFile(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.TemporaryDirectory()
        self.addCleanup(self.dir.cleanup)

    def path(self, name):
        return os.path.join(self.dir.name, name)

    def write(self, name, text, encoding="utf-8"):
        with open(self.path(name), "w", encoding=encoding, newline="") as f:
            f.write(text)
        return self.path(name)

    def test_json_has_every_row_totals_and_summary_unrounded(self):
        got = ok("list", self.write("a.csv", LIST))
        self.assertEqual(got["rows"][0], {
            "no": 1, "calc": "hot-angle", "product": "角钢(热轧)", "spec": "∠50×50×5", "material": "Q235B",
            "length_mm": 6000, "quantity": 10, "unit_weight": 3.77, "unit": "kg/m", "piece_kg": 22.62,
            "total_kg": 226.20000000000002, "price": 4200, "price_unit": "元/吨", "amount": 950.0400000000001,
            "note": ""})
        plate = got["rows"][2]
        self.assertEqual((plate["calc"], plate["length_mm"], plate["unit"], plate["total_kg"]),
                         ("plate1", None, "kg/piece", 1413))
        self.assertEqual(got["rows"][1]["note"], "立柱, 两侧")
        self.assertEqual((got["rows"][3]["price"], got["rows"][3]["amount"]), (0, 0))
        totals = got["totals"]
        self.assertEqual(totals["pieces"], 18)
        self.assertAlmostEqual(totals["total_kg"], 226.2 + 814.932 + 1413 + 45.24, places=9)
        self.assertAlmostEqual(totals["total_t"], totals["total_kg"] / 1000, places=12)
        self.assertEqual(list(totals), ["pieces", "total_kg", "total_t", "amount"])
        self.assertEqual([(s["spec"], s["pieces"], s["length_m"]) for s in got["summary"]],
                         [("∠50×50×5", 12, 72), ("[20a", 4, 36), ("-10×1500×6000", 2, 0)])
        self.assertEqual(list(got["summary"][0]),
                         ["product", "spec", "material", "pieces", "length_m", "total_kg", "amount"])

    def test_a_row_it_cannot_read_exits_2_and_writes_nothing(self):
        bad = self.write("bad.csv", LIST + "∠50×50×5,6000,0,,,,\r\n")
        for fmt in ("json", "csv", "xlsx", "pdf"):
            with self.subTest(fmt=fmt):
                out = self.path("out." + fmt)
                p = run("list", bad, "--format", fmt, "--out", out)
                self.assertEqual(p.returncode, 2)
                self.assertEqual(p.stderr.count("\n"), 1)
                if fmt != "pdf" or WITH_PDF:
                    self.assertIn("line 6: 数量 \"0\" 不是不小于 1 的整数", p.stderr)
                self.assertFalse(os.path.exists(out))
                self.assertEqual(p.stdout, "")

    def test_bad_usage_exits_2(self):
        good = self.write("a.csv", LIST)
        cases = [("list",), ("list", good, good), ("list", good, "--format", "ods"),
                 ("list", good, "--format", "xlsx"), ("list", good, "--decimals", "10"),
                 ("list", good, "--units", "9"), ("list", self.path("none.csv"))]
        for args in cases:
            with self.subTest(args=args):
                p = run(*args)
                self.assertEqual(p.returncode, 2, p.stderr)
                self.assertTrue(p.stderr.startswith("zelvik-cli: "))

    def test_csv_round_trips_also_from_gbk(self):
        first = ok("list", self.write("a.csv", LIST))
        p = run("list", self.path("a.csv"), "--format", "csv", "--out", self.path("b.csv"))
        self.assertEqual(p.returncode, 0, p.stderr)
        with open(self.path("b.csv"), "rb") as f:
            written = f.read()
        self.assertTrue(written.startswith(b"\xef\xbb\xbf\xe5\xba\x8f\xe5\x8f\xb7,"))  # BOM, 序号
        self.assertEqual(ok("list", self.path("b.csv")), first)
        gbk = self.write("gbk.csv", LIST.lstrip("\ufeff").replace("\r\n", "\n"), encoding="gbk")
        self.assertEqual(ok("list", gbk), first)
        stdout = subprocess.run([CLI, "list", self.path("a.csv"), "--format", "csv"], capture_output=True).stdout
        self.assertEqual(stdout, written)

    def test_xlsx_reads_back_as_the_json(self):
        listed = ok("list", self.write("a.csv", LIST))
        p = run("list", self.path("a.csv"), "--format", "xlsx", "--out", self.path("a.xlsx"), "--decimals", "3",
                "--customer", "华东钢构")
        self.assertEqual(p.returncode, 0, p.stderr)
        read = subprocess.run(["/usr/bin/python3", os.path.join(HERE, "read_xlsx.py"), self.path("a.xlsx")],
                              capture_output=True, text=True, check=True, timeout=60)
        items, summary = json.loads(read.stdout)
        self.assertEqual((items["title"], summary["title"]), ("材料清单", "汇总"))
        self.assertEqual(items["paper"], 9)  # A4
        self.assertIn("客户：华东钢构", items["rows"][1][0]["value"])
        header = [c["value"] for c in items["rows"][3]]
        self.assertEqual(header[:7], ["序号", "品名", "规格", "材质", "长度(mm)", "数量", "单重"])
        self.assertEqual(items["freeze"], "A5")
        self.assertEqual(items["print_rows"], "$4:$4")
        col = {name: i for i, name in enumerate(header)}
        rows = items["rows"][4:4 + len(listed["rows"])]
        # Numbers as a spreadsheet stores them: to 16 significant digits.
        same = lambda a, b: self.assertTrue(a == b or math.isclose(a, b, rel_tol=1e-15), f"{a} != {b}")
        for cells, row in zip(rows, listed["rows"]):
            value = lambda name: cells[col[name]]["value"]
            self.assertEqual(value("规格"), row["spec"])
            self.assertEqual(value("长度(mm)"), row["length_mm"])
            self.assertEqual(value("数量"), row["quantity"])
            self.assertEqual(value("单重"), row["unit_weight"])
            self.assertEqual(cells[col["单重"]]["format"], '0.000" %s"' % row["unit"])
            same(value("总重(kg)"), row["total_kg"])
            self.assertEqual(cells[col["总重(kg)"]]["format"], "0.000")
            if row["price"]:
                same(value("金额(元)"), row["amount"])
            else:
                self.assertIsNone(value("金额(元)"))
        totals = items["rows"][4 + len(listed["rows"])]
        last = 4 + len(listed["rows"])
        self.assertEqual(totals[0]["value"], "合计")
        for name, key in (("数量", "pieces"), ("总重(kg)", "total_kg"), ("金额(元)", "amount")):
            cell = totals[col[name]]
            self.assertRegex(cell["value"], r"^=SUM\([A-Z]5:[A-Z]%d\)$" % last)
            self.assertAlmostEqual(cell["cached"], listed["totals"][key], places=9)
        self.assertAlmostEqual(totals[col["备注"]]["cached"], listed["totals"]["total_t"], places=12)
        for width in items["widths"].values():
            self.assertGreaterEqual(width, 5)
        self.assertEqual([r[3]["value"] for r in summary["rows"][4:7]], [12, 4, 2])

    @unittest.skipUnless(WITH_PDF, "built without the Qt print library")
    def test_pdf_embeds_its_fonts_and_repeats_the_header(self):
        rows = "".join(f"∠50×50×5,{1000 + i},1,Q235B,4200,元/吨,第{i}根\r\n" for i in range(150))
        src = self.write("long.csv", "规格,长度,数量,材质,单价,计价方式,备注\r\n" + rows)
        p = run("list", src, "--format", "pdf", "--out", self.path("a.pdf"), "--customer", "华东钢构",
                "--project", "二号厂房")
        self.assertEqual((p.returncode, p.stderr), (0, ""))
        fonts = subprocess.run(["pdffonts", self.path("a.pdf")], capture_output=True, text=True, check=True).stdout
        font_lines = fonts.splitlines()[2:]
        self.assertTrue(font_lines)
        for line in font_lines:
            self.assertRegex(line, r"\byes\s+(yes|no)\s+(yes|no)\s+\d+\s+\d+$", line)  # emb yes
        text = subprocess.run(["pdftotext", "-layout", self.path("a.pdf"), "-"], capture_output=True, text=True,
                              check=True).stdout
        pages = [re.sub(r"\s+", "", page) for page in text.split("\f")[:-1]]  # blanks as pdftotext guesses them
        self.assertGreater(len(pages), 2)
        for n, page in enumerate(pages, 1):
            with self.subTest(page=n):
                self.assertIn("材料清单", page)
                self.assertIn("客户：华东钢构", page)
                self.assertRegex(page, r"日期：\d{4}-\d\d-\d\d")
                self.assertIn("规格", page)  # the table's header on every page it runs onto
                self.assertIn(f"第{n}页/共{len(pages)}页", page)
        self.assertIn("第149根", text)
        self.assertRegex(pages[-1], r"合计：150件，总重607\.63kg（0\.608t），金额2552\.04元")
        self.assertIn("汇总（按品名、规格、材质）", pages[-1])

    @unittest.skipIf(WITH_PDF, "built with the Qt print library")
    def test_pdf_needs_the_print_library(self):
        p = run("list", self.write("a.csv", LIST), "--format", "pdf", "--out", self.path("a.pdf"))
        self.assertEqual(p.returncode, 2)
        self.assertEqual(p.stderr.count("\n"), 1)


if __name__ == "__main__":
    unittest.main()
