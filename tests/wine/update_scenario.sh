# Sourced by the update_*.test.sh scenarios: a private copy of the stand-in gallery's program
# folder, a sample library server on 127.0.0.1 with fault rules, data roots made from the sample
# library, and helpers that read what the stand-in reports and drive it with the real mouse.
: "${WINEPREFIX:?}" "${DISPLAY:?}" "${BLOCKERY_BUILD:?}" "${BLOCKERY_SOURCE:?}"

work=$(mktemp -d)
driver_log="$work/driver.log"
driver=
server=
server_port=

finish() {
  [ -n "$driver" ] && kill "$driver" 2>/dev/null && wait "$driver" 2>/dev/null
  [ -n "$server" ] && kill "$server" 2>/dev/null && wait "$server" 2>/dev/null
  rm -rf "$work"
}
trap finish EXIT

fail() {
  echo "FAIL: $*"
  if [ -f "$driver_log" ]; then
    echo "--- stand-in output (last 60 lines):"
    tr -d '\r' <"$driver_log" | tail -60
  fi
  exit 1
}

# The sample library as the server serves it, published by the Windows build's blockery-publish,
# and the program folder beside the stand-in, whose default index is the server's own (what a new
# user's gallery starts from).
prepare_library() {
  python3 "$BLOCKERY_SOURCE/tools/samplelib/publish_sample.py" publish \
    "$BLOCKERY_BUILD/tools/publish/blockery-publish.exe" "$work/server" || fail "publishing the sample library"
  mkdir -p "$work/program"
  cp -r "$BLOCKERY_BUILD/update_driver/." "$work/program/" || fail "no update_driver build"
  cp "$work/server/InkCasket/InkCasket.xml" "$work/program/InkCasket.xml"
}

# make_data_root DIR SELECTION: the published sample library installed with that selection.
make_data_root() {
  python3 "$BLOCKERY_SOURCE/tools/samplelib/publish_sample.py" install "$work/server" "$1" "$2" ||
    fail "installing the sample library"
}

# served_folder LOCAL_PATH: the URL path of a local folder of the published sample library, from
# blockery-publish's state file (the remote names are the tool's choice).
served_folder() {
  local path= part url=/InkCasket
  local -a parts
  IFS=/ read -ra parts <<<"$1"
  for part in "${parts[@]}"; do
    path=${path:+$path/}$part
    url=$url/$(awk -F'\t' -v p="$path" '$1 == "folder" && $2 == p { print $3 }' "$work/server/blockery-publish.state")
  done
  echo "$url"
}

# item_list FOLDER_URL: the URL path of that folder's item list; item_ids FOLDER_URL: its ids in order.
item_list() { echo "$1/${1##*/}.xml"; }
item_ids() { sed -n 's/.*<Item id="\([^"]*\)".*/\1/p' "$work/server$(item_list "$1")"; }

# make_structure_root DIR: the structure specialty alone (columns, then beams), with the column
# lists on disk but none of their blocks.
make_structure_root() {
  make_data_root "$1" 01000000000
  rm -f "$1/02_结构/01_柱/"*.dwg
}

start_server() {
  local ready="$work/server.port"
  python3 "$BLOCKERY_SOURCE/tests/server/blockery_test_server.py" --root "$work/server" --port 0 \
    --lifetime 900 --slow-seconds "${SLOW_SECONDS:-5}" >"$ready" 2>/dev/null &
  server=$!
  local i
  for i in $(seq 1 100); do
    server_port=$(head -1 "$ready" 2>/dev/null)
    [ -n "$server_port" ] && break
    sleep 0.05
  done
  [ -n "$server_port" ] || fail "the test server did not start"
  point_at_port "$server_port"
}

# point_at_port PORT: Blockery.ini beside the stand-in names the update server.
point_at_port() {
  printf '[Server]\r\nBaseUrl=http://127.0.0.1:%s\r\n' "$1" >"$work/program/Blockery.ini"
}

# server_get PATH: one GET to the server's control paths.
server_get() {
  python3 -c 'import sys, urllib.request; sys.stdout.write(urllib.request.urlopen(sys.argv[1]).read().decode())' \
    "http://127.0.0.1:$server_port$1"
}
fault() { server_get "/__fault?mode=$1&path=$2" >/dev/null; }
clear_faults() { server_get "/__fault?clear=1" >/dev/null; }

windows_path() { printf 'Z:%s' "${1//\//\\}"; }

# start_driver DATA_ROOT
start_driver() {
  : >"$driver_log"
  xdotool mousemove 3 3
  wine "$work/program/update_driver.exe" --data-root "$(windows_path "$1")" >"$driver_log" 2>/dev/null &
  driver=$!
  wait_for "ready" 200
}

stop_driver() {
  [ -n "$driver" ] && kill "$driver" 2>/dev/null && wait "$driver" 2>/dev/null
  driver=
}

log_lines() { tr -d '\r' <"$driver_log"; }

# wait_for LINE [TENTHS]: waits (5 s by default) for the stand-in to report exactly this line.
wait_for() {
  local i
  for i in $(seq 1 "${2:-50}"); do
    log_lines | grep -qxF -- "$1" && return 0
    sleep 0.1
  done
  fail "no line '$1'"
}

# wait_for_status TEXT [TENTHS]: waits (60 s by default) until the update dialog's status is TEXT.
wait_for_status() {
  local i
  for i in $(seq 1 "${2:-600}"); do
    [ "$(latest status)" = "$1" ] && return 0
    sleep 0.1
  done
  fail "status is '$(latest status)', wanted '$1'"
}

# latest KEY: the fields after KEY in the stand-in's last report of it.
latest() { log_lines | grep -E "^$1 " | tail -1 | cut -d' ' -f$(($(wc -w <<<"$1") + 1))-; }

count_lines() { log_lines | grep -cxF -- "$1"; }

click() {
  local x y
  read -r x y <<<"$(latest "button $1")"
  [ -n "$x" ] || fail "no button $1"
  xdotool mousemove "$x" "$y" click 1
  sleep 0.1
  xdotool mousemove 3 3
}

# same_as_server LOCAL SERVER_PATH: the library file equals the server's copy byte for byte.
same_as_server() { cmp -s "$1" "$work/server$2"; }

# no_temporaries DATA_ROOT: no download left its private ".part" file behind.
no_temporaries() {
  local left
  left=$(find "$1" -name '*.part')
  [ -z "$left" ] || fail "temporary files left: $left"
}

# wait_count LINE N [TENTHS]: waits (5 s by default) until the stand-in has reported LINE N times.
wait_count() {
  local i
  for i in $(seq 1 "${3:-50}"); do
    [ "$(count_lines "$1")" -ge "$2" ] && return 0
    sleep 0.1
  done
  fail "line '$1' seen $(count_lines "$1") times, wanted $2"
}

# wait_opened NAME N [TENTHS]: waits until the dialog NAME has opened N times.
wait_opened() {
  local i
  for i in $(seq 1 "${3:-50}"); do
    [ "$(log_lines | grep -c "^dialog $1 open ")" -ge "$2" ] && return 0
    sleep 0.1
  done
  fail "dialog $1 opened $(log_lines | grep -c "^dialog $1 open ") times, wanted $2"
}

# wait_shown: waits until the gallery has filled its list for the first time.
wait_shown() {
  local i
  for i in $(seq 1 "${1:-50}"); do
    log_lines | grep -q '^shown ' && return 0
    sleep 0.1
  done
  fail "the gallery never filled its list"
}
