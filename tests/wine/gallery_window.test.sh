#!/usr/bin/env bash
# The whole main window on the sample library, with the real mouse and keyboard: it opens centred
# at 590 x 454; half a second later the root is selected and thumbnails appear; a tab selects and
# expands its specialty; "》" and "《" page the tabs by four; a click on a thumbnail fills the details
# panel; a press at y = 31 drags the window and one at y = 32 does not; Esc and Enter leave a
# stand-alone gallery open; its close button ends it, writing the lists. A screenshot of the window is kept under build/.../artifacts.
. "$(dirname "$0")/lib/gallery.sh"
scenario_begin
install_sample_library 111111111111

start_gallery alone
open_gallery "$STANDALONE_TITLE"
expect_eq "$(field "$FOUND" width)x$(field "$FOUND" height)" 590x454 "gallery size"
read -r sw sh <<<"$(xdpyinfo | sed -nE 's/^ *dimensions: +([0-9]+)x([0-9]+) pixels.*/\1 \2/p')"
expect_eq "$GALLERY_X,$GALLERY_Y" "$(((sw - 590) / 2)),$(((sh - 454) / 2))" "centred"

wait_until caret_is 图库 || fail "the root was not selected: $(tree_state)"
wait_until list_holds 5 || fail "the root did not show the first category's five blocks: $(list_count)"
wait_until eval '[ "$(ink_in 380x80+181+75)" = 1 ]' || fail "no thumbnail was drawn"
expect_eq "$(probe listitem "$GALLERY" 0 | sed -e 's/^.* text=//')" 单开门 "first caption"

# Tabs: 【   建筑   】 ... ; the second tab opens "结构".
expect_eq "$(control_text 1000)" "【   建筑   】" "first tab"
expect_eq "$(control_text 1008)" "【  给排水 】" "third tab"
click_at $(control_point 1001)
wait_until caret_is 结构 || fail "the second tab did not select 结构: $(tree_state)"
expect_eq "$(field "$(tree_state)" expanded)" 1 "结构 expanded"
wait_until list_holds 3 || fail "结构 did not show the three columns: $(list_count)"

click_at $(control_point 1016)
wait_until eval '[ "$(control_text 1000)" = "【   电气   】" ]' || fail "》 did not turn the page: $(control_text 1000)"
click_at $(control_point 1010)
wait_until caret_is 园林景观 || fail "the last tab of page two did not select 园林景观: $(tree_state)"
click_at $(control_point 1016)
wait_until eval '[ "$(control_text 1000)" = "【园林景观】" ]' || fail "the second 》 did not turn the page: $(control_text 1000)"
expect_eq "$(field "$(probe control "$GALLERY" 1010)" visible)" 0 "the fifth tab on the last page"
click_at $(control_point 1015)
sleep 0.6  # past the double-click time: a second press that soon is a double click, not a click
click_at $(control_point 1015)
wait_until eval '[ "$(control_text 1000)" = "【   建筑   】" ]' || fail "《 did not return to the first page"

# The details panel: empty, then the clicked block's name.
wait_until list_has_items || fail "the list emptied"
expect_eq "$(ink_in 100x12+40+310)" 0 "name value before a click"
click_at $(item_point 1)
wait_until eval '[ "$(ink_in 100x12+40+310)" = 1 ]' || fail "a click on a thumbnail did not fill the details panel"

mkdir -p "$ARTIFACTS"
capture "$ARTIFACTS/gallery-window.png" 590x454+0+0
note "screenshot: $ARTIFACTS/gallery-window.png"

# Dragging by the top 32 rows only.
before=$(gallery_place "$STANDALONE_TITLE")
drag_from 570 31
after=$(gallery_place "$STANDALONE_TITLE")
[ "$after" != "$before" ] || fail "a press at y = 31 did not move the window"
open_gallery "$STANDALONE_TITLE"
drag_from 570 32
expect_eq "$(gallery_place "$STANDALONE_TITLE")" "$after" "place after a press at y = 32"

# Esc and Enter from the keyboard leave a stand-alone gallery as it is.
client_click 570 300
xdotool key Escape key Return
sleep 1
wait_for_window "$STANDALONE_TITLE" 1 || fail "Esc or Enter hid or closed the stand-alone gallery"

# The stand-alone close button ends the program; with nothing chosen or added, the lists other
# galleries share are left as they were.
client_click 566 10
wait_for_exit "$GALLERY_PID" || fail "the close button did not end the stand-alone gallery"
[ -f "$DATA_ROOT/RecentlyUse.xml" ] && fail "RecentlyUse.xml written with nothing chosen"
expect_eq "$(stat -c %s "$DATA_ROOT/UserBlock.xml")" 0 "size of UserBlock.xml with nothing added"
echo "PASS"
