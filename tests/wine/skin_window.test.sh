#!/usr/bin/env bash
# The skinned dialog under Wine, driven with the real mouse: the frame and band painted by GDI
# match the portable paint pixel for pixel; the close, update and link buttons show their hover
# and pressed looks and lose them on leaving; a press in the top 31st row moves the window and one
# in row 32 does not; the close button ends the dialog. Leaves a screenshot in artifacts/.
set -uo pipefail
: "${WINEPREFIX:?}" "${DISPLAY:?}" "${BLOCKERY_BUILD:?}"

exe="$BLOCKERY_BUILD/skin_demo/skin_demo.exe"
artifacts="$BLOCKERY_BUILD/artifacts"
mkdir -p "$artifacts"
log=$(mktemp)
demo=

finish() {
  [ -n "$demo" ] && kill "$demo" 2>/dev/null
  rm -f "$log"
}
trap finish EXIT

fail() {
  echo "FAIL: $*"
  echo "--- demo output:"
  tr -d '\r' <"$log"
  exit 1
}

# wait_for LINE: waits up to 5 s for the demo to report exactly this line (or its latest report).
wait_for() {
  local i
  for i in $(seq 1 100); do
    tr -d '\r' <"$log" | grep -qx -- "$1" && return 0
    sleep 0.05
  done
  fail "no line '$1'"
}

# latest KEY: the fields after KEY in the demo's last report of it.
latest() { tr -d '\r' <"$log" | grep -E "^$1 " | tail -1 | cut -d' ' -f$(( $(wc -w <<<"$1") + 1 ))-; }

# expect_latest KEY VALUE: waits up to 5 s until the last report of KEY is VALUE.
expect_latest() {
  local i
  for i in $(seq 1 100); do
    [ "$(latest "$1")" = "$2" ] && return 0
    sleep 0.05
  done
  fail "$1 is '$(latest "$1")', wanted '$2'"
}

park() { xdotool mousemove 3 3; }

park
wine "$exe" >"$log" 2>/dev/null &
demo=$!

wait_for "skin-mismatches 0"
read -r ox oy <<<"$(latest origin)"
import -window root -crop "347x183+$ox+$oy" "$artifacts/skin_window.png" 2>/dev/null || true

# Hover and leave.
read -r cx cy <<<"$(latest "button close")"
xdotool mousemove "$cx" "$cy"
expect_latest "frame close" 3
park
expect_latest "frame close" 0

read -r lx ly <<<"$(latest "button link")"
expect_latest "look link" normal
xdotool mousemove "$lx" "$ly"
expect_latest "look link" hover
xdotool mousedown 1
expect_latest "look link" pressed
park
xdotool mouseup 1
expect_latest "look link" normal

read -r tx ty <<<"$(latest "button tab")"
expect_latest "look tab" normal
xdotool mousemove "$tx" "$ty"
expect_latest "look tab" hover
park

# Pressed: held down on the update picture, released elsewhere so nothing is clicked.
read -r ux uy <<<"$(latest "button update")"
xdotool mousemove "$ux" "$uy" mousedown 1
expect_latest "frame update" 1
park
xdotool mouseup 1
expect_latest "frame update" 0

# Dragging by the title rows: y 31 moves the window, y 32 does not.
drag_from() {
  xdotool mousemove "$1" "$2" mousedown 1
  sleep 0.2
  xdotool mousemove $(($1 + 20)) $(($2 + 15))
  sleep 0.1
  xdotool mousemove $(($1 + 40)) $(($2 + 30))
  sleep 0.2
  xdotool mouseup 1
}
drag_from $((ox + 150)) $((oy + 31))
expect_latest origin "$((ox + 40)) $((oy + 30))"
read -r ox oy <<<"$(latest origin)"
drag_from $((ox + 150)) $((oy + 32))
sleep 0.5
[ "$(latest origin)" = "$ox $oy" ] || fail "a press at y 32 moved the window to $(latest origin)"

# The close button ends the dialog with cancel.
xdotool mousemove $((cx + 40)) $((cy + 30)) click 1
wait_for "closed 2"
for i in $(seq 1 50); do kill -0 "$demo" 2>/dev/null || break; sleep 0.1; done
demo=
echo "PASS: skinned dialog painted, hover, press, drag and close"
