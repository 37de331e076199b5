#!/usr/bin/env bash
# Closing the progress dialog while a block downloads: the walk ends at once, the download in flight
# is dropped and its ".part" file removed, the blocks already stored stay whole and the gallery
# reloads for them; the next update asks for the dropped block again. Also: an index refresh at
# start replaces the library's old InkCasket.xml with the server's, and a failing one leaves it.
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
folder="$data/02_结构/01_柱"
slow="$folder/$(name_of ${ids[2]})"

# The library's index is an older one (the same rows, one line more); the refresh at start brings
# the server's.
printf '<!-- an older index -->\r\n' >>"$data/InkCasket.xml"
fault slow "$columns/${ids[2]}.dwg"
start_driver "$data"
wait_for "index-refresh" 30
for i in $(seq 1 50); do cmp -s "$data/InkCasket.xml" "$work/server/InkCasket/InkCasket.xml" && break; sleep 0.1; done
cmp -s "$data/InkCasket.xml" "$work/server/InkCasket/InkCasket.xml" || fail "the index was not refreshed"

# Every other block of the category arrives beside the slow one; the dialog closes while it waits.
wait_shown
click gallery.update
wait_opened update 1
others=$((${#ids[@]} - 1))
wait_count "trace 下载完成图块" "$others" 300
click update.close
wait_for "dialog update closed"
wait_for "update-dialog-closed $others"
wait_for "reload" 10
# The slow answer comes after the close: the worker drops it and removes what it wrote.
sleep "$SLOW_SECONDS"
for i in $(seq 1 50); do [ -z "$(find "$data" -name '*.part')" ] && break; sleep 0.1; done
no_temporaries "$data"
[ ! -e "$slow" ] || fail "the download in flight at the close was put in place"
for i in 0 1; do
  same_as_server "$folder/$(name_of ${ids[$i]})" "$columns/${ids[$i]}.dwg" || fail "block $i is not whole"
done
stop_driver

# The next update asks for the dropped block again.
clear_faults
start_driver "$data"
wait_shown
click gallery.update
wait_opened update 1
wait_for_status "更新完成， 共下载  1 个图块" 300
same_as_server "$slow" "$columns/${ids[2]}.dwg" || fail "the dropped block did not arrive later"
stop_driver

# A refresh that fails keeps the index the library has.
printf 'old index' >"$data/InkCasket.xml"
fault 404 /InkCasket/InkCasket.xml
start_driver "$data"
wait_for "index-refresh" 30
for i in $(seq 1 50); do server_get /__requests | grep -q "^/InkCasket/InkCasket.xml	404	404" && break; sleep 0.1; done
sleep 0.5
[ "$(cat "$data/InkCasket.xml")" = "old index" ] || fail "a failed refresh touched the index"
no_temporaries "$data"
echo "PASS"
