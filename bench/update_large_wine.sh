#!/usr/bin/env bash
# The update of a large library under Wine, against the local static test server, with peers in
# the same run: 5,000 DWG files (hard links of the sample library's blocks) in 50 categories are
# published with blockery-publish, then the stand-in gallery (the real update dialog and walk over
# WinINet) is timed for
#  - a new user's first full update;
#  - an update of the same library, already current (every item list answered 304);
#  - an update after 10 blocks were changed and the library published again (exactly 10 fetched);
# and curl fetches the same tree (index, lists, blocks) six at a time and one at a time.
# Needs both builds: bash bench/update_large_wine.sh [WINDOWS_BUILD_DIR [NATIVE_BUILD_DIR [BLOCKS]]]
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build/win}" && pwd)
native=$(cd "${2:-$root/build/native}" && pwd)
count=${3:-5000}
publish=$native/tools/publish/blockery-publish
[ -x "$publish" ] || { echo "no blockery-publish in $native: build the native build"; exit 1; }

. "$root/bench/update_wine_env.sh"

# The source: one specialty of 50 categories, each block a hard link of a sample block.
python3 "$root/tools/samplelib/samplelib.py" "$work/sample" >/dev/null || fail "samplelib"
mapfile -t samples < <(find "$work/sample" -name '*.dwg' | sort)
source=$work/source
per=$(((count + 49) / 50))
for n in $(seq 0 $((count - 1))); do
  folder=$(printf '%s/01_大库/%02d_类别%02d' "$source" $((n / per + 1)) $((n / per + 1)))
  mkdir -p "$folder"
  ln "${samples[$((n % ${#samples[@]}))]}" "$(printf '%s/块%05d.dwg' "$folder" "$n")"
done
"$publish" "$source" "$work/server" >/dev/null || fail "publishing"
mkdir -p "$work/program"
cp -r "$build/update_driver/." "$work/program/"
cp "$work/server/InkCasket/InkCasket.xml" "$work/program/InkCasket.xml"
start_server
echo "$count blocks, $(du -sm "$work/server/InkCasket" | cut -f1) MB served"

seconds_since() { python3 -c "print(f'{$(date +%s.%N) - $1:.1f}')"; }
# timed_update DATA_ROOT STATUS: the stand-in started on the data root, its update (from the prompt
# for an empty library) timed from the click until the dialog shows STATUS.
timed_update() {
  start_driver "$1"
  for i in $(seq 1 100); do log_lines | grep -q '^dialog prompt open\|^shown [1-9]' && break; sleep 0.1; done
  local start
  start=$(date +%s.%N)
  if log_lines | grep -q '^dialog prompt open'; then click prompt.ok; else click gallery.update; fi
  wait_for_status "$2" 6000
  echo "$(seconds_since "$start") s"
  stop_driver
}

data=$work/data
echo "first full update: $(timed_update "$data" "更新完成， 共下载  $count 个图块")"
[ "$(find "$data" -name '*.dwg' | wc -l)" = "$count" ] || fail "not every block arrived"
echo "same library, current: $(timed_update "$data" "更新文件检查完成，墨匣已是最新")"
for f in $(find "$source" -name '*.dwg' | sort | awk -v step=$((count / 10)) 'NR % step == 1' | head -10); do
  cp "$f" "$f.new" && printf 'changed' >>"$f.new" && mv "$f.new" "$f"
done
"$publish" "$source" "$work/server" >/dev/null || fail "publishing again"
asked=$(server_get /__requests | wc -l)
echo "10 blocks changed and published again: $(timed_update "$data" "更新完成， 共下载  10 个图块")," \
     "$(server_get /__requests | tail -n +$((asked + 1)) | grep -c '\.dwg	') blocks fetched"

# The peers: every file of the tree by URL, into a scratch folder.
(cd "$work/server" && find InkCasket -type f | sed "s|^|url = \"http://127.0.0.1:$server_port/|; s|\$|\"|") >"$work/urls"
for parallel in 6 1; do
  rm -rf "$work/curl" && mkdir -p "$work/curl"
  start=$(date +%s.%N)
  (cd "$work/curl" && curl -s --parallel --parallel-max "$parallel" --remote-name-all -K "$work/urls") || fail "curl"
  echo "curl, $parallel at a time, $(wc -l <"$work/urls") files: $(seconds_since "$start") s"
done
