#!/usr/bin/env bash
# A gallery hosted by Draftwell beside a running CAD program hands off to its host as ever and asks
# the CAD program nothing. Once the host window has gone, its blocks go to the running CAD
# program instead: with two running (a stand-in as AutoCAD and one as GstarCAD), to the one whose
# window is higher, whichever that is.
. "$(dirname "$0")/lib/cad.sh"
cad_scenario_begin
install_sample_library 11001011000

start_cad autocad AutoCAD.Application
autocad=$CAD_WINDOW
start_host draftwell --title Draftwell
draftwell_pid=$HOST_PID
start_gallery drawn Draftwell20110719 "$HOST_WINDOW"
open_gallery "$STANDALONE_TITLE"
wait_until list_holds 5 || fail "the root's blocks did not appear: $(list_count)"

double_click_at $(item_point 1)
wait_until eval '[ -n "$(host_line "$WORK/draftwell.log" 1128)" ]' || fail "the Draftwell host got no 1128"
sleep 0.5
expect_eq "$(grep -cE '^(get|command|unknown)' "$WORK/autocad.log")" 0 "calls a hosted gallery made to the CAD program"

stop_cad "$draftwell_pid"
start_cad gstarcad GCAD.Application
gstarcad=$CAD_WINDOW

wine "$CAD_EXE" raise "$autocad" || fail "could not raise the AutoCAD stand-in"
double_click_at $(item_point 2)
wait_until eval '[ -n "$(commands_in autocad)" ]' || fail "the AutoCAD stand-in on top got no command"
expect_eq "$(commands_in autocad)" "$(insert_command "$(sample_block 01_建筑/01_门/推拉门.dwg)")" "the command"
expect_eq "$(commands_in gstarcad | wc -l)" 0 "commands the GstarCAD stand-in below took"

wine "$CAD_EXE" raise "$gstarcad" || fail "could not raise the GstarCAD stand-in"
double_click_at $(item_point 0)
wait_until eval '[ -n "$(commands_in gstarcad)" ]' || fail "the GstarCAD stand-in on top got no command"
expect_eq "$(commands_in gstarcad)" "$(insert_command "$(sample_block 01_建筑/01_门/单开门.dwg)")" "the command"
expect_eq "$(commands_in autocad | wc -l)" 1 "commands the AutoCAD stand-in below took"
expect_eq "$(handoffs_in "$WORK/draftwell.log")" 1 "hand-offs to the gone host"
echo "PASS"
