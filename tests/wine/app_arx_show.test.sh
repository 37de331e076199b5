#!/usr/bin/env bash
# The ARX host starts the gallery with "arx show" and its window number: one borderless, top-most
# gallery of 590 x 454 in the middle of the screen, titled "墨 匣", owning the single-instance
# event. Enter does nothing; Esc hides it (it is hosted); codes 0 and 6 show and hide it.
. "$(dirname "$0")/lib/gallery.sh"
scenario_begin
# On an empty library the gallery would open the empty-library prompt over itself, which takes the
# keys and the close request this scenario sends to the gallery.
install_sample_library

start_host host --start "$(winepath -w "$BLOCKERY")" "arx show %w"
wait_for_line "$WORK/host.log" '^started [0-9]+' || fail "the host could not start the gallery"
STARTED_WINDOWS_PIDS+=("$(sed -nE 's/^started ([0-9]+).*/\1/p' "$WORK/host.log" | tr -d '\r')")

wait_for_window "$HOSTED_TITLE" || fail "no gallery titled '$HOSTED_TITLE' appeared"
note "$FOUND"
gallery=$(field "$FOUND" window)
expect_eq "$(field "$FOUND" width)x$(field "$FOUND" height)" 590x454 "gallery size"
expect_eq "$(field "$FOUND" topmost)" 1 "top-most"
expect_eq "$(field "$FOUND" caption)" 0 "caption"
screen=$(xdpyinfo 2>/dev/null | sed -nE 's/^ *dimensions: +([0-9]+)x([0-9]+) pixels.*/\1 \2/p')
if [ -n "$screen" ]; then
  read -r sw sh <<<"$screen"
  # Centred by the client area, which is the whole window: it has no frame.
  expect_eq "$(field "$FOUND" left),$(field "$FOUND" top)" "$(((sw - 590) / 2)),$(((sh - 454) / 2))" "position"
fi
expect_windows "$STANDALONE_TITLE" 0 0
expect_event exists

probe key "$gallery" 13 >/dev/null
sleep 0.5
wait_for_window "$HOSTED_TITLE" 1 || fail "Enter closed or hid the gallery"

probe key "$gallery" 27 >/dev/null
wait_for_window "$HOSTED_TITLE" 0 || fail "Esc did not hide the hosted gallery"

expect_eq "$(probe command "$gallery" 0)" answer=0 "answer to code 0"
wait_for_window "$HOSTED_TITLE" 1 || fail "code 0 did not show the gallery"
expect_eq "$(field "$(probe find "$HOSTED_TITLE")" topmost)" 1 "top-most after code 0"

expect_eq "$(probe command "$gallery" 6)" answer=0 "answer to code 6"
wait_for_window "$HOSTED_TITLE" 0 || fail "code 6 did not hide the gallery"

expect_eq "$(probe command "$gallery" 16)" answer=0 "answer to a code that does nothing"
expect_eq "$(probe command "$gallery" 99)" answer=0 "answer to an unknown code"
expect_windows "$HOSTED_TITLE" 1 0

# Code 2: the event is closed and the program ends.
expect_eq "$(probe command "$gallery" 2)" answer=0 "answer to code 2"
wait_for_no_window "$HOSTED_TITLE" || fail "code 2 did not end the gallery"
expect_event absent
probe close "$HOST_WINDOW" >/dev/null
wait_for_line "$WORK/host.log" '^child-exited 0' || fail "the gallery did not end by itself: $(cat "$WORK/host.log")"
echo "PASS"
