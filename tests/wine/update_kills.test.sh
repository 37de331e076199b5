#!/usr/bin/env bash
# Updates killed at a random moment while blocks download six at a time, under Wine through WinINet:
# after every kill each library file is whole (the one before the update, or the server's), none is
# gone, and the next update removes every ".part" file the killed ones left, also those of files it
# never fetches again. The beams' blocks arrive over two seconds, so a kill finds downloads in flight.
set -uo pipefail
SLOW_SECONDS=2
. "$(dirname "$0")/update_scenario.sh"

prepare_library
start_server
fault trickle "$(served_folder 02_结构/02_梁)/*.dwg"
reference="$work/reference"
make_data_root "$reference" 01000000000
data="$work/data"
make_data_root "$data" 01000000000
rm -f "$data/02_结构/"*/*.dwg
# An item list the server has changed since: whole means this one or the server's.
printf '<root><Item id="old"><Name>old</Name><Spec/><Detail/><Mfrs/><Url/></Item></root>' \
  >"$data/02_结构/02_梁/FileList.xml"

# library_files DIR: the index, the item lists and the blocks below DIR, relative to it.
library_files() { (cd "$1" && find . \( -name InkCasket.xml -o -name FileList.xml -o -name '*.dwg' \) | sort); }

# check_whole BEFORE_DIR: every library file equals its copy in BEFORE_DIR or the server's, and
# every file BEFORE_DIR had is still there.
check_whole() {
  local file
  while read -r file; do
    cmp -s "$data/$file" "$1/$file" || cmp -s "$data/$file" "$reference/$file" || fail "not whole: $file"
  done < <(library_files "$data")
  comm -23 <(library_files "$1") <(library_files "$data") | grep . && fail "gone after a kill"
  return 0
}

# open_update: the stand-in on the data root, the update started from the prompt or the button.
open_update() {
  start_driver "$data"
  wait_shown
  # A list left empty offers the empty-library prompt, once the tree's selection has settled.
  if [ "$(latest shown)" = "0" ]; then
    wait_opened prompt 1 100
    click prompt.ok
  else
    click gallery.update
  fi
  wait_opened update 1
}

for round in 1 2 3; do
  rm -rf "$work/before"
  cp -r "$data" "$work/before"
  open_update
  after=$(python3 -c "import random; print(round(random.uniform(0.2, 2.0), 2))")
  sleep "$after"
  kill -9 "$driver" 2>/dev/null
  wait "$driver" 2>/dev/null
  driver=
  sleep 0.5
  check_whole "$work/before"
  echo "round $round ($SECONDS s in): killed after $after s; $(library_files "$data" | wc -l) library files, all whole;" \
       "$(find "$data" -name '*.part' | wc -l) .part files left"
done

# Leftovers of files this walk will not fetch again: a block the server no longer lists, the index.
printf 'AC1018 cut off' >"$data/02_结构/01_柱/撤下的柱.dwg.part"
printf '<root><Fol' >"$data/InkCasket.xml.part"
rm -rf "$work/before"
cp -r "$data" "$work/before"
open_update
for i in $(seq 1 1200); do
  case "$(latest status)" in 更新完成*|更新文件检查完成*) break ;; esac
  sleep 0.1
done
case "$(latest status)" in 更新完成*|更新文件检查完成*) ;; *) fail "the last update ended with '$(latest status)'" ;; esac
stop_driver
check_whole "$work/before"
no_temporaries "$data"
[ "$(library_files "$data")" = "$(library_files "$reference")" ] || fail "the last update did not fetch every file"
echo "PASS"
