#!/usr/bin/env bash
# Command codes on an ARX gallery: 16 and 99 change nothing and answer 0; code 13 writes "1" at
# position 8 of the selection, rebuilds, and 900 ms later selects and expands "园林景观"; code 17
# does the same for position 7 and "弱电安防"; code 12 clears a filled details panel.
. "$(dirname "$0")/lib/gallery.sh"
scenario_begin
install_sample_library 110010100000

open_hosted_gallery
wait_until caret_is 图库 || fail "the root was not selected: $(tree_state)"
before=$(tree_state)

expect_eq "$(probe command "$GALLERY" 16)" answer=0 "answer to code 16"
expect_eq "$(probe command "$GALLERY" 99)" answer=0 "answer to code 99"
sleep 0.7
expect_eq "$(tree_state)" "$before" "tree after codes 16 and 99"
wait_for_window "$HOSTED_TITLE" 1 || fail "codes 16 or 99 hid the gallery"

expect_eq "$(probe command "$GALLERY" 13)" answer=0 "answer to code 13"
grep -q 'Sel=110010101000' "$DATA_ROOT/HomeInkCasket.ini" || fail "code 13 did not switch on position 8: $(cat "$DATA_ROOT/HomeInkCasket.ini")"
wait_until caret_is 园林景观 || fail "code 13 did not open 园林景观: $(tree_state)"
expect_eq "$(field "$(tree_state)" expanded)" 1 "园林景观 expanded"

expect_eq "$(probe command "$GALLERY" 17)" answer=0 "answer to code 17"
grep -q 'Sel=110010111000' "$DATA_ROOT/HomeInkCasket.ini" || fail "code 17 did not switch on position 7"
wait_until caret_is 弱电安防 || fail "code 17 did not open 弱电安防: $(tree_state)"

# Code 5 fills the panel, code 12 clears it.
wait_until list_has_items || fail "弱电安防 showed no blocks"
probe command "$GALLERY" 5 0 >/dev/null
wait_until eval '[ "$(ink_in 100x12+40+310)" = 1 ]' || fail "code 5 did not fill the details panel"
probe command "$GALLERY" 12 >/dev/null
wait_until eval '[ "$(ink_in 100x12+40+310)" = 0 ]' || fail "code 12 did not clear the details panel"
echo "PASS"
