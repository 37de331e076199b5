#!/usr/bin/env python3
"""Draws the gallery's own skin artwork and writes it as 24-bit BMP files.

    tools/art/make_art.py [REPOSITORY]

Writes the bitmap resources of the frame, title band and logo to resources/art/ and the button
strips to resources/GallerySkin/; the logo and each strip are drawn for 100 %, 150 % and 200 %
display settings ("update.bmp", "update@150.bmp", "update@200.bmp"): the shapes are measured at 100 % and sampled
at the larger size, the words rasterised at the larger size, so nothing is stretched. Everything
is drawn here from shapes; only the Chinese button words are rasterised by ImageMagick's
`convert` with the WenQuanYi Zen Hei font. Running it again gives the same files byte for byte.

The title band, logo, close, update and help buttons all sit on the band, and are drawn without
transparency, so each carries the band's own gradient rows behind it at the height where the
windows place it (logo at y 7, close button at y 2, update and help at y 5).
"""

import math
import os
import struct
import subprocess
import sys

FONT = "/usr/share/fonts/truetype/wqy/wqy-zenhei.ttc"

# Colours of the skin (RGB).
BLACK = (0, 0, 0)
WHITE = (255, 255, 255)
FRAME_DARK = (24, 56, 62)
FRAME_LIGHT = (206, 224, 226)
BAND_LIGHT = (112, 168, 174)
BAND_TOP = (44, 104, 112)
BAND_BOTTOM = (16, 56, 62)
BAND_TEXT = (238, 238, 238)
BUTTON_BAND = (240, 240, 240)
CLOSE_HOVER = (200, 52, 48)
CLOSE_PRESSED = (150, 32, 30)
DISABLED_INK = (118, 140, 144)
LINK_INK = (36, 116, 124)

BAND_ROWS = 29

# The display scale the button strips are drawn for (1, 1.5 or 2); lengths in the drawing
# functions are at 100 % and go through px().
SCALE = 1


def px(length):
    """A length at 100 % in pixels at SCALE, halves rounded up as the gallery rounds them."""
    return int(math.floor(length * SCALE + 0.5))


class Picture:
    """An RGB picture, rows top to bottom."""

    def __init__(self, width, height, fill=WHITE):
        self.width = width
        self.height = height
        self.rows = [[fill] * width for _ in range(height)]

    def put(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.rows[y][x] = colour

    def get(self, x, y):
        return self.rows[y][x]

    def blend(self, x, y, colour, alpha):
        if alpha <= 0 or not (0 <= x < self.width and 0 <= y < self.height):
            return
        self.rows[y][x] = mix(self.rows[y][x], colour, min(alpha, 1.0))

    def fill(self, left, top, width, height, colour):
        for y in range(top, top + height):
            for x in range(left, left + width):
                self.put(x, y, colour)

    def paste(self, other, left, top):
        for y in range(other.height):
            for x in range(other.width):
                self.put(left + x, top + y, other.get(x, y))

    def save_bmp(self, path):
        stride = (self.width * 3 + 3) & ~3
        pad = bytes(stride - self.width * 3)
        body = bytearray()
        for row in reversed(self.rows):
            for r, g, b in row:
                body += bytes((b, g, r))
            body += pad
        info = struct.pack("<IiiHHIIiiII", 40, self.width, self.height, 1, 24, 0, len(body),
                           3780, 3780, 0, 0)
        header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(body), 0, 0, 14 + len(info))
        with open(path, "wb") as out:
            out.write(header + info + body)


def mix(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def band_row(y):
    """The title band's colour at row y: black first and last row, a light second row, a dark teal
    gradient between, fading to white below the band."""
    if y == 0 or y == BAND_ROWS - 1:
        return BLACK
    if y == 1:
        return BAND_LIGHT
    if y < BAND_ROWS - 1:
        return mix(BAND_TOP, BAND_BOTTOM, (y - 2) / (BAND_ROWS - 4))
    return mix(BAND_BOTTOM, WHITE, min(1.0, (y - BAND_ROWS + 1) / 40))


def band_behind(width, height, top):
    """A picture holding the band rows top .. top+height-1, as a control placed there sees it. At
    a larger SCALE every row of the band is the one the window's stretched band shows there."""
    picture = Picture(px(width), px(height))
    band = px(BAND_ROWS)
    for y in range(picture.height):
        row = px(top) + y
        picture.fill(0, y, picture.width, 1, band_row(row * BAND_ROWS // band if row < band else row - band + BAND_ROWS))
    return picture


# Shapes are drawn by 4 x 4 supersampling of an inside test, which gives smooth edges.

def coverage(inside, x, y):
    """How much of pixel (x, y) at SCALE the shape, measured at 100 %, covers."""
    hits = 0
    for sy in range(4):
        for sx in range(4):
            if inside((x + (sx + 0.5) / 4) / SCALE, (y + (sy + 0.5) / 4) / SCALE):
                hits += 1
    return hits / 16


def draw_shape(picture, inside, colour, left=0, top=0, width=None, height=None):
    """The shape over the box (left, top, width, height) at 100 %; the whole picture without one."""
    x0, y0 = math.floor(left * SCALE), math.floor(top * SCALE)
    x1 = picture.width if width is None else math.ceil((left + width) * SCALE)
    y1 = picture.height if height is None else math.ceil((top + height) * SCALE)
    for y in range(y0, y1):
        for x in range(x0, x1):
            picture.blend(x, y, colour, coverage(inside, x, y))


def near_segment(x0, y0, x1, y1, radius):
    dx, dy = x1 - x0, y1 - y0
    length2 = dx * dx + dy * dy

    def inside(x, y):
        t = 0.0 if length2 == 0 else max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / length2))
        px, py = x0 + t * dx - x, y0 + t * dy - y
        return px * px + py * py <= radius * radius
    return inside


def in_ring(cx, cy, outer, inner, gap=None):
    """A ring; gap is an (x_min, y_max) corner left open, for the update arrow."""
    def inside(x, y):
        d2 = (x - cx) ** 2 + (y - cy) ** 2
        if not (inner * inner <= d2 <= outer * outer):
            return False
        return gap is None or not (x > cx + gap[0] and y < cy + gap[1])
    return inside


def in_rounded_rect(left, top, right, bottom, radius):
    def inside(x, y):
        if not (left <= x <= right and top <= y <= bottom):
            return False
        cx = min(max(x, left + radius), right - radius)
        cy = min(max(y, top + radius), bottom - radius)
        return (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius
    return inside


def in_triangle(a, b, c):
    def side(p, q, x, y):
        return (q[0] - p[0]) * (y - p[1]) - (q[1] - p[1]) * (x - p[0])

    def inside(x, y):
        s1, s2, s3 = side(a, b, x, y), side(b, c, x, y), side(c, a, x, y)
        return (s1 >= 0 and s2 >= 0 and s3 >= 0) or (s1 <= 0 and s2 <= 0 and s3 <= 0)
    return inside


def text_mask(text, pixels):
    """The words, pixels high at 100 %, as a coverage mask at SCALE (rows of 0..1), trimmed to
    their ink."""
    raw = subprocess.run(
        ["convert", "-background", "black", "-fill", "white", "-font", FONT,
         "-pointsize", str(pixels * SCALE), "label:" + text, "-trim", "+repage", "-depth", "8", "pgm:-"],
        check=True, capture_output=True).stdout
    fields = []
    at = 0
    while len(fields) < 4:
        while raw[at:at + 1].isspace():
            at += 1
        end = at
        while not raw[end:end + 1].isspace():
            end += 1
        fields.append(raw[at:end])
        at = end
    at += 1
    width, height = int(fields[1]), int(fields[2])
    data = raw[at:at + width * height]
    return [[data[y * width + x] / 255 for x in range(width)] for y in range(height)]


def draw_mask(picture, mask, left, top, colour):
    for y, row in enumerate(mask):
        for x, alpha in enumerate(row):
            picture.blend(left + x, top + y, colour, alpha)


def strip(frames):
    """Five equal frames side by side, left to right."""
    width, height = frames[0].width, frames[0].height
    result = Picture(width * len(frames), height)
    for i, frame in enumerate(frames):
        result.paste(frame, i * width, 0)
    return result


# Bitmap resources.

def frame_source():
    """Bitmap 147, 650 x 64: a dark outer line with a light line inside, white within."""
    width, height = 650, 64
    picture = Picture(width, height, WHITE)
    for y in range(height):
        for x in range(width):
            ring = min(x, y, width - 1 - x, height - 1 - y)
            if ring == 0:
                picture.put(x, y, FRAME_DARK)
            elif ring == 1:
                picture.put(x, y, FRAME_LIGHT)
    return picture


def band_body():
    """Bitmap 146, 1806 x 110: the band rows, the same across the whole width."""
    return band_behind(1806, 110, 0)


def band_end(right):
    """Bitmaps 144 (left end) and 145 (right end), 18 x 100: the band with the frame's dark outer
    column and light inner column at the window's edge."""
    picture = band_behind(18, 100, 0)
    outer, inner = (17, 16) if right else (0, 1)
    for y in range(1, BAND_ROWS - 1):
        picture.put(inner, y, BAND_LIGHT)
    for y in range(BAND_ROWS):
        picture.put(outer, y, BLACK)
    return picture


def logo_frame(accent):
    """One 18 x 18 logo (at 100 %): an ink casket, a box with its lid lifted, on the band rows 7
    to 24."""
    picture = band_behind(18, 18, 7)
    draw_shape(picture, in_rounded_rect(3.0, 7.5, 15.0, 15.5, 1.2), BAND_TEXT)
    draw_shape(picture, in_rounded_rect(4.5, 9.0, 13.5, 14.0, 0.6), accent)
    draw_shape(picture, near_segment(3.5, 5.2, 14.5, 3.0, 0.9), BAND_TEXT)
    draw_shape(picture, in_rounded_rect(7.5, 10.2, 10.5, 12.0, 0.5), BAND_TEXT)
    return picture


def logo_strip():
    """Bitmap 136, 90 x 18: five logo frames; the windows show frame 0."""
    accents = [(30, 120, 130), (20, 90, 98), (60, 150, 160), (44, 140, 150), (90, 110, 114)]
    return strip([logo_frame(a) for a in accents])


# Button strips: frames normal, pressed, (unused), hover, disabled.

def close_frame(state):
    """41 x 16 at y 2 on the band: a cross; red behind it under the mouse."""
    picture = band_behind(41, 16, 2)
    ink = BAND_TEXT
    if state in ("hover", "pressed"):
        picture.fill(0, 0, picture.width, picture.height, CLOSE_HOVER if state == "hover" else CLOSE_PRESSED)
        ink = WHITE
    elif state == "disabled":
        ink = DISABLED_INK
    shift = 1 if state == "pressed" else 0
    cx, cy = 20.5 + shift, 8.0 + shift
    draw_shape(picture, near_segment(cx - 3.6, cy - 3.6, cx + 3.6, cy + 3.6, 0.8), ink)
    draw_shape(picture, near_segment(cx - 3.6, cy + 3.6, cx + 3.6, cy - 3.6, 0.8), ink)
    return picture


def dialog_button_frame(state, face_top, face_bottom, border):
    """73 x 19 on the dialogs' grey button band: a rounded face; the caption is drawn by the button."""
    picture = Picture(px(73), px(19), BUTTON_BAND)
    if state == "disabled":
        face_top, face_bottom, border = (236, 236, 236), (226, 226, 226), (180, 180, 180)
    elif state == "hover":
        face_top, face_bottom = mix(face_top, WHITE, 0.45), mix(face_bottom, WHITE, 0.35)
    elif state == "pressed":
        face_top, face_bottom = face_bottom, mix(face_bottom, BLACK, 0.08)
    draw_shape(picture, in_rounded_rect(0.0, 0.0, 73.0, 19.0, 3.0), border)
    face = Picture(picture.width, picture.height, BUTTON_BAND)
    for y in range(face.height):
        face.fill(0, y, face.width, 1, mix(face_top, face_bottom, y / (face.height - 1)))
    inner = in_rounded_rect(1.0, 1.0, 72.0, 18.0, 2.2)
    for y in range(picture.height):
        for x in range(picture.width):
            picture.blend(x, y, face.get(x, y), coverage(inner, x, y))
    return picture


def update_icon(picture, left, top, ink):
    cx, cy = left + 6.5, top + 7.0
    draw_shape(picture, in_ring(cx, cy, 5.6, 4.0, gap=(0.0, -1.0)), ink, left, top, 14, 14)
    draw_shape(picture, in_triangle((cx + 1.0, cy - 8.2), (cx + 1.0, cy - 1.6), (cx + 5.0, cy - 4.9)),
               ink, left, top, 14, 14)


def help_icon(picture, left, top, ink):
    cx, cy = left + 6.5, top + 7.0
    draw_shape(picture, in_ring(cx, cy, 6.2, 4.9), ink, left, top, 14, 14)
    mark = text_mask("?", 11)
    draw_mask(picture, mark, int(cx * SCALE - len(mark[0]) / 2 + 0.5), int(cy * SCALE - len(mark) / 2 + 0.5), ink)


def add_icon(picture, left, top, ink):
    cx, cy = left + 6.5, top + 7.0
    draw_shape(picture, near_segment(cx - 4.5, cy, cx + 4.5, cy, 0.9), ink, left, top, 14, 14)
    draw_shape(picture, near_segment(cx, cy - 4.5, cx, cy + 4.5, 0.9), ink, left, top, 14, 14)


def band_button_frame(state, words, icon):
    """66 x 20 at y 5 on the band: an icon and the words in light ink; a soft face under the mouse."""
    picture = band_behind(66, 20, 5)
    ink = DISABLED_INK if state == "disabled" else BAND_TEXT
    if state in ("hover", "pressed"):
        shade = WHITE if state == "hover" else BLACK
        face = in_rounded_rect(0.0, 0.0, 66.0, 20.0, 3.0)
        for y in range(picture.height):
            for x in range(picture.width):
                picture.blend(x, y, shade, coverage(face, x, y) * (0.18 if state == "hover" else 0.25))
    shift = 1 if state == "pressed" else 0
    mask = text_mask(words, 13)
    width = px(18) + len(mask[0])
    left = (picture.width - width) // 2 + px(shift)
    icon(picture, left / SCALE, 3 + shift, ink)
    draw_mask(picture, mask, left + px(18), (picture.height - len(mask)) // 2 + px(shift), ink)
    return picture


def add_button_frame(state):
    """96 x 24 at (468, 36) on the white client area: "添加更多" with a plus, in an outlined face."""
    picture = Picture(px(96), px(24), WHITE)
    ink, face = LINK_INK, WHITE
    if state == "disabled":
        ink = (170, 176, 178)
    elif state == "hover":
        face = (228, 243, 244)
    elif state == "pressed":
        face = (196, 226, 229)
    draw_shape(picture, in_rounded_rect(0.0, 0.0, 96.0, 24.0, 4.0), ink)
    inner = in_rounded_rect(1.0, 1.0, 95.0, 23.0, 3.2)
    for y in range(picture.height):
        for x in range(picture.width):
            picture.blend(x, y, face, coverage(inner, x, y))
    shift = 1 if state == "pressed" else 0
    mask = text_mask("添加更多", 13)
    width = px(18) + len(mask[0])
    left = (picture.width - width) // 2 + px(shift)
    add_icon(picture, left / SCALE, 5 + shift, ink)
    draw_mask(picture, mask, left + px(18), (picture.height - len(mask)) // 2 + px(shift), ink)
    return picture


STATES = ["normal", "pressed", "normal", "hover", "disabled"]


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "..")
    art = os.path.join(root, "resources", "art")
    skin = os.path.join(root, "resources", "GallerySkin")
    os.makedirs(art, exist_ok=True)
    os.makedirs(skin, exist_ok=True)

    outputs = {
        os.path.join(art, "frame.bmp"): frame_source(),
        os.path.join(art, "title_left.bmp"): band_end(right=False),
        os.path.join(art, "title_body.bmp"): band_body(),
        os.path.join(art, "title_right.bmp"): band_end(right=True),
    }
    for path, picture in outputs.items():
        picture.save_bmp(path)
        print(f"{os.path.relpath(path, root)}: {picture.width} x {picture.height}")
    global SCALE
    for SCALE, suffix in ((1, ""), (1.5, "@150"), (2, "@200")):
        save_scaled(root, art, skin, suffix)


def save_scaled(root, art, skin, suffix):
    """The logo and the button strips at SCALE, named with the suffix before ".bmp"."""
    outputs = {
        os.path.join(art, "logo.bmp"): logo_strip(),
        os.path.join(skin, "FRAME_BT_CLOSE.bmp"): strip([close_frame(s) for s in STATES]),
        os.path.join(skin, "BT_DEFAULT_OK.bmp"): strip(
            [dialog_button_frame(s, (214, 238, 240), (172, 214, 219), (58, 128, 136)) for s in STATES]),
        os.path.join(skin, "BT_DEFAULT.bmp"): strip(
            [dialog_button_frame(s, (252, 252, 252), (222, 222, 222), (150, 154, 156)) for s in STATES]),
        os.path.join(skin, "update.bmp"): strip([band_button_frame(s, "更新", update_icon) for s in STATES]),
        os.path.join(skin, "help.bmp"): strip([band_button_frame(s, "帮助", help_icon) for s in STATES]),
        os.path.join(skin, "add.bmp"): strip([add_button_frame(s) for s in STATES]),
    }
    for path, picture in outputs.items():
        path = path[:-len(".bmp")] + suffix + ".bmp"
        picture.save_bmp(path)
        print(f"{os.path.relpath(path, root)}: {picture.width} x {picture.height}")


if __name__ == "__main__":
    main()
