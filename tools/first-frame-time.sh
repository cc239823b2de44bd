#!/usr/bin/env bash
# Prints how long Sorvane.scr /s takes under Wine from the start of its process
# to its first presented frame, read from Wine's own timestamps.
# Usage: tools/first-frame-time.sh <Sorvane.scr>   (needs DISPLAY and the test prefix)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../tests/wine/wine-env.sh"
source "$here/../tests/e2e/e2e-lib.sh"
log=$(mktemp)
WINEDEBUG=+timestamp,+process,trace+d3d8 "$WINELOADER" "$1" /s >"$log" 2>&1 &
pid=$!
window=$(wait_for_window '^Sorvane$' 60) || fail "no saver window"
for _ in $(seq 100); do grep -q 'd3d8_device_Present' "$log" && break; sleep 0.1; done
focus "$window"
xdotool key space
wait_for_exit "$pid" 5000 || true
start=$(grep -m1 -oE '^[0-9]+\.[0-9]+' "$log")
first=$(grep -m1 'd3d8_device_Present' "$log" | grep -oE '^[0-9]+\.[0-9]+')
rm -f "$log"
echo "start to first presented frame: $(echo "($first - $start) * 1000" | bc | cut -d. -f1) ms"
