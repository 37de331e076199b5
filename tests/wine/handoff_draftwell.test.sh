#!/usr/bin/env bash
# The Draftwell host with the real mouse. Started with "LD" and "MN", the gallery opens "园林景观"
# by itself; a double-click writes the path into the host's title and posts 1128 with the
# gallery's window and 10, leaving the gallery shown; after code 14 (no "LD") the message carries
# 9. Code 9 with another host redirects later hand-offs there; code 8 with any other window does
# nothing, with the Draftwell host's window it ends the gallery, writing the recent list.
. "$(dirname "$0")/lib/gallery.sh"
scenario_begin
install_sample_library 11001011000

start_host first --title Draftwell
first=$HOST_WINDOW
start_gallery drawn Draftwell20110719 LD MN "$first"
open_gallery "$STANDALONE_TITLE"
wait_until caret_is 园林景观 || fail "the landscape specialty was not opened: $(tree_state)"
expect_eq "$(field "$(tree_state)" expanded)" 1 "园林景观 expanded"
grep -q 'Sel=11001011100' "$DATA_ROOT/HomeInkCasket.ini" || fail "LD did not switch the landscape specialty on"
wait_until list_holds 8 || fail "园林景观 did not show its first category's eight blocks: $(list_count)"

double_click_at $(item_point 0)
wait_until eval '[ -n "$(host_line "$WORK/first.log" 1128)" ]' || fail "the Draftwell host got no 1128"
line=$(host_line "$WORK/first.log" 1128)
note "$line"
expect_eq "$(field "$line" wParam)/$(field "$line" lParam)" "$GALLERY/10" "1128 arguments with LD"
expect_eq "$(sed -e 's/^.* title=//' <<<"$line")" "$(winepath -w "$DATA_ROOT")\\09_园林景观\\01_植物\\01_乔木\\国槐.dwg" "path in the title"
wait_for_window "$STANDALONE_TITLE" 1 || fail "a Draftwell hand-off hid the gallery"

expect_eq "$(probe command "$GALLERY" 14)" answer=0 "answer to code 14"
double_click_at $(item_point 2)
wait_until eval '[ "$(handoffs_in "$WORK/first.log")" = 2 ]' || fail "the second block did not reach the host"
expect_eq "$(field "$(host_line "$WORK/first.log" 1128)" lParam)" 9 "1128 lParam without LD"

start_host second --title Draftwell2
second=$HOST_WINDOW
expect_eq "$(probe command "$GALLERY" 9 "$second")" answer=0 "answer to code 9"
wait_for_window "$STANDALONE_TITLE" 1 || fail "code 9 did not show the gallery"
double_click_at $(item_point 2)
wait_until eval '[ "$(handoffs_in "$WORK/second.log")" = 1 ]' || fail "code 9 did not redirect the hand-off"
expect_eq "$(handoffs_in "$WORK/first.log")" 2 "hand-offs to the first host after code 9"

expect_eq "$(probe command "$GALLERY" 8 "$first")" answer=0 "answer to code 8 from another window"
sleep 1
kill -0 "$GALLERY_PID" 2>/dev/null || fail "code 8 with another window ended the gallery"
probe command "$GALLERY" 8 "$second" >/dev/null
wait_for_exit "$GALLERY_PID" || fail "code 8 with the Draftwell host's window did not end the gallery"
expect_eq "$(recent_ids | wc -l)" 2 "recent blocks written on code 8"
echo "PASS"
