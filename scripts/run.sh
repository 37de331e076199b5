#!/usr/bin/env bash
# Installs what it needs, builds the Windows build and starts the gallery under Wine on the
# bundled sample library: on your display when DISPLAY is set, otherwise on a private Xvfb. Saves
# a screenshot either way and prints where it is. On your display the gallery stays until you
# close it; under Xvfb it is ended after the screenshot.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/install-deps.sh || exit 1

build=build/win
run=build/run
mkdir -p "$run" build/logs
echo "building Blockery.exe in $build (log: build/logs/build-run.log)"
if ! { cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
         -DCMAKE_BUILD_TYPE=Release &&
       cmake --build "$build" -j"$(nproc)" --target Blockery standin-host; } >build/logs/build-run.log 2>&1; then
  grep -E 'error|Error' build/logs/build-run.log | head -30
  echo "build failed (see build/logs/build-run.log)"
  exit 1
fi

. scripts/wine-env.sh
echo "preparing the Wine prefix in $run (the first time takes a while)"
wine_env_start "$run/wine" use-display 2>/dev/null
gallery_pid=
stop() {
  [ -n "$gallery_pid" ] && kill "$gallery_pid" 2>/dev/null
  wine_env_stop
}
trap stop EXIT

# The gallery's documents folder, with the sample library installed where the gallery keeps it.
documents=$root/$run/Documents
mkdir -p "$documents"
wine reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\User Shell Folders' /v Personal \
  /t REG_EXPAND_SZ /d "$(winepath -w "$documents")" /f >/dev/null 2>&1
data_root=$documents/Scrydir/InkCasket
if [ ! -f "$data_root/InkCasket.xml" ]; then
  echo "installing the sample library into $data_root"
  python3 tools/samplelib/samplelib.py --data-root "$data_root" >/dev/null || echo "(sample library not installed)"
fi

wine "$build/program/Blockery.exe" >"$run/gallery.log" 2>&1 </dev/null &
gallery_pid=$!
probe() { wine "$build/tools/standin-host/standin-host.exe" "$@" 2>/dev/null | tr -d '\r'; }
shown=
for i in $(seq 1 240); do
  probe find '墨匣' | grep -q 'visible=1' && { shown=1; break; }
  kill -0 "$gallery_pid" 2>/dev/null || break
  sleep 0.25
done
if [ -z "$shown" ]; then
  echo "the gallery did not open (see $run/gallery.log)"
  exit 1
fi
sleep 3  # let the first thumbnails arrive
shot=$root/$run/blockery.png
import -window root "$shot"
echo "screenshot: $shot"

if [ -z "$WINE_ENV_XVFB_PID" ]; then
  echo "the gallery is on display $DISPLAY; close it to end"
  wait "$gallery_pid"
  gallery_pid=
fi
