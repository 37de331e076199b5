#!/usr/bin/env bash
# The update walk against a server that breaks a block's answer (404, no Content-Length, short
# body, connection dropped mid-body, a web page, a Content-Length below the size the item list
# gives, 503 every time), under Wine through WinINet: the walk ends with the failure text (with the
# number of blocks stored until then: the three blocks of the category are fetched at once); the
# two other blocks land whole, the gallery reloads, the failed one is not on disk, and no temporary
# file is left. A body longer than its Content-Length is cut at that length by WinINet itself, and
# a 503 answered once is tried again: in both the walk completes.
set -uo pipefail
. "$(dirname "$0")/update_scenario.sh"

prepare_library
start_server
columns=$(served_folder 02_结构/01_柱)
ids=($(item_ids "$columns"))
template="$work/template"
make_structure_root "$template"
# The published item list gives each block's size: the low-length answer is told by it.
grep -q "<Size>" "$work/server$(item_list "$columns")" || fail "the published item list gives no sizes"

name_of() { grep -A1 "id=\"$1\"" "$work/server$(item_list "$columns")" | sed -n 's/.*<Name>\(.*\)<\/Name>.*/\1/p'; }

# run_update DATA_ROOT: the stand-in on that data root, its "更新" button pressed.
run_update() {
  start_driver "$1"
  wait_shown
  click gallery.update
  wait_opened update 1
}

for mode in 404 no-length short drop html low-length 503; do
  data="$work/data-$mode"
  cp -r "$template" "$data"
  clear_faults
  fault "$mode" "$columns/${ids[2]}.dwg"
  run_update "$data"
  for i in $(seq 1 300); do case "$(latest status)" in 没有下载到当前更新文件*) break ;; esac; sleep 0.1; done
  case "$(latest status)" in 没有下载到当前更新文件*) ;; *) fail "$mode: the walk ended with '$(latest status)'" ;; esac
  wait_for "reload" 30
  folder="$data/02_结构/01_柱"
  for i in $(seq 1 50); do [ -e "$folder/$(name_of ${ids[1]})" ] && [ -e "$folder/$(name_of ${ids[0]})" ] && break; sleep 0.1; done
  same_as_server "$folder/$(name_of ${ids[0]})" "$columns/${ids[0]}.dwg" || fail "$mode: first block not whole"
  same_as_server "$folder/$(name_of ${ids[1]})" "$columns/${ids[1]}.dwg" || fail "$mode: second block not whole"
  [ ! -e "$folder/$(name_of ${ids[2]})" ] || fail "$mode: the failed block is on disk"
  no_temporaries "$data"
  stop_driver
  echo "block, $mode: ok"
done

# Bytes beyond the announced length never reach the file: WinINet stops reading at Content-Length.
# A server error answered once is tried again after a short pause.
for mode in long fail-once; do
  data="$work/data-$mode"
  cp -r "$template" "$data"
  clear_faults
  fault "$mode" "$columns/${ids[2]}.dwg"
  run_update "$data"
  wait_for_status "更新完成， 共下载  3 个图块" 300
  same_as_server "$data/02_结构/01_柱/$(name_of ${ids[2]})" "$columns/${ids[2]}.dwg" || fail "$mode: block not exactly the file"
  no_temporaries "$data"
  stop_driver
  echo "block, $mode: ok"
done
[ "$(server_get /__requests | grep -c "^$columns/${ids[2]}.dwg	fail-once	")" = "2" ] || fail "fail-once: not asked twice"
echo "PASS"
