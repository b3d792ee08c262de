# SPDX-License-Identifier: GPL-3.0-or-later
"""zelvik-cli setting: the "Setting" section as the program stores it, also from several processes."""
import json
import os
import stat
import subprocess
import tempfile
import unittest

CLI = os.environ.get("ZELVIK_CLI", "zelvik-cli")
ZERO = {"danwei": 0, "autorun": 0, "minirun": 0, "hidetubiao": 0}


def setting(path, *args):
    p = subprocess.run([CLI, "setting", *args, "--config", path], capture_output=True, text=True)
    return p.returncode, (json.loads(p.stdout) if p.returncode == 0 else None), p.stderr


class Setting(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.TemporaryDirectory()
        self.path = os.path.join(self.dir.name, "ConfigMW.ini")

    def tearDown(self):
        self.dir.cleanup()

    def read(self):
        with open(self.path, "rb") as f:
            return f.read()

    def test_stores_as_the_program_does(self):
        # (arguments, values printed afterwards, file afterwards or None when deleted)
        steps = [
            ([], ZERO, None),
            (["danwei", "1"], {**ZERO, "danwei": 1}, b"[Setting]\ndanwei=1\n"),
            (["hidetubiao", "1"], {**ZERO, "danwei": 1, "hidetubiao": 1}, b"[Setting]\ndanwei=1\nhidetubiao=1\n"),
            (["danwei", "0"], {**ZERO, "hidetubiao": 1}, b"[Setting]\nhidetubiao=1\n"),
            (["hidetubiao", "0"], ZERO, None),
            (["autorun", "0"], ZERO, None),
        ]
        for args, values, after in steps:
            with self.subTest(args=args):
                code, out, err = setting(self.path, *args)
                self.assertEqual(code, 0, err)
                self.assertEqual(out, values)
                if after is None:
                    self.assertFalse(os.path.exists(self.path))
                else:
                    self.assertEqual(self.read(), after)

    def test_a_failed_write_exits_1(self):
        with open(self.path, "wb") as f:
            f.write(b"[Setting]\ndanwei=2\n")
        os.chmod(self.path, stat.S_IRUSR | stat.S_IRGRP | stat.S_IROTH)
        code, _, err = setting(self.path, "danwei", "0")
        self.assertEqual(code, 1)
        self.assertEqual(len(err.strip().splitlines()), 1)
        self.assertEqual(self.read(), b"[Setting]\ndanwei=2\n")

    def test_one_process_toggles_danwei_while_another_stores_hidetubiao(self):
        script = "for i in $(seq 1 150); do \"$0\" setting danwei $((i % 3)) --config \"$1\" >/dev/null || exit 1; done"
        toggler = subprocess.Popen(["sh", "-c", script, CLI, self.path])
        code, _, err = setting(self.path, "hidetubiao", "1")
        self.assertEqual(code, 0, err)
        self.assertEqual(toggler.wait(), 0)
        code, out, _ = setting(self.path)
        self.assertEqual(out["hidetubiao"], 1)
        self.assertEqual(out["danwei"], 0)  # the last toggle stored 150 % 3

    def test_two_processes_storing_different_keys_lose_neither(self):
        script = ("for i in $(seq 1 100); do \"$0\" setting \"$2\" $((i % 2)) --config \"$1\" >/dev/null || exit 1;"
                  " done; \"$0\" setting \"$2\" 7 --config \"$1\" >/dev/null")
        procs = [subprocess.Popen(["sh", "-c", script, CLI, self.path, key]) for key in ("autorun", "minirun")]
        self.assertEqual([p.wait() for p in procs], [0, 0])
        code, out, _ = setting(self.path)
        self.assertEqual(out, {**ZERO, "autorun": 7, "minirun": 7})
        self.assertEqual(sorted(os.listdir(self.dir.name)), ["ConfigMW.ini"])


if __name__ == "__main__":
    unittest.main()
