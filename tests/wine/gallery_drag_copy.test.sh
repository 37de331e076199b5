#!/usr/bin/env bash
# Blocks leaving the gallery as files, with the real mouse and keyboard, beside a hosting ARX
# stand-in: the first thumbnail dragged onto the host puts its path in the host's title and makes
# it the most recent block, with no hand-off message and the gallery still shown; a drag ended
# with Esc changes nothing; Ctrl+C on a selected thumbnail leaves the path on the clipboard; the
# mouse resting on a thumbnail shows the larger preview (screenshot in artifacts/), which goes
# when the mouse leaves or the host hides the gallery.
. "$(dirname "$0")/lib/gallery.sh"
scenario_begin
install_sample_library 11001011000

open_hosted_gallery
arx=$HOST_WINDOW
wait_until list_holds 5 || fail "the root's blocks did not appear: $(list_count)"
first_path="$(winepath -w "$DATA_ROOT")\\01_建筑\\01_门\\单开门.dwg"
host_title() { probe title "$arx"; }
original_title=$(host_title)
mkdir -p "$ARTIFACTS"

# drag_item INDEX X Y [Esc]: presses on a thumbnail, moves past the drag distance in steps to the
# screen point, and releases there (or presses Esc first).
drag_item() {
  local from x y
  from=$(item_point "$1") || fail "no thumbnail $1"
  read -r x y <<<"$from"
  xdotool mousemove "$x" "$y" mousedown 1 sleep 0.2 mousemove $((x + 8)) $((y + 8)) sleep 0.2 \
    mousemove $(((x + $2) / 2)) $(((y + $3) / 2)) sleep 0.2 mousemove "$2" "$3" sleep 0.3 \
    mousemove $(($2 + 2)) $(($3 + 2)) sleep 0.3
  [ "${4:-}" = Esc ] && xdotool key Escape && sleep 0.3
  xdotool mouseup 1
  sleep 0.5
}

# Esc during the drag (of 防火门): nothing changes, and the Esc does not hide the hosted gallery.
drag_item 3 240 120 Esc
expect_eq "$(host_title)" "$original_title" "host title after a drag ended with Esc"
expect_eq "$(tr -d '\r' <"$WORK/arx.log" | grep -c '^drop ')" 0 "drops after Esc"
expect_eq "$(field "$(probe find "$HOSTED_TITLE")" visible)" 1 "gallery shown after a drag ended with Esc"

drag_item 0 240 120
wait_until eval '[ "$(host_title)" = "$first_path" ]' || fail "the drop did not reach the host: '$(host_title)'"
expect_eq "$(handoffs_in "$WORK/arx.log")" 0 "hand-off messages after a drop"
expect_eq "$(field "$(probe find "$HOSTED_TITLE")" visible)" 1 "gallery shown after a drop"
# Ctrl+C on the selected thumbnail; a probe reads the clipboard.
click_at $(item_point 2)
sleep 0.3
xdotool key ctrl+c
third_path="$(winepath -w "$DATA_ROOT")\\01_建筑\\01_门\\推拉门.dwg"
wait_until eval '[ "$(probe clipboard)" = "files=1 path=$third_path name=$third_path" ]' ||
  fail "the clipboard did not get the block: $(probe clipboard)"

# The mouse resting on a thumbnail: the larger preview, then gone when the mouse leaves the list.
read -r x y <<<"$(item_point 1)"
xdotool mousemove $((x - 3)) $((y - 3)) sleep 0.1 mousemove "$x" "$y"
wait_until eval '[ "$(field "$(probe popup)" visible)" = 1 ]' || fail "no larger preview appeared: $(probe popup)"
popup=$(probe popup)
note "preview: $popup"
[ "$(field "$popup" width)" -gt 200 ] && [ "$(field "$popup" width)" -le 280 ] || fail "preview width: $popup"
sleep 0.3
import -window root -crop "$(field "$popup" width)x$(field "$popup" height)+$(field "$popup" left)+$(field "$popup" top)" \
  +repage "$ARTIFACTS/gallery-large-preview.png"
note "screenshot: $ARTIFACTS/gallery-large-preview.png"
xdotool mousemove $((GALLERY_X + 90)) $((GALLERY_Y + 150))
wait_until eval '[ "$(field "$(probe popup)" visible)" = 0 ]' || fail "the larger preview stayed after the mouse left"
# The host hides the gallery while the mouse rests: the preview goes with it.
xdotool mousemove $((x + 3)) $((y + 3)) sleep 0.1 mousemove "$x" "$y"
wait_until eval '[ "$(field "$(probe popup)" visible)" = 1 ]' || fail "no larger preview appeared the second time"
expect_eq "$(probe command "$GALLERY" 6)" answer=0 "answer to code 6"
wait_until eval '[ "$(field "$(probe popup)" visible)" = 0 ]' || fail "the larger preview stayed with the gallery hidden"
probe command "$GALLERY" 0 >/dev/null

run_gallery arx close || fail "arx close did not end"
wait_for_exit "$GALLERY_PID" || fail "arx close did not end the gallery"
door_id=$(tr -d '\r\n' <"$DATA_ROOT/01_建筑/01_门/FileList.xml" | sed -n 's/.*<Item id="\([^"]*\)"> *<Name>单开门\.dwg<.*/\1/p')
expect_eq "$(recent_ids | tr '\n' ' ')" "$door_id " "recent blocks (单开门 dropped; 防火门's drag ended with Esc)"
echo "PASS"
