#!/usr/bin/env bash
# The thumbnail list under Wine on folders of 200, 4,000 and 50,000 real DWG files (hard links of
# the sample library's blocks, cycled), one process per folder so each reports its own peak
# working set. Needs the Windows build: bash bench/thumblist_wine.sh [WINDOWS_BUILD_DIR] [COUNT...]
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build/win}" && pwd)
shift || true
counts=("$@")
[ ${#counts[@]} -gt 0 ] || counts=(200 4000 50000)
exe=$build/thumblist-timing.exe
[ -f "$exe" ] || { echo "no thumblist-timing.exe in $build: build the Windows build"; exit 1; }

work=$build/bench-thumblist
mkdir -p "$work"
if [ ! -d "$work/source" ]; then
  python3 "$root/tools/samplelib/samplelib.py" "$work/source.new" >/dev/null && mv "$work/source.new" "$work/source" ||
    { echo "the sample library could not be made"; exit 1; }
fi
mapfile -t blocks < <(find "$work/source" -name '*.dwg' | sort)
[ ${#blocks[@]} -gt 0 ] || { echo "no sample blocks"; exit 1; }

. "$root/scripts/wine-env.sh"
wine_env_start "$build/bench-wine" 2>/dev/null
trap wine_env_stop EXIT
for count in "${counts[@]}"; do
  folder=$work/blocks-$count
  if [ "$(find "$folder" -name '*.dwg' 2>/dev/null | wc -l)" != "$count" ]; then
    rm -rf "$folder" && mkdir -p "$folder"
    for ((i = 0; i < count; i++)); do ln "${blocks[i % ${#blocks[@]}]}" "$(printf '%s/%05d_block.dwg' "$folder" "$i")"; done
  fi
  wine "$exe" "$(winepath -w "$folder" 2>/dev/null)" | tr -d '\r'
done
