#!/usr/bin/env bash
# A second start finds the ARX-hosted gallery by its title and forwards its request with the
# gallery command message, then ends without a window of its own. First with the stand-in host
# standing in for the running gallery (so every message is seen in order), then with the real one.
. "$(dirname "$0")/lib/gallery.sh"
scenario_begin
# On an empty library the gallery would open the empty-library prompt over itself, which takes the
# keys and the close requests this scenario sends to the gallery.
install_sample_library

note "forwarding table, seen by a stand-in that holds the event and the title"
start_host receiver --title "$HOSTED_TITLE" --event "$INSTANCE_EVENT"
commands() { tr -d '\r' <"$WORK/receiver.log" | grep '^command' | tr '\n' ';'; }
run_gallery arx show 777 || fail "the second start with arx show did not end (status $?)"
expect_eq "$(commands)" "command code=0 argument=0;command code=1 argument=777;" "arx show 777"
run_gallery arx close || fail "the second start with arx close did not end"
run_gallery arx hide || fail "the second start with arx hide did not end"
run_gallery something else || fail "the second start with other tokens did not end"
run_gallery || fail "the second start with no tokens did not end"
run_gallery arx show 0x309 || fail "the second start with a hexadecimal number did not end"
expect_eq "$(commands)" "command code=0 argument=0;command code=1 argument=777;command code=2 argument=0;command code=6 argument=0;command code=0 argument=0;command code=0 argument=0;command code=0 argument=0;command code=1 argument=0;" "the whole table"
expect_windows "$STANDALONE_TITLE" 0 0
expect_windows "$HOSTED_TITLE" 1 1
probe close "$HOST_WINDOW" >/dev/null
wait_for_exit "$HOST_PID" || fail "the stand-in did not close"
expect_event absent

note "the real gallery"
start_host host
start_gallery gallery arx show "$HOST_WINDOW"
wait_for_window "$HOSTED_TITLE" || fail "no hosted gallery"
gallery=$(field "$FOUND" window)
probe command "$gallery" 6 >/dev/null
wait_for_window "$HOSTED_TITLE" 0 || fail "code 6 did not hide the gallery"

run_gallery arx show 4242 || fail "a second start with arx show did not end"
wait_for_window "$HOSTED_TITLE" 1 || fail "the second start did not show the running gallery"
expect_windows "$HOSTED_TITLE" 1 1
expect_windows "$STANDALONE_TITLE" 0 0

run_gallery arx hide || fail "a second start with arx hide did not end"
wait_for_window "$HOSTED_TITLE" 0 || fail "arx hide did not hide the running gallery"

# "arx show" without a number leaves the running gallery without a host: Esc then does nothing.
run_gallery arx show || fail "a second start with arx show and no number did not end"
wait_for_window "$HOSTED_TITLE" 1 || fail "arx show did not show the running gallery"
probe key "$gallery" 27 >/dev/null
sleep 1
wait_for_window "$HOSTED_TITLE" 1 || fail "Esc hid a gallery that no longer has a host"

run_gallery arx close || fail "a second start with arx close did not end"
wait_for_exit "$GALLERY_PID" || fail "arx close did not end the running gallery"
expect_windows "$HOSTED_TITLE" 0 0
expect_event absent
echo "PASS"
