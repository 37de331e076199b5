#!/usr/bin/env bash
# An argument-less start asks Kestrun.dll's openCAD first: true ends it at once without a window;
# false, or no Kestrun.dll at all, opens a stand-alone gallery. A start with tokens never asks.
. "$(dirname "$0")/lib/gallery.sh"
scenario_begin
# On an empty library the gallery would open the empty-library prompt over itself, which takes the
# keys and the close requests this scenario sends to the gallery.
install_sample_library

export BLOCKERY_KESTRUN_LOG=$(winepath -w "$WORK/kestrun.log")
asked() { tr -d '\r' <"$WORK/kestrun.log" 2>/dev/null | tr '\n' ';'; }

note "no Kestrun.dll"
start_gallery missing
wait_for_window "$STANDALONE_TITLE" || fail "no stand-alone gallery without Kestrun.dll"
probe close "$(field "$FOUND" window)" >/dev/null
wait_for_exit "$GALLERY_PID" || fail "the gallery did not close"
expect_eq "$(asked)" "" "calls of openCAD"

cp "$KESTRUN_DLL" "$OWN_PROGRAM_DIR/" || fail "no stand-in Kestrun.dll at $KESTRUN_DLL"

note "openCAD true"
export BLOCKERY_KESTRUN_OPENCAD=1
start_gallery opened
wait_for_exit "$GALLERY_PID" || fail "openCAD true did not end the start"
wait "$GALLERY_PID"; expect_eq "$?" 0 "exit status"
expect_eq "$(asked)" "openCAD true;" "calls of openCAD"
expect_windows "$STANDALONE_TITLE" 0 0
expect_windows "$HOSTED_TITLE" 0 0
expect_event absent

note "tokens: openCAD is not asked"
run_gallery arx close || fail "arx close did not end"
expect_eq "$(asked)" "openCAD true;" "calls of openCAD"

note "openCAD false"
export BLOCKERY_KESTRUN_OPENCAD=0
start_gallery closed
wait_for_window "$STANDALONE_TITLE" || fail "openCAD false opened no stand-alone gallery"
expect_eq "$(asked)" "openCAD true;openCAD false;" "calls of openCAD"
expect_event exists
probe close "$(field "$FOUND" window)" >/dev/null
wait_for_exit "$GALLERY_PID" || fail "the gallery did not close"
echo "PASS"
