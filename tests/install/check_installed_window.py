#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The installed program on a private X server, started by a user who cannot write to its
folder (root runs it as "nobody"), with a throw-away home: its window shows, and a setting
changed in the window lands in ~/.config/zelvik/ConfigMW.ini, not beside the executable.

    check_installed_window.py /usr/bin/zelvik [--desktop-entry FILE] [--screenshot FILE.png]

With --desktop-entry, the window's WM_CLASS must also be the entry's StartupWMClass, by which
a desktop ties the running window to its menu entry and icon.

The screenshot (ImageMagick's import, with openbox as window manager) is for people
looking at the result; the check itself needs only Xvfb and xdotool.
"""
import argparse
import os
import pwd
import shutil
import signal
import subprocess
import sys
import tempfile
import time


def fail(message):
    print(f"FAIL: {message}", file=sys.stderr)
    sys.exit(1)


def wait_for(what, done, timeout):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        result = done()
        if result:
            return result
        time.sleep(0.1)
    fail(f"timed out after {timeout} s waiting for {what}")


def start_xvfb():
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x900x24", "-nolisten", "tcp"],
                            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as f:
        number = f.readline().strip()
    if not number:
        fail("Xvfb did not start")
    return xvfb, f":{number}"


def stop(proc):
    if proc and proc.poll() is None:
        proc.send_signal(signal.SIGTERM)
        try:
            proc.wait(timeout=5)
        except subprocess.TimeoutExpired:
            proc.kill()
            proc.wait()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("program")
    parser.add_argument("--desktop-entry")
    parser.add_argument("--screenshot")
    args = parser.parse_args()
    program = os.path.abspath(args.program)
    version = subprocess.run([program, "--version"], capture_output=True, text=True, check=True,
                             timeout=30).stdout.split()[-1]
    title = f"ZelvikV{version}"

    user = {}
    if os.geteuid() == 0:
        nobody = pwd.getpwnam("nobody")
        user = dict(user=nobody.pw_uid, group=nobody.pw_gid, extra_groups=[])
    home = tempfile.mkdtemp(prefix="zelvik-home-")
    runtime = tempfile.mkdtemp(prefix="zelvik-run-")
    for d in (home, runtime):
        if user:
            os.chown(d, user["user"], user["group"])
        os.chmod(d, 0o700)

    xvfb, display = start_xvfb()
    wm = app = None
    try:
        env = {"PATH": "/usr/bin:/bin", "DISPLAY": display, "HOME": home, "XDG_RUNTIME_DIR": runtime,
               "LANG": "C.UTF-8"}
        if args.screenshot and shutil.which("openbox"):
            wm = subprocess.Popen(["openbox"], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            time.sleep(1)
        app = subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, **user)

        def window():
            if app.poll() is not None:
                fail(f"{program} ended with status {app.returncode}: {app.stderr.read().decode(errors='replace')}")
            found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{title}$"], env=env,
                                   capture_output=True, text=True).stdout.split()
            return found[0] if found else None

        wid = wait_for(f"the window {title!r}", window, 30)
        info = subprocess.run(["xwininfo", "-id", wid], env=env, capture_output=True, text=True, check=True).stdout
        fields = dict(line.strip().split(": ", 1) for line in info.splitlines() if ": " in line)
        if fields.get("Map State") != "IsViewable":
            fail(f"the window is not viewable: {fields.get('Map State')}")
        width, height = int(fields["Width"]), int(fields["Height"])
        print(f"window {title!r} shown, {width} x {height}")
        if args.desktop_entry:
            with open(args.desktop_entry, encoding="utf-8") as f:
                entry = dict(l.rstrip("\n").split("=", 1) for l in f if "=" in l)
            wm_class = subprocess.run(["xprop", "-id", wid, "WM_CLASS"], env=env, capture_output=True, text=True,
                                      check=True).stdout
            classes = [c.strip().strip('"') for c in wm_class.split("=", 1)[1].split(",")]
            if entry.get("StartupWMClass") not in classes:
                fail(f"WM_CLASS {classes} does not hold the entry's StartupWMClass {entry.get('StartupWMClass')!r}")
            print(f"WM_CLASS {classes} matches StartupWMClass of {os.path.basename(args.desktop_entry)}")

        # One wheel step over the unit-system list (centre at 269, 7 of 293 × 314 dialog
        # units) selects "kg;m", which the program stores at once.
        subprocess.run(["xdotool", "mousemove", "--window", wid, str(width * 269 // 293), str(height * 7 // 314),
                        "click", "5"], env=env, check=True)
        config = os.path.join(home, ".config", "zelvik", "ConfigMW.ini")

        def stored():
            try:
                with open(config, "rb") as f:
                    return b"danwei=1" in f.read()
            except OSError:
                return False

        wait_for(f"the setting in {config}", stored, 10)
        print(f"setting stored in ~/.config/zelvik/ConfigMW.ini")
        beside = os.path.join(os.path.dirname(program), "ConfigMW.ini")
        if os.path.exists(beside):
            fail(f"{beside} exists: the program wrote beside itself")
        if args.screenshot:
            time.sleep(0.5)
            subprocess.run(["import", "-window", "root", args.screenshot], env=env, check=True)
            print(f"screenshot: {args.screenshot}")
    finally:
        stop(app)
        stop(wm)
        stop(xvfb)
        shutil.rmtree(home, ignore_errors=True)
        shutil.rmtree(runtime, ignore_errors=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
