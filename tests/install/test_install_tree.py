# SPDX-License-Identifier: GPL-3.0-or-later
"""`cmake --install` into a scratch prefix: exactly the expected files, each usable."""
import gzip
import os
import re
import struct
import subprocess
import tempfile
import unittest
import xml.etree.ElementTree as ET

BUILD = os.environ["ZELVIK_BUILD_DIR"]
APP_ID = os.environ["ZELVIK_APP_ID"]
WITH_UI = os.environ.get("ZELVIK_BUILD_UI") == "1"
ICON_SIZES = (16, 22, 24, 32, 48, 64, 128, 256)


def png_size(path):
    with open(path, "rb") as f:
        head = f.read(24)
    assert head[:8] == b"\x89PNG\r\n\x1a\n" and head[12:16] == b"IHDR", path
    return struct.unpack(">II", head[16:24])


class InstallTreeTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.scratch = tempfile.TemporaryDirectory()
        cls.prefix = cls.scratch.name
        env = {k: v for k, v in os.environ.items() if k != "DESTDIR"}
        subprocess.run(["cmake", "--install", BUILD, "--prefix", cls.prefix], check=True, env=env,
                       stdout=subprocess.DEVNULL, timeout=60)
        cls.files = set()
        for root, _, names in os.walk(cls.prefix):
            cls.files |= {os.path.relpath(os.path.join(root, n), cls.prefix) for n in names}

    @classmethod
    def tearDownClass(cls):
        cls.scratch.cleanup()

    def path(self, rel):
        return os.path.join(self.prefix, rel)

    def test_exactly_the_expected_files(self):
        expected = {"bin/zelvik-cli", "share/man/man1/zelvik-cli.1.gz", "share/man/zh_CN/man1/zelvik-cli.1.gz",
                    "share/bash-completion/completions/zelvik-cli", "share/doc/zelvik/copyright"}
        if WITH_UI:
            expected |= {"bin/zelvik", "share/man/man1/zelvik.1.gz", "share/man/zh_CN/man1/zelvik.1.gz",
                         f"share/applications/{APP_ID}.desktop", f"share/metainfo/{APP_ID}.metainfo.xml",
                         f"share/icons/hicolor/scalable/apps/{APP_ID}.svg"}
            expected |= {f"share/icons/hicolor/{s}x{s}/apps/{APP_ID}.png" for s in ICON_SIZES}
        self.assertEqual(self.files, expected)

    def test_copyright_is_machine_readable_and_credits_the_bearing_tables(self):
        with open(self.path("share/doc/zelvik/copyright"), encoding="utf-8") as f:
            paragraphs = [p for p in f.read().split("\n\n") if p.strip()]
        fields = [dict(re.findall(r"^([A-Za-z-]+): ?(.*)$", p, re.M)) for p in paragraphs]
        self.assertEqual(fields[0]["Format"], "https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/")
        files = {p["Files"]: p["License"] for p in fields if "Files" in p}
        self.assertEqual(files["*"], "GPL-3+")
        self.assertEqual(files["data/bearings/*"], "MIT")
        # Every licence named has its text.
        named = {n for p in fields if "Files" in p for n in p["License"].split(" and ")}
        self.assertEqual(named, {p["License"] for p in fields if "Files" not in p and "License" in p})
        self.assertIn("ArtemFilin1990", paragraphs[2])

    def test_installed_cli_computes(self):
        out = subprocess.run([self.path("bin/zelvik-cli"), "weight", "hot-angle", "--length", "6000"],
                             capture_output=True, text=True, check=True, timeout=30).stdout
        self.assertIn('"weight": "5.33"', out)

    def test_man_pages_are_configured(self):
        version = subprocess.run([self.path("bin/zelvik-cli"), "--version"], capture_output=True, text=True,
                                 check=True).stdout.split()[-1]
        for page in (p for p in self.files if p.startswith("share/man/")):
            with self.subTest(page=page):
                text = gzip.open(self.path(page), "rt", encoding="utf-8").read()
                self.assertRegex(text, r'(?m)^\.TH \S+ 1 "\d{4}-\d\d-\d\d" "Zelvik ' + re.escape(version) + '"')
                self.assertNotIn("@", text.replace("users.noreply", ""))

    @unittest.skipUnless(WITH_UI, "built without the desktop program")
    def test_icons_have_their_sizes(self):
        for s in ICON_SIZES:
            self.assertEqual(png_size(self.path(f"share/icons/hicolor/{s}x{s}/apps/{APP_ID}.png")), (s, s))

    @unittest.skipUnless(WITH_UI, "built without the desktop program")
    def test_scalable_icon_is_known_as_svg_by_its_content(self):
        # GTK's image loader goes by content: shared-mime-info looks for "<svg" in the first
        # 256 bytes, and an icon it cannot place is not shown.
        with open(self.path(f"share/icons/hicolor/scalable/apps/{APP_ID}.svg"), "rb") as f:
            self.assertIn(b"<svg", f.read(256))

    @unittest.skipUnless(WITH_UI, "built without the desktop program")
    def test_desktop_entry_and_metainfo_name_each_other(self):
        with open(self.path(f"share/applications/{APP_ID}.desktop"), encoding="utf-8") as f:
            entry = dict(line.rstrip("\n").split("=", 1) for line in f if "=" in line)
        self.assertEqual(entry["Icon"], APP_ID)
        self.assertEqual(entry["Exec"], "zelvik")
        self.assertEqual(entry["StartupWMClass"], "zelvik")
        root = ET.parse(self.path(f"share/metainfo/{APP_ID}.metainfo.xml")).getroot()
        self.assertEqual(root.findtext("id"), APP_ID)
        self.assertEqual(root.findtext("launchable"), f"{APP_ID}.desktop")
        self.assertEqual(root.findtext("project_license"), "GPL-3.0-or-later")
        self.assertEqual(sorted(b.text for b in root.iter("binary")),
                         sorted(os.path.basename(p) for p in self.files if p.startswith("bin/")))
        version = subprocess.run([self.path("bin/zelvik"), "--version"], capture_output=True, text=True,
                                 check=True, timeout=30).stdout.split()[-1]
        self.assertEqual(root.find("releases/release").get("version"), version)


if __name__ == "__main__":
    unittest.main()
