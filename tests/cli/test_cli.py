# SPDX-License-Identifier: GPL-3.0-or-later
"""zelvik-cli end to end: the evaluator's and the calculators' edge cases as a user's script sees them."""
import json
import math
import os
import subprocess
import tempfile
import unittest

from cli_support import CLI, ok, run


class Eval(unittest.TestCase):
    # (text, expected value, tolerance); None tolerance means exact.
    ROWS = [
        ("", 0, None), ("1200", 1200, None), (" 12 00 ", 1200, None), ("1,200", 0, None),
        ("2x3", 6, None), ("2X3", 6, None), ("2×3", 6, None), ("8\\2", 4, None), ("8÷2", 4, None),
        ("（1+2）×3", 9, None), ("[1+2]*{3}", 9, None), ("2(3+4)", 14, None), ("9(2)", 18, None),
        ("2sqrt(9)", 6, None), ("(2)(3)", 0, None), ("-2*3", -6, None), ("2*-3", 0, None), ("2*(-3)", -6, None),
        ("+3", 0, None), ("--3", 0, None), ("pow(2,10)", 1024, None), ("pow(2,-1)", 0, None),
        ("pow(2,(-1))", 0.5, None), ("mod(7,3)", 1, None), ("mod(-7,3)", -1, None), ("mod(7,0)", 0, None),
        ("sin(30)", math.sin(30 * 3.1415926 / 180), 0), ("acos(0.5)", math.acos(0.5) * 180 / 3.1415926, 0),
        ("atan(1)", math.atan(1) * 180 / 3.1415926, 0), ("cot(0)", 0, None),
        ("cot(45)", 1 / math.tan(45 * 3.1415926 / 180), 0), ("cosh(0)", 1, None),
        ("sinh(30)", math.sinh(30 * 3.1415926 / 180), 0), ("sqrt(-1)", 0, None), ("ln(0)", 0, None),
        ("log(-5)", 0, None), ("acos(2)", 0, None), ("1/0", 0, None), ("5/(3-3)", 0, None), ("2^3", 0, None),
        ("1e5", 0, None), ("SIN(30)", math.sin(30 * 3.1415926 / 180), 0), ("sin30", 0, None), ("1.5", 1.5, None),
        (".5", 0.5, None), ("5.", 5, None), ("0.1+0.2", 0.30000000000000004, None),
        ("exp(1)", 2.718281828459045, None), ("EXP(1)", 2.718281828459045, None), ("1.2.3", 0, None),
        ("1" * 32, 0, None), ("1,2", 0, None),
    ]

    def test_every_row(self):
        for text, value, tol in self.ROWS:
            with self.subTest(text=text):
                got = ok("eval", text)["value"]
                if tol is None:
                    self.assertEqual(got, value)
                else:
                    self.assertAlmostEqual(got, value, delta=1e-12)

    def test_printed_with_17_significant_digits(self):
        self.assertEqual(run("eval", "sin(30)").stdout.strip(), '{"value": 0.49999999226497954}')
        self.assertEqual(run("eval", "0.1+0.2").stdout.strip(), '{"value": 0.30000000000000004}')
        self.assertEqual(run("eval", "acos(0.5)").stdout.strip()[:20], '{"value": 60.0000010')

    def test_capacity(self):
        self.assertEqual(ok("eval", "1+" * 49 + "1")["value"], 50)   # 99 characters
        self.assertEqual(ok("eval", "1+" * 50 + "1")["value"], 0)    # 101 characters
        self.assertEqual(ok("eval", "(" * 60 + "1" + ")" * 60)["value"], 0)


def strict(stdout):
    """Parses as RFC 8259 does: no NaN or Infinity tokens."""
    def refuse(token):
        raise AssertionError(f"non-standard JSON token {token}")
    return json.loads(stdout, parse_constant=refuse)


class StrictJson(unittest.TestCase):
    def test_non_finite_values_are_null_with_their_text(self):
        rows = [("pow(10,400)", "inf"), ("0-pow(10,400)", "-inf"), ("pow(10,400)-pow(10,400)", "nan")]
        for text, word in rows:
            with self.subTest(text=text):
                p = run("eval", text)
                self.assertEqual(p.returncode, 0)
                self.assertEqual(strict(p.stdout), {"value": None, "text": word})

    def test_invalid_utf8_in_arguments_becomes_replacement_characters(self):
        # Arguments as raw bytes: "1", two stray bytes, a truncated 3-byte sequence, "2".
        p = subprocess.run([CLI, "weight", "fastener", "--length", b"1\xff\xfe\xe4\xb82"],
                           capture_output=True)
        self.assertEqual(p.returncode, 0)
        out = strict(p.stdout.decode("utf-8", errors="strict"))
        self.assertEqual(out["length_text"], "1\ufffd\ufffd\ufffd2")

    def test_every_command_prints_strict_json(self):
        for args in (["eval", "sqrt(2)"], ["weight", "hot-angle", "--length", "6000"], ["sizes", "wire-rope"],
                     ["sizes", "fastener", "--type", "#70"]):
            with self.subTest(args=args):
                p = run(*args)
                strict(p.stdout)


class Weight(unittest.TestCase):
    def w(self, calc, *args):
        return ok("weight", calc, *args)

    def test_edge_cases(self):
        # (calculator, arguments, expected fields)
        rows = [
            ("plate1", ["--length", "1000", "--width", "1000", "--thickness", "1", "--decimals", "0"], {"weight": "8"}),
            ("plate1", ["--length", "1000", "--width", "1000", "--thickness", "1"], {"weight": "7.85"}),
            ("plate1", ["--length", "1", "--width", "1", "--thickness", "1", "--units", "kg;m"], {"weight": "7.85"}),
            ("plate1", ["--length", "1", "--width", "1", "--thickness", "1", "--units", "t;m"], {"weight": "0.01"}),
            ("plate1", ["--length", "1", "--width", "1", "--thickness", "1", "--units", "2", "--decimals", "5"],
             {"weight": "0.00785"}),
            ("plate1", ["--length", "1000", "--width", "1000", "--thickness", "1", "--density", "8"], {"weight": "8.00"}),
            ("plate1", ["--length", "1000", "--width", "1000", "--thickness", "1", "--density", "7.85+1"],
             {"weight": "7.85"}),
            ("plate1", ["--length", "1000", "--width", "1000", "--thickness", "1", "--density", ""], {"weight": "0.00"}),
            ("plate1", ["--length", "1000", "--width", "1000", "--thickness", "1", "--units", "4"], {"weight": "0.00"}),
            ("plate1", ["--length", "1000", "--width", "1000", "--thickness", "1", "--decimals", "12"],
             {"weight": "0.00"}),
            ("plate1", ["--width", "1000", "--thickness", "1"], {"weight": "0.00"}),
            ("plate2", ["--area", "1000000", "--thickness", "1"], {"weight": "7.85"}),
            ("round-pipe", ["--outer", "20", "--inner", "0", "--length", "1000"], {"weight": "2.47"}),
            ("round-pipe", ["--outer", "20", "--wall", "r", "--length", "1000", "--mode", "wall"], {"weight": "2.47"}),
            ("round-pipe", ["--outer", "20", "--wall", "10", "--length", "1000", "--mode", "wall"], {"weight": "2.47"}),
            ("round-pipe", ["--outer", "20", "--wall", "2", "--length", "1000", "--mode", "wall"], {"weight": "0.89"}),
            ("round-pipe", ["--outer", "20", "--wall", "11", "--length", "1000", "--mode", "wall"],
             {"weight": "壁厚输入错误"}),
            ("round-pipe", ["--outer", "20", "--length", "1", "--units", "kg;m", "--decimals", "3"], {"weight": "2.466"}),
            ("round-pipe", ["--outer", "20", "--inner", "30", "--length", "1000"], {"weight": "-3.08"}),
            ("hot-angle", ["--size", "∠20×20×3", "--length", "6", "--units", "kg;m"],
             {"unit_weight": "0.889", "weight": "5.33"}),
            ("hot-angle", ["--length", "6000", "--decimals", "3"], {"unit_weight": "0.889", "weight": "5.334"}),
            ("hot-angle", ["--length", "6000", "--density", "8.0"], {"unit_weight": "0.906"}),
            ("hot-angle", ["--size", "#-1", "--length", "6000"], {"unit_weight": "0.000", "weight": "0.00"}),
            ("hot-channel", ["--size", "[16"], {"spec": "160×65×8.5", "unit_weight": "19.752", "weight": "0.00"}),
            ("i-beam", ["--size", "#44", "--length", "1", "--units", "1"], {"spec": "630×180×17.0", "weight": "141.19"}),
            ("hex-bar", ["--size", "8", "--length", "1", "--units", "kg;m"], {"unit_weight": "0.435", "weight": "0.43"}),
            ("rebar", ["--size", "#8", "--length", "9000"], {"unit_weight": "0.888", "weight": "7.99"}),
            ("cold-channel", ["--type", "外卷边槽钢", "--length", "1000"],
             {"unit_weight": "2.009", "weight": "2.01"}),
            ("square-tube", ["--length", "6000"], {"unit_weight": "0.679", "weight": "4.07"}),
            ("square-tube", ["--length", "6000", "--decimals", "3"], {"weight": "4.074"}),
            ("square-tube", ["--length", "6000", "--density", "7.93"], {"unit_weight": "0.686"}),
            ("square-tube", ["--size", "#123"], {"unit_weight": "1.060"}),
            ("square-tube", ["--size", "600×400×16"], {"unit_weight": "235.000"}),
            ("welded-pipe", ["--size", "1'×3.25", "--length", "6", "--units", "kg;m"], {"weight": "14.52"}),
            ("welded-pipe", ["--size", "#10", "--length", "6", "--units", "t;m", "--decimals", "5"],
             {"weight": "0.01452"}),
            ("fastener", ["--size", "M10", "--length", "100"], {"weight": "0.06", "length_text": "100"}),
            ("fastener", ["--size", "M10", "--length", "0.1", "--units", "kg;m", "--decimals", "3"],
             {"weight": "0.063"}),
            ("fastener", ["--type", "LM 6170-2000", "--size", "M10", "--units", "t;m", "--decimals", "9"],
             {"weight": "0.000007940", "length_text": "标准大小"}),
            ("fastener", ["--type", "开口销91-2000", "--size", "φ2", "--length", "20", "--decimals", "8"],
             {"weight": "0.00046911", "length_text": "20"}),
            ("fastener", ["--type", "开口销91-2000", "--size", "φ2", "--decimals", "8"], {"weight": "0.00000000"}),
            ("fastener", ["--type", "LM 810-1988", "--size", "M140×2.0", "--decimals", "5"], {"weight": "0.00000"}),
            ("fastener", ["--type", "DQ 5287-2002", "--size", "d=4.0", "--decimals", "5"], {"weight": "0.00000"}),
            ("ht-section", ["--size", "200×200", "--length", "12", "--units", "kg;m"],
             {"unit_weight": "49.900", "weight": "598.80"}),
            ("ht-section", ["--size", "200×200", "--length", "12", "--units", "kg;m", "--density", "7.93"],
             {"unit_weight": "50.409"}),
            ("ht-section", ["--type", "HN窄翼缘", "--size", "646×299"], {"unit_weight": "120.000"}),
            ("plate-mesh", ["--size", "δ4", "--area", "2000000"], {"unit_weight": "33.400", "weight": "66.80"}),
            ("plate-mesh", ["--size", "δ4", "--area", "2", "--units", "kg;m"], {"weight": "66.80"}),
            ("plate-mesh", ["--size", "δ4", "--area", "2", "--units", "t;m", "--decimals", "4"], {"weight": "0.0668"}),
            ("wire-rope", ["--type", "6×19", "--size", "φ20钢芯", "--length", "50"],
             {"unit_weight": "160.00", "weight": "80.00"}),
            ("wire-rope", ["--type", "6×19", "--size", "φ20钢芯", "--length", "50", "--units", "kg;m"],
             {"weight": "80.00"}),
            ("wire-rope", ["--type", "6×19", "--size", "φ20钢芯", "--length", "50", "--units", "t;m"],
             {"weight": "0.08"}),
            ("wire-rope", ["--type", "6×19", "--size", "φ20钢芯", "--length", "50", "--density", "9"],
             {"unit_weight": "160.00", "weight": "80.00"}),
            ("wire-rope", ["--type", "6×24S+7FC", "--size", "φ32天然纤芯"], {"unit_weight": "339.00"}),
        ]
        for calc, args, expected in rows:
            with self.subTest(calc=calc, args=args):
                out = self.w(calc, *args)
                self.assertEqual(out["calc"], calc)
                for key, value in expected.items():
                    self.assertEqual(out[key], value, key)

    def test_keys_present_only_where_the_calculator_has_the_field(self):
        with_unit = {"hot-angle", "hot-channel", "i-beam", "square-tube", "welded-pipe", "ht-section", "plate-mesh",
                     "wire-rope", "hex-bar", "oct-bar", "rebar", "cold-angle", "cold-channel", "cold-z"}
        calcs = ["plate1", "plate2", "hot-angle", "round-pipe", "hot-channel", "i-beam", "square-tube",
                 "welded-pipe", "fastener", "ht-section", "plate-mesh", "wire-rope", "hex-bar", "oct-bar", "rebar",
                 "cold-angle", "cold-channel", "cold-z"]
        for calc in calcs:
            with self.subTest(calc=calc):
                out = self.w(calc)
                self.assertEqual("unit_weight" in out, calc in with_unit)
                self.assertEqual("spec" in out, calc in {"hot-channel", "i-beam"})
                self.assertEqual("length_text" in out, calc == "fastener")
                self.assertIn("weight", out)


class UserDefinedSizes(unittest.TestCase):
    def config(self, text):
        d = tempfile.mkdtemp()
        path = os.path.join(d, "ConfigMW.ini")
        with open(path, "wb") as f:
            f.write(text.encode("gbk"))
        return path

    def test_rows_are_appended_and_stop_at_a_gap(self):
        path = self.config("[方管]\r\n型号1=A\r\n单重1=12.5kg\r\n型号2=B\r\n单重2=1\r\n型号4=D\r\n单重4=4\r\n"
                           "[槽钢]\r\n型号1=[20x\r\n规格1=200×73×7.0\r\n单重1=22.637\r\n")
        sizes = ok("sizes", "square-tube", "--config", path)
        self.assertEqual(len(sizes), 295)
        self.assertEqual(sizes[293], {"name": "A", "value": 12.5})
        out = ok("weight", "square-tube", "--config", path, "--size", "#293", "--length", "1", "--units", "1")
        self.assertEqual(out["unit_weight"], "12.500")
        out = ok("weight", "hot-channel", "--config", path, "--size", "[20x")
        self.assertEqual((out["spec"], out["unit_weight"]), ("200×73×7.0", "22.637"))
        self.assertEqual(len(ok("sizes", "square-tube")), 293)

    def test_missing_config_is_bad_usage(self):
        p = run("sizes", "hot-angle", "--config", "/nonexistent/ConfigMW.ini")
        self.assertEqual(p.returncode, 2)


class Sizes(unittest.TestCase):
    def test_lists(self):
        self.assertEqual(len(ok("sizes", "hot-angle")), 147)
        self.assertEqual(ok("sizes", "hot-angle")[0], {"name": "∠20×20×3", "value": 0.889})
        self.assertEqual(len(ok("sizes", "fastener", "--types")), 71)
        self.assertEqual(ok("sizes", "fastener", "--types")[70], "开口销91-2000")
        pins = ok("sizes", "fastener", "--type", "#70")
        self.assertEqual(pins[5], {"name": "φ2", "value": 6.951e-05, "per_mm": 1.998e-05})
        self.assertNotIn("per_mm", ok("sizes", "fastener")[0])
        self.assertEqual(len(ok("sizes", "wire-rope", "--type", "6×24S+7FC")), 40)
        self.assertEqual(len(ok("sizes", "cold-channel", "--type", "外卷边槽钢")), 26)


class BadUsage(unittest.TestCase):
    def test_exit_2_with_one_line(self):
        cases = [
            ["weight", "nope"], ["weight"], ["weight", "hot-angle", "--size", "nope"],
            ["weight", "hot-angle", "--size", "#147"], ["weight", "fastener", "--type", "LS 0"],
            ["weight", "plate1", "--colour", "red"], ["weight", "plate1", "--length"],
            ["weight", "plate1", "--units", "kg"], ["weight", "plate1", "--decimals", "two"],
            ["weight", "hot-angle", "--type", "#0"], ["weight", "plate1", "--area", "1"],
            ["weight", "round-pipe", "--mode", "outer"], ["sizes", "hot-angle", "--types"], ["eval"],
            ["eval", "1", "2"], ["frobnicate"], [], ["setting", "colour", "1"], ["setting", "danwei", "x"],
            ["setting", "danwei", "1.5"], ["setting", "danwei"], ["setting", "danwei", "3"],
            ["setting", "autorun", "1", "2"], ["setting", "--colour", "x"],
        ]
        for args in cases:
            with self.subTest(args=args):
                p = run(*args)
                self.assertEqual(p.returncode, 2)
                self.assertEqual(p.stdout, "")
                self.assertEqual(len(p.stderr.strip().splitlines()), 1, p.stderr)

    def test_help(self):
        p = run("--help")
        self.assertEqual(p.returncode, 0)
        self.assertIn("zelvik-cli weight CALC", p.stdout)


if __name__ == "__main__":
    unittest.main()
