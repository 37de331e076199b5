#!/usr/bin/env bash
# The ARX host with the real mouse: a double-click on a thumbnail writes the block's path into the
# host's title, posts 1032 (0, 100) and hides the gallery; code 0 shows it again. With a live
# Draftwell host set by code 9 as well, only the ARX host gets the block. The recently used list
# survives "arx close", the hosted close button (which only hides) and Alt+F4, and comes back as
# the root's blocks at the next start.
. "$(dirname "$0")/lib/gallery.sh"
scenario_begin
install_sample_library 11001011000

open_hosted_gallery
arx=$HOST_WINDOW
wait_until list_holds 5 || fail "the root's blocks did not appear: $(list_count)"

# Empty space first: nothing is handed off.
double_click_at $((GALLERY_X + 560)) $((GALLERY_Y + 420))
sleep 1
expect_eq "$(handoffs_in "$WORK/arx.log")" 0 "hand-offs after a double-click on empty space"

double_click_at $(item_point 1)
wait_until eval '[ -n "$(host_line "$WORK/arx.log" 1032)" ]' || fail "the ARX host got no 1032"
line=$(host_line "$WORK/arx.log" 1032)
note "$line"
expect_eq "$(field "$line" wParam)/$(field "$line" lParam)" 0/100 "1032 arguments"
expect_eq "$(sed -e 's/^.* title=//' <<<"$line")" "$(winepath -w "$DATA_ROOT")\\01_建筑\\01_门\\双开门.dwg" "path in the title"
wait_for_window "$HOSTED_TITLE" 0 || fail "the gallery stayed visible after the ARX hand-off"
expect_eq "$(probe command "$GALLERY" 0)" answer=0 "answer to code 0"
wait_for_window "$HOSTED_TITLE" 1 || fail "code 0 did not show the gallery again"

# Both hosts alive: the ARX host alone gets the block.
start_host draftwell --title Draftwell
draftwell=$HOST_WINDOW
expect_eq "$(probe command "$GALLERY" 9 "$draftwell")" answer=0 "answer to code 9"
double_click_at $(item_point 3)
wait_until eval '[ "$(handoffs_in "$WORK/arx.log")" = 2 ]' || fail "the second block did not reach the ARX host"
expect_eq "$(handoffs_in "$WORK/draftwell.log")" 0 "hand-offs to the Draftwell host beside a live ARX host"

run_gallery arx close || fail "arx close did not end"
wait_for_exit "$GALLERY_PID" || fail "arx close did not end the gallery"
expect_eq "$(recent_ids | wc -l)" 2 "recent blocks after arx close"

# Next start: the root shows the recent blocks, most recent first.
start_gallery again arx show "$arx"
open_gallery "$HOSTED_TITLE"
wait_until list_holds 2 || fail "the root did not show the two recent blocks: $(list_count)"
expect_eq "$(probe listitem "$GALLERY" 0 | sed -e 's/^.* text=//')" 防火门 "most recent first"

# The hosted close button writes what was chosen since and only hides the window.
read -r newest older <<<"$(recent_ids | tr '\n' ' ')"
double_click_at $(item_point 1)
wait_until eval '[ "$(handoffs_in "$WORK/arx.log")" = 3 ]' || fail "the recent block did not reach the ARX host"
wait_for_window "$HOSTED_TITLE" 0 || fail "the hand-off did not hide the gallery"
probe command "$GALLERY" 0 >/dev/null
wait_for_window "$HOSTED_TITLE" 1 || fail "code 0 did not show the gallery"
client_click 566 10
wait_for_window "$HOSTED_TITLE" 0 || fail "the close button did not hide the hosted gallery"
expect_eq "$(recent_ids | tr '\n' ' ')" "$older $newest " "recent blocks after the hosted close button"
kill -0 "$GALLERY_PID" 2>/dev/null || fail "the close button ended a hosted gallery"

# Alt+F4 from the keyboard: the lists are written and the gallery ends.
probe command "$GALLERY" 0 >/dev/null
wait_for_window "$HOSTED_TITLE" 1 || fail "code 0 did not show the gallery"
double_click_at $(item_point 0)
wait_until eval '[ "$(handoffs_in "$WORK/arx.log")" = 4 ]' || fail "the block did not reach the ARX host"
wait_for_window "$HOSTED_TITLE" 0 || fail "the hand-off did not hide the gallery"
probe command "$GALLERY" 0 >/dev/null
wait_for_window "$HOSTED_TITLE" 1 || fail "code 0 did not show the gallery"
client_click 570 300
xdotool key alt+F4
wait_for_exit "$GALLERY_PID" || fail "Alt+F4 did not end the gallery"
expect_eq "$(recent_ids | tr '\n' ' ')" "$newest $older " "recent blocks after Alt+F4"
echo "PASS"
