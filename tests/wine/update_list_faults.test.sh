#!/usr/bin/env bash
# The update walk when an item list cannot be had, under Wine through WinINet: a list whose
# connection drops mid-body, and a server port nobody listens on. The walk ends before any block
# with "没有下载到当前更新文件", asks for no reload, and the library's old list stays as it was.
set -uo pipefail
. "$(dirname "$0")/update_scenario.sh"

prepare_library
start_server
columns=$(served_folder 02_结构/01_柱)
ids=($(item_ids "$columns"))
template="$work/template"
make_structure_root "$template"


# run_update DATA_ROOT: the stand-in on that data root, its "更新" button pressed.
run_update() {
  start_driver "$1"
  wait_shown
  click gallery.update
  wait_opened update 1
}

# An item list broken mid-body: the list the library had stays, and nothing was stored, so no reload.
data="$work/data-list"
cp -r "$template" "$data"
printf 'the old list' >"$data/02_结构/01_柱/FileList.xml"
clear_faults
fault drop "$(item_list "$columns")"
run_update "$data"
wait_for_status "没有下载到当前更新文件" 300
sleep 0.6
[ "$(count_lines reload)" = "0" ] || fail "a walk that stored nothing asked for a reload"
[ "$(cat "$data/02_结构/01_柱/FileList.xml")" = "the old list" ] || fail "the old item list was touched"
no_temporaries "$data"
stop_driver
echo "item list, drop: ok"

# Nobody listens: the connection is refused at once.
refused=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1]); s.close()')
point_at_port "$refused"
data="$work/data-refused"
cp -r "$template" "$data"
run_update "$data"
wait_for_status "没有下载到当前更新文件" 300
cmp -s "$data/02_结构/01_柱/FileList.xml" "$template/02_结构/01_柱/FileList.xml" || fail "refused: item list touched"
no_temporaries "$data"
stop_driver
echo "refused port: ok"
echo "PASS"
