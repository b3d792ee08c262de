# SPDX-License-Identifier: GPL-3.0-or-later
"""The bash completion of zelvik-cli, driven as bash drives it: COMP_WORDS, COMP_CWORD and
the completion function, against the real program."""
import os
import shlex
import subprocess
import tempfile
import unittest

CLI = os.environ["ZELVIK_CLI"]
COMPLETION = os.environ["ZELVIK_COMPLETION"]


def complete(*words, cwd=None):
    """COMPREPLY for the command line zelvik-cli WORDS..., the cursor at the end of the last."""
    script = (f"source {shlex.quote(COMPLETION)}\n"
              f"COMP_WORDS=({' '.join(shlex.quote(w) for w in (CLI,) + words)})\n"
              f"COMP_CWORD={len(words)}\n"
              "_zelvik_cli\n"
              "printf '%s\\n' \"${COMPREPLY[@]}\"\n")
    out = subprocess.run(["bash", "--norc", "--noprofile", "-c", script], capture_output=True, text=True,
                         timeout=30, cwd=cwd, check=True).stdout
    return sorted(w for w in out.splitlines() if w)


class CompletionTest(unittest.TestCase):
    def test_words_offered(self):
        cases = [
            (("we",), ["weight", "welded-pipes"]),
            (("--v",), ["--version"]),
            (("weight", "hot"), ["hot-angle", "hot-channel"]),
            (("sizes", "cold-"), ["cold-angle", "cold-channel", "cold-z"]),
            (("weight", "plate1", "--u"), ["--units"]),
            (("weight", "plate1", "--units", "kg"), ["kg\\;m", "kg\\;mm"]),
            (("weight", "round-pipe", "--mode", ""), ["inner", "wall"]),
            (("sizes", "fastener", "--ty"), ["--type", "--types"]),
            (("setting", "--"), ["--config"]),
            (("eval", "--"), []),
            (("cut", "--pi"), ["--piece", "--pieces"]),
            (("cut", "--stock", ""), []),
            # Options that take a value the user must type get nothing offered.
            (("weight", "plate1", "--length", ""), []),
            (("weight", "plate1", "--wall", ""), []),
            (("sizes", "hot-angle", "--type", ""), []),
            (("nonsense", ""), []),
            (("list", "a.csv", "--format", ""), ["csv", "json", "pdf", "xlsx"]),
            (("list", "a.csv", "--c"), ["--customer"]),
        ]
        for words, expected in cases:
            with self.subTest(words=words):
                self.assertEqual(complete(*words), expected)

    def test_every_command_and_calculator(self):
        commands = complete("")
        for name in ("eval", "weight", "sizes", "setting", "--help", "--version"):
            self.assertIn(name, commands)
        calculators = complete("weight", "")
        self.assertEqual(len(calculators), 18)
        self.assertEqual(calculators, complete("sizes", ""))

    def test_spec_strings(self):
        self.assertEqual(complete("sp"), ["spec"])
        self.assertEqual(complete("weight", "--spec", "L50x5", "--ta"), ["--target-weight"])
        # A spec string, a weight: typed, never offered.
        self.assertEqual(complete("weight", "--spec", ""), [])
        self.assertEqual(complete("weight", "--spec", "L50x5", "--quantity", ""), [])

    def test_config_completes_file_names(self):
        with tempfile.TemporaryDirectory() as d:
            open(os.path.join(d, "ConfigMW.ini"), "w").close()
            os.mkdir(os.path.join(d, "Configs"))
            self.assertEqual(complete("setting", "--config", "Config", cwd=d), ["ConfigMW.ini", "Configs"])
            self.assertEqual(complete("list", "Config", cwd=d), ["ConfigMW.ini", "Configs"])
            self.assertEqual(complete("list", "a.csv", "--out", "Configs", cwd=d), ["Configs"])
            self.assertEqual(complete("cut", "--pieces", "Config", cwd=d), ["ConfigMW.ini", "Configs"])


if __name__ == "__main__":
    unittest.main()
