#!/usr/bin/env python3
"""The sample library as the update server serves it, made from the source tree of samplelib.py by
blockery-publish, and as a gallery keeps it after a full update.

  publish_sample.py publish PUBLISH SERVER            SERVER/InkCasket/... as blockery-publish writes it
  publish_sample.py install SERVER DATA_ROOT [SEL]    what a first full update leaves in a data root:
                                                      DATA_ROOT/InkCasket.xml, <local folders>/FileList.xml
                                                      and <name>.dwg; with SEL also HomeInkCasket.ini

PUBLISH is a native blockery-publish or the Windows blockery-publish.exe, which runs under Wine
(WINEPREFIX as set by the caller). A SERVER that blockery-publish wrote is published again (its
files stay as they are), any other is replaced. Standard library only.
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))


def windows_path(path):
    return subprocess.run(["winepath", "-w", os.path.abspath(path)], check=True, capture_output=True, text=True).stdout.strip()


def publish(tool, source, out):
    if tool.lower().endswith(".exe"):
        command = ["wine", tool, windows_path(source), windows_path(out)]
    else:
        command = [tool, source, out]
    run = subprocess.run(command, capture_output=True, text=True, encoding="utf-8", errors="replace")
    if run.returncode != 0:
        sys.exit("blockery-publish failed:\n" + run.stdout + run.stderr)


def leaves(server):
    """(remote folder parts, local folder parts) of every folder with an item list, from the index."""
    with open(os.path.join(server, "InkCasket", "InkCasket.xml"), encoding="utf-8-sig") as f:
        index = f.read()
    for folder in re.finditer(r'<Folder name="([^"]+)" local="([^"]+)">(.*?)</Folder>', index, re.S):
        for parent in re.finditer(r'<Parent name="([^"]+)" local="([^"]+)">(.*?)</Parent>', folder[3], re.S):
            children = re.findall(r'<Child name="([^"]+)">([^<]+)</Child>', parent[3])
            top = [folder[1], parent[1]], [folder[2], parent[2]]
            if not children:
                yield top
            for remote, local in children:
                yield top[0] + [remote], top[1] + [local]


def install(server, data_root):
    """What a gallery's first full update leaves: the index, each item list, each block by name."""
    inkcasket = os.path.join(server, "InkCasket")
    os.makedirs(data_root, exist_ok=True)
    shutil.copyfile(os.path.join(inkcasket, "InkCasket.xml"), os.path.join(data_root, "InkCasket.xml"))
    for remote, local in leaves(server):
        source = os.path.join(inkcasket, *remote)
        target = os.path.join(data_root, *local)
        os.makedirs(target, exist_ok=True)
        listing = os.path.join(source, remote[-1] + ".xml")
        shutil.copyfile(listing, os.path.join(target, "FileList.xml"))
        with open(listing, encoding="utf-8-sig") as f:
            items = re.findall(r'<Item id="([^"]+)">\s*<Name>([^<]+?)\.dwg</Name>', f.read())
        for ident, name in items:
            shutil.copyfile(os.path.join(source, ident + ".dwg"), os.path.join(target, name + ".dwg"))


def main(argv):
    if len(argv) == 3 and argv[0] == "publish":
        with tempfile.TemporaryDirectory(prefix="blockery-sample-") as scratch:
            source = os.path.join(scratch, "source")
            subprocess.run([sys.executable, os.path.join(HERE, "samplelib.py"), source], check=True, capture_output=True)
            # A tree this tool published before is published again over itself; anything else goes.
            if os.path.isdir(argv[2]) and not os.path.isfile(os.path.join(argv[2], "blockery-publish.state")):
                shutil.rmtree(argv[2])
            publish(argv[1], source, argv[2])
    elif len(argv) in (3, 4) and argv[0] == "install":
        install(argv[1], argv[2])
        if len(argv) == 4:
            with open(os.path.join(argv[2], "HomeInkCasket.ini"), "wb") as f:
                f.write(("[GallerySel]\r\nSel=%s\r\n" % argv[3]).encode("ascii"))
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main(sys.argv[1:])
