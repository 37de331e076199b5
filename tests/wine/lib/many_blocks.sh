# add_linked_blocks FOLDER COUNT LAST_NAME: grows the category in FOLDER (a data root's category
# folder with its FileList.xml) to COUNT blocks, hard links of its own DWG files named 大树0005 ...,
# the last one named LAST_NAME; each gets an item in FileList.xml.
add_linked_blocks() {
  python3 - "$@" <<'PY'
import os, sys
folder, count, last_name = sys.argv[1], int(sys.argv[2]), sys.argv[3]
originals = sorted(f for f in os.listdir(folder) if f.endswith(".dwg"))
with open(os.path.join(folder, "FileList.xml"), encoding="utf-8-sig") as f:
    text = f.read()
items = []
for i in range(len(originals), count):
    name = last_name if i == count - 1 else "大树%04d" % i
    os.link(os.path.join(folder, originals[i % len(originals)]), os.path.join(folder, name + ".dwg"))
    items.append('<Item id="many%04d"> <Name>%s.dwg</Name><Spec>S</Spec><Detail></Detail><Mfrs></Mfrs><Url></Url></Item>\r'
                 % (i, name))
end = text.index("</root>")
with open(os.path.join(folder, "FileList.xml"), "w", encoding="utf-8-sig", newline="") as f:
    f.write(text[:end] + "".join(items) + text[end:])
PY
}
