#!/usr/bin/env bash
# End to end: Sorvane.scr /s on the virtual display fades in from black to the
# seabed (water and its surface above, sand or plants below, both moving), and a key
# press ends it within two seconds with nothing of it left running.
set -euo pipefail
scr=$1
shots=$2
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../wine/wine-env.sh"
source "$here/e2e-lib.sh"
mkdir -p "$shots"

"$WINELOADER" "$scr" /s >/dev/null 2>&1 &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT

window=$(wait_for_window '^Sorvane$' 60) || fail "no saver window appeared"
shoot "$shots/saver-start.png"
wait_for_scene 60 || fail "the scene never appeared"
sleep 2
# The seed is the clock's, so the camera may start among plants whose leaves
# fill the lower screen: the seabed there is whatever is far less blue than
# the water above, sand or leaves, and a passing fish is waited out.
end=$((SECONDS + 20))
while :; do
  shoot "$shots/saver-3s.png"
  read -r topRed _ topBlue <<<"$(band_mean "$shots/saver-3s.png" 0 200)"
  read -r bottomRed _ bottomBlue <<<"$(band_mean "$shots/saver-3s.png" 620 148)"
  if is "$topBlue > $topRed + 0.2 && ($topBlue - $topRed) - ($bottomBlue - $bottomRed) > 0.2"; then break; fi
  [ $SECONDS -lt $end ] || break
  sleep 0.5
done
sleep 1
shoot "$shots/saver-4s.png"
echo "screenshots: $shots/saver-start.png $shots/saver-3s.png $shots/saver-4s.png"

read -r _ _ startBlue <<<"$(band_mean "$shots/saver-start.png" 0 768)"
echo "start blue $startBlue; top red $topRed blue $topBlue; bottom red $bottomRed blue $bottomBlue"
is "$startBlue < $topBlue" || fail "the start is not darker than the running scene (no fade from black)"
is "$topBlue > $topRed + 0.2" || fail "the upper screen is not water blue"
is "($topBlue - $topRed) - ($bottomBlue - $bottomRed) > 0.2" || fail "the lower screen is not the seabed"
difference=$(image_difference "$shots/saver-3s.png" "$shots/saver-4s.png")
echo "difference between 3 s and 4 s: $difference"
is "$difference > 0.005" || fail "the scene does not move"

focus "$window"
started=$(date +%s%N)
xdotool key space
wait_for_exit "$pid" 2000 || fail "the saver was still running 2 s after the key press"
echo "ended $(( ($(date +%s%N) - started) / 1000000 )) ms after the key press"
wait "$pid" || true
if running_in_our_prefix Sorvane.scr; then fail "a Sorvane.scr process is left running"; fi
trap - EXIT
echo "passed"
