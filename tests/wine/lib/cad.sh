# Shared by the scenarios of a gallery that inserts into a running CAD program (cad_*.test.sh), on
# top of lib/gallery.sh: stand-in CAD programs (tools/standin-cad) whose running objects the
# gallery finds by the CAD programs' own names, mapped in HKLM where COM looks for them. Source it,
# then call cad_scenario_begin instead of scenario_begin.
. "$(dirname "${BASH_SOURCE[0]}")/gallery.sh"

CAD_EXE=$BLOCKERY_BUILD/tools/standin-cad/standin-cad.exe
CAD_NAMES=()  # the program names this scenario mapped, removed again at its end

cad_scenario_begin() {
  scenario_begin
  trap 'scenario_end; cad_scenario_end' EXIT
}

cad_scenario_end() {
  local name
  for name in "${CAD_NAMES[@]}"; do
    wine reg delete "HKLM\\Software\\Classes\\$name" /f >/dev/null 2>&1
  done
}

# start_cad NAME PROGRAM_NAME [--reject N]: a stand-in CAD program titled NAME, running under a
# class of its own that PROGRAM_NAME ("AutoCAD.Application.24.3") now names. CAD_WINDOW and
# CAD_PID hold its window number and pid, $WORK/NAME.log its log.
start_cad() {
  local name=$1 program=$2 class
  shift 2
  class="{$(tr a-z A-Z </proc/sys/kernel/random/uuid)}"
  wine reg add "HKLM\\Software\\Classes\\$program\\CLSID" /ve /d "$class" /f >/dev/null 2>&1 ||
    fail "could not map $program"
  CAD_NAMES+=("$program")
  start_background "$name" wine "$CAD_EXE" "$(winepath -w "$WORK/$name.log")" "$class" --title "$name" "$@"
  CAD_PID=$LAST_PID
  wait_for_line "$WORK/$name.log" '^(registered|register-failed)' || fail "stand-in CAD $name did not start"
  wait_for_line "$WORK/$name.log" '^registered' || fail "stand-in CAD $name: $(tr -d '\r' <"$WORK/$name.log")"
  CAD_WINDOW=$(sed -nE 's/^window ([0-9]+).*/\1/p' "$WORK/$name.log" | head -1)
}

stop_cad() {
  kill "$1" 2>/dev/null
  wait "$1" 2>/dev/null
}

# commands_in NAME: the commands stand-in NAME took, one a line.
commands_in() { sed -nE 's/^command //p' "$WORK/$1.log"; }

# insert_command PATH: the command line a block file arrives as, as a stand-in logs it.
insert_command() {
  local name path=${1//\\//}
  name=${path##*/}
  name=${name%.*}
  printf '<esc><esc>(if (tblsearch "BLOCK" "%s") (command "_.-INSERT" "%s" "_S" 1 "_R" 0 pause) ' "$name" "$name"
  printf '(command "_.-INSERT" "%s=%s" "_S" 1 "_R" 0 pause))<cr>\n' "$name" "$path"
}

# sample_block RELATIVE_PATH: a sample library block's path as the gallery names it.
sample_block() { echo "$(winepath -w "$DATA_ROOT")\\${1//\//\\}"; }
