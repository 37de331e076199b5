#!/usr/bin/env python3
"""Checks the sample library: the same source tree on every run, published by blockery-publish
into a server tree and a data root that hold the same library under their own names, the index
the gallery expects, and previews that blockery-inspect reads (DIB and PNG previews of the sizes
drawn, a few files with none).

  check_samplelib.py PATH/TO/blockery-inspect PATH/TO/blockery-publish
"""
import hashlib
import os
import re
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
GENERATOR = os.path.join(HERE, "samplelib.py")
PUBLISHER = os.path.join(HERE, "publish_sample.py")
SIZES = {(180, 120), (256, 102), (200, 90), (160, 100)}


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def run(script, *args):
    subprocess.run([sys.executable, script, *args], check=True, capture_output=True)


def digest(root):
    files = {}
    for folder, _, names in os.walk(root):
        for name in names:
            path = os.path.join(folder, name)
            with open(path, "rb") as f:
                files[os.path.relpath(path, root)] = hashlib.sha256(f.read()).hexdigest()
    return files


def read_text(path):
    with open(path, "rb") as f:
        data = f.read()
    if not data.startswith(b"\xef\xbb\xbf"):
        fail(path + " has no byte-order mark")
    return data[3:].decode("utf-8")


def check_index(root):
    index = read_text(os.path.join(root, "InkCasket.xml"))
    specialties = re.findall(r'<Folder name="([^"]+)" local="([^"]+)">\s*<Num>([^<]+)</Num>', index)
    if len(specialties) < 11:
        fail("only %d specialties" % len(specialties))
    shown = [local.split("_", 1)[1] if 0 <= local.find("_") <= 3 else local for _, local, _ in specialties]
    if shown[7] != "弱电安防" or shown[8] != "园林景观":
        fail("positions 7 and 8 are %s and %s" % (shown[7], shown[8]))
    if index.count("<Folder") != index.count("</Folder>") or index.count("<Parent") != index.count("</Parent>"):
        fail("unbalanced index")
    if "<Child" not in index:
        fail("no sub-categories")
    return specialties


def check_layouts(server, data_root):
    leaves = []
    for folder, _, names in os.walk(data_root):
        if "FileList.xml" in names:
            leaves.append(folder)
    if len(leaves) < 20:
        fail("only %d item lists" % len(leaves))
    blocks = []
    for folder in leaves:
        listing = read_text(os.path.join(folder, "FileList.xml"))
        items = re.findall(r'<Item id="([^"]+)">\s*<Name>([^<]+)\.dwg</Name>', listing)
        if not items:
            fail(folder + " lists no items")
        for ident, name in items:
            local = os.path.join(folder, name + ".dwg")
            if not os.path.isfile(local):
                fail(local + " missing")
            blocks.append((ident, local))
    server_dwgs = {}
    for folder, _, names in os.walk(os.path.join(server, "InkCasket")):
        xmls = [n for n in names if n.endswith(".xml") and n != "InkCasket.xml"]
        if xmls and xmls != [os.path.basename(folder) + ".xml"]:
            fail(folder + " holds item lists %s, not one named after the folder" % xmls)
        for name in names:
            if name.endswith(".dwg"):
                with open(os.path.join(folder, name), "rb") as f:
                    server_dwgs[name[:-4]] = f.read()
    for ident, local in blocks:
        with open(local, "rb") as f:
            if server_dwgs.get(ident) != f.read():
                fail("server block %s differs from %s" % (ident, local))
    if not 200 <= len(blocks) <= 1000:
        fail("%d blocks" % len(blocks))
    return [local for _, local in blocks]


def check_previews(inspect, blocks, scratch):
    kinds = {2: 0, 6: 0, "none": 0}
    for n, path in enumerate(blocks):
        out = os.path.join(scratch, "tile.ppm" if n % 2 else "preview.ppm")
        run = subprocess.run([inspect, "tile" if n % 2 else "preview", path, out], capture_output=True, text=True)
        said = run.stdout.strip()
        found = re.fullmatch(r"(\d+) x (\d+), entry type (\d)", said)
        if found:
            if run.returncode != 0 or (int(found[1]), int(found[2])) not in SIZES:
                fail("%s: %s (exit %d)" % (path, said, run.returncode))
            kinds[int(found[3])] += 1
            with open(out, "rb") as f:
                head = f.read(20)
            want = b"P6\n116 55\n" if n % 2 else ("P6\n%s %s\n" % (found[1], found[2])).encode()
            if not head.startswith(want):
                fail("%s: wrote %r" % (path, head))
        elif said == "no preview: no type-2 or type-6 entry" and run.returncode == 1:
            kinds["none"] += 1
        else:
            fail("%s: %s (exit %d)" % (path, said, run.returncode))
    if kinds[2] < 100 or kinds[6] < 50 or not 1 <= kinds["none"] <= 20:
        fail("previews read: %s" % kinds)
    return kinds


def main():
    if len(sys.argv) != 3:
        fail("usage: check_samplelib.py PATH/TO/blockery-inspect PATH/TO/blockery-publish")
    with tempfile.TemporaryDirectory(prefix="blockery-samplelib-") as scratch:
        first, second = os.path.join(scratch, "a"), os.path.join(scratch, "b")
        run(GENERATOR, first)
        run(GENERATOR, second)
        if digest(first) != digest(second):
            fail("two runs wrote different source trees")
        first = os.path.join(scratch, "published")
        run(PUBLISHER, "publish", sys.argv[2], os.path.join(first, "server"))
        run(PUBLISHER, "install", os.path.join(first, "server"), os.path.join(first, "root"))
        specialties = check_index(os.path.join(first, "root"))
        blocks = check_layouts(os.path.join(first, "server"), os.path.join(first, "root"))
        kinds = check_previews(sys.argv[1], blocks, scratch)
    print("ok: %d specialties, %d blocks, previews %s" % (len(specialties), len(blocks), kinds))


if __name__ == "__main__":
    main()
