#!/usr/bin/env bash
# A category of 5,000 blocks (the sample's doors and 4,995 hard links of them, one with a very
# long name) in a hosted gallery: the list holds them all; End scrolls to the last, whose caption
# and tile come, as do those of the row before; resting the mouse on the long-named block shows a
# larger preview no wider than the largest picture.
. "$(dirname "$0")/lib/gallery.sh"
. "$(dirname "$0")/lib/many_blocks.sh"
scenario_begin
install_sample_library 11001011000

doors=$DATA_ROOT/01_建筑/01_门
long_name=长名称图块$(printf '很%.0s' $(seq 1 60))
add_linked_blocks "$doors" 5000 "$long_name" || fail "the 5,000 blocks could not be made"

open_hosted_gallery
wait_until list_holds 5000 || fail "the category's 5,000 blocks did not appear: $(list_count)"

# tile_drawn INDEX: the thumbnail's picture band (dark) shows; an empty frame has none.
tile_drawn() {
  local x y
  read -r x y <<<"$(item_point "$1")" || return 1
  [ "$(ink_in "100x40+$((x - GALLERY_X - 50))+$((y - GALLERY_Y - 20))")" = 1 ]
}

click_at $(item_point 0)
xdotool key End
wait_until eval '[ "$(field "$(probe listitem "$GALLERY" 4999)" text)" = 长名称图块很很很很 ]' ||
  fail "the last caption: $(probe listitem "$GALLERY" 4999)"
expect_eq "$(field "$(probe listitem "$GALLERY" 4998)" text)" 大树4998 "the caption before it"
wait_until tile_drawn 4999 || fail "the last block's tile did not come"
wait_until tile_drawn 4998 || fail "the tile before it did not come"
mkdir -p "$ARTIFACTS"
capture "$ARTIFACTS/gallery-many-blocks-end.png"

read -r x y <<<"$(item_point 4999)"
xdotool mousemove $((x - 3)) $((y - 3)) sleep 0.1 mousemove "$x" "$y"
wait_until eval '[ "$(field "$(probe popup)" visible)" = 1 ]' || fail "no larger preview appeared: $(probe popup)"
popup=$(probe popup)
[ "$(field "$popup" width)" -le 280 ] || fail "the long name widened the preview: $popup"

run_gallery arx close || fail "arx close did not end"
wait_for_exit "$GALLERY_PID" || fail "arx close did not end the gallery"
echo "PASS"
