#!/usr/bin/env bash
# The search field with the real keyboard, hosted by the ARX stand-in on the sample library: Ctrl+F
# puts the caret in the field, "xz" typed key by key shows its four blocks (initials first) with no
# tree selection, a double-click on the first hands it to the host like any thumbnail, and so does
# Enter after Down moved into the results; "/" returns to the field and Esc, in the field or in the
# results, brings back the view before the search. A screenshot is kept under
# build/.../artifacts.
. "$(dirname "$0")/lib/gallery.sh"
scenario_begin
install_sample_library 111111111111

open_hosted_gallery
wait_until caret_is 图库 || fail "the root was not selected: $(tree_state)"
wait_until list_has_items || fail "the root showed no blocks"
sleep 1  # past the start-up refresh, whose rebuild selects the root again

client_click 430 40  # the tab row right of the tabs: the window takes the keys
xdotool key ctrl+f
xdotool type --delay 150 xz
wait_until list_holds 4 || fail "\"xz\" did not show its four blocks: $(list_count)"
expect_eq "$(field "$(tree_state)" caret)" "" "tree selection during the search"
expect_eq "$(probe listitem "$GALLERY" 0 | sed -e 's/^.* text=//')" 旋转楼梯A "first result"
expect_eq "$(probe listitem "$GALLERY" 3 | sed -e 's/^.* text=//')" 异形柱 "the name substring last"
wait_until eval '[ "$(ink_in 380x80+181+75)" = 1 ]' || fail "no thumbnail was drawn"
sleep 1  # the list's loader finishes its last pass before the double-click
mkdir -p "$ARTIFACTS"
capture "$ARTIFACTS/gallery-search.png" 590x454+0+0
note "screenshot: $ARTIFACTS/gallery-search.png"

double_click_at $(item_point 0)
wait_until eval '[ -n "$(host_line "$WORK/arx.log" 1032)" ]' || fail "the ARX host got no 1032"
line=$(host_line "$WORK/arx.log" 1032)
expect_eq "$(sed -e 's/^.* title=//' <<<"$line")" "$(winepath -w "$DATA_ROOT")\\01_建筑\\03_楼梯\\02_旋转楼梯\\旋转楼梯A.dwg" "path in the title"
wait_for_window "$HOSTED_TITLE" 0 || fail "the gallery stayed visible after the hand-off"

# Shown again, the results are still there: Down moves into them and Enter hands over the one
# selected, the first.
path=$(sed -e 's/^.* title=//' <<<"$line")
probe command "$GALLERY" 0 >/dev/null
wait_for_window "$HOSTED_TITLE" 1 || fail "code 0 did not show the gallery again"
client_click 430 40
xdotool key slash Down Return
wait_until eval '[ "$(handoffs_in "$WORK/arx.log")" = 2 ]' || fail "Enter in the results handed nothing over"
expect_eq "$(sed -e 's/^.* title=//' <<<"$(host_line "$WORK/arx.log" 1032)")" "$path" "path Enter handed over"

# Esc in the field returns to the root, which now shows the one recent block.
probe command "$GALLERY" 0 >/dev/null
wait_for_window "$HOSTED_TITLE" 1 || fail "code 0 did not show the gallery again"
client_click 430 40
xdotool key slash
xdotool key Escape
wait_until caret_is 图库 || fail "Esc did not return to the root: $(tree_state)"
wait_until list_holds 1 || fail "the root did not show the recent block: $(list_count)"
kill -0 "$GALLERY_PID" 2>/dev/null || fail "Esc in the field ended the gallery"

# Esc in the results leaves the search too, and the gallery stays. (The caret is still in the
# field: a click on the thumbnail takes it out, so "/" is a key again.)
click_at $(item_point 0)
xdotool key slash
xdotool type --delay 150 xz
wait_until list_holds 4 || fail "\"xz\" did not show its four blocks again: $(list_count)"
xdotool key Down Escape
wait_until caret_is 图库 || fail "Esc in the results did not return to the root: $(tree_state)"
wait_for_window "$HOSTED_TITLE" 1 || fail "Esc in the results hid the gallery"
echo "PASS"
