#!/usr/bin/env bash
# End to end: start Sorvane.scr /s on the virtual display, see the water colour
# fill the screen, press a key, and the saver is gone within two seconds with
# nothing of it left running.
set -euo pipefail
scr=$1
shots=$2
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../wine/wine-env.sh"
source "$here/e2e-lib.sh"
mkdir -p "$shots"

wine "$scr" /s >/dev/null 2>&1 &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT

window=$(wait_for_window '^Sorvane$' 60) || fail "no saver window appeared"
wait_for_pixel 512 384 'srgb(22,86,117)' 30 || fail "the screen never showed the clear colour"
shoot "$shots/saver.png"
echo "screenshot: $shots/saver.png"

focus "$window"
started=$(date +%s%N)
xdotool key space
wait_for_exit "$pid" 2000 || fail "the saver was still running 2 s after the key press"
echo "ended $(( ($(date +%s%N) - started) / 1000000 )) ms after the key press"
wait "$pid" || true
if pgrep -x 'Sorvane.scr' >/dev/null; then fail "a Sorvane.scr process is left running"; fi
trap - EXIT
echo "passed"
