#!/usr/bin/env bash
# A gallery killed at a random moment while it saves leaves every list file whole: the old file or
# the whole new one, never a part of either. Each round chooses a recent block (the close request
# then has something to write) and kills the gallery a random 0 to 29 ms after its close request
# was posted, around the moment it saves.
. "$(dirname "$0")/lib/gallery.sh"
scenario_begin
install_sample_library
python3 - "$DATA_ROOT" <<'PY'
import sys
root = sys.argv[1]
def write(name, items):
    text = '<?xml version="1.0" encoding="UTF-8"?>\r<root escaped="1">\r' + ''.join(items) + '</root>\r'
    open(root + '/' + name, 'wb').write(b'\xef\xbb\xbf' + text.encode('utf-8'))
write('RecentlyUse.xml', ['<Item id= "k%d"><Name>k%d</Name><Spec>s</Spec><Detail>d</Detail><Mfrs>m</Mfrs>'
                          '<Url>u</Url><Path>C:\\nowhere\\%d</Path></Item>\r' % (i, i, i % 7) for i in range(500)])
write('UserBlock.xml', ['<Item>C:\\nowhere\\u%04d.dwg</Item>\r' % i for i in range(2000)])
PY
cp "$DATA_ROOT/UserBlock.xml" "$WORK/UserBlock.before"

# whole FILE ITEMS: the file is one a gallery wrote, with that many items.
whole() {
  local text
  text=$(tr '\r' '\n' <"$DATA_ROOT/$1")
  expect_eq "$(head -c 3 "$DATA_ROOT/$1" | od -An -tx1 | tr -d ' ')" efbbbf "$1 starts with its byte-order mark"
  expect_eq "$(tail -n 1 <<<"$text")" "</root>" "last line of $1"
  expect_eq "$(grep -c '^<Item' <<<"$text")" "$2" "items in $1"
}

for round in 1 2 3; do
  start_gallery "round$round"
  open_gallery "$STANDALONE_TITLE"
  wait_until list_has_items || fail "the root did not show the recent blocks"
  double_click_at $(item_point "$round")
  sleep 0.5
  probe close "$GALLERY" >/dev/null
  sleep "0.0$(printf %02d $((RANDOM % 30)))"
  kill -KILL "$GALLERY_PID" 2>/dev/null
  wait_for_exit "$GALLERY_PID" || fail "the killed gallery did not end"
  note "round $round: recent list starts with $(recent_ids | head -1)"
  whole RecentlyUse.xml 500
  whole UserBlock.xml 2000
  cmp -s "$DATA_ROOT/UserBlock.xml" "$WORK/UserBlock.before" || fail "UserBlock.xml changed with nothing added"
done
ls "$DATA_ROOT" | grep -q unreadable && fail "a whole list file was taken as unreadable"
echo "PASS"
