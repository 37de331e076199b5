#!/usr/bin/env bash
# A stand-alone gallery inserts into the running CAD program, with the real mouse and keyboard.
# With none running, a double-click shows the note "没有找到正在运行的 CAD 程序：可拖动图块到图中",
# logs why and sends nothing. A stand-in running as AutoCAD (a versioned name) gets exactly one
# command naming the double-clicked block's path, comes to the front, and the gallery notes that a
# block of that name already in the drawing is used as it is. A busy stand-in running as ZWCAD
# rejects twice, then takes the block Enter chose on the selected thumbnail. Both blocks are recent.
. "$(dirname "$0")/lib/cad.sh"
cad_scenario_begin
install_sample_library 11001011000

start_gallery alone
open_gallery "$STANDALONE_TITLE"
wait_until list_holds 5 || fail "the root's blocks did not appear: $(list_count)"

double_click_at $(item_point 1)
wait_for_window "没有找到正在运行的 CAD 程序：可拖动图块到图中" || fail "no note that no CAD program runs"
grep -q "no AutoCAD, ZWCAD, GstarCAD or BricsCAD is running" "$DATA_ROOT/Blockery.log" ||
  fail "the failure log does not say why: $(cat "$DATA_ROOT/Blockery.log" 2>/dev/null)"

start_cad autocad AutoCAD.Application.24.3
double_click_at $(item_point 1)
wait_until eval '[ -n "$(commands_in autocad)" ]' || fail "the AutoCAD stand-in got no command"
expect_eq "$(commands_in autocad)" "$(insert_command "$(sample_block 01_建筑/01_门/双开门.dwg)")" "the command"
wait_for_window "图中已有同名图块时沿用图中的定义" || fail "no note after the insert"
wait_for_line "$WORK/autocad.log" '^activated' || fail "the AutoCAD stand-in was not brought to the front"
expect_eq "$(grep -cE '^(get|command|unknown)' "$WORK/autocad.log")" 3 "members asked of the stand-in (HWND, ActiveDocument, SendCommand)"
stop_cad "$CAD_PID"

start_cad zwcad ZWCAD.Application --reject 2
click_at $(item_point 0)
xdotool key Return
wait_until eval '[ -n "$(commands_in zwcad)" ]' || fail "the busy ZWCAD stand-in never got the command"
expect_eq "$(grep -cE '^rejected' "$WORK/zwcad.log")" 2 "rejected tries"
expect_eq "$(commands_in zwcad)" "$(insert_command "$(sample_block 01_建筑/01_门/单开门.dwg)")" "the command after two rejections"
expect_eq "$(commands_in autocad | wc -l)" 1 "commands the stopped AutoCAD stand-in took"
wait_for_window "$STANDALONE_TITLE" 1 || fail "the gallery did not stay open"

probe close "$GALLERY" >/dev/null
wait_for_exit "$GALLERY_PID" || fail "the close request did not end the gallery"
expect_eq "$(recent_ids | wc -l)" 2 "recent blocks after two inserts"
echo "PASS"
