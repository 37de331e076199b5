#!/usr/bin/env bash
# The user's own blocks with the real mouse and keyboard: a click on "添加图块" opens the file-open
# dialog "添加图块", two files are chosen by typing, the list shows them and UserBlock.xml holds
# them sorted; a right-click on one and "删除图块" removes it; a double-click hands a user block to
# the Draftwell host; the close request writes the file with the remaining block.
. "$(dirname "$0")/lib/gallery.sh"
scenario_begin
install_sample_library 100000000000
blocks=$WORK/blocks
mkdir -p "$blocks"
cp "$DATA_ROOT/01_建筑/01_门/单开门.dwg" "$blocks/table.dwg"
cp "$DATA_ROOT/01_建筑/01_门/双开门.dwg" "$blocks/chair.dwg"
folder=$(winepath -w "$blocks")

start_host draftwell --title Draftwell
start_gallery drawn Draftwell20110719 "$HOST_WINDOW"
open_gallery "$STANDALONE_TITLE"
wait_until caret_is 图库 || fail "the root was not selected: $(tree_state)"
[ -f "$DATA_ROOT/UserBlock.xml" ] || fail "the first start did not create UserBlock.xml"
expect_eq "$(stat -c %s "$DATA_ROOT/UserBlock.xml")" 0 "size of the first UserBlock.xml"

click_at $(tree_point 自定义图库)
wait_until tree_point 添加图块 >/dev/null || { xdotool key Right; wait_until tree_point 添加图块 >/dev/null; } ||
  fail "自定义图库 did not open"
click_at $(tree_point 添加图块)
wait_for_window 添加图块 || fail "no file-open dialog titled 添加图块"
dialog=$FOUND
# Focus for the typing: a click on the dialog's caption row; the file name box has the focus.
click_at $(($(field "$dialog" left) + 120)) $(($(field "$dialog" top) + 8))
xdotool type --delay 40 "$folder"
xdotool key Return
sleep 1
xdotool type --delay 40 '"table.dwg" "chair.dwg"'
xdotool key Return
wait_until list_holds 2 || fail "the two added blocks are not shown: $(list_count)"
tr '\r' '\n' <"$DATA_ROOT/UserBlock.xml" >"$WORK/user1.txt"
expect_eq "$(grep -c '^<Item>' "$WORK/user1.txt")" 2 "UserBlock.xml lines after adding"
expect_eq "$(sed -n 3p "$WORK/user1.txt")" "<Item>$folder\\chair.dwg</Item>" "first user block (sorted)"
expect_eq "$(probe listitem "$GALLERY" 0 | sed -e 's/^.* text=//')" chair "first caption"

double_click_at $(item_point 1)
wait_until eval '[ -n "$(host_line "$WORK/draftwell.log" 1128)" ]' || fail "a user block was not handed off"
expect_eq "$(sed -e 's/^.* title=//' <<<"$(host_line "$WORK/draftwell.log" 1128)")" "$folder\\table.dwg" "user block path"

click_at $(item_point 0) 3
sleep 1
read -r mx my <<<"$(item_point 0)"
click_at $((mx + 30)) $((my + 8))
wait_until list_holds 1 || fail "删除图块 did not remove the block: $(list_count)"
expect_eq "$(probe listitem "$GALLERY" 0 | sed -e 's/^.* text=//')" table "block left"

probe close "$GALLERY" >/dev/null
wait_for_exit "$GALLERY_PID" || fail "the close request did not end the gallery"
tr '\r' '\n' <"$DATA_ROOT/UserBlock.xml" >"$WORK/user2.txt"
expect_eq "$(grep -c '^<Item>' "$WORK/user2.txt")" 1 "UserBlock.xml lines after deleting"
expect_eq "$(sed -n 3p "$WORK/user2.txt")" "<Item>$folder\\table.dwg</Item>" "remaining user block"
echo "PASS"
