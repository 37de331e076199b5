#!/usr/bin/env bash
# Closing the progress dialog while a block downloads: the walk stops there, yet that download
# completes and its file is put in place whole; the dialog counts only the two blocks stored
# before, so the gallery reloads for them. Also: an index refresh at start replaces the library's
# old InkCasket.xml with the server's, and a failing one leaves it.
set -uo pipefail
SLOW_SECONDS=4
. "$(dirname "$0")/update_scenario.sh"

prepare_library
start_server
columns=$(served_folder 02_结构/01_柱)
ids=($(item_ids "$columns"))
data="$work/data"
make_data_root "$data" 01000000000
rm -f "$data/02_结构/01_柱/"*.dwg
name_of() { grep -A1 "id=\"$1\"" "$work/server$(item_list "$columns")" | sed -n 's/.*<Name>\(.*\)<\/Name>.*/\1/p'; }

# The library's index is an older one (the same rows, one line more); the refresh at start brings
# the server's.
printf '<!-- an older index -->\r\n' >>"$data/InkCasket.xml"
fault slow "$columns/${ids[2]}.dwg"
start_driver "$data"
wait_for "index-refresh" 30
for i in $(seq 1 50); do cmp -s "$data/InkCasket.xml" "$work/server/InkCasket/InkCasket.xml" && break; sleep 0.1; done
cmp -s "$data/InkCasket.xml" "$work/server/InkCasket/InkCasket.xml" || fail "the index was not refreshed"

wait_shown
click gallery.update
wait_opened update 1
wait_for_status "正在下载 柱 $(name_of ${ids[2]} | sed 's/\.dwg$//')" 300
click update.close
wait_for "dialog update closed"
wait_for "update-dialog-closed 2"
wait_for "reload" 10
folder="$data/02_结构/01_柱"
[ ! -e "$folder/$(name_of ${ids[2]})" ] || fail "the slow block arrived too early to test anything"
for i in $(seq 1 100); do [ -e "$folder/$(name_of ${ids[2]})" ] && break; sleep 0.1; done
same_as_server "$folder/$(name_of ${ids[2]})" "$columns/${ids[2]}.dwg" || fail "the block downloading at the close is not whole"
no_temporaries "$data"
[ "$(count_lines 'trace 下载完成图块')" = "2" ] || fail "the closed dialog heard of the last block"
stop_driver

# A refresh that fails keeps the index the library has.
printf 'old index' >"$data/InkCasket.xml"
clear_faults
fault 404 /InkCasket/InkCasket.xml
start_driver "$data"
wait_for "index-refresh" 30
sleep 1
[ "$(cat "$data/InkCasket.xml")" = "old index" ] || fail "a failed refresh touched the index"
no_temporaries "$data"
echo "PASS"
