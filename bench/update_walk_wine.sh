#!/usr/bin/env bash
# The library update under Wine, measured through the stand-in gallery window over the real update
# dialogs and walk, against the sample library's local server:
#  - a new user's first full update: total time and time per file;
#  - ten updates of one library, each killed at a random moment: after every kill each library
#    file on disk must equal the server's copy, and nothing that was on disk before may be gone.
# Needs the Windows build: bash bench/update_walk_wine.sh [WINDOWS_BUILD_DIR]
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build/win}" && pwd)

. "$root/bench/update_wine_env.sh"

prepare_library
start_server
# The same library as a data root holds it: each fetched file must equal its namesake here.
reference=$work/reference
python3 "$root/tools/samplelib/publish_sample.py" install "$work/server" "$reference" || fail "samplelib"

# library_files DATA_ROOT: the item lists and blocks on disk, relative to the data root.
library_files() { (cd "$1" && find . \( -name FileList.xml -o -name '*.dwg' \) | sort); }

# check_library DATA_ROOT BEFORE_LIST: every library file whole, none of BEFORE_LIST gone.
check_library() {
  local file bad=0
  while read -r file; do
    cmp -s "$1/$file" "$reference/$file" || { echo "  not whole: $file"; bad=1; }
  done < <(library_files "$1")
  comm -23 "$2" <(library_files "$1") | sed 's/^/  gone: /' | grep . && bad=1
  return $bad
}

echo "== first full update of the sample library (default specialties)"
data=$work/first
start_driver "$data"
wait_opened prompt 1 100
click prompt.ok
wait_opened update 1
start=$(date +%s.%N)
wait_for_status "更新完成， 共下载  45 个图块" 3000
seconds=$(python3 -c "print($(date +%s.%N) - $start)")
files=$(($(count_lines 'trace 下载完成图块') + $(find "$data" -name FileList.xml | wc -l)))
python3 -c "t = $seconds; n = $files
print(f'{n} files in {t:.1f} s: {1000 * t / n:.0f} ms a file')"
check_library "$data" /dev/null || fail "the first update left files that are not whole"
stop_driver

echo "== ten updates killed at a random moment"
data=$work/killed
mkdir -p "$data"
python3 "$root/tools/samplelib/publish_sample.py" install "$work/server" "$work/selection" 111111111111
cp "$work/selection/HomeInkCasket.ini" "$data/"
failures=0
for round in $(seq 1 10); do
  library_files "$data" >"$work/before"
  start_driver "$data"
  for i in $(seq 1 50); do log_lines | grep -q '^dialog \(prompt\|update\) open\|^shown ' && break; sleep 0.1; done
  if log_lines | grep -q '^dialog prompt open'; then click prompt.ok; else click gallery.update; fi
  after=$(python3 -c "import random; print(round(random.uniform(0.2, 12), 2))")
  sleep "$after"
  kill -9 "$driver" 2>/dev/null
  wait "$driver" 2>/dev/null
  driver=
  sleep 0.5
  left=$(find "$data" -name '*.part' | wc -l)
  if check_library "$data" "$work/before"; then verdict=whole; else verdict="NOT WHOLE"; failures=$((failures + 1)); fi
  echo "round $round: killed after ${after} s; $(library_files "$data" | wc -l) library files, all $verdict;" \
       "$left .part files left"
done
echo "$failures of 10 killed updates left a library file partially written or missing"
[ "$failures" -eq 0 ]
