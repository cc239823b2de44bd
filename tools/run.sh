#!/usr/bin/env bash
# Builds Sorvane.scr and runs it full-screen under Wine on the current X display,
# with its two sound files in the prefix's Windows directory (wine-env.sh).
# With no display, it runs on a virtual one, saves a screenshot after a few
# seconds to the path it prints, and ends the saver with a key press. On a
# machine that runs no 32-bit code it runs the module's 64-bit twin under wine64.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

source "$root/tools/module-build.sh"
build_module

if [ -n "${DISPLAY:-}" ]; then
  source "$root/tests/wine/wine-env.sh"
  exec "$WINELOADER" "$scr" /s
fi

source "$root/tools/virtual-display.sh"
start_virtual_display
trap stop_virtual_display EXIT
source "$root/tests/wine/wine-env.sh"
source "$root/tests/e2e/e2e-lib.sh"
"$WINELOADER" "$scr" /s >/dev/null 2>&1 &
pid=$!
window=$(wait_for_window '^Sorvane$' 60) || fail "the saver did not open its window"
wait_for_scene 60 || fail "the saver did not draw its scene"
sleep 3
shot="$root/build/sorvane-screenshot.png"
shoot "$shot"
echo "Screenshot saved to $shot"
focus "$window"
xdotool key space
wait_for_exit "$pid" 30000 || fail "the saver did not end on the key press"
echo "The saver ended on a key press."
