#!/usr/bin/env bash
# A search with thousands of hits in a stand-alone gallery over a library grown by 5,000 blocks
# (hard links of the sample's doors, named 大树0005 ...): "ds" typed key by key shows them all,
# "4" then "9" refine it to 1,000 and 100, each with its count in the caption, and all the while
# the window answers within a second.
# This is a check that the window never freezes, not a speed test: the bound is loose on purpose.
. "$(dirname "$0")/lib/gallery.sh"
. "$(dirname "$0")/lib/many_blocks.sh"
scenario_begin
install_sample_library 11001011000
add_linked_blocks "$DATA_ROOT/01_建筑/01_门" 5000 大树4999 || fail "the 5,000 blocks could not be made"

start_gallery alone
open_gallery "$STANDALONE_TITLE"
wait_until list_has_items || fail "the gallery showed no blocks"

start_background asker wine "$HOST_EXE" answering "$GALLERY" 60000
asker=$LAST_PID
wait_for_line "$WORK/asker.out" '^slowest=' || fail "the answering probe did not start"

client_click 430 40  # the tab row right of the tabs: the window takes the keys
xdotool key ctrl+f
xdotool type --delay 150 ds
wait_until eval '[ "$(list_count)" -ge 4995 ]' || fail "\"ds\" did not show the 大树 blocks: $(list_count)"
wait_until eval 'search_caption_is "搜索 \"ds\"：$(list_count) 个图块"' || fail "the caption does not give the $(list_count) hits"
xdotool type 4
wait_until list_holds 1000 || fail "\"ds4\" did not show 大树4000 to 大树4999: $(list_count)"
wait_until search_caption_is "搜索 \"ds4\"：1000 个图块" || fail "the caption does not give the 1000 hits"
xdotool type 9
wait_until list_holds 100 || fail "\"ds49\" did not show 大树4900 to 大树4999: $(list_count)"
wait_until eval '[ "$(field "$(probe listitem "$GALLERY" 99)" text)" = 大树4999 ]' ||
  fail "the last hit: $(probe listitem "$GALLERY" 99)"
wait_until search_caption_is "搜索 \"ds49\"：100 个图块" || fail "the caption does not give the 100 hits"

kill -0 "$asker" 2>/dev/null || fail "the answering probe ended early: $(tr -d '\r' <"$WORK/asker.out" | tail -1)"
slowest=$(tr -d '\r' <"$WORK/asker.out" | tail -1)
note "the window's slowest answer: $(field "$slowest" slowest) ms"
[ "$(field "$slowest" slowest)" -le 1000 ] 2>/dev/null || fail "the window stopped answering: $slowest"

probe close "$GALLERY" >/dev/null
wait_for_exit "$GALLERY_PID" || fail "the close request did not end the gallery"
echo "PASS"
