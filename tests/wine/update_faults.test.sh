#!/usr/bin/env bash
# The update walk against a server that breaks a block's answer (404, no Content-Length, short
# body, connection dropped mid-body, a web page, a Content-Length below the size the item list
# gives), under Wine through WinINet: the walk ends at that block, the third of its category, with
# "已更新2个图块" and a reload; the two stored blocks are whole, the
# failed one is not on disk, and no temporary file is left. A body longer than its Content-Length
# is cut at that length by WinINet itself, so the block arrives whole and the walk completes.
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

for mode in 404 no-length short drop html low-length; do
  data="$work/data-$mode"
  cp -r "$template" "$data"
  clear_faults
  fault "$mode" "$columns/${ids[2]}.dwg"
  run_update "$data"
  wait_for_status "没有下载到当前更新文件, 已更新2个图块" 300
  wait_for "reload" 30
  folder="$data/02_结构/01_柱"
  same_as_server "$folder/$(name_of ${ids[0]})" "$columns/${ids[0]}.dwg" || fail "$mode: first block not whole"
  same_as_server "$folder/$(name_of ${ids[1]})" "$columns/${ids[1]}.dwg" || fail "$mode: second block not whole"
  [ ! -e "$folder/$(name_of ${ids[2]})" ] || fail "$mode: the failed block is on disk"
  no_temporaries "$data"
  stop_driver
  echo "block, $mode: ok"
done

# Bytes beyond the announced length never reach the file: WinINet stops reading at Content-Length.
data="$work/data-long"
cp -r "$template" "$data"
clear_faults
fault long "$columns/${ids[2]}.dwg"
run_update "$data"
wait_for_status "更新完成， 共下载  3 个图块" 300
same_as_server "$data/02_结构/01_柱/$(name_of ${ids[2]})" "$columns/${ids[2]}.dwg" || fail "long: block not exactly the file"
no_temporaries "$data"
stop_driver
echo "block, long: ok"
echo "PASS"
