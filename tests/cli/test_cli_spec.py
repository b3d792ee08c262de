# SPDX-License-Identifier: GPL-3.0-or-later
"""zelvik-cli spec and weight --spec: the arguments and the JSON a script sees."""
import json
import unittest

from cli_support import ok, run


class Spec(unittest.TestCase):
    def test_json_as_the_issue_shows_it(self):
        rows = [
            ("L50×5", '{"calc": "hot-angle", "type": null, "size": "∠50×50×5", "dims": null, '
                      '"canonical": "∠50×50×5", "unit_weight": 3.77, "unit": "kg/m"}'),
            ("Φ20", '{"calc": "round-pipe", "type": null, "size": null, "dims": {"outer": 20}, '
                    '"canonical": "Φ20", "unit_weight": 2.46615, "unit": "kg/m"}'),
            ("Φ108×4", '{"calc": "round-pipe", "type": null, "size": null, "dims": {"outer": 108, "wall": 4}, '
                       '"canonical": "Φ108×4", "unit_weight": 10.2592, "unit": "kg/m"}'),
            ("-10×1500×6000", '{"calc": "plate1", "type": null, "size": null, '
                              '"dims": {"thickness": 10, "width": 1500, "length": 6000}, '
                              '"canonical": "-10×1500×6000", "unit_weight": 706.5, "unit": "kg/piece"}'),
            ("-50×5", '{"calc": "plate1", "type": null, "size": null, "dims": {"thickness": 5, "width": 50}, '
                      '"canonical": "-50×5", "unit_weight": 1.9625, "unit": "kg/m"}'),
        ]
        for text, expected in rows:
            with self.subTest(text=text):
                p = run("spec", text)
                self.assertEqual(p.returncode, 0, p.stderr)
                self.assertEqual(p.stdout, expected + "\n")

    def test_types_sizes_units_and_density(self):
        rows = [
            (["HW200×200"], {"type": "HW宽翼缘", "size": "200×200", "unit": "kg/m"}),
            (["GB 5782 M20×100"], {"type": "LS 5782-2000", "size": "M20", "dims": {"length": 100},
                                   "unit": "kg/piece"}),
            (["菱形花纹板δ4×1500×6000"], {"dims": {"sheet_width": 1500, "sheet_length": 6000},
                                          "unit_weight": 33.4, "unit": "kg/m²"}),
            (["6×19-20钢芯", "--density", "8"], {"size": "φ20钢芯", "unit_weight": 160, "unit": "kg/100m"}),
            (["L50×5", "--density", "7.93"], {"unit_weight": 3.80842}),
        ]
        for args, expected in rows:
            with self.subTest(args=args):
                got = ok("spec", *args)
                self.assertEqual({k: got[k] for k in expected}, expected)

    def test_unreadable_text_exits_2_with_candidates(self):
        p = run("spec", "L50×7")
        self.assertEqual(p.returncode, 2)
        got = json.loads(p.stdout)
        self.assertEqual(got["candidates"][:2], ["∠50×50×6", "∠50×50×5"])
        self.assertIn("L50×7", got["error"])
        self.assertEqual(len(p.stderr.splitlines()), 1)
        self.assertEqual(json.loads(run("spec", "H200×200").stdout)["candidates"], ["HW200×200", "HP200×200"])
        for args in (["spec"], ["spec", "--density", "8"], ["spec", "L50×5", "--units", "0"]):
            self.assertEqual(run(*args).returncode, 2, args)


class WeightBySpec(unittest.TestCase):
    def test_computes_as_the_calculator(self):
        rows = [
            (["--spec", "L50×5", "--length", "6000"],
             {"calc": "hot-angle", "canonical": "∠50×50×5", "unit_weight": "3.770", "weight": "22.62"}),
            (["--spec", "L50×5", "--length", "6", "--units", "kg;m", "--quantity", "10"],
             {"weight": "22.62", "quantity": 10, "total": "226.20"}),
            (["--spec", "-10×1500×6000", "--decimals", "1"], {"calc": "plate1", "weight": "706.5"}),
            (["--spec", "Φ108×4", "--length", "6", "--units", "kg;m"], {"weight": "61.56"}),
            (["--spec", "菱形花纹板δ4", "--area", "2", "--units", "kg;m"], {"weight": "66.80"}),
            (["--spec", "[16", "--length", "1000"], {"spec": "160×65×8.5", "weight": "19.75"}),
        ]
        for args, expected in rows:
            with self.subTest(args=args):
                got = ok("weight", *args)
                self.assertEqual({k: got[k] for k in expected}, expected)

    def test_target_weight(self):
        self.assertEqual(run("weight", "--spec", "L50×5", "--target-weight", "377").stdout, '{"length_mm": 100000}\n')
        self.assertEqual(ok("weight", "--spec", "L50×5", "--target-weight", "1000", "--length", "6000"),
                         {"pieces": 45, "weight": "1017.90"})
        self.assertEqual(ok("weight", "--spec", "-10×1500×6000", "--target-weight", "1000"),
                         {"pieces": 2, "weight": "1413.00"})
        self.assertEqual(ok("weight", "--spec", "-10×1500", "--target-weight", "706.5"), {"length_mm": 6000})

    def test_bad_usage(self):
        for args in (["--spec", "L50×7", "--length", "1"], ["--spec", "L50×5", "--area", "1"],
                     ["--spec", "-10×1500×6000", "--length", "1"], ["--spec", "L50×5", "--target-weight", "0"],
                     ["--spec", "L50×5", "--target-weight", "1", "--quantity", "2"],
                     ["--spec", "L50×5", "--quantity", "0"], ["--length", "1"]):
            with self.subTest(args=args):
                self.assertEqual(run("weight", *args).returncode, 2)
        self.assertEqual(run("weight", "--spec", "开口销φ2", "--target-weight", "0.00001").returncode, 1)


if __name__ == "__main__":
    unittest.main()
