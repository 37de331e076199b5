#!/usr/bin/env bash
# The whole gallery's memory under Wine, hosted by the ARX stand-in on the sample library whose
# first category (the one the root shows) is grown to COUNT blocks by hard links of its own: the
# peak resident size of the gallery's process once the list holds them all, and again once End
# has scrolled to the last one. Needs the Windows build:
#   bash bench/gallery_memory_wine.sh [WINDOWS_BUILD_DIR] [COUNT...]     (default: 6 and 50,000)
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build/win}" && pwd)
shift || true
counts=("$@")
[ ${#counts[@]} -gt 0 ] || counts=(6 50000)
[ -f "$build/program/Blockery.exe" ] || { echo "no Blockery.exe in $build/program: build the Windows build"; exit 1; }

. "$root/scripts/wine-env.sh"
wine_env_start "$build/bench-wine" 2>/dev/null
trap wine_env_stop EXIT
export BLOCKERY_BUILD=$build BLOCKERY_SOURCE=$root

for count in "${counts[@]}"; do
  (
    . "$root/tests/wine/lib/gallery.sh"
    . "$root/tests/wine/lib/many_blocks.sh"
    scenario_begin
    install_sample_library 11001011000
    add_linked_blocks "$DATA_ROOT/01_建筑/01_门" "$count" 最后一块 || fail "the blocks could not be made"
    peak_mb() { echo $(($(sed -nE 's/^VmHWM:[^0-9]*([0-9]+).*/\1/p' "/proc/$GALLERY_PID/status") / 1024)); }
    open_hosted_gallery
    wait_until list_holds "$count" || fail "the list did not hold $count blocks: $(list_count)"
    shown=$(peak_mb)
    click_at $(item_point 0)
    xdotool key End
    wait_until eval '[ "$(field "$(probe listitem "$GALLERY" $((count - 1)))" text)" = 最后一块 ]' ||
      fail "End did not reach the last block"
    echo "blocks=$count peak_mb_shown=$shown peak_mb_after_end=$(peak_mb)"
    run_gallery arx close
  )
done
