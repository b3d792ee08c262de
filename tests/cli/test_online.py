# SPDX-License-Identifier: GPL-3.0-or-later
"""zelvik-cli end to end for the online part: GIF frames, list-file values, release signing,
the update against a real FTP server on loopback, and the clean-up that ends the old copy.
(The desktop program's own hand-over is tests/ui/e2e/test_update_hand_over.py.)"""
import hashlib
import json
import os
import shutil
import signal
import stat
import subprocess
import tempfile
import time
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
CLI = os.environ.get("ZELVIK_CLI", "zelvik-cli")
FTP_SERVER = os.path.join(ROOT, "tests", "support", "ftp_server.py")
TEST_KEY = os.path.join(ROOT, "tests", "data", "update-test-secret.key")
AD_GIF = os.path.join(ROOT, "resources", "ad.gif")


def run(*args, env=None):
    return subprocess.run([CLI, *args], capture_output=True, env=env, timeout=120)


def ok(*args, env=None):
    p = run(*args, env=env)
    if p.returncode != 0:
        raise AssertionError(f"{args}: exit {p.returncode}: {p.stderr.decode(errors='replace')}")
    return json.loads(p.stdout.decode("utf-8"))


def write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data if isinstance(data, bytes) else data.encode("gbk"))


def read(path):
    with open(path, "rb") as f:
        return f.read()


class FtpServer:
    """tests/support/ftp_server.py on a port the system picks."""

    def __init__(self, root):
        self.proc = subprocess.Popen(["/usr/bin/python3", FTP_SERVER, "--root", root],
                                     stdin=subprocess.PIPE, stdout=subprocess.PIPE)
        self.port = int(self.proc.stdout.readline())
        self.url = f"ftp://127.0.0.1:{self.port}/"

    def close(self):
        self.proc.kill()
        self.proc.wait()
        self.proc.stdin.close()
        self.proc.stdout.close()


def gif(width, height, frames, trailer=True):
    """A GIF of blocks assembled by hand: frames are (left, top, w, h, delay or None, disposal)."""
    word = lambda v: bytes([v & 0xFF, v >> 8])
    data = b"GIF89a" + word(width) + word(height) + b"\x80\x00\x00" + b"\x00\x00\x00\xff\xff\xff"
    for left, top, w, h, delay, disposal in frames:
        if delay is not None:
            data += b"\x21\xf9\x04" + bytes([disposal << 2]) + word(delay) + b"\x00\x00"
        data += b"\x2c" + word(left) + word(top) + word(w) + word(h) + b"\x00" + b"\x02\x02\x44\x01\x00"
    return data + (b";" if trailer else b"")


class GifFrames(unittest.TestCase):
    def test_the_advertisement(self):
        out = ok("gif-frames", AD_GIF)
        self.assertEqual((out["width"], out["height"], len(out["frames"])), (425, 87, 3))
        self.assertEqual(out["frames"][0], {"left": 0, "top": 0, "width": 425, "height": 87,
                                            "delay": 150, "disposal": 1})

    def test_frames_as_the_walker_finds_them(self):
        with tempfile.TemporaryDirectory() as d:
            rows = [
                ([(0, 0, 4, 3, 0, 2), (1, 1, 2, 2, 50, 3), (0, 0, 1, 1, None, 0)], True),
                ([(0, 0, 4, 3, 7, 1)], False),
            ]
            for frames, trailer in rows:
                path = os.path.join(d, "x.gif")
                write(path, gif(4, 3, frames, trailer))
                out = ok("gif-frames", path)
                self.assertEqual(out["width"], 4)
                self.assertEqual([(f["left"], f["top"], f["width"], f["height"],
                                   -1 if f["delay"] == -1 else f["delay"], f["disposal"])
                                  for f in out["frames"]],
                                 [(l, t, w, h, -1 if dl is None else dl, m) for l, t, w, h, dl, m in frames])

    def test_refusals(self):
        with tempfile.TemporaryDirectory() as d:
            cases = [
                ("png", b"\x89PNG\r\n\x1a\n" + b"\0" * 30, 1, "not a GIF"),
                ("no frame", gif(4, 3, []), 1, "no frame"),
                ("header only", b"GIF89a\x04\x00", 1, "not a GIF"),
                ("truncated", gif(4, 3, [(0, 0, 4, 3, 5, 0)])[:-4], 1, "no frame"),
            ]
            for name, data, code, message in cases:
                with self.subTest(name):
                    path = os.path.join(d, name)
                    write(path, data)
                    p = run("gif-frames", path)
                    self.assertEqual(p.returncode, code)
                    self.assertIn(message, p.stderr.decode())
                    self.assertEqual(p.stdout, b"")
            self.assertEqual(run("gif-frames", os.path.join(d, "missing")).returncode, 2)
            self.assertEqual(run("gif-frames").returncode, 2)


class ListValue(unittest.TestCase):
    def test_lookups_as_the_update_reads_them(self):
        with tempfile.TemporaryDirectory() as d:
            path = os.path.join(d, "list.ini")
            write(path, "upexe=early\r\n[upexe]\r\nupexe = zelvik43 \r\n[filelist]\r\n10=十\r\n1=一\r\n[说明]\r\nk=[x]\r\n")
            rows = [
                ("upexe", "upexe", "zelvik43"),
                ("filelist", "1", "十"),
                ("filelist", "10", "十"),
                ("说明", "k", None),
                ("none", "k", None),
            ]
            for section, key, value in rows:
                with self.subTest(section=section, key=key):
                    self.assertEqual(ok("list-value", path, section, key), {"value": value})
            self.assertEqual(run("list-value", os.path.join(d, "missing"), "a", "b").returncode, 2)
            self.assertEqual(run("list-value", path, "a").returncode, 2)


class Release:
    """A release folder on the FTP server's root, signed with the test key."""

    def __init__(self, root, version="4.3", files=None, upexe=None):
        self.dir = os.path.join(root, "updateMW")
        self.files = files if files is not None else [("zelvik43", b"#!/bin/sh\nexit 0\n"), ("readme.txt", b"notes")]
        names = [n for n, _ in self.files]
        text = (f"[newversion]\r\nnewversion={version}\r\n[upexe]\r\nupexe={upexe or names[0]}\r\n"
                f"[upnumber]\r\nupnumber={len(names)}\r\n[filelist]\r\n"
                + "".join(f"{i + 1}={n}\r\n" for i, n in enumerate(names)))
        for name, data in self.files:
            write(os.path.join(self.dir, name), data)
        write(os.path.join(self.dir, "list.ini"), text)

    def sign(self):
        return ok("update-sign", "sign", "--key", TEST_KEY, self.dir)


class UpdateSign(unittest.TestCase):
    def test_keygen_writes_a_private_key_once(self):
        with tempfile.TemporaryDirectory() as d:
            key = os.path.join(d, "release.key")
            out = ok("update-sign", "keygen", "--out", key)
            self.assertRegex(out["public_key"], r"^[0-9a-f]{64}$")
            self.assertEqual(stat.S_IMODE(os.stat(key).st_mode), 0o600)
            self.assertEqual(run("update-sign", "keygen", "--out", key).returncode, 1)
            self.assertEqual(run("update-sign", "keygen").returncode, 2)

    def test_sign_fills_in_the_hashes_and_verify_checks_them(self):
        with tempfile.TemporaryDirectory() as d:
            rel = Release(d, files=[("zelvik43", b"program"), ("doc/说明.txt", "说明".encode())])
            out = rel.sign()
            self.assertEqual(out["newversion"], "4.3")
            list_path = os.path.join(rel.dir, "list.ini")
            for i, (name, data) in enumerate(rel.files):
                self.assertEqual(ok("list-value", list_path, "sha256", str(i + 1))["value"],
                                 hashlib.sha256(data).hexdigest())
            self.assertEqual(len(read(list_path + ".sig")), 64)
            self.assertTrue(ok("update-sign", "verify", rel.dir)["signature"])
            # Signing again replaces the section instead of adding a second one.
            rel.sign()
            self.assertEqual(read(list_path).count(b"[sha256]"), 1)
            write(os.path.join(rel.dir, "zelvik43"), b"tampered")
            p = run("update-sign", "verify", rel.dir)
            self.assertEqual(p.returncode, 1)
            self.assertEqual(json.loads(p.stdout)["files"][0]["sha256_ok"], False)
            write(list_path, read(list_path) + b"\r\n")
            self.assertFalse(json.loads(run("update-sign", "verify", rel.dir).stdout)["signature"])

    def test_sign_refuses_what_the_program_would_refuse(self):
        rows = [
            ("traversal", [("zelvik43", b"x"), ("../x", b"y")], None),
            ("backslash", [("zelvik43", b"x"), ("a\\b", b"y")], None),
            ("configuration file", [("zelvik43", b"x"), ("ConfigMW.ini", b"y")], None),
            ("upexe not listed", [("zelvik43", b"x")], "other"),
        ]
        for name, files, upexe in rows:
            with self.subTest(name), tempfile.TemporaryDirectory() as d:
                rel = Release(d, files=[f for f in files if ".." not in f[0]], upexe=upexe)
                if any(".." in f[0] for f in files):
                    text = read(os.path.join(rel.dir, "list.ini")).decode() + "2=../x\r\n"
                    write(os.path.join(rel.dir, "list.ini"), text.replace("upnumber=1", "upnumber=2"))
                p = run("update-sign", "sign", "--key", TEST_KEY, rel.dir)
                self.assertEqual(p.returncode, 1, p.stderr)
                self.assertFalse(os.path.exists(os.path.join(rel.dir, "list.ini.sig")))
        with tempfile.TemporaryDirectory() as d:
            rel = Release(d)
            os.remove(os.path.join(rel.dir, "readme.txt"))
            self.assertEqual(run("update-sign", "sign", "--key", TEST_KEY, rel.dir).returncode, 1)
            self.assertEqual(run("update-sign", "sign", "--key", AD_GIF, rel.dir).returncode, 1)


class UpdateAgainstAServer(unittest.TestCase):
    def setUp(self):
        self.tmp = tempfile.TemporaryDirectory()
        self.root = os.path.join(self.tmp.name, "server")
        self.app = os.path.join(self.tmp.name, "app")
        os.makedirs(self.root)
        write(os.path.join(self.app, "zelvik"), b"old program")
        write(os.path.join(self.app, "readme.txt"), b"old notes")
        self.server = None

    def tearDown(self):
        if self.server:
            self.server.close()
        self.tmp.cleanup()

    def serve(self):
        self.server = FtpServer(self.root)
        env = dict(os.environ, ZELVIK_UPDATE_SERVER=self.server.url)
        return env

    def snapshot(self):
        out = {}
        for base, dirs, files in os.walk(self.app):
            for f in files:
                p = os.path.join(base, f)
                out[os.path.relpath(p, self.app)] = read(p)
        return out

    def test_same_or_older_version(self):
        for version in ("4.2", "4.1"):
            with self.subTest(version):
                Release(self.root, version=version).sign()
                env = self.serve()
                before = self.snapshot()
                out = ok("update", "check", "--dir", self.app, "--answer", "yes", env=env)
                self.assertEqual(out, {"result": 0, "upexe": "zelvik43", "asked": False})
                self.assertEqual(self.snapshot(), before)
                self.server.close()
                self.server = None

    def test_newer_version_downloads_both_files(self):
        Release(self.root).sign()
        env = self.serve()
        out = ok("update", "check", "--dir", self.app, "--answer", "yes", env=env)
        self.assertEqual(out, {"result": 1, "upexe": "zelvik43", "asked": True})
        self.assertEqual(read(os.path.join(self.app, "readme.txt")), b"notes")
        self.assertTrue(os.access(os.path.join(self.app, "zelvik43"), os.X_OK))
        self.assertEqual(ok("list-value", os.path.join(self.app, "list.ini"), "oldexe", "oldexe"),
                         {"value": "zelvik"})

    def test_the_new_copy_ends_the_old_one(self):
        # The old copy: a shell under the program's name, which records the SIGTERM it gets.
        old_exe = os.path.join(self.app, "zelvik")
        shutil.copy("/bin/sh", old_exe)
        marker = os.path.join(self.tmp.name, "terminated")
        # One fork, at once: a loop of sleeps would briefly show forked children under the
        # same executable, which the clean-up would rightly end too. The trap ends the sleep
        # too, and neither holds the test runner's output open.
        old = subprocess.Popen([old_exe, "-c", f"trap 'echo term > {marker}; kill $!; exit 0' TERM; sleep 60 & wait"],
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, start_new_session=True)
        time.sleep(0.2)
        try:
            # The new copy runs the program's clean-up, as its start would.
            new_copy = (f"#!/bin/sh\nexec '{os.path.abspath(CLI)}' update clean-up --dir '{self.app}' "
                        f"--self zelvik43 > '{self.tmp.name}/cleanup.json'\n").encode()
            Release(self.root, files=[("zelvik43", new_copy), ("readme.txt", b"notes")]).sign()
            env = self.serve()
            self.assertEqual(ok("update", "check", "--dir", self.app, "--answer", "yes", env=env)["result"], 1)
            subprocess.run([os.path.join(self.app, "zelvik43")], timeout=30)
            self.assertEqual(old.wait(timeout=10), 0)
            self.assertEqual(read(marker).strip(), b"term")
            self.assertEqual(json.loads(read(os.path.join(self.tmp.name, "cleanup.json"))),
                             {"result": "cleaned", "oldexe": "zelvik", "ended": 1})
            self.assertFalse(os.path.exists(old_exe))
            self.assertFalse(os.path.exists(os.path.join(self.app, "list.ini")))
            self.assertTrue(os.path.exists(os.path.join(self.app, "zelvik43")))
        finally:
            try:
                os.killpg(old.pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
            old.wait()

    def test_clean_up_by_the_copy_that_downloaded_leaves_everything(self):
        write(os.path.join(self.app, "list.ini"), "[oldexe]\noldexe=zelvik\n")
        out = ok("update", "clean-up", "--dir", self.app, "--self", "zelvik")
        self.assertEqual(out["result"], "same-copy")
        self.assertTrue(os.path.exists(os.path.join(self.app, "list.ini")))
        self.assertTrue(os.path.exists(os.path.join(self.app, "zelvik")))
        self.assertEqual(run("update", "check", "--answer", "maybe").returncode, 2)
        self.assertEqual(run("update", "frobnicate").returncode, 2)


if __name__ == "__main__":
    unittest.main()
