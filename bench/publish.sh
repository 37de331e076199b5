#!/usr/bin/env bash
# blockery-publish on a large source tree, beside cp -r of the same tree in the same run: 50,000
# generated DWG files of 60 KB (each with a DIB or PNG preview) in 500 leaf folders. Times the
# first publish into an empty folder, cp -r, a second publish after 10 files changed, and a third
# with nothing changed. Needs the native build; the tree is made in the build folder and removed.
#   bash bench/publish.sh [NATIVE_BUILD_DIR] [FILES]     (FILES defaults to 50000; a multiple of 500)
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build/native}" && pwd)
files=${2:-50000}
tool=$build/tools/publish/blockery-publish
[ -x "$tool" ] || { echo "no $tool: build the target blockery-publish"; exit 1; }
need=$((files * 60 * 3 / 1000 + 1000))
free=$(df -m --output=avail "$build" | tail -1)
[ "$free" -gt "$need" ] || { echo "needs about $need MB free beside $build, has $free: give a smaller FILES"; exit 1; }

work=$build/bench-publish
rm -rf "$work"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work"

python3 - "$root/tools/samplelib" "$work/source" "$files" <<'PY'
import os, struct, sys
sys.path.insert(0, sys.argv[1])
import samplelib
source, files = sys.argv[2], int(sys.argv[3])
shapes = [samplelib.block_file(seed) for seed in range(40)]   # DIB and PNG previews
per_leaf = files // 500
n = 0
for s in range(10):
    for c in range(50):
        leaf = os.path.join(source, "%02d_专业%d" % (s + 1, s), "%02d_类别%d" % (c + 1, c))
        os.makedirs(leaf)
        for k in range(per_leaf):
            head = shapes[n % len(shapes)]
            tail = struct.pack("<Q", n) * ((60 * 1024 - len(head)) // 8)
            with open(os.path.join(leaf, "图块%05d.dwg" % n), "wb") as f:
                f.write(head + tail)
            n += 1
print("%d files of 60 KB in 500 leaf folders" % n)
PY
sync

# timed COMMAND...: "<wall> s (<user + system CPU> s CPU)"; on a shared machine the CPU time says more.
# Each starts once the disk has written what the one before left, so that no step waits for another's.
timed() {
  sync
  /usr/bin/time -f "%e %U %S" -o "$work/time" "$@" >"$work/last.log" 2>&1 ||
    { echo "failed: $*"; tail -5 "$work/last.log"; exit 1; }
  read -r wall user system <"$work/time"
  python3 -c "import sys; w, u, s = map(float, sys.argv[1:]); print('%.1f s (%.1f s CPU)' % (w, u + s))" "$wall" "$user" "$system"
}

find "$work/source" -name '*.dwg' -print0 | xargs -0 cat >/dev/null   # the same page cache for both: all read once
first=$(timed "$tool" "$work/source" "$work/out")
copy=$(timed cp -r "$work/source" "$work/copy")
python3 - "$work/source" <<'PY'
import glob, os, sys
paths = sorted(glob.glob(os.path.join(sys.argv[1], "*", "*", "*.dwg")))
for path in paths[::len(paths) // 10][:10]:
    with open(path, "r+b") as f:
        f.seek(4096)
        f.write(b"changed!")
PY
second=$(timed "$tool" "$work/source" "$work/out")
grep '^published' "$work/last.log"
third=$(timed "$tool" "$work/source" "$work/out")
"$tool" --check "$work/out" >/dev/null || { echo "--check found faults"; exit 1; }
echo "first publish of $files files: $first; cp -r of the same tree: $copy"
echo "second publish, 10 files changed: $second; third, nothing changed: $third"
