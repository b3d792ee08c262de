# SPDX-License-Identifier: GPL-3.0-or-later
"""The platform services of the scheduled tasks against real stand-ins.

logind: python3-dbusmock's logind template on a private system bus; monitor off: an Xvfb of
our own, read back with `xset q`, and an X stand-in that offers DPMS; autostart: the entry
checked by desktop-file-validate.
"""
import os
import re
import shutil
import subprocess
import tempfile
import unittest

import dbus
import dbusmock

import x_standin

PROBE = os.environ.get("ZELVIK_PLATFORM_PROBE", "platform_probe")


def probe(*args, env=None, timeout=30):
    return subprocess.run([PROBE, *args], capture_output=True, text=True, env=env, timeout=timeout)


def need(program):
    path = shutil.which(program)
    if path is None:
        raise AssertionError(f"{program} is missing (scripts/deps installs it)")
    return path


class Logind(dbusmock.DBusTestCase):
    @classmethod
    def setUpClass(cls):
        need("dbus-daemon")
        cls.start_system_bus()
        cls.bus = cls.get_dbus(system_bus=True)

    def setUp(self):
        self.server, self.manager = self.spawn_server_template("logind", {}, stdout=subprocess.DEVNULL)
        self.mock = dbus.Interface(self.manager, dbusmock.MOCK_IFACE)
        self.mock.AddMethod("org.freedesktop.login1.Manager", "GetSessionByPID", "u", "o",
                            'ret = "/org/freedesktop/login1/session/c7"')
        self.mock.AddSession("c7", "seat0", dbus.UInt32(1000), "user", True)
        self.mock.ClearCalls()

    def tearDown(self):
        self.server.terminate()
        self.server.wait(10)

    def env(self, **extra):
        env = dict(os.environ)
        env.pop("XDG_SESSION_ID", None)
        env.update(extra)
        return env

    def calls(self, path="/org/freedesktop/login1"):
        mock = dbus.Interface(self.bus.get_object("org.freedesktop.login1", path), dbusmock.MOCK_IFACE)
        return [(str(name), [a for a in args]) for _, name, args in mock.GetCalls()]

    def test_power_actions_are_not_interactive(self):
        for action, method in [("restart", "Reboot"), ("shutdown", "PowerOff"), ("standby", "Suspend")]:
            with self.subTest(action=action):
                self.mock.ClearCalls()
                p = probe(action, env=self.env())
                self.assertEqual(p.returncode, 0, p.stderr)
                self.assertEqual(p.stderr, "")
                self.assertEqual(self.calls(), [(method, [False])])

    def test_log_off_ends_the_session_named_by_the_environment(self):
        p = probe("logoff", env=self.env(XDG_SESSION_ID="c7"))
        self.assertEqual(p.returncode, 0, p.stderr)
        self.assertEqual(self.calls(), [("GetSession", ["c7"])])
        self.assertEqual(self.calls("/org/freedesktop/login1/session/c7"), [("Terminate", [])])

    def test_log_off_without_a_session_id_asks_by_process(self):
        p = subprocess.Popen([PROBE, "logoff"], env=self.env(), stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                             text=True)
        _, err = p.communicate(timeout=30)
        self.assertEqual(p.returncode, 0, err)
        self.assertEqual(self.calls(), [("GetSessionByPID", [p.pid])])
        self.assertEqual(self.calls("/org/freedesktop/login1/session/c7"), [("Terminate", [])])

    def test_log_off_of_an_unknown_session_is_refused(self):
        p = probe("logoff", env=self.env(XDG_SESSION_ID="gone"))
        self.assertEqual(p.returncode, 1)
        self.assertEqual(len(p.stderr.splitlines()), 1, p.stderr)

    def test_a_refusal_is_one_line_on_stderr(self):
        self.mock.AddMethod("org.freedesktop.login1.Manager", "PowerOff", "b", "",
                            'raise dbus.exceptions.DBusException("Access denied", '
                            'name="org.freedesktop.DBus.Error.AccessDenied")')
        p = probe("shutdown", env=self.env())
        self.assertEqual(p.returncode, 1)
        self.assertEqual(len(p.stderr.splitlines()), 1, p.stderr)
        self.assertIn("Access denied", p.stderr)

    def test_no_bus_fails_quickly(self):
        p = probe("restart", env=self.env(DBUS_SYSTEM_BUS_ADDRESS="unix:path=/nonexistent/bus"), timeout=10)
        self.assertEqual(p.returncode, 1)
        self.assertEqual(len(p.stderr.splitlines()), 1, p.stderr)


class Dpms(unittest.TestCase):
    """The monitor off request on a real Xvfb and on a DPMS-capable stand-in."""

    @classmethod
    def setUpClass(cls):
        need("Xvfb")
        cls.xset = need("xset")
        r, w = os.pipe()
        cls.xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(w), "-nolisten", "tcp", "+extension", "DPMS",
                                     "-screen", "0", "640x480x24"],
                                    pass_fds=(w,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(w)
        with os.fdopen(r) as f:
            number = f.readline().strip()
        if not number:
            cls.xvfb.kill()
            raise AssertionError("Xvfb did not start")
        cls.display = ":" + number

    @classmethod
    def tearDownClass(cls):
        cls.xvfb.terminate()
        cls.xvfb.wait(10)

    def xset_q(self):
        q = subprocess.run([self.xset, "-display", self.display, "q"], capture_output=True, text=True, timeout=10)
        self.assertEqual(q.returncode, 0, q.stderr)
        return q.stdout

    def test_on_xvfb(self):
        before = self.xset_q()
        p = probe("monitor-off", env=dict(os.environ, DISPLAY=self.display))
        if "does not have the DPMS Extension" in before:
            # Xvfb of xorg-server 21 offers no DPMS: the request is refused in one line and
            # the display goes on working.
            self.assertEqual(p.returncode, 1)
            self.assertEqual(p.stderr, "zelvik: monitor off: the X server has no DPMS\n")
            self.assertIn("does not have the DPMS Extension", self.xset_q())
        else:
            self.assertEqual(p.returncode, 0, p.stderr)
            self.assertRegex(self.xset_q(), r"Monitor is Off")
            subprocess.run([self.xset, "-display", self.display, "dpms", "force", "on"], check=True, timeout=10)
            self.assertRegex(self.xset_q(), r"Monitor is On")

    def test_enables_dpms_then_forces_off(self):
        x = x_standin.XStandIn()
        try:
            p = probe("monitor-off", env=dict(os.environ, DISPLAY=x.display))
            self.assertEqual(p.returncode, 0, p.stderr)
            self.assertEqual(x.requests, [("QueryExtension", "DPMS"), ("DPMS", "Enable"),
                                          ("DPMS", "ForceLevel", 3)])  # 3: DPMSModeOff
        finally:
            x.close()

    def test_an_x_error_is_one_line(self):
        x = x_standin.XStandIn(fail_force_level=True)
        try:
            p = probe("monitor-off", env=dict(os.environ, DISPLAY=x.display))
            self.assertEqual(p.returncode, 1)
            self.assertEqual(len(p.stderr.splitlines()), 1, p.stderr)
        finally:
            x.close()

    def test_without_x_nothing_happens(self):
        env = dict(os.environ)
        env.pop("DISPLAY", None)
        p = probe("monitor-off", env=env)
        self.assertEqual((p.returncode, p.stderr), (1, ""))
        p = probe("monitor-off", env=dict(env, DISPLAY=":65000"))
        self.assertEqual((p.returncode, p.stderr), (1, ""))


def exec_argument(value):
    """Reads one quoted Exec argument back by the Desktop Entry rules."""
    unescaped = re.sub(r"\\(.)", lambda m: {"s": " ", "n": "\n", "t": "\t", "r": "\r", "\\": "\\"}[m.group(1)], value)
    m = re.fullmatch(r'"((?:[^"`$\\]|\\["`$\\])*)"', unescaped, re.S)
    if not m:
        raise AssertionError(f"not one quoted argument: {unescaped!r}")
    return re.sub(r'\\(["`$\\])', r"\1", m.group(1)).replace("%%", "%")


class Autostart(unittest.TestCase):
    def setUp(self):
        self.validate = need("desktop-file-validate")
        self.tmp = tempfile.TemporaryDirectory()
        self.env = dict(os.environ, XDG_CONFIG_HOME=self.tmp.name)
        self.entry = os.path.join(self.tmp.name, "autostart", "Zelvik.desktop")

    def tearDown(self):
        self.tmp.cleanup()

    def test_entry_names_the_executable_exactly(self):
        paths = ["/opt/zelvik/zelvik", "/home/张三/钢材 计算/zelvik", '/tmp/a"b`c$d\\e%f/zelvik',
                 "/tmp/x'y;z&(1)|<2>*?#~/zelvik", "/tmp/new\nline\ttab/zelvik"]
        for path in paths:
            with self.subTest(path=path):
                p = probe("autostart-enable", path, env=self.env)
                self.assertEqual(p.returncode, 0, p.stderr)
                v = subprocess.run([self.validate, self.entry], capture_output=True, text=True, timeout=10)
                self.assertEqual((v.returncode, v.stdout), (0, ""), v.stdout + v.stderr)
                with open(self.entry, encoding="utf-8") as f:
                    text = f.read()
                lines = text.splitlines()
                self.assertEqual(lines[:3], ["[Desktop Entry]", "Type=Application", "Name=Zelvik"])
                self.assertTrue(lines[3].startswith("Exec="))
                self.assertEqual(exec_argument(lines[3][5:]), path)
                self.assertEqual(len(lines), 4)

    def test_disable_removes_the_entry(self):
        self.assertEqual(probe("autostart-enable", "/opt/zelvik/zelvik", env=self.env).returncode, 0)
        self.assertTrue(os.path.exists(self.entry))
        self.assertEqual(probe("autostart-disable", env=self.env).returncode, 0)
        self.assertFalse(os.path.exists(self.entry))
        self.assertEqual(probe("autostart-disable", env=self.env).returncode, 0)  # already gone

    def test_home_config_without_xdg_config_home(self):
        env = dict(self.env, HOME=self.tmp.name, XDG_CONFIG_HOME="relative/ignored")
        self.assertEqual(probe("autostart-enable", "/opt/z", env=env).returncode, 0)
        self.assertTrue(os.path.exists(os.path.join(self.tmp.name, ".config", "autostart", "Zelvik.desktop")))

    def test_a_folder_that_cannot_be_written_is_reported(self):
        blocker = os.path.join(self.tmp.name, "autostart")
        open(blocker, "w").close()  # a file where the folder should be
        p = probe("autostart-enable", "/opt/z", env=self.env)
        self.assertEqual(p.returncode, 1)
        self.assertEqual(len(p.stderr.splitlines()), 1, p.stderr)


if __name__ == "__main__":
    unittest.main()
