#!/usr/bin/env bash
# Prints the frames per second Sorvane.scr /s keeps under Wine, as wined3d
# counts them (its cheap fps channel; a trace of every d3d8 call would slow
# the frames it measures). Each second after the scene has settled is one
# sample; the mean and the lowest are printed.
# Usage: tools/frame-rate.sh <Sorvane.scr> [seconds]   (needs DISPLAY)
# The saver reads its settings from the test prefix's registry as usual.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
scr=$1
seconds=${2:-20}
source "$here/../tests/wine/wine-env.sh"
source "$here/../tests/e2e/e2e-lib.sh"
log=$(mktemp)
trap 'rm -f "$log"' EXIT
WINEDEBUG=fps "$WINELOADER" "$scr" /s >"$log" 2>&1 &
pid=$!
window=$(wait_for_window '^Sorvane$' 60) || fail "no saver window"
wait_for_scene 60 || fail "the scene never appeared"
# The fade-in and the first plans are over after a few seconds.
sleep 5
start=$(grep -c 'exec_present' "$log" || true)
sleep "$seconds"
focus "$window"
xdotool key space
wait_for_exit "$pid" 30000 || fail "the saver did not end"
grep 'exec_present' "$log" | tail -n +$((start + 1)) | grep -oE 'approx [0-9.]+fps' | head -n "$seconds" |
  grep -oE '[0-9.]+' | awk '
    { sum += $1; if (n == 0 || $1 < low) low = $1; ++n }
    END { if (n == 0) { print "no frames counted"; exit 1 }
          printf "%.1f frames/s (lowest second %.1f) over %d s\n", sum / n, low, n }'
