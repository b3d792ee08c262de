# SPDX-License-Identifier: GPL-3.0-or-later
"""zelvik-cli custom and tasks end to end: the stored format as a script sees and changes it."""
import json
import os
import subprocess
import tempfile
import unittest

CLI = os.environ.get("ZELVIK_CLI", "zelvik-cli")


def run(*args, env=None):
    return subprocess.run([CLI, *args], capture_output=True, env=env)


class ConfigCase(unittest.TestCase):
    def setUp(self):
        self.tmp = tempfile.TemporaryDirectory()
        self.path = os.path.join(self.tmp.name, "ConfigMW.ini")

    def tearDown(self):
        self.tmp.cleanup()

    def write(self, text):
        with open(self.path, "wb") as f:
            f.write(text.encode("gbk"))

    def text(self):
        if not os.path.exists(self.path):
            return None
        with open(self.path, "rb") as f:
            return f.read().decode("gbk")

    def ok(self, *args):
        p = run(*args, "--config", self.path)
        self.assertEqual(p.returncode, 0, p.stderr.decode())
        return json.loads(p.stdout.decode("utf-8"))

    def refused(self, code, *args):
        p = run(*args, "--config", self.path)
        self.assertEqual(p.returncode, code, p.stdout.decode())
        lines = p.stderr.decode("utf-8").splitlines()
        self.assertEqual(len(lines), 1, lines)
        return lines[0]


class ReadOnly(ConfigCase):
    def test_a_change_that_cannot_be_stored_exits_1_with_one_line(self):
        self.write("[Setting]\nminirun=1\n")
        os.chmod(self.path, 0o444)
        for args in (["tasks", "add", "--kind", "1", "--period", "1"], ["tasks", "clear"],
                     ["custom", "add", "--kind", "0", "--model", "a", "--unit-weight", "1"]):
            with self.subTest(args=args):
                self.assertIn(self.path, self.refused(1, *args))
        self.assertEqual(self.text(), "[Setting]\nminirun=1\n")


class Custom(ConfigCase):
    def test_first_angle_row(self):
        self.assertEqual(self.ok("custom"), [])
        self.assertIsNone(self.text())
        rows = self.ok("custom", "add", "--kind", "0", "--model", "∠30×30×2", "--unit-weight", "0.9")
        self.assertEqual(rows, [{"line": "1、角钢(热轧) ∠30×30×2  0.9", "kind": 0, "model": "∠30×30×2", "spec": "",
                                 "unit_weight": "0.9"}])
        self.assertEqual(self.text(), "[角钢]\n型号1=∠30×30×2\n单重1=0.9\n")

    def test_checks_refuse_with_the_message(self):
        cases = [
            (["--kind", "1", "--model", "[20a", "--unit-weight", "22.637"], "请输入规格"),
            (["--kind", "槽钢(热轧)", "--model", "", "--spec", "s", "--unit-weight", "1"], "请输入型号"),
            (["--kind", "2", "--model", "I10", "--spec", "100×68×4.5", "--unit-weight", ""], "请输入单重"),
            (["--kind", "0", "--model", "a\nb", "--unit-weight", "1"], None),
        ]
        for args, message in cases:
            with self.subTest(args=args):
                line = self.refused(1, "custom", "add", *args)
                if message:
                    self.assertIn(message, line)
        self.assertIsNone(self.text())
        # An angle row has no spec: the given one is ignored.
        rows = self.ok("custom", "add", "--kind", "0", "--model", "∠20", "--spec", "x", "--unit-weight", "1")
        self.assertEqual(rows[0]["spec"], "")

    def test_listing_writes_nothing_and_a_start_renumbers(self):
        original = "[八角钢]\n型号1=a\n单重1=1\n型号2=b\n单重2=2\n型号3=c\n单重3=3\n[钢管]\n型号2=gap\n"
        self.write(original)
        self.assertEqual([r["line"] for r in self.ok("custom")], ["1、八角钢 a  1", "2、八角钢 b  2", "3、八角钢 c  3"])
        self.assertEqual(self.text(), original)
        rows = self.ok("custom", "delete", "2")
        self.assertEqual([r["model"] for r in rows], ["a", "c"])
        self.assertEqual(self.text(), "[八角钢]\n型号1=a\n单重1=1\n型号2=c\n单重2=3\n")
        self.ok("custom", "delete", "1")
        self.ok("custom", "delete", "1")
        self.assertIsNone(self.text())

    def test_bad_usage(self):
        for args in (["custom", "add", "--kind", "8", "--model", "a", "--unit-weight", "1"],
                     ["custom", "add", "--model", "a", "--unit-weight", "1"],
                     ["custom", "add", "--kind", "0", "--unit-weight", "1"],
                     ["custom", "delete"], ["custom", "delete", "0"], ["custom", "delete", "x"],
                     ["custom", "delete", "1"], ["custom", "--kind", "0"], ["custom", "move"]):
            with self.subTest(args=args):
                self.refused(2, *args)
        self.assertIsNone(self.text())


class Tasks(ConfigCase):
    def add(self, kind, period, **fields):
        args = ["tasks", "add", "--kind", str(kind), "--period", str(period)]
        for name, value in fields.items():
            args += ["--" + name, str(value)]
        return self.ok(*args)

    def test_list_add_and_the_stored_keys(self):
        self.assertEqual(self.ok("tasks"), [])
        tasks = self.add(0, 3, hour=8, minute=30, content="开会")
        # As the file holds it: a daily task stores no month or day, which read back as 0.
        self.assertEqual(tasks, [{"line": "1、每天 08:30:00 开会", "kind": 0, "period": 3, "month": 0, "day": 0,
                                  "weekday": 0, "hour": 8, "minute": 30, "second": 0, "content": "开会"}])
        self.assertEqual(self.text(), "[任务01]\nrenwuxiang01=0\nzhouqi01=3\nhour01=8\nminute01=30\nsecond01=0\n"
                                      "txy01=开会\n")
        tasks = self.add(3, 4, weekday=6, hour=18)
        self.assertEqual(tasks[1]["line"], "2、每周7 18:00:00 系统关机")

    def test_listing_writes_nothing(self):
        sections = "".join(f"[任务0{n}]\nrenwuxiang0{n}=0\nzhouqi0{n}=1\nsecond0{n}={n}\ntxy0{n}=t{n}\n" for n in (1, 2, 4))
        self.write(sections)
        self.assertEqual([t["line"] for t in self.ok("tasks")], ["1、每分钟 01 t1", "2、每分钟 02 t2"])
        self.assertEqual(self.text(), sections)
        self.assertEqual([t["content"] for t in self.ok("tasks", "delete", "1")], ["t2"])
    def test_the_69th_is_refused(self):
        for i in range(68):
            self.add(6, 1, second=i % 60)
        before = self.text()
        self.assertIn("任务数量超出范围", self.refused(1, "tasks", "add", "--kind", "0", "--period", "1"))
        self.assertEqual(self.text(), before)
        self.assertEqual(len(self.ok("tasks")), 68)
        self.assertEqual(self.ok("tasks", "clear"), [])
        self.assertIsNone(self.text())

    def test_due(self):
        self.add(0, 1, second=5, content="A")
        self.add(0, 2, minute=30, second=5, content="B")
        self.add(5, 0, month=12, day=8, hour=14, minute=30, second=5, content="/opt/own")
        self.add(5, 0, month=12, day=8, hour=14, minute=30, second=5, content="/opt/next")
        self.add(6, 4, weekday=6, hour=14, minute=30, second=5)
        before = self.text()
        due = self.ok("tasks", "due", "--at", "2013-12-08 14:30:05")  # a Sunday
        self.assertEqual(due, {"actions": [{"task": 1, "kind": 0, "content": "A"}, {"task": 2, "kind": 0, "content": "B"},
                                           {"task": 3, "kind": 5, "content": "/opt/own"},
                                           {"task": 4, "kind": 5, "content": "/opt/next"},
                                           {"task": 5, "kind": 6, "content": ""}],
                               "reminder": "12月8日 14:30:05\nA\nB\n"})
        self.assertEqual(self.text(), before)  # nothing carried out or stored
        self.assertEqual(self.ok("tasks", "due", "--at", "2013-12-08 14:31:05"),
                         {"actions": [{"task": 1, "kind": 0, "content": "A"}], "reminder": "12月8日 14:31:05\nA\n"})
        self.assertEqual(self.ok("tasks", "due", "--at", "2013-12-09 14:30:05")["actions"][-1]["task"], 2)
        self.assertEqual(self.ok("tasks", "due", "--at", "2013-12-08 14:31:06"), {"actions": [], "reminder": None})

    def test_bad_usage(self):
        for args in (["tasks", "add", "--period", "0"], ["tasks", "add", "--kind", "7", "--period", "0"],
                     ["tasks", "add", "--kind", "0", "--period", "6"],
                     ["tasks", "add", "--kind", "0", "--period", "0", "--month", "13"],
                     ["tasks", "add", "--kind", "0", "--period", "0", "--second", "60"],
                     ["tasks", "add", "--kind", "0", "--period", "0", "--hour", "x"],
                     ["tasks", "due"], ["tasks", "due", "--at", "2013-13-01 00:00:00"],
                     ["tasks", "due", "--at", "2013-04-31 10:00:00"], ["tasks", "due", "--at", "2013-12-08 1:02:03"],
                     ["tasks", "delete", "1"], ["tasks", "clear", "now"], ["tasks", "--at", "2013-12-08 10:00:00"]):
            with self.subTest(args=args):
                self.refused(2, *args)
        self.assertIsNone(self.text())

    def test_the_programs_own_file_by_default(self):
        env = dict(os.environ, ZELVIK_CONFIG_DIR=self.tmp.name)
        p = run("tasks", "add", "--kind", "1", "--period", "3", env=env)
        self.assertEqual(p.returncode, 0, p.stderr)
        self.assertIn("txy01=系统注销", self.text())
        self.assertEqual(json.loads(run("tasks", env=env).stdout)[0]["line"], "1、每天 00:00:00 系统注销")


if __name__ == "__main__":
    unittest.main()
