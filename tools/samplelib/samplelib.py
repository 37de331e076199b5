#!/usr/bin/env python3
"""Writes the source tree of a sample block library for Blockery, as blockery-publish reads it:
specialty, category and sub-category folders, a few hundred DWG files whose previews show simple
drawings (light lines on a dark ground), a blocks.csv per category and specialties.csv.

The DWG files carry a valid header offset and preview area (type-2 8-bit DIB or type-6 PNG
pictures, a few with a metafile only), not drawings a CAD program can open.

  samplelib.py DIR    writes DIR/specialties.csv and DIR/<specialty>/<category>[/<sub>]/ with
                      blocks.csv and <name>.dwg files

publish_sample.py turns it into the update server's tree with blockery-publish.

Standard library only; the output is the same on every run.
"""
import argparse
import math
import os
import struct
import sys
import zlib

SENTINEL = bytes.fromhex("1F256D07D43628289D57CA3F9D44102B")

# (folder, number, categories); a category is (folder, blocks) or (folder, [sub-categories]), a
# folder name with the display prefix galleries strip. blocks is a list of (name, spec) or a count
# of numbered ones.
LIBRARY = [
    ("01_建筑", "01", [
        ("01_门", [("单开门", "900×2100"), ("双开门", "1500×2100"), ("推拉门", "1800×2100"),
                            ("01_防火门", "1000×2100"), ("卷帘门", "3000×3000")]),
        ("02_窗", [("平开窗", "1200×1500"), ("推拉窗", "1500×1500"), ("百叶窗", "900×1200"),
                              ("凸窗", "1800×1500")]),
        ("03_楼梯", [
            ("01_直跑楼梯", [("直跑楼梯A", "宽1200"), ("直跑楼梯B", "宽1500"), ("直跑楼梯C", "宽1800")]),
            ("02_旋转楼梯", [("旋转楼梯A", "直径2000"), ("旋转楼梯B", "直径2400")]),
        ]),
    ]),
    ("02_结构", "02", [
        ("01_柱", [("方柱", "400×400"), ("圆柱", "直径500"), ("异形柱", "L形")]),
        ("02_梁", [("矩形梁", "250×500"), ("T形梁", "300×600"), ("连梁", "200×400"), ("圈梁", "240×240")]),
    ]),
    ("03_给排水", "03", [
        ("01_卫浴洁具", [("坐便器", "700×400"), ("洗脸盆", "600×450"), ("浴缸", "1700×750"),
                                   ("淋浴房", "900×900"), ("小便斗", "350×300")]),
        ("02_阀门", [("闸阀", "DN100"), ("止回阀", "DN80"), ("蝶阀", "DN150")]),
    ]),
    ("04_暖通", "04", [
        ("01_风机", [("轴流风机", "Φ600"), ("离心风机", "4-72"), ("排气扇", "300×300")]),
        ("02_风口", [("方形散流器", "360×360"), ("条形风口", "1000×150")]),
    ]),
    ("05_电气", "05", [
        ("01_灯具", [("吸顶灯", "Φ400"), ("筒灯", "Φ150"), ("格栅灯", "600×600"), ("壁灯", "200×300"),
                                ("应急灯", "LED")]),
        ("02_开关插座", [("单联开关", "86型"), ("双联开关", "86型"), ("五孔插座", "10A"), ("空调插座", "16A")]),
    ]),
    ("06_室内", "06", [
        ("01_床", [("12_双人床", "1800×2000"), ("单人床", "1200×2000"), ("儿童床", "1000×1900"),
                           ("上下铺", "900×2000")]),
        ("02_沙发", [("三人沙发", "2100×900"), ("单人沙发", "900×900"), ("转角沙发", "2800×1800")]),
        ("03_桌", [("Table.Round", "Φ1200"), ("餐桌", "1400×800"), ("书桌", "1200×600"), ("茶几", "1200×600")]),
    ]),
    ("07_家具", "07", [
        ("01_办公家具", [("办公桌", "1600×800"), ("会议桌", "3600×1400"), ("文件柜", "900×450"),
                                  ("办公椅", "600×600")]),
        ("02_厨房", [("橱柜", "600×600"), ("灶台", "750×450"), ("冰箱", "700×650")]),
    ]),
    ("08_弱电安防", "08", [
        ("01_监控", [("枪式摄像机", "1080P"), ("球形摄像机", "1080P"), ("半球摄像机", "720P")]),
        ("02_报警", [("烟感探测器", "光电式"), ("红外探测器", "被动式"), ("声光报警器", "24V")]),
        ("03_门禁", [("读卡器", "IC卡"), ("电磁锁", "280kg")]),
    ]),
    ("09_园林景观", "09", [
        ("01_植物", [
            ("01_乔木", [("国槐", "胸径15cm"), ("银杏", "胸径12cm"), ("香樟", "胸径18cm"), ("垂柳", "胸径10cm"),
                                 ("雪松", "高6m"), ("玉兰", "胸径8cm"), ("桂花", "冠幅3m"), ("红枫", "地径8cm")]),
            ("02_灌木", [("黄杨球", "冠幅1.2m"), ("红叶石楠", "高1.5m"), ("月季", "冠幅0.6m"),
                                  ("杜鹃", "冠幅0.5m"), ("海桐球", "冠幅1.5m")]),
            ("03_花卉", [("郁金香", "高0.4m"), ("菊花", "高0.6m"), ("薰衣草", "高0.5m")]),
        ]),
        ("02_园林", [("景观亭", "4×4m"), ("廊架", "6×3m"), ("景墙", "长5m"), ("花坛", "Φ3m"),
                               ("座椅", "1800×450"), ("树池", "1500×1500"), ("假山", "高3m")]),
        ("03_铺装", [("透水砖", "200×100"), ("花岗岩", "600×300"), ("卵石", "Φ30-50")]),
    ]),
    ("10_交通", "10", [
        ("01_车辆", [("小轿车", "4800×1800"), ("公交车", "12000×2500"), ("自行车", "1800×600")]),
        ("02_标志", [("禁停标志", "Φ800"), ("限速标志", "Φ800"), ("指示标志", "Φ800")]),
    ]),
    ("11_图例符号", "11", [
        ("01_图例", 200),
        ("02_箭头", [("指北针", "Φ24"), ("剖切符号", "10mm"), ("索引符号", "Φ10")]),
    ]),
    ("12_图框", "12", [
        ("01_图幅", [("A0图框", "1189×841"), ("A1图框", "841×594"), ("A2图框", "594×420"), ("A3图框", "420×297")]),
    ]),
]

PALETTE = [(0, 0, 0), (255, 255, 255), (0, 255, 0), (255, 255, 0), (0, 255, 255), (255, 128, 0)]
SIZES = [(180, 120), (256, 102), (200, 90), (160, 100)]


class Canvas:
    """Palette indices of a preview, 0 the dark ground."""

    def __init__(self, width, height):
        self.width, self.height = width, height
        self.px = bytearray(width * height)

    def dot(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.px[y * self.width + x] = colour

    def line(self, x0, y0, x1, y1, colour):
        dx, dy = abs(x1 - x0), -abs(y1 - y0)
        sx, sy = (1 if x0 < x1 else -1), (1 if y0 < y1 else -1)
        err = dx + dy
        while True:
            self.dot(x0, y0, colour)
            if x0 == x1 and y0 == y1:
                return
            e2 = 2 * err
            if e2 >= dy:
                err += dy
                x0 += sx
            if e2 <= dx:
                err += dx
                y0 += sy

    def rect(self, x0, y0, x1, y1, colour):
        self.line(x0, y0, x1, y0, colour)
        self.line(x1, y0, x1, y1, colour)
        self.line(x1, y1, x0, y1, colour)
        self.line(x0, y1, x0, y0, colour)

    def circle(self, cx, cy, r, colour):
        x, y, err = r, 0, 1 - r
        while x >= y:
            for px, py in ((x, y), (y, x), (-y, x), (-x, y), (-x, -y), (-y, -x), (y, -x), (x, -y)):
                self.dot(cx + px, cy + py, colour)
            y += 1
            if err < 0:
                err += 2 * y + 1
            else:
                x -= 1
                err += 2 * (y - x) + 1


def draw(seed, width, height):
    """One of a few simple drawings, varied by seed."""
    c = Canvas(width, height)
    cx, cy = width // 2, height // 2
    size = min(width, height) // 2 - 6
    kind = seed % 5
    ink = 1 + seed % 5
    if kind == 0:  # a tree seen from above
        c.circle(cx, cy, size, ink)
        c.circle(cx, cy, size // 3, ink)
        for k in range(8):
            dx, dy = [(1, 0), (1, 1), (0, 1), (-1, 1), (-1, 0), (-1, -1), (0, -1), (1, -1)][k]
            c.line(cx, cy, cx + dx * size * 2 // 3, cy + dy * size * 2 // 3, ink)
    elif kind == 1:  # a table with chairs
        c.rect(cx - size, cy - size // 2, cx + size, cy + size // 2, ink)
        for k in range(-1, 2):
            c.rect(cx + k * size // 2 - 6, cy - size // 2 - 12, cx + k * size // 2 + 6, cy - size // 2 - 3, 1)
            c.rect(cx + k * size // 2 - 6, cy + size // 2 + 3, cx + k * size // 2 + 6, cy + size // 2 + 12, 1)
    elif kind == 2:  # a door swing
        c.line(cx - size, cy + size, cx + size, cy + size, 1)
        c.line(cx - size, cy + size, cx - size, cy - size, ink)
        x, y, r = 0, 2 * size, 2 * size
        for step in range(0, 91, 2):
            nx = cx - size + int(r * math.sin(math.radians(step)))
            ny = cy + size - int(r * math.cos(math.radians(step)))
            c.line(cx - size + x, cy + size - y, nx, ny, ink)
            x, y = nx - (cx - size), (cy + size) - ny
    elif kind == 3:  # a fixture symbol
        c.circle(cx, cy, size, ink)
        c.line(cx - size, cy, cx + size, cy, 1)
        c.line(cx, cy - size, cx, cy + size, 1)
        c.rect(cx - size // 2, cy - size // 2, cx + size // 2, cy + size // 2, ink)
    else:  # a frame with a title block
        c.rect(4, 4, width - 5, height - 5, 1)
        c.rect(8, 8, width - 9, height - 9, ink)
        c.rect(width - 70, height - 30, width - 9, height - 9, ink)
        c.line(width - 70, height - 20, width - 9, height - 20, ink)
    c.line(6 + seed % 20, height - 8, 40 + seed % 20, height - 8, 2)
    return c


def dib8(canvas):
    header = struct.pack("<IiiHHIIiiII", 40, canvas.width, canvas.height, 1, 8, 0, 0, 2835, 2835, 256, 0)
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    table += bytes(4 * (256 - len(PALETTE)))
    stride = (canvas.width + 3) & ~3
    rows = []
    for y in range(canvas.height - 1, -1, -1):
        row = bytes(canvas.px[y * canvas.width:(y + 1) * canvas.width])
        rows.append(row + bytes(stride - canvas.width))
    return header + table + b"".join(rows)


def png(canvas):
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    raw = bytearray()
    for y in range(canvas.height):
        raw.append(0)
        for i in canvas.px[y * canvas.width:(y + 1) * canvas.width]:
            raw += bytes(PALETTE[i])
    ihdr = struct.pack(">IIBBBBB", canvas.width, canvas.height, 8, 2, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr) + chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b"")


def dwg(pictures, seed):
    """A DWG header, the preview area with its directory, the pictures and some drawing bytes."""
    area_at = 0x80 + (seed % 4) * 16
    head = bytearray(b"AC1018" + bytes(area_at - 6))
    struct.pack_into("<I", head, 13, area_at)
    directory_end = area_at + 21 + 9 * len(pictures)
    entries, data, at = b"", b"", directory_end
    for kind, body in pictures:
        entries += struct.pack("<BII", kind, at, len(body))
        data += body
        at += len(body)
    area = SENTINEL + struct.pack("<IB", 21 + 9 * len(pictures) + len(data), len(pictures)) + entries
    body = bytes((seed * 7 + i * 13) & 0xFF for i in range(512 + seed % 256))
    return bytes(head) + area + data + body


def block_file(seed):
    """Every third block has a PNG preview only; every 41st only a metafile (no preview)."""
    width, height = SIZES[seed % len(SIZES)]
    canvas = draw(seed, width, height)
    header = (1, b"\x00" * 40)
    if seed % 41 == 40:
        return dwg([header, (3, b"\x01\x00\x09\x00" + bytes(60))], seed)
    if seed % 3 == 2:
        return dwg([header, (6, png(canvas))], seed)
    return dwg([header, (2, dib8(canvas))], seed)


def blocks_of(leaf_local, blocks):
    if isinstance(blocks, int):
        base = leaf_local.split("_", 1)[-1]
        return [("%03d_%s%d" % (n + 1, base, n + 1), "编号%d" % (n + 1)) for n in range(blocks)]
    return blocks


def has_subcategories(content):
    return isinstance(content, list) and len(content[0]) == 2 and isinstance(content[0][1], (list, int))


def leaves():
    """(folder path parts, blocks) of every category that holds blocks, in order."""
    for spec_folder, _, categories in LIBRARY:
        for cat_folder, content in categories:
            if has_subcategories(content):
                for sub_folder, blocks in content:
                    yield [spec_folder, cat_folder, sub_folder], blocks_of(sub_folder, blocks)
            else:
                yield [spec_folder, cat_folder], blocks_of(cat_folder, content)


def csv_field(text):
    return '"%s"' % text.replace('"', '""') if any(c in text for c in ',"\n') else text


def csv_file(rows):
    return "\ufeff".encode("utf-8") + "".join(",".join(map(csv_field, row)) + "\r\n" for row in rows).encode("utf-8")


def blocks_csv(blocks):
    rows = [("file", "name", "spec", "detail", "mfrs", "url")]
    for n, (name, spec) in enumerate(blocks):
        detail = "样例图块，%s" % name.split("_", 1)[-1] if n % 4 else ""
        maker = "墨匣样例库" if n % 2 else ""
        url = "http://127.0.0.1:8480/help.html" if n % 5 == 0 else ""
        rows.append((name + ".dwg", "", spec, detail, maker, url))
    return csv_file(rows)


def source_files():
    """(path parts, bytes) of every file of the source tree, in a fixed order."""
    yield ["specialties.csv"], csv_file([("folder", "num")] + [(folder, number) for folder, number, _ in LIBRARY])
    seed = 0
    for parts, blocks in leaves():
        yield parts + ["blocks.csv"], blocks_csv(blocks)
        for name, _ in blocks:
            yield parts + [name + ".dwg"], block_file(seed)
            seed += 1


def write(root, parts, data):
    path = os.path.join(root, *parts)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as out:
        out.write(data)


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("source", help="the folder to write the source tree into")
    args = parser.parse_args(argv)
    count = 0
    for parts, data in source_files():
        write(args.source, parts, data)
        count += parts[-1].endswith(".dwg")
    print("%d blocks written" % count)


if __name__ == "__main__":
    main(sys.argv[1:])
