#!/usr/bin/env bash
# A stand-alone gallery ("墨匣") owns the event but is not found by a second start: "arx close"
# then ends as a first instance without closing it, and "arx show" opens a hosted gallery beside
# it. Esc does nothing to the stand-alone gallery; the window system's close request ends it.
. "$(dirname "$0")/lib/gallery.sh"
scenario_begin
# On an empty library the gallery would open the empty-library prompt over itself, which takes the
# keys and the close request this scenario sends to the gallery.
install_sample_library

start_gallery alone
wait_for_window "$STANDALONE_TITLE" || fail "no stand-alone gallery (no Kestrun.dll in the program folder)"
alone=$(field "$FOUND" window)
alone_pid=$GALLERY_PID
expect_eq "$(field "$FOUND" width)x$(field "$FOUND" height)" 590x454 "gallery size"
expect_event exists

probe key "$alone" 27 >/dev/null
probe key "$alone" 13 >/dev/null
sleep 1
wait_for_window "$STANDALONE_TITLE" 1 || fail "Esc or Enter hid the stand-alone gallery"

run_gallery arx close || fail "arx close beside a stand-alone gallery did not end"
expect_windows "$STANDALONE_TITLE" 1 1
kill -0 "$alone_pid" 2>/dev/null || fail "arx close ended the stand-alone gallery"

start_host host
start_gallery hosted arx show "$HOST_WINDOW"
wait_for_window "$HOSTED_TITLE" || fail "arx show beside a stand-alone gallery opened no gallery"
expect_windows "$STANDALONE_TITLE" 1 1
hosted_pid=$GALLERY_PID

run_gallery arx close || fail "arx close did not end"
wait_for_exit "$hosted_pid" || fail "arx close did not reach the hosted gallery"
expect_windows "$STANDALONE_TITLE" 1 1

probe close "$alone" >/dev/null
wait_for_exit "$alone_pid" || fail "the close request did not end the stand-alone gallery"
expect_windows "$STANDALONE_TITLE" 0 0
echo "PASS"
