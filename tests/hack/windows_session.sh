#!/usr/bin/env bash
# End to end on a display of its own. In a window of its own the hack shows
# the sea with the frame-rate readout in the lower left corner, follows the
# window down to a small size (sand still at the bottom of the small window)
# and ends on a key. In a window it is handed (--window-id, and --root with
# XSCREENSAVER_WINDOW), and on the root window, it draws there, maps no window
# of its own, and ends on SIGTERM with status 0.
set -euo pipefail
hack=$1
shots=$2
here=$(cd "$(dirname "$0")" && pwd)
source "$here/hack-lib.sh"
mkdir -p "$shots"
own_display
trap end_session EXIT

top_windows() { xwininfo -root -children | awk '/^ +0x/ { print $1 }' | sort; }

# Ends the hack with SIGTERM and expects it gone within half a second, status 0.
stop_hack() {
  local pid=$1 started status=0
  started=$(now_ms)
  kill -TERM "$pid"
  wait_for_exit "$pid" 500 || fail "still running 0.5 s after SIGTERM"
  wait "$pid" || status=$?
  [ "$status" -eq 0 ] || fail "exit status $status after SIGTERM"
  echo "ended $(($(now_ms) - started)) ms after SIGTERM"
}

echo "a window of its own"
"$hack" --window --fps 2>"$shots/hack-window.log" &
pid=$!
helpers+=("$pid")
window=$(wait_for_window '^sorvane$' 30) || { xwininfo -root -tree >&2; cat "$shots/hack-window.log" >&2; ps -o pid,stat,etime,args -p "$pid" >&2; fail "no window of its own appeared"; }
wait_for_sea "$shots/hack-window.png" 60 800x600+0+0 || fail "the sea never showed in its window"
sleep 2
shoot "$shots/hack-window-fps.png"
# xscreensaver's way: light text on a black box in the lower left corner.
corner() { convert "$shots/hack-window-fps.png" -crop 50x12+10+579 +repage -colorspace gray -fx "$1" -format '%[fx:mean]' info:; }
light=$(corner 'u > 0.9')
plain=$(corner 'u > 0.9 || u < 0.1')
echo "the readout's corner: $light light, $plain light or black"
is "$light > 0.08" && is "$plain > 0.9" || fail "no frame-rate readout in the lower left corner"
xdotool windowsize "$window" 320 200
wait_for_sea "$shots/hack-window-small.png" 30 320x200+0+0 || fail "the picture did not follow the window down to 320 x 200"
xdotool windowfocus "$window"
started=$(now_ms)
xdotool key space
wait_for_exit "$pid" 1000 || fail "still running 1 s after a key"
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || fail "exit status $status after a key"
echo "ended $(($(now_ms) - started)) ms after a key"

echo "a window it is handed"
xlogo -geometry 320x240+600+400 2>"$shots/xlogo.log" &
helpers+=("$!")
shell=$(wait_for_window '^xlogo$' 30) || fail "no xlogo window"
# The window xlogo draws in, inside its shell: a plain window like the preview's.
given=$(xwininfo -children -id "$shell" | awk '/^ +0x/ { print $1; exit }')
[ -n "$given" ] || fail "xlogo has no window inside its shell"
before=$(top_windows)
"$hack" --window-id "$given" &
pid=$!
wait_for_sea "$shots/hack-window-id.png" 60 320x240+600+400 || fail "the sea never showed in the window handed over"
[ "$(top_windows)" = "$before" ] || fail "--window-id made a window of its own"
stop_hack "$pid"

echo "--root with XSCREENSAVER_WINDOW"
XSCREENSAVER_WINDOW=$((given)) "$hack" --root &
pid=$!
wait_for_sea "$shots/hack-xscreensaver-window.png" 60 320x240+600+400 ||
  fail "the sea never showed in the window XSCREENSAVER_WINDOW names"
[ "$(top_windows)" = "$before" ] || fail "--root made a window of its own"
stop_hack "$pid"
kill "${helpers[-1]}"

echo "--root on the root window"
wait_for_exit "${helpers[-1]}" 2000 || true
before=$(top_windows)
"$hack" -root &
pid=$!
wait_for_sea "$shots/hack-root.png" 60 1024x768+0+0 || fail "the sea never showed on the root window"
[ "$(top_windows)" = "$before" ] || fail "-root made a window of its own"
stop_hack "$pid"
echo "screenshots: $shots/hack-window.png $shots/hack-window-fps.png $shots/hack-window-small.png" \
  "$shots/hack-window-id.png $shots/hack-xscreensaver-window.png $shots/hack-root.png"
echo "passed"
