#!/usr/bin/env bash
# A new user's first update, through the real dialogs and the real mouse, against the sample
# library's local server: the empty gallery offers the empty-library prompt, "更新图库" opens the
# progress dialog over it, the walk fetches every item list and block of the default specialties,
# the gallery reloads and shows blocks, and a second update finds the library current at once.
# Leaves screenshots of the prompt and the finished dialog in artifacts/.
set -uo pipefail
. "$(dirname "$0")/update_scenario.sh"

artifacts="$BLOCKERY_BUILD/artifacts"
mkdir -p "$artifacts"
prepare_library
start_server
data="$work/data"
start_driver "$data"

# The default index gives the default specialties 01, 02, 05, 07 and 08: 13 item lists, 45 blocks.
wait_opened prompt 1 100
read -r px py pw ph <<<"$(latest 'dialog prompt open')"
[ "$pw $ph" = "347 183" ] || fail "prompt is $pw x $ph"
import -window root -crop "${pw}x${ph}+$px+$py" "$artifacts/update_prompt.png" 2>/dev/null || true
# The empty list is given first; the prompt follows once the tree's selection has settled.
[ "$(latest shown)" = "0" ] || fail "the list held '$(latest shown)' blocks when the prompt opened"

click prompt.ok
wait_opened update 1
read -r ux uy uw uh <<<"$(latest 'dialog update open')"
[ "$uw $uh" = "462 243" ] || fail "update dialog is $uw x $uh"
[ "$ux $uy" = "$((640 - 231)) $((512 - 121))" ] || fail "update dialog at $ux $uy, not centred"

start=$(date +%s.%N)
wait_for_status "更新完成， 共下载  45 个图块" 1200
took=$(python3 -c "print(round($(date +%s.%N) - $start, 1))")
echo "first update: 58 files in ${took} s (including the polling)"
[ "$(latest bar)" = "100" ] || fail "bar ends at $(latest bar)"
import -window root -crop "${uw}x${uh}+$ux+$uy" "$artifacts/update_done.png" 2>/dev/null || true

# The walk asked for the reload: the gallery rebuilt and now shows the first run of blocks.
wait_for "reload" 30
for i in $(seq 1 50); do [ "$(latest shown)" -gt 0 ] 2>/dev/null && break; sleep 0.1; done
[ "$(latest shown)" -gt 0 ] 2>/dev/null || fail "the gallery shows no blocks after the reload"
first=$(latest shown-path)
[ -f "$(tr '\\' '/' <<<"${first#Z:}")" ] || fail "shown block $first is not on disk"

# Every file of the default specialties, fetched six at a time, is on disk byte for byte as the
# server has it (the reference is the whole published library installed by copying).
lists=$(find "$data" -name FileList.xml | wc -l)
blocks=$(find "$data" -name '*.dwg' | wc -l)
[ "$lists $blocks" = "13 45" ] || fail "$lists item lists and $blocks blocks on disk"
make_data_root "$work/reference" 11001011000
while read -r file; do
  cmp -s "$data/$file" "$work/reference/$file" || fail "$file differs from the server's"
done < <(cd "$data" && find . \( -name FileList.xml -o -name '*.dwg' \))
no_temporaries "$data"
[ "$(count_lines 'trace 下载完成图块')" = "45" ] || fail "$(count_lines 'trace 下载完成图块') blocks reported fetched"

# OK ends the dialog, then the prompt ends by itself.
click update.ok
wait_for "dialog update closed"
wait_for "dialog prompt closed"
wait_for "update-dialog-closed 0"  # the walk's own reload already took its count

# A second update in the same run knows the library is current without fetching anything.
requests_before=$(server_get /__requests | wc -l)
click gallery.update
wait_opened update 2
wait_for_status "更新文件检查完成，墨匣已是最新" 50
[ "$(latest bar)" = "100" ] || fail "bar is $(latest bar) for a current library"
[ "$(server_get /__requests | wc -l)" = "$requests_before" ] || fail "the second update fetched files"
click update.close
wait_count "dialog update closed" 2
echo "PASS"
