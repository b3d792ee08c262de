# SPDX-License-Identifier: GPL-3.0-or-later
"""zelvik-cli end to end for the reference tools: density table, units, welded pipes, bearings."""
import json
import os
import subprocess
import unittest

from cli_support import CLI, assert_refused, ok, run


class BadUsage(unittest.TestCase):
    ROWS = [
        ("density", "--after", "3"), ("density", "--find", "铜", "--after", "124"), ("density", "--find", "x", "--after", "x"),
        ("density", "extra"), ("units", "--find", "x"), ("convert", "长度", "米 (m)", "米 (m)"),
        ("convert", "长度", "米 (m)", "千米", "1"), ("convert", "#23", "#0", "#0", "1"), ("convert", "#-1", "#0", "#0", "1"),
        ("convert", "长度", "#15", "#0", "1"), ("welded-pipes", "--thin"), ("bearings", "--selected", "3"),
        ("bearings", "--find", "6204", "--selected", "2110"), ("bearings", "--kind", "13"), ("bearings", "--kind", "-1"),
        ("bearings", "--kind", "1", "--find", "x"), ("bearings", "--kind"),
    ]

    def test_exit_2_with_one_line(self):
        for args in self.ROWS:
            with self.subTest(args=args):
                assert_refused(self, args, 2)


class Density(unittest.TestCase):
    def test_table(self):
        rows = ok("density")
        self.assertEqual(len(rows), 124)
        self.assertEqual(rows[0], {"no": "1", "name": "灰铸铁", "density": "7.0"})
        self.assertEqual(rows[6]["density"], "8.3～8.7")
        self.assertEqual(rows[123], {"no": "124", "name": "PE板", "density": "0.97"})

    def test_find_next(self):
        rows = []
        after = "-1"
        for _ in range(8):
            after = str(ok("density", "--find", "铜", "--after", after)["row"])
            rows.append(int(after))
        self.assertEqual(rows, [9, 10, 11, 12, 13, 24, 27, 9])
        self.assertEqual(ok("density", "--find", "7.3"), {"row": 2})
        self.assertEqual(ok("density", "--find", "7.3", "--after", "21"), {"row": 25})
        self.assertEqual(ok("density", "--find", "", "--after", "123"), {"row": 0})
        self.assertEqual(ok("density", "--find", "铂"), {"row": None})
        self.assertEqual(ok("density", "--find=灰铸铁", "--after=0"), {"row": 0})


class Units(unittest.TestCase):
    def test_table(self):
        table = ok("units")
        self.assertEqual(len(table), 23)
        self.assertEqual(table[0]["quantity"], "长度")
        self.assertEqual(table[0]["units"][:2], ["米 (m)", "分米 (dm)"])
        self.assertEqual(table[3]["units"][3], '[角]秒 (")')
        self.assertEqual(sum(len(q["units"]) ** 2 for q in table), 1035)

    # List texts and #N, the value field's reading, the result field's text.
    ROWS = [
        ("长度", "英寸 (in)", "厘米 (cm)", "1", "2.54"), ("#0", "#7", "#0", "1", "1852"),
        ("长度", "费密 (无)", "米 (m)", "1", "0.000000000000001"), ("质量", "原子质量单位 (u)", "千克 (kg)", "1", "0"),
        ("面积", "平方英寸 (in^2)", "平方英尺 (ft^2)", "144", "1"), ("长度", "米 (m)", "米 (m)", "12abc", "12"),
        ("长度", "米 (m)", "纳米(毫微米) (nm)", "1e308", "inf"), ("平面角", "[角]分 (′)", '[角]秒 (")', "1", "60"),
    ]

    def test_convert(self):
        for quantity, src, dst, value, result in self.ROWS:
            with self.subTest(quantity=quantity, src=src, dst=dst, value=value):
                self.assertEqual(ok("convert", quantity, src, dst, value), {"result": result})


class WeldedPipes(unittest.TestCase):
    def test_lines(self):
        pipes = ok("welded-pipes")
        self.assertEqual(len(pipes["thin"]), 14)
        self.assertEqual(len(pipes["thick"]), 14)
        self.assertEqual(pipes["thin"][5], "1×3.25  →φ33.5×3.25")
        self.assertEqual(pipes["thick"][0], "1/8×2.50→φ10.0×2.50")


class Bearings(unittest.TestCase):
    def test_catalogue(self):
        lines = ok("bearings")
        self.assertEqual(len(lines), 2110)
        self.assertEqual(lines[0], "深沟球轴承(GB/T276-94)")
        self.assertEqual(lines[55], "6204   204       20×47×14    0.103 ")
        self.assertEqual(lines[2109], "99476   9019476  380×670×175  254.0")

    def test_find_next(self):
        self.assertEqual(ok("bearings", "--find", "6204"),
                         {"line": 55, "kind": 1, "text": "6204   204       20×47×14    0.103 "})
        self.assertEqual(ok("bearings", "--find", "6204", "--selected", "55")["line"], 1706)
        self.assertEqual(ok("bearings", "--find", "6204", "--selected", "55")["kind"], 7)
        self.assertEqual(ok("bearings", "--find", "GB/T")["line"], 257)
        self.assertEqual(ok("bearings", "--find", "深沟球"), {"line": 0, "kind": None, "text": "深沟球轴承(GB/T276-94)"})
        self.assertEqual(ok("bearings", "--find", "NU202")["kind"], 3)
        self.assertEqual(ok("bearings", "--find", "SKF"), {"line": None})
        self.assertEqual(ok("bearings", "--find", "619/3", "--selected", "2109")["line"], 1)

    def test_kind(self):
        for entry, line in ((0, 0), (1, 0), (2, 257), (9, 1856), (12, 2099)):
            with self.subTest(entry=entry):
                self.assertEqual(ok("bearings", "--kind", str(entry)), {"line": line})


if __name__ == "__main__":
    unittest.main()
