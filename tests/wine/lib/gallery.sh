# Shared by the scenarios of the main window (gallery_*.test.sh, handoff_*.test.sh), on top of
# lib/app.sh: the sample library in the scenario's data root, the gallery's controls read through
# the stand-in's probes, the real mouse and keyboard through xdotool, and screenshots.
. "$(dirname "${BASH_SOURCE[0]}")/app.sh"

SAMPLE_CACHE=$BLOCKERY_BUILD/samplelib-data-root
ARTIFACTS=$BLOCKERY_BUILD/artifacts

# install_sample_library [SELECTION]: the sample library in this scenario's data root, with that
# specialty selection in HomeInkCasket.ini. Published with the build's blockery-publish and
# installed once per build folder, then copied.
install_sample_library() {
  local samplelib=$BLOCKERY_SOURCE/tools/samplelib publish=$BLOCKERY_BUILD/tools/publish/blockery-publish.exe
  if [ ! -f "$SAMPLE_CACHE/InkCasket.xml" ] || [ "$samplelib/samplelib.py" -nt "$SAMPLE_CACHE/InkCasket.xml" ] ||
     [ "$publish" -nt "$SAMPLE_CACHE/InkCasket.xml" ]; then
    rm -rf "$SAMPLE_CACHE" "$SAMPLE_CACHE-server"
    { python3 "$samplelib/publish_sample.py" publish "$publish" "$SAMPLE_CACHE-server" &&
      python3 "$samplelib/publish_sample.py" install "$SAMPLE_CACHE-server" "$SAMPLE_CACHE"; } ||
      fail "the sample library could not be made"
  fi
  DATA_ROOT=$WORK/Documents/Scrydir/InkCasket
  mkdir -p "$(dirname "$DATA_ROOT")"
  cp -r "$SAMPLE_CACHE" "$DATA_ROOT"
  [ -n "${1:-}" ] && printf '[GallerySel]\r\nSel=%s\r\n' "$1" >"$DATA_ROOT/HomeInkCasket.ini"
  return 0
}

# open_gallery TITLE: waits for the visible gallery; GALLERY, GALLERY_X and GALLERY_Y hold its
# window number and the screen position of its client area (the window has no frame).
open_gallery() {
  wait_for_window "$1" || fail "no gallery titled '$1' appeared"
  GALLERY=$(field "$FOUND" window)
  GALLERY_X=$(field "$FOUND" left)
  GALLERY_Y=$(field "$FOUND" top)
}

# open_hosted_gallery: an ARX host stand-in and the gallery it hosts, shown (see open_gallery);
# HOST_WINDOW holds the host's window number.
open_hosted_gallery() {
  start_host arx
  start_gallery hosted arx show "$HOST_WINDOW"
  open_gallery "$HOSTED_TITLE"
}

# wait_until COMMAND...: until the command succeeds. Its arguments are expanded once, before the
# first try: a condition that reads something anew each time goes through eval '...'.
wait_until() {
  local i
  for i in $(seq 1 $((WAIT_SECONDS * 4))); do
    "$@" && return 0
    sleep 0.25
  done
  return 1
}

tree_state() { probe tree "$GALLERY"; }
caret_is() { [ "$(field "$(tree_state)" caret)" = "$1" ]; }
list_count() { field "$(probe list "$GALLERY")" count; }
list_has_items() { [ "$(list_count)" -gt 0 ] 2>/dev/null; }
list_holds() { [ "$(list_count)" = "$1" ]; }

# search_caption_is TEXT: the caption the gallery paints in the tab row during a search reads TEXT.
search_caption_is() { probe painted "$GALLERY" 19 46 460 64 "$1" >/dev/null; }

# Real input. Coordinates are screen pixels; client_* take the gallery's client coordinates.
click_at() { xdotool mousemove "$1" "$2" click "${3:-1}"; }
double_click_at() { xdotool mousemove "$1" "$2" click --repeat 2 --delay 80 1; }
client_click() { click_at $((GALLERY_X + $1)) $((GALLERY_Y + $2)) "${3:-1}"; }

# item_point INDEX / tree_point TEXT: the screen centre of a thumbnail or a tree item, as "X Y".
item_point() {
  local line
  line=$(probe listitem "$GALLERY" "$1")
  [ -n "$(field "$line" x)" ] || return 1
  echo "$(field "$line" x) $(field "$line" y)"
}
tree_point() {
  local line
  line=$(probe treeitem "$GALLERY" "$1")
  [ -n "$(field "$line" x)" ] || return 1
  echo "$(field "$line" x) $(field "$line" y)"
}

# capture FILE [WxH+X+Y]: the screen, or a part of it in client coordinates of the gallery.
capture() {
  if [ -n "${2:-}" ]; then
    local w h x y
    IFS='x+' read -r w h x y <<<"$2"
    import -window root -crop "${w}x${h}+$((GALLERY_X + x))+$((GALLERY_Y + y))" +repage "$1"
  else
    import -window root "$1"
  fi
}

# ink_in WxH+X+Y: 1 when that part of the gallery holds any dark pixel, else 0.
ink_in() {
  capture "$WORK/ink.png" "$1"
  convert "$WORK/ink.png" -colorspace gray -format '%[fx:minima < 0.5 ? 1 : 0]' info:
}

# control_point ID / control_text ID: a child control's screen centre ("X Y") and its text.
control_point() {
  local line
  line=$(probe control "$GALLERY" "$1")
  echo "$(field "$line" x) $(field "$line" y)"
}
control_text() { probe control "$GALLERY" "$1" | sed -e 's/^.* text=//'; }

# drag_from X Y: presses the left button at a client point and moves the mouse by (60, 40).
drag_from() {
  local x=$((GALLERY_X + $1)) y=$((GALLERY_Y + $2))
  xdotool mousemove "$x" "$y" mousedown 1 sleep 0.3 mousemove $((x + 30)) $((y + 20)) sleep 0.2 \
    mousemove $((x + 60)) $((y + 40)) sleep 0.3 mouseup 1
  sleep 0.5
}

# The window's place now, as "LEFT,TOP".
gallery_place() {
  local line
  line=$(probe find "$1")
  echo "$(field "$line" left),$(field "$line" top)"
}

# host_line LOG MESSAGE: the last hand-off line of that message number in a stand-in host's log.
host_line() { tr -d '\r' <"$1" | grep -E "^message $2 " | tail -1; }
handoffs_in() { tr -d '\r' <"$1" | grep -cE '^message (1032|1128) '; }

# recent_ids: the ids RecentlyUse.xml holds, in order, one a line.
recent_ids() { tr '\r' '\n' <"$DATA_ROOT/RecentlyUse.xml" | sed -nE 's/^<Item id= "([^"]*)".*/\1/p'; }
