#!/usr/bin/env bash
# A block the library keeper mends reaches a gallery that had the old one: the sample library is
# published with blockery-publish, installed, and found current (the gallery records what it has,
# checking each block by its size); one block is changed and the library published again, and the
# next update fetches exactly that block, asking for every unchanged item list with its validators
# (one 304 each).
set -uo pipefail
. "$(dirname "$0")/update_scenario.sh"

source="$work/source"
python3 "$BLOCKERY_SOURCE/tools/samplelib/samplelib.py" "$source" >/dev/null || fail "making the sample source"
publish_source() {
  wine "$BLOCKERY_BUILD/tools/publish/blockery-publish.exe" "$(windows_path "$source")" "$(windows_path "$work/server")" \
    >/dev/null 2>&1 || fail "publishing"
}
publish_source
mkdir -p "$work/program"
cp -r "$BLOCKERY_BUILD/update_driver/." "$work/program/" || fail "no update_driver build"
cp "$work/server/InkCasket/InkCasket.xml" "$work/program/InkCasket.xml"
start_server
data="$work/data"
make_data_root "$data" 01000000000

update_until() {
  start_driver "$data"
  wait_shown
  click gallery.update
  wait_opened update 1
  wait_for_status "$1" 300
  stop_driver
}
update_until "更新文件检查完成，墨匣已是最新"
[ -s "$data/UpdateRecord.txt" ] || fail "the walk kept no record"

columns=$(served_folder 02_结构/01_柱)
first=$(ls "$source/02_结构/01_柱/"*.dwg | head -1)
name=$(basename "$first")
printf 'mended' >>"$first"
publish_source
id=$(grep -B1 "<Name>$name</Name>" "$work/server$(item_list "$columns")" | sed -n 's/.*<Item id="\([^"]*\)".*/\1/p')
[ -n "$id" ] || fail "no id for $name"

asked_before=$(server_get /__requests | wc -l)
update_until "更新完成， 共下载  1 个图块"
same_as_server "$data/02_结构/01_柱/$name" "$columns/$id.dwg" || fail "the mended block did not arrive whole"
cmp -s "$data/02_结构/01_柱/$name" "$first" || fail "the block on disk is not the mended one"
# The index's silent refresh at start is not a walk's: only the walk's requests count.
asked=$(server_get /__requests | tail -n +"$((asked_before + 1))" | grep -v '^/InkCasket/InkCasket.xml	')
[ "$(grep -c '\.dwg	' <<<"$asked")" = "1" ] || fail "blocks fetched: $(grep '\.dwg	' <<<"$asked")"
[ "$(grep -c '\.xml	plain	200' <<<"$asked")" = "1" ] || fail "lists sent whole: $(grep '\.xml	plain	200' <<<"$asked")"
grep -q '\.xml	plain	304' <<<"$asked" || fail "no unchanged list answered 304"
no_temporaries "$data"
echo "PASS"
