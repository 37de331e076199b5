#!/usr/bin/env bash
# Two Draftwell galleries run at once and share UserBlock.xml. Each adds a different block through
# the file dialog "添加图块" after both have read the file; whichever closes last, the file keeps
# the blocks of both. Two rounds: the second gallery closes first, then the first one does. The
# file starts unparsable (two root elements): both of its blocks are kept, the original is kept
# aside once, and the failure is in Blockery.log.
. "$(dirname "$0")/lib/gallery.sh"
scenario_begin
install_sample_library
blocks=$WORK/blocks
mkdir -p "$blocks"
for name in a1 b1 a2 b2; do cp "$DATA_ROOT/01_建筑/01_门/单开门.dwg" "$blocks/$name.dwg"; done
folder=$(winepath -w "$blocks")
printf '<root><Item>C:\\old1.dwg</Item></root>\r<root><Item>C:\\old2.dwg</Item></root>\r' >"$DATA_ROOT/UserBlock.xml"
cp "$DATA_ROOT/UserBlock.xml" "$WORK/UserBlock.original"
start_host draftwell --title Draftwell

# visible_galleries N: until N windows titled "墨匣" are visible.
visible_galleries() { [ "$(field "$(probe count "$STANDALONE_TITLE")" visible)" = "$1" ]; }

# add_block WINDOW NAME: the named file added in that gallery, which must be on top, by the mouse
# and the keyboard as a user would.
add_block() {
  GALLERY=$1
  if ! tree_point 添加图块 >/dev/null; then
    click_at $(tree_point 自定义图库)
    wait_until tree_point 添加图块 >/dev/null || { xdotool key Right; wait_until tree_point 添加图块 >/dev/null; } ||
      fail "自定义图库 did not open"
  fi
  click_at $(tree_point 添加图块)
  wait_for_window 添加图块 || fail "no file-open dialog titled 添加图块"
  click_at $(($(field "$FOUND" left) + 120)) $(($(field "$FOUND" top) + 8))
  xdotool type --delay 15 "$folder\\$2.dwg"
  xdotool key Return
  wait_for_no_window 添加图块 || fail "the file dialog did not close"
}

# round FIRST SECOND LAST: both galleries start, SECOND adds its block and hides, FIRST adds its
# block; then the galleries close, the one named LAST after the other.
round() {
  start_gallery "$1" Draftwell20110719 "$HOST_WINDOW"
  local pid_one=$GALLERY_PID
  wait_until visible_galleries 1 || fail "the first gallery did not open"
  open_gallery "$STANDALONE_TITLE"
  local one=$GALLERY
  wait_until caret_is 图库 || fail "the root was not selected: $(tree_state)"
  start_gallery "$2" Draftwell20110719 "$HOST_WINDOW"
  local pid_two=$GALLERY_PID
  wait_until visible_galleries 2 || fail "the second gallery did not open"
  local two
  two=$(field "$(probe find "$STANDALONE_TITLE")" window)
  [ "$two" != "$one" ] || fail "the second gallery is not the first window found"
  GALLERY=$two
  wait_until caret_is 图库 || fail "the root was not selected in the second gallery: $(tree_state)"

  add_block "$two" "$2"
  probe key "$two" 27 >/dev/null  # Esc hides a Draftwell gallery: the first one is on top again
  wait_until visible_galleries 1 || fail "Esc did not hide the second gallery"
  add_block "$one" "$1"
  if [ "$3" = "$1" ]; then
    probe close "$two" >/dev/null && wait_for_exit "$pid_two" || fail "the second gallery did not end"
    probe close "$one" >/dev/null && wait_for_exit "$pid_one" || fail "the first gallery did not end"
  else
    probe close "$one" >/dev/null && wait_for_exit "$pid_one" || fail "the first gallery did not end"
    probe close "$two" >/dev/null && wait_for_exit "$pid_two" || fail "the second gallery did not end"
  fi
}

user_blocks() { tr '\r' '\n' <"$DATA_ROOT/UserBlock.xml" | sed -nE 's/^<Item>(.*)<\/Item>$/\1/p' | tr '\n' ' '; }

round a1 b1 a1
expect_eq "$(user_blocks)" "C:\\old1.dwg C:\\old2.dwg $folder\\a1.dwg $folder\\b1.dwg " \
  "UserBlock.xml, the first gallery closed last"
round a2 b2 b2
expect_eq "$(user_blocks)" "C:\\old1.dwg C:\\old2.dwg $folder\\a1.dwg $folder\\a2.dwg $folder\\b1.dwg $folder\\b2.dwg " \
  "UserBlock.xml, the second gallery closed last"
kept=("$DATA_ROOT"/UserBlock.xml.unreadable-*)
expect_eq "${#kept[@]}" 1 "copies of the unparsable UserBlock.xml"
cmp -s "${kept[0]}" "$WORK/UserBlock.original" || fail "the kept copy is not the original file"
grep -q "UserBlock.xml kept as" "$DATA_ROOT/Blockery.log" || fail "Blockery.log does not tell: $(cat "$DATA_ROOT/Blockery.log")"
echo "PASS"
