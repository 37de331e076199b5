#!/usr/bin/env python3
"""Draws the placeholder picture (bitmap 138): 160 x 68, the words 暂无缩微图 on a pale ground.

ImageMagick renders the words with the WenQuanYi Zen Hei font (Debian: imagemagick,
fonts-wqy-zenhei); this script writes the pixels as a 32-bit bottom-up .bmp with a plain
40-byte info header, which both the resource compiler and the portable tile code read.
Run it from anywhere; it rewrites placeholder.bmp beside itself.
"""
import os
import struct
import subprocess

WIDTH, HEIGHT = 160, 68
GROUND = "#F4F4EE"
BORDER = "#D8D8D0"
INK = "#707070"
FONT = "/usr/share/fonts/truetype/wqy/wqy-zenhei.ttc"
WORDS = "暂无缩微图"


def render_rgb():
    command = [
        "convert", "-size", f"{WIDTH}x{HEIGHT}", f"xc:{GROUND}",
        "-fill", "none", "-stroke", BORDER, "-draw", f"rectangle 2,2 {WIDTH - 3},{HEIGHT - 3}",
        "-stroke", "none", "-fill", INK, "-font", FONT, "-pointsize", "22",
        "-gravity", "center", "-annotate", "+0+0", WORDS,
        "-depth", "8", "rgb:-",
    ]
    pixels = subprocess.run(command, check=True, capture_output=True).stdout
    if len(pixels) != WIDTH * HEIGHT * 3:
        raise SystemExit(f"convert gave {len(pixels)} bytes, expected {WIDTH * HEIGHT * 3}")
    return pixels


def bmp_bytes(pixels):
    rows = []
    for y in range(HEIGHT - 1, -1, -1):
        row = bytearray()
        for x in range(WIDTH):
            r, g, b = pixels[(y * WIDTH + x) * 3:(y * WIDTH + x) * 3 + 3]
            row += bytes((b, g, r, 0))
        rows.append(bytes(row))
    image = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 32, 0, len(image), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(image), 0, 0, 14 + len(info))
    return header + info + image


def main():
    target = os.path.join(os.path.dirname(os.path.abspath(__file__)), "placeholder.bmp")
    with open(target, "wb") as out:
        out.write(bmp_bytes(render_rgb()))
    print(target)


if __name__ == "__main__":
    main()
