# Shared by the Wine scenarios of the gallery program (tests/wine/app_*.test.sh). Source it first:
#   . "$(dirname "$0")/lib/app.sh"; scenario_begin
# It expects the environment of scripts/wine-env.sh (WINEPREFIX, DISPLAY) and BLOCKERY_BUILD.
# Every process a scenario starts is recorded and ended by its pid when the scenario exits.
set -uo pipefail
: "${WINEPREFIX:?run under scripts/wine-env.sh}" "${DISPLAY:?run under scripts/wine-env.sh}" "${BLOCKERY_BUILD:?}"

PROGRAM_DIR=$BLOCKERY_BUILD/program
HOST_EXE=$BLOCKERY_BUILD/tools/standin-host/standin-host.exe
KESTRUN_DLL=$BLOCKERY_BUILD/tools/kestrun/Kestrun.dll
HOSTED_TITLE='墨 匣'
STANDALONE_TITLE='墨匣'
INSTANCE_EVENT=KVRBLOCKERY20110719
WAIT_SECONDS=${WAIT_SECONDS:-30}

STARTED_PIDS=()          # Linux pids of the wine processes started here
STARTED_WINDOWS_PIDS=()  # Windows pids of processes the stand-in host started
SHELL_FOLDERS='HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\User Shell Folders'
SAVED_DOCUMENTS=

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

note() { echo "-- $*"; }

# scenario_begin: a private work folder, a private program folder and a private documents folder.
scenario_begin() {
  WORK=$(mktemp -d "${TMPDIR:-/tmp}/blockery-scenario.XXXXXX")
  trap scenario_end EXIT
  OWN_PROGRAM_DIR=$WORK/program
  cp -r "$PROGRAM_DIR" "$OWN_PROGRAM_DIR" || fail "no program folder at $PROGRAM_DIR"
  [ -f "$OWN_PROGRAM_DIR/Kestrun.dll" ] && fail "the program folder must not ship Kestrun.dll"
  BLOCKERY=$OWN_PROGRAM_DIR/Blockery.exe
  use_documents_folder "$WORK/Documents"
}

# The user's documents folder as the gallery sees it (CSIDL_PERSONAL), for this scenario only.
use_documents_folder() {
  mkdir -p "$1"
  SAVED_DOCUMENTS=$(wine reg query "$SHELL_FOLDERS" /v Personal 2>/dev/null | tr -d '\r' |
                    sed -nE 's/^ *Personal +REG_[A-Z_]+ +(.*)$/\1/p')
  wine reg add "$SHELL_FOLDERS" /v Personal /t REG_EXPAND_SZ /d "$(winepath -w "$1")" /f >/dev/null 2>&1
}

scenario_end() {
  local pid
  for pid in "${STARTED_WINDOWS_PIDS[@]}"; do
    wine "$HOST_EXE" kill "$pid" >/dev/null 2>&1
  done
  for pid in "${STARTED_PIDS[@]}"; do
    if kill -0 "$pid" 2>/dev/null; then
      kill "$pid" 2>/dev/null
      wait "$pid" 2>/dev/null
    fi
  done
  if [ -n "$SAVED_DOCUMENTS" ]; then
    wine reg add "$SHELL_FOLDERS" /v Personal /t REG_EXPAND_SZ /d "$SAVED_DOCUMENTS" /f >/dev/null 2>&1
  fi
  rm -rf "$WORK"
}

# probe ARGS...: one stand-in probe; its output line without the CR.
probe() { wine "$HOST_EXE" "$@" 2>/dev/null | tr -d '\r'; }

# field LINE KEY: the value of KEY=value in a probe line.
field() { sed -nE "s/.*(^| )$2=([^ ]*).*/\2/p" <<<"$1"; }

# start_background NAME COMMAND...: runs a command in the background, output in $WORK/NAME.out and
# .err; the pid is recorded for the clean-up and left in LAST_PID.
start_background() {
  local name=$1; shift
  "$@" >"$WORK/$name.out" 2>"$WORK/$name.err" </dev/null &
  LAST_PID=$!
  STARTED_PIDS+=("$LAST_PID")
}

# start_host NAME [host options]: a stand-in host; leaves its window number in HOST_WINDOW and its
# log in $WORK/NAME.log.
start_host() {
  local name=$1; shift
  start_background "$name" wine "$HOST_EXE" host "$(winepath -w "$WORK/$name.log")" "$@"
  HOST_PID=$LAST_PID
  wait_for_line "$WORK/$name.log" '^window [0-9]+' || fail "stand-in host $name did not open"
  HOST_WINDOW=$(sed -nE 's/^window ([0-9]+).*/\1/p' "$WORK/$name.log" | tr -d '\r' | head -1)
}

# start_gallery NAME TOKENS...: Blockery.exe from this scenario's program folder.
start_gallery() {
  local name=$1; shift
  start_background "$name" wine "$BLOCKERY" "$@"
  GALLERY_PID=$LAST_PID
}

# run_gallery TOKENS...: a start that must end by itself (a second start, or one with nothing to
# do); its exit status, or 124 when it had not ended after $WAIT_SECONDS.
run_gallery() { timeout "$WAIT_SECONDS" wine "$BLOCKERY" "$@" >/dev/null 2>&1; }

# wait_for_line FILE REGEX: until a line of FILE matches.
wait_for_line() {
  local i
  for i in $(seq 1 $((WAIT_SECONDS * 5))); do
    [ -f "$1" ] && tr -d '\r' <"$1" | grep -Eq "$2" && return 0
    sleep 0.2
  done
  return 1
}

# wait_for_window TITLE [visible]: until a window with this title exists (and is visible, or
# hidden when the second argument is 0); FOUND holds the probe line.
wait_for_window() {
  local want=${2:-1} i
  for i in $(seq 1 $((WAIT_SECONDS * 4))); do
    FOUND=$(probe find "$1")
    [ "$(field "$FOUND" visible)" = "$want" ] && return 0
    sleep 0.25
  done
  return 1
}

# wait_for_no_window TITLE: until no window carries this title.
wait_for_no_window() {
  local i
  for i in $(seq 1 $((WAIT_SECONDS * 4))); do
    [ "$(field "$(probe count "$1")" all)" = 0 ] && return 0
    sleep 0.25
  done
  return 1
}

# wait_for_exit PID: until the process has ended.
wait_for_exit() {
  local i
  for i in $(seq 1 $((WAIT_SECONDS * 5))); do
    kill -0 "$1" 2>/dev/null || return 0
    sleep 0.2
  done
  return 1
}

expect_eq() {
  [ "$1" = "$2" ] || fail "$3: got '$1', expected '$2'"
}

# expect_windows TITLE ALL VISIBLE: how many windows carry the title, and how many are visible.
expect_windows() {
  local census
  census=$(probe count "$1")
  expect_eq "$(field "$census" all)/$(field "$census" visible)" "$2/$3" "windows titled '$1' (all/visible)"
}

expect_event() {
  expect_eq "$(probe event "$INSTANCE_EVENT")" "$1" "single-instance event"
}
