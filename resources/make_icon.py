#!/usr/bin/env python3
"""Draws the program icon, Blockery.ico: an ink-dark casket with three stacked blocks on its lid,
at 16, 32 and 48 pixels, 32-bit with alpha. Run it again after changing the drawing:
    python3 resources/make_icon.py resources/Blockery.ico
"""
import struct
import sys

INK = (38, 52, 64)
LID = (60, 84, 102)
BLOCKS = [(214, 92, 62), (232, 176, 60), (96, 170, 120)]
EDGE = (245, 245, 240)


def inside_rounded(x, y, left, top, right, bottom, radius):
    if x < left or x >= right or y < top or y >= bottom:
        return False
    cx = min(max(x, left + radius), right - 1 - radius)
    cy = min(max(y, top + radius), bottom - 1 - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius + radius


def pixel(x, y, n):
    """RGBA of one pixel of an n x n icon, on a 48-unit grid scaled to n."""
    u, v = (x + 0.5) * 48 / n, (y + 0.5) * 48 / n
    for i, colour in enumerate(BLOCKS):
        left = 10 + i * 10
        if left <= u < left + 9 and 7 <= v < 16:
            return colour + (255,)
    if inside_rounded(u, v, 4, 16, 44, 22, 2):
        return LID + (255,)
    if inside_rounded(u, v, 6, 22, 42, 44, 3):
        if 20 <= u < 28 and 28 <= v < 32:
            return EDGE + (255,)
        return INK + (255,)
    return (0, 0, 0, 0)


def image(n):
    rows = []
    for y in reversed(range(n)):  # bottom-up, as a DIB is stored
        rows.append(b"".join(struct.pack("<BBBB", b, g, r, a) for r, g, b, a in (pixel(x, y, n) for x in range(n))))
    xor = b"".join(rows)
    mask_row = ((n + 31) // 32) * 4
    mask = bytes(mask_row * n)  # alpha decides; the AND mask is all opaque
    header = struct.pack("<IiiHHIIiiII", 40, n, n * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    return header + xor + mask


def main(path):
    sizes = [16, 32, 48]
    images = [image(n) for n in sizes]
    out = struct.pack("<HHH", 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for n, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII", n, n, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    out += b"".join(images)
    with open(path, "wb") as f:
        f.write(out)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "Blockery.ico")
