#!/usr/bin/env bash
# Installs what it needs, builds the Windows build and starts the gallery under Wine on the
# bundled sample library: on your display when DISPLAY is set, otherwise on a private Xvfb. Saves
# a screenshot either way and prints where it is. On your display the gallery stays until you
# close it; under Xvfb it is ended after the screenshot.
#
# The sample library is also served over HTTP on 127.0.0.1, and the gallery's Blockery.ini points
# at that server, so "更新" works as it does against a real update server. With --new-user the
# gallery starts on an empty library, as a new user's does, and fills itself through "更新"; under
# Xvfb the script presses "更新" itself and takes the screenshot when the update is done.
#
# With --host the gallery is started by the stand-in CAD host (a test tool, not part of the
# product) as an ARX host starts it: a block double-clicked in the gallery arrives in the host
# window's title, and a double-click in the host window opens the gallery again.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
new_user= host=
for option in "$@"; do
  case "$option" in
    --new-user) new_user=1 ;;
    --host) host=1 ;;
    *) echo "usage: bash scripts/run.sh [--new-user] [--host]"; exit 2 ;;
  esac
done
bash scripts/install-deps.sh || exit 1

build=build/win
run=build/run
mkdir -p "$run" build/logs
echo "building Blockery.exe in $build (log: build/logs/build-run.log)"
if ! { cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
         -DCMAKE_BUILD_TYPE=Release &&
       cmake --build "$build" -j"$(nproc)" --target Blockery standin-host blockery-publish; } >build/logs/build-run.log 2>&1; then
  grep -E 'error|Error' build/logs/build-run.log | head -30
  echo "build failed (see build/logs/build-run.log)"
  exit 1
fi

. scripts/wine-env.sh
echo "preparing the Wine prefix in $run (the first time takes a while)"
wine_env_start "$run/wine" use-display 2>/dev/null
gallery_pid= server_pid=
stop() {
  [ -n "$gallery_pid" ] && kill "$gallery_pid" 2>/dev/null
  [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null
  wine_env_stop
}
trap stop EXIT

# The update server: the sample library's source tree (tools/samplelib) published with the Windows
# build's blockery-publish, served by a static web server.
server=$run/server
python3 tools/samplelib/publish_sample.py publish "$build/tools/publish/blockery-publish.exe" "$server" ||
  { echo "the sample library could not be published"; exit 1; }
port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
python3 -m http.server "$port" --bind 127.0.0.1 --directory "$server" >"$run/server.log" 2>&1 &
server_pid=$!
echo "update server: http://127.0.0.1:$port/InkCasket (serving $server)"

# The program folder, with its Blockery.ini naming that server and, as the default index a new
# user's gallery starts from, the index that server serves.
program=$run/program
rm -rf "$program"
cp -r "$build/program" "$program"
cp "$server/InkCasket/InkCasket.xml" "$program/InkCasket.xml"
printf '[Server]\r\nBaseUrl=http://127.0.0.1:%s\r\n' "$port" >"$program/Blockery.ini"

# The gallery's documents folder, with the sample library installed where the gallery keeps it
# (or, for a new user, an empty one).
documents=$root/$run/Documents
wine reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\User Shell Folders' /v Personal \
  /t REG_EXPAND_SZ /d "$(winepath -w "$documents")" /f >/dev/null 2>&1
data_root=$documents/Scrydir/InkCasket
if [ -n "$new_user" ]; then
  rm -rf "$documents"
  echo "starting on an empty library in $data_root: press 更新 to fetch the sample library"
elif [ ! -f "$data_root/InkCasket.xml" ]; then
  echo "installing the sample library into $data_root"
  python3 tools/samplelib/publish_sample.py install "$server" "$data_root" || echo "(sample library not installed)"
fi
mkdir -p "$documents"

standin=$build/tools/standin-host/standin-host.exe
if [ -n "$host" ]; then
  # The host ends the gallery it started when it is closed.
  wine "$standin" host "$(winepath -w "$root/$run/host.log")" --start "$(winepath -w "$root/$program/Blockery.exe")" \
    "arx show %w" >"$run/gallery.log" 2>&1 </dev/null &
  title='墨 匣'
else
  wine "$program/Blockery.exe" >"$run/gallery.log" 2>&1 </dev/null &
  title='墨匣'
fi
gallery_pid=$!
probe() { wine "$standin" "$@" 2>/dev/null | tr -d '\r'; }
shown=
for i in $(seq 1 240); do
  probe find "$title" | grep -q 'visible=1' && { shown=1; break; }
  kill -0 "$gallery_pid" 2>/dev/null || break
  sleep 0.25
done
if [ -z "$shown" ]; then
  echo "the gallery did not open (see $run/gallery.log)"
  exit 1
fi
if [ -n "$new_user" ] && [ -n "$WINE_ENV_XVFB_PID" ]; then
  # Nobody is there to press "更新图库" on the empty-library prompt (or "更新" when there is no
  # prompt): press it here, wait until no more blocks arrive, then press OK on the update dialog.
  read -r gx gy < <(probe find "$title" | sed -nE 's/.* left=([-0-9]+) top=([-0-9]+).*/\1 \2/p')
  read -r sw sh < <(xdpyinfo | sed -nE 's/^ *dimensions: +([0-9]+)x([0-9]+) pixels.*/\1 \2/p')
  sleep 2
  xdotool mousemove $((gx + 235)) $((gy + 296)) click 1   # the prompt, centred over the gallery
  sleep 3
  [ -n "$(find "$data_root" -name FileList.xml)" ] || xdotool mousemove $((gx + 430)) $((gy + 15)) click 1
  blocks=-1 same=0
  for i in $(seq 1 300); do
    now=$(find "$data_root" -name '*.dwg' | wc -l)
    if [ "$now" -gt 0 ] && [ "$now" = "$blocks" ]; then same=$((same + 1)); else same=0; fi
    blocks=$now
    [ "$same" -ge 10 ] && break
    sleep 0.5
  done
  echo "$blocks blocks fetched from the update server"
  xdotool mousemove $((sw / 2 - 62)) $((sh / 2 + 100)) click 1   # OK of the centred update dialog
fi
sleep 3  # let the first thumbnails arrive
shot=$root/$run/blockery.png
import -window root "$shot"
echo "screenshot: $shot"

if [ -z "$WINE_ENV_XVFB_PID" ]; then
  if [ -n "$host" ]; then
    echo "the stand-in host and the gallery are on display $DISPLAY; close the host to end"
  else
    echo "the gallery is on display $DISPLAY; close it to end"
  fi
  wait "$gallery_pid"
  gallery_pid=
fi
