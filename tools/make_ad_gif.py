#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draws the advertisement shown at the bottom of the main window: resources/ad.gif, a
GIF89a of 425 x 87 pixels with three frames that loops without end, and its English
version resources/ad_en.gif for the English interface.

Run it again after changing a text; it needs python3-pil and fonts-wqy-microhei:
    tools/make_ad_gif.py [--lang en] [output (default resources/ad.gif, ad_en.gif)]
"""
import os
import sys

from PIL import Image, ImageDraw, ImageFont

WIDTH, HEIGHT = 425, 87
FONT = "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc"
BACKGROUND = (217, 226, 244)   # the dialog colour, so the picture sits in the window
INK = (24, 48, 110)
ACCENT = (196, 40, 28)
STEEL = (120, 132, 150)

# Each frame: (big line, small line, hundredths of a second on screen).
FRAMES = [
    ("Zelvik 钢材重量计算器", "钢材理论重量  输入尺寸  一算即得", 150),
    ("板材 型钢 管材 紧固件 钢丝绳", "三页十八种钢材  支持算式输入  自定义规格", 150),
    ("点击这里  访问网店", "更多钢材工具与资料  尽在 Zelvik", 150),
]
FRAMES_EN = [
    ("Zelvik steel weights", "Theoretical weights  type the size  read the result", 150),
    ("Plate  sections  tube  rope", "18 products on 3 pages  arithmetic  custom sizes", 150),
    ("Click here: web shop", "More steel tools and data at Zelvik", 150),
]


def draw_frame(big, small, index):
    img = Image.new("RGB", (WIDTH, HEIGHT), BACKGROUND)
    d = ImageDraw.Draw(img)
    # A steel I-section on the left, its flanges growing with the frame number.
    x0, y0 = 14, 14
    flange = 34 + 6 * index
    d.rectangle([x0, y0, x0 + flange, y0 + 8], fill=STEEL)
    d.rectangle([x0 + flange // 2 - 4, y0 + 8, x0 + flange // 2 + 4, y0 + 51], fill=STEEL)
    d.rectangle([x0, y0 + 51, x0 + flange, y0 + 59], fill=STEEL)
    d.rectangle([0, 0, WIDTH - 1, HEIGHT - 1], outline=INK)
    big_font = ImageFont.truetype(FONT, 26)
    small_font = ImageFont.truetype(FONT, 15)
    left = 70
    d.text((left, 12), big, font=big_font, fill=ACCENT if index == 2 else INK)
    d.text((left, 52), small, font=small_font, fill=INK)
    # Three dots tell which frame is up.
    for i in range(3):
        cx = WIDTH - 40 + 12 * i
        d.ellipse([cx - 3, HEIGHT - 12, cx + 3, HEIGHT - 6], fill=ACCENT if i == index else STEEL)
    return img.quantize(colors=64, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE)


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    args = sys.argv[1:]
    english = args[:2] == ["--lang", "en"]
    if english:
        args = args[2:]
    texts = FRAMES_EN if english else FRAMES
    name = "ad_en.gif" if english else "ad.gif"
    out = args[0] if args else os.path.join(root, "resources", name)
    frames = [draw_frame(big, small, i) for i, (big, small, _) in enumerate(texts)]
    frames[0].save(out, save_all=True, append_images=frames[1:], loop=0, optimize=False,
                   duration=[10 * f[2] for f in texts], disposal=1)
    with open(out, "rb") as f:
        if f.read(6) != b"GIF89a":
            sys.exit("not written as GIF89a")


if __name__ == "__main__":
    main()
