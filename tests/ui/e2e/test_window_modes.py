# SPDX-License-Identifier: GPL-3.0-or-later
"""The real program on a private X server with a real window manager (openbox) and tray host
(trayer), driven as a user would with xdotool: tray icon, no taskbar button, minimise into the
tray, Super+A, "zelvik --show", edge docking, the about box's buttons, the tool windows' frames,
SIGTERM."""
import os
import re
import shutil
import signal
import subprocess
import tempfile
import time
import unittest

ZELVIK = os.environ.get("ZELVIK_BIN", "zelvik")
TOOLS = ["Xvfb", "openbox", "trayer", "xdotool", "xprop", "xwininfo"]


def wait_for(condition, timeout=5.0, step=0.05):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        value = condition()
        if value:
            return value
        time.sleep(step)
    return condition()


class Desktop:
    """Xvfb on a free display, openbox on it, optionally trayer along the bottom edge."""

    def __init__(self):
        missing = [t for t in TOOLS if not shutil.which(t)]
        if missing:
            raise AssertionError("scripts/deps installs these, but they are missing: " + " ".join(missing))
        self.procs = []
        read, write = os.pipe()
        xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                                pass_fds=[write], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write)
        self.procs.append(xvfb)
        number = b""
        while not number.endswith(b"\n"):
            chunk = os.read(read, 16)
            if not chunk:
                raise RuntimeError("Xvfb did not start")
            number += chunk
        os.close(read)
        self.env = dict(os.environ, DISPLAY=":" + number.decode().strip())
        self.env.pop("WAYLAND_DISPLAY", None)
        self.env.pop("QT_QPA_PLATFORM", None)
        self.env.pop("DBUS_SESSION_BUS_ADDRESS", None)  # the XEmbed tray, not a StatusNotifier host
        # A window manager that did not come up would fail every later step for another reason:
        # it is started again, and its absence said plainly.
        for _ in range(3):
            wm = self.start("openbox")
            if wait_for(self.has_wm, 10):
                break
            if wm.poll() is None:
                wm.kill()
            wm.wait()
        else:
            raise AssertionError("openbox did not take the display")

    def has_wm(self):
        return "_NET_SUPPORTING_WM_CHECK(WINDOW)" in self.run("xprop", "-root", "_NET_SUPPORTING_WM_CHECK")

    def start(self, *argv, **kw):
        p = subprocess.Popen(argv, env=kw.pop("env", self.env), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                             **kw)
        self.procs.append(p)
        return p

    def start_tray(self):
        self.tray = self.start("trayer", "--edge", "bottom", "--align", "right", "--widthtype", "pixel", "--width",
                               "120", "--height", "24", "--SetDockType", "true", "--transparent", "false")

    def run(self, *argv, check=False):
        p = subprocess.run(argv, env=self.env, capture_output=True, text=True, timeout=20)
        if check and p.returncode != 0:
            raise AssertionError(f"{argv}: {p.stderr}")
        return p.stdout

    def close(self):
        for p in reversed(self.procs):
            if p.poll() is None:
                p.terminate()
                try:
                    p.wait(3)
                except subprocess.TimeoutExpired:
                    p.kill()
                    p.wait()


class Zelvik:
    def __init__(self, desktop):
        self.desktop = desktop
        self.dir = tempfile.TemporaryDirectory()
        self.env = dict(desktop.env, ZELVIK_CONFIG_DIR=os.path.join(self.dir.name, "config"),
                        ZELVIK_RUNTIME_DIR=os.path.join(self.dir.name, "run"))
        self.proc = desktop.start(ZELVIK, env=self.env)
        if not wait_for(self.find_window, 15):
            raise AssertionError("the main window did not appear")

    def find_window(self):
        out = self.desktop.run("xdotool", "search", "--name", "^ZelvikV4.2$")
        return out.split()[0] if out.split() else None

    @property
    def window(self):
        return self.find_window()

    def state(self):
        return self.desktop.run("xprop", "-id", self.window, "_NET_WM_STATE")

    def mapped(self):
        window = self.window
        return window is not None and "IsViewable" in self.desktop.run("xwininfo", "-id", window)

    def frame(self):
        """The outer frame's left, top, width, height from the client's place and the frame extents."""
        info = self.desktop.run("xwininfo", "-id", self.window)
        x = int(re.search(r"Absolute upper-left X:\s+(-?\d+)", info).group(1))
        y = int(re.search(r"Absolute upper-left Y:\s+(-?\d+)", info).group(1))
        w = int(re.search(r"Width:\s+(\d+)", info).group(1))
        h = int(re.search(r"Height:\s+(\d+)", info).group(1))
        # The window manager sets the extents once it has framed the window.
        ext = wait_for(lambda: re.search(r"= (\d+), (\d+), (\d+), (\d+)",
                                         self.desktop.run("xprop", "-id", self.window, "_NET_FRAME_EXTENTS")), 3)
        m = ext
        left, right, top, bottom = (int(v) for v in m.groups()) if m else (0, 0, 0, 0)
        return x - left, y - top, w + left + right, h + top + bottom, top

    def tray_icon(self):
        """The absolute centre of the program's icon in trayer's panel, or None."""
        tree = self.desktop.run("xwininfo", "-root", "-tree")
        m = re.search(r'"zelvik": \("zelvik" "zelvik"\)\s+(\d+)x(\d+)\+-?\d+\+-?\d+\s+\+(-?\d+)\+(-?\d+)', tree)
        if not m or int(m.group(1)) > 64:
            return None
        w, h, x, y = (int(v) for v in m.groups())
        return x + w // 2, y + h // 2

    def key(self, *keys):
        self.desktop.run("xdotool", "key", *keys, check=True)

    def minimise(self):
        self.desktop.run("xdotool", "windowminimize", self.window, check=True)

    def end(self):
        if self.proc.poll() is None:
            self.proc.send_signal(signal.SIGTERM)
            return self.proc.wait(5)
        return self.proc.returncode


class WithTray(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.desktop = Desktop()
        cls.desktop.start_tray()
        time.sleep(0.5)
        cls.z = Zelvik(cls.desktop)

    @classmethod
    def tearDownClass(cls):
        cls.z.end()
        cls.desktop.close()

    def call_up_elsewhere(self):
        """Away from 300, 200 and shown, so that a call-up has something to do."""
        self.z.key("super+a")
        wait_for(lambda: self.z.mapped() and self.z.frame()[:2] == (300, 200))
        # For half a second after a call-up the program holds its place against the window
        # manager, and would take a move made meanwhile back: moved until the move stays.
        for _ in range(5):
            self.desktop.run("xdotool", "windowmove", self.z.window, "620", "330")
            time.sleep(0.8)
            if self.z.frame()[0] > 500:
                return
        raise AssertionError(f"the window stayed at {self.z.frame()}")

    def test_1_icon_in_the_tray_and_no_taskbar_button(self):
        self.assertTrue(wait_for(self.z.tray_icon, 5), "no icon in the tray")
        self.assertTrue(wait_for(lambda: "_NET_WM_STATE_SKIP_TASKBAR" in self.z.state(), 3), self.z.state())

    def test_2_minimise_hides_and_super_a_calls_it_up_at_300_200(self):
        self.z.minimise()
        self.assertTrue(wait_for(lambda: not self.z.mapped(), 3), "minimise left the window mapped")
        self.assertNotIn("Iconic", self.desktop.run("xprop", "-id", self.z.window, "WM_STATE"))
        self.z.key("super+a")
        self.assertTrue(wait_for(self.z.mapped, 3))
        self.assertTrue(wait_for(lambda: self.z.frame()[:2] == (300, 200), 3), self.z.frame())
        self.assertTrue(wait_for(lambda: "_NET_WM_STATE_ABOVE" in self.z.state(), 3), self.z.state())
        self.assertTrue(wait_for(lambda: "_NET_WM_STATE_SKIP_TASKBAR" in self.z.state(), 3), self.z.state())
        # With NumLock on it still works.
        self.call_up_elsewhere()
        self.z.key("Num_Lock")
        self.z.key("super+a")
        self.z.key("Num_Lock")
        self.assertTrue(wait_for(lambda: self.z.frame()[:2] == (300, 200), 3), self.z.frame())

    def test_3_show_option_raises_the_running_copy_and_exits(self):
        self.call_up_elsewhere()
        self.z.minimise()
        wait_for(lambda: not self.z.mapped(), 3)
        start = time.monotonic()
        p = subprocess.run([ZELVIK, "--show"], env=self.z.env, capture_output=True, text=True, timeout=10)
        elapsed = time.monotonic() - start
        self.assertEqual(p.returncode, 0, p.stderr)
        self.assertLess(elapsed, 1.0)
        self.assertTrue(wait_for(self.z.mapped, 3))
        self.assertTrue(wait_for(lambda: self.z.frame()[:2] == (300, 200), 3), self.z.frame())

    def test_4_tray_click_shows_the_window(self):
        self.z.minimise()
        wait_for(lambda: not self.z.mapped(), 3)
        x, y = self.z.tray_icon()
        self.desktop.run("xdotool", "mousemove", str(x), str(y), "click", "1", check=True)
        self.assertTrue(wait_for(self.z.mapped, 3), "a click on the icon did not show the window")

    def test_5_docked_at_the_top_slides_away_and_back(self):
        self.call_up_elsewhere()
        left, top, width, height, title = self.z.frame()
        grab_x, grab_y = left + width // 2, top + title // 2
        d = self.desktop
        d.run("xdotool", "mousemove", str(grab_x), str(grab_y))
        time.sleep(0.2)
        d.run("xdotool", "mousedown", "1")
        for y in (grab_y - 5, 250, 150, 60, 20, 8):
            d.run("xdotool", "mousemove", str(grab_x), str(y))
            time.sleep(0.1)
        d.run("xdotool", "mouseup", "1")
        self.assertTrue(wait_for(lambda: self.z.frame()[1] == -2, 3), self.z.frame())
        # The mouse leaves by more than 10 pixels: the window slides up until a strip is left
        # (openbox keeps a tenth of any window on the screen).
        d.run("xdotool", "mousemove", str(grab_x), "900")
        self.assertTrue(wait_for(lambda: self.z.frame()[1] + self.z.frame()[3] <= height // 10 + 4, 3), self.z.frame())
        self.assertIn("_NET_WM_STATE_ABOVE", self.z.state())
        # Touching the strip brings it back.
        d.run("xdotool", "mousemove", str(grab_x), "1")
        self.assertTrue(wait_for(lambda: self.z.frame()[1] == -2, 3), self.z.frame())
        # Dragged back into the screen it is free again.
        d.run("xdotool", "mousemove", str(grab_x), str(title // 2))
        time.sleep(0.2)
        d.run("xdotool", "mousedown", "1")
        for y in (20, 100, 300, 400):
            d.run("xdotool", "mousemove", str(grab_x + 10), str(y))
            time.sleep(0.1)
        d.run("xdotool", "mouseup", "1")
        # The window manager ends the move in its own time: only then does the mouse leave.
        self.assertTrue(wait_for(lambda: self.z.frame()[1] > 300, 3), self.z.frame())
        d.run("xdotool", "mousemove", "20", "900")
        time.sleep(0.8)
        self.assertGreater(self.z.frame()[1], 300)

    def test_6_about_box_offers_no_minimise_or_maximise(self):
        self.z.key("super+a")
        wait_for(self.z.mapped)
        d = self.desktop
        d.run("xdotool", "windowactivate", "--sync", self.z.window)
        self.z.key("Return")
        about = wait_for(lambda: d.run("xdotool", "search", "--name", r"^Zelvik\(2013").split(), 5)
        self.assertTrue(about, "Enter did not open the about box")
        hints = d.run("xprop", "-id", about[0], "_MOTIF_WM_HINTS")
        m = re.search(r"= (0x[0-9a-f]+|\d+), (0x[0-9a-f]+|\d+), (0x[0-9a-f]+|\d+)", hints)
        self.assertTrue(m, hints)
        flags, functions, decorations = (int(v, 0) for v in m.groups())
        self.assertTrue(flags & 1 and flags & 2, hints)
        self.assertEqual(functions & (0x1 | 0x8 | 0x10), 0, "minimise or maximise offered")
        self.assertEqual(decorations & (0x1 | 0x20 | 0x40), 0, "minimise or maximise buttons asked for")
        self.assertIn("_NET_WM_STATE_MODAL", d.run("xprop", "-id", about[0], "_NET_WM_STATE"))
        self.z.key("Escape")
        d.run("xdotool", "windowclose", about[0])

    def test_7_tool_windows_have_a_close_box_only(self):
        self.call_up_elsewhere()
        d = self.desktop
        d.run("xdotool", "windowactivate", "--sync", self.z.window)
        # "附加工具" sits at 169, 225 (38 × 13) in dialog units of the 293-unit wide window,
        # whose units are as tall as they are wide in the dialog font.
        left, top = (int(v) for v in re.search(r"X:\s+(-?\d+)\s+Absolute upper-left Y:\s+(-?\d+)",
                                               d.run("xwininfo", "-id", self.z.window)).groups())
        width = int(re.search(r"Width:\s+(\d+)", d.run("xwininfo", "-id", self.z.window)).group(1))
        d.run("xdotool", "mousemove", str(left + width * 188 // 293), str(top + width * 231 // 293), "click", "1")
        time.sleep(0.3)
        self.z.key("Down", "Down", "Return")  # the menu's second entry, "材料密度", after "规格…"
        tool = wait_for(lambda: d.run("xdotool", "search", "--onlyvisible", "--name", "^常用材料密度$").split(), 5)
        self.assertTrue(tool, "the tool window did not open")
        actions = d.run("xprop", "-id", tool[0], "_NET_WM_ALLOWED_ACTIONS")
        self.assertIn("_NET_WM_ACTION_CLOSE", actions)
        self.assertNotIn("_NET_WM_ACTION_MINIMIZE", actions)
        self.assertNotIn("_NET_WM_ACTION_MAXIMIZE", actions)
        # Asked all the same, the window manager leaves both windows where they are.
        d.run("xdotool", "windowminimize", tool[0])
        time.sleep(0.5)
        self.assertTrue(self.z.mapped(), "minimising a tool window took the main window away")
        d.run("xdotool", "windowclose", tool[0])

    def test_9_sigterm_runs_the_exit_sequence(self):
        self.assertEqual(self.z.end(), 0)
        self.assertTrue(wait_for(lambda: self.z.tray_icon() is None, 3), "the tray icon stayed")
        self.assertFalse(os.path.exists(os.path.join(self.z.env["ZELVIK_RUNTIME_DIR"], "zelvik-renwu.show")))


class TrayComesLater(unittest.TestCase):
    def test_without_a_tray_the_window_stays_reachable_until_one_appears(self):
        desktop = Desktop()
        try:
            z = Zelvik(desktop)
            time.sleep(0.5)
            self.assertNotIn("_NET_WM_STATE_SKIP_TASKBAR", z.state())
            z.minimise()
            # Iconified, as any window: there is no tray to hide in.
            self.assertTrue(wait_for(lambda: "Iconic" in desktop.run("xprop", "-id", z.window, "WM_STATE"), 3))
            desktop.run("xdotool", "windowmap", z.window)
            wait_for(z.mapped)
            desktop.start_tray()
            self.assertTrue(wait_for(z.tray_icon, 6), "the late tray got no icon")
            self.assertTrue(wait_for(lambda: "_NET_WM_STATE_SKIP_TASKBAR" in z.state(), 3), z.state())
            self.assertEqual(z.end(), 0)
        finally:
            desktop.close()


if __name__ == "__main__":
    unittest.main()
