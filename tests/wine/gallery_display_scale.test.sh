#!/usr/bin/env bash
# The gallery at 200 % and 150 % (LogPixels 192 and 144): it opens at 590 x 454 scaled (1180 x 908,
# 885 x 681) with every control at its scaled place and no two overlapping, thumbnails listed; a
# screenshot of each goes to the artifacts. Then WM_DPICHANGED, as Windows sends it when the
# window moves to a monitor at 100 %, lays the specialty dialog and the window out again at the
# suggested rectangle.
. "$(dirname "$0")/lib/gallery.sh"
scenario_begin
install_sample_library 111111111111

# The setting is read when the Wine server starts. The prefix is shared by every scenario, so the
# server is restarted at 96 dpi again at the end, detached from the test's output as at the start.
set_display_dpi() {
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
  wineserver -k
  wineserver -w
  wineserver -p </dev/null >/dev/null 2>&1
  wine cmd /c exit </dev/null >/dev/null 2>&1
}
trap 'scenario_end; set_display_dpi 96' EXIT

# laid_out WINDOW W H: every shown child's box, "ID L,T,R,B" a line; fails on any two that overlap
# or one outside W x H.
laid_out() {
  probe children "$1" | sed -nE 's/^id=([0-9]+) box=(.*)$/\1 \2/p' >"$WORK/children"
  python3 - "$WORK/children" "$2" "$3" <<'PY' || fail "controls overlap or stand outside: $(cat "$WORK/children")"
import sys
boxes = [(int(i), [int(v) for v in b.split(",")]) for i, b in (l.split() for l in open(sys.argv[1]))]
w, h = int(sys.argv[2]), int(sys.argv[3])
bad = [i for i, (l, t, r, b) in boxes if not (0 <= l < r <= w and 0 <= t < b <= h)]
bad += [(i, j) for n, (i, p) in enumerate(boxes) for j, q in boxes[n + 1:]
        if p[0] < q[2] and q[0] < p[2] and p[1] < q[3] and q[1] < p[3]]
sys.exit(1 if bad or len(boxes) < 12 else 0)
PY
}
box_of() { sed -nE "s/^$1 //p" "$WORK/children"; }

mkdir -p "$ARTIFACTS"
for setting in 192:1180x908:200 144:885x681:150; do
  IFS=: read -r dpi size percent <<<"$setting"
  set_display_dpi "$dpi"
  start_gallery "alone$dpi"
  open_gallery "$STANDALONE_TITLE"
  expect_eq "$(field "$FOUND" width)x$(field "$FOUND" height)" "$size" "gallery size at $dpi dpi"
  wait_until list_holds 5 || fail "no thumbnails at $dpi dpi: $(list_count)"
  laid_out "$GALLERY" "${size%x*}" "${size#*x}"
  capture "$ARTIFACTS/gallery-window-$percent.png" "$size+0+0"
  note "screenshot: $ARTIFACTS/gallery-window-$percent.png"
  [ "$dpi" = 144 ] && break
  probe close "$GALLERY" >/dev/null
  wait_for_exit "$GALLERY_PID" || fail "the gallery at $dpi dpi did not close"
done

# At 144 the list stands at (181, 75)-(573, 442) x 1.5.
expect_eq "$(box_of 2213)" 272,113,860,663 "list at 144 dpi"

# The specialty dialog at 150 %, then moved to a 100 % monitor: its own 480 x 353 and 100 % places.
click_at $(control_point 1004)
wait_until eval '[ "$(field "$(probe owned "$GALLERY")" visible)" = 1 ]' || fail "no specialty dialog"
DIALOG=$(field "$(probe owned "$GALLERY")" window)
expect_eq "$(probe dpichanged "$DIALOG" 96 100 80 480 353)" sent "WM_DPICHANGED to the dialog"
dialog_line=$(probe owned "$GALLERY")
expect_eq "$(field "$dialog_line" width)x$(field "$dialog_line" height)" 480x353 "dialog size after WM_DPICHANGED"
laid_out "$DIALOG" 480 353
expect_eq "$(box_of 1)" 142,321,215,340 "dialog OK after WM_DPICHANGED"
expect_eq "$(box_of 1122)" 436,2,477,18 "dialog close button after WM_DPICHANGED"  # IDC_ADD_CLOSE
probe close "$DIALOG" >/dev/null
wait_until eval '[ "$(field "$(probe owned "$GALLERY")" window)" = 0 ]' || fail "the specialty dialog did not close"

# Moved to a 96-dpi monitor the gallery takes the suggested rectangle and the 100 % places.
expect_eq "$(probe dpichanged "$GALLERY" 96 100 80 590 454)" sent "WM_DPICHANGED"
wait_until eval '[ "$(gallery_place "$STANDALONE_TITLE")" = 100,80 ]' || fail "not at the suggested place"
open_gallery "$STANDALONE_TITLE"
expect_eq "$(field "$FOUND" width)x$(field "$FOUND" height)" 590x454 "size after WM_DPICHANGED"
laid_out "$GALLERY" 590 454
expect_eq "$(box_of 2213)" 181,75,573,442 "list after WM_DPICHANGED"
expect_eq "$(box_of 1121)" 546,2,587,18 "close button after WM_DPICHANGED"
expect_eq "$(box_of 1002)" 397,5,463,25 "update button after WM_DPICHANGED"
capture "$ARTIFACTS/gallery-window-100.png" 590x454+0+0
note "screenshot: $ARTIFACTS/gallery-window-100.png"
echo "PASS"
