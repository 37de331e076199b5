#!/usr/bin/env bash
# Draftwell starts keep no single instance: two run at once, neither creates the event, both are
# titled "墨匣". An ARX start beside them creates the event and opens a hosted gallery of its own.
# A Draftwell gallery is hosted, so Esc hides it.
. "$(dirname "$0")/lib/gallery.sh"
scenario_begin
# On an empty library the gallery would open the empty-library prompt over itself, which takes the
# keys and the close requests this scenario sends to the gallery.
install_sample_library

start_host draftwell --title "Draftwell"
start_gallery first Draftwell20110719 LD MN "$HOST_WINDOW"
first_pid=$GALLERY_PID
start_gallery second Draftwell20110719 LD 88
second_pid=$GALLERY_PID
for i in $(seq 1 $((WAIT_SECONDS * 4))); do
  [ "$(field "$(probe count "$STANDALONE_TITLE")" visible)" = 2 ] && break
  sleep 0.25
done
expect_windows "$STANDALONE_TITLE" 2 2
expect_windows "$HOSTED_TITLE" 0 0
expect_event absent

one=$(field "$(probe find "$STANDALONE_TITLE")" window)
probe key "$one" 27 >/dev/null
for i in $(seq 1 $((WAIT_SECONDS * 4))); do
  [ "$(field "$(probe count "$STANDALONE_TITLE")" visible)" = 1 ] && break
  sleep 0.25
done
expect_windows "$STANDALONE_TITLE" 2 1

start_host arx
start_gallery hosted arx show "$HOST_WINDOW"
wait_for_window "$HOSTED_TITLE" || fail "an ARX start beside Draftwell galleries opened no gallery"
expect_event exists
run_gallery arx close || fail "arx close did not end"
wait_for_exit "$GALLERY_PID" || fail "arx close did not end the hosted gallery"
expect_windows "$STANDALONE_TITLE" 2 1
kill -0 "$first_pid" 2>/dev/null && kill -0 "$second_pid" 2>/dev/null || fail "arx close ended a Draftwell gallery"
echo "PASS"
