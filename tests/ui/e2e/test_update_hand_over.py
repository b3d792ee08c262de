# SPDX-License-Identifier: GPL-3.0-or-later
"""The update's hand-over between two copies of the real program, on a private X server with
openbox: the old copy downloads the new one from a loopback FTP server when the user answers
its questions, and starts it. Both copies share one runtime folder, as on a desktop, so the
new copy must start without the "already running" box, end the old copy, delete it, and take
over the autostart entry; a copy started after that is told one runs."""
import os
import re
import shutil
import signal
import subprocess
import tempfile
import time
import unittest

from test_window_modes import ZELVIK, Desktop, wait_for

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(os.path.dirname(HERE)))
CLI = os.environ.get("ZELVIK_CLI", "zelvik-cli")
FTP_SERVER = os.path.join(ROOT, "tests", "support", "ftp_server.py")
TEST_KEY = os.path.join(ROOT, "tests", "data", "update-test-secret.key")


def write(path, data, mode=0o644):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)
    os.chmod(path, mode)


class HandOver(unittest.TestCase):
    def setUp(self):
        self.tmp = tempfile.TemporaryDirectory()
        self.desktop = Desktop()
        self.procs = []
        self.server = None

    def tearDown(self):
        for p in self.procs:
            if p.poll() is None:
                p.kill()
                p.wait()
        for pid in self.started_by_the_program():
            try:
                os.kill(pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
        if self.server:
            self.server.kill()
            self.server.wait()
            self.server.stdin.close()
            self.server.stdout.close()
        self.desktop.close()
        self.tmp.cleanup()

    def path(self, *parts):
        return os.path.join(self.tmp.name, *parts)

    def started_by_the_program(self):
        """The copies the old copy started, which are not this test's children."""
        exe = self.path("app", "zelvik43")
        pids = []
        for name in os.listdir("/proc"):
            if name.isdigit():
                try:
                    if os.readlink(f"/proc/{name}/exe") == exe:
                        pids.append(int(name))
                except OSError:
                    pass
        return pids

    def release(self):
        """updateMW/ on the server: version 4.3, its program the same build under a new name."""
        folder = self.path("server", "updateMW")
        with open(ZELVIK, "rb") as f:
            write(os.path.join(folder, "zelvik43"), f.read(), 0o755)
        write(os.path.join(folder, "list.ini"), b"[newversion]\r\nnewversion=4.3\r\n[upexe]\r\nupexe=zelvik43\r\n"
                                                b"[upnumber]\r\nupnumber=1\r\n[filelist]\r\n1=zelvik43\r\n")
        p = subprocess.run([CLI, "update-sign", "sign", "--key", TEST_KEY, folder], capture_output=True, timeout=60)
        self.assertEqual(p.returncode, 0, p.stderr)
        self.server = subprocess.Popen(["/usr/bin/python3", FTP_SERVER, "--root", self.path("server")],
                                       stdin=subprocess.PIPE, stdout=subprocess.PIPE)
        return f"ftp://127.0.0.1:{int(self.server.stdout.readline())}/"

    def windows(self, title):
        out = self.desktop.run("xdotool", "search", "--onlyvisible", "--name", f"^{re.escape(title)}$")
        return out.split()

    def answer(self, title="Zelvik"):
        """Enter on the next box of that title: its default button."""
        box = wait_for(lambda: self.windows(title), 20)
        self.assertTrue(box, f"no box titled {title}")
        self.desktop.run("xdotool", "windowactivate", "--sync", box[0])
        self.desktop.run("xdotool", "key", "Return")
        self.assertTrue(wait_for(lambda: box[0] not in self.windows(title), 10), "the box stayed")

    def click_in(self, window, x_dlu, y_dlu, width_dlu, height_dlu):
        """Clicks a point given in the dialog units of a window of that size in dialog units."""
        info = self.desktop.run("xwininfo", "-id", window)
        x, y, w, h = (int(re.search(pattern, info).group(1)) for pattern in (
            r"Absolute upper-left X:\s+(-?\d+)", r"Absolute upper-left Y:\s+(-?\d+)", r"Width:\s+(\d+)",
            r"Height:\s+(\d+)"))
        self.desktop.run("xdotool", "mousemove", str(x + w * x_dlu // width_dlu), str(y + h * y_dlu // height_dlu),
                         "click", "1", check=True)

    def test_the_new_copy_takes_over_without_a_warning(self):
        app = self.path("app")
        old_exe = os.path.join(app, "zelvik")
        new_exe = os.path.join(app, "zelvik43")
        os.makedirs(app)
        shutil.copy(ZELVIK, old_exe)
        entry = self.path("xdg", "autostart", "Zelvik.desktop")
        write(entry, f'[Desktop Entry]\nType=Application\nName=Zelvik\nExec="{old_exe}"\n'.encode())
        # The download page opens in nothing.
        write(self.path("bin", "xdg-open"), b"#!/bin/sh\nexit 0\n", 0o755)
        env = dict(self.desktop.env, ZELVIK_CONFIG_DIR=self.path("config"), ZELVIK_RUNTIME_DIR=self.path("run"),
                   XDG_CONFIG_HOME=self.path("xdg"), ZELVIK_UPDATE_SERVER=self.release(),
                   PATH=self.path("bin") + os.pathsep + os.environ.get("PATH", ""))
        old = subprocess.Popen([old_exe], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.procs.append(old)
        main = wait_for(lambda: self.windows("ZelvikV4.2"), 20)
        self.assertTrue(main, "the old copy's window did not appear")

        # 关于, then 检查更新 (dialog units 276, 18, 42 × 26 of a 325 × 253 box), then 是 and 确定.
        self.desktop.run("xdotool", "windowactivate", "--sync", main[0])
        self.desktop.run("xdotool", "key", "Return")
        about = wait_for(lambda: self.windows("Zelvik(2013.11.17)"), 10)
        self.assertTrue(about, "Enter did not open the about box")
        self.click_in(about[0], 297, 31, 325, 253)
        self.answer()  # 有新版本发布,是否更新?
        self.answer()  # 新版本下载成功,将运行新版本程序!

        self.assertTrue(wait_for(lambda: old.poll() is not None, 20), "the old copy still runs")
        self.assertIn(old.returncode, (0, -signal.SIGTERM))
        new = wait_for(self.started_by_the_program, 10)
        self.assertEqual(len(new), 1, "the new copy does not run")
        # A warning would have held the new copy before its window, and the old one alive.
        self.assertEqual(self.windows("Zelvik"), [])
        self.assertTrue(wait_for(lambda: self.windows("ZelvikV4.2"), 10))
        self.assertFalse(os.path.exists(old_exe))
        self.assertFalse(os.path.exists(os.path.join(app, "list.ini")))
        with open(entry, encoding="utf-8") as f:
            self.assertIn(f'Exec="{new_exe}"\n', f.read())

        # The new copy holds the marker and answers "--show"; a third copy is warned.
        show = subprocess.run([new_exe, "--show"], env=env, capture_output=True, timeout=20)
        self.assertEqual(show.returncode, 0, show.stderr)
        third = subprocess.Popen([new_exe], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.procs.append(third)
        self.answer()  # 该程序已经在运行了!
        self.assertTrue(wait_for(lambda: len(self.windows("ZelvikV4.2")) == 2, 10), "the third copy has no window")


if __name__ == "__main__":
    unittest.main()
