#!/usr/bin/env bash
# A fast double click on the empty-library prompt's "更新图库" is one click: the owner-drawn button
# reports the second click as a double click, which must not open a second progress dialog over the
# first. Nobody listens on the server's port, so the walk ends at once and its dialog stays open.
set -uo pipefail
. "$(dirname "$0")/update_scenario.sh"

prepare_library
refused=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1]); s.close()')
point_at_port "$refused"
start_driver "$work/data"
wait_opened prompt 1 100
read -r x y <<<"$(latest "button prompt.ok")"
[ -n "$x" ] || fail "no button prompt.ok"
wine "$BLOCKERY_BUILD/tools/standin-host/standin-host.exe" doubleclick "$x" "$y" >/dev/null 2>&1 ||
  fail "the double click could not be posted"
wait_opened update 1
wait_for_status "没有下载到当前更新文件" 300
# The posted double click was queued before the walk's first step: had it opened a dialog, that
# would have happened before the walk could end.
opened=$(log_lines | grep -c "^dialog update open ")
[ "$opened" = 1 ] || fail "the double click opened $opened progress dialogs"
echo "PASS"
