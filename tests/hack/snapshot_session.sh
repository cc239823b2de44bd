#!/usr/bin/env bash
# Without a display: --snapshot draws frame N of seed S offscreen, the same
# picture every time for the same seed and another for another seed, and the
# picture is the sea; a driver held at OpenGL ES 3.0 draws the same picture.
# The real program's command line: a value out of range is brought into range
# with one warning line, an unknown option prints the usage and exits with
# status 2, and without a display or a snapshot it says so. Without EGL, or
# with an OpenGL ES older than 3.0, it says so in one line and exits with 1.
set -euo pipefail
hack=$1
shots=$2
here=$(cd "$(dirname "$0")" && pwd)
source "$here/hack-lib.sh"
mkdir -p "$shots"
unset DISPLAY XSCREENSAVER_WINDOW

"$hack" --snapshot "$shots/snapshot-7.png" --frames 40 --seed 7
"$hack" --snapshot "$shots/snapshot-7-again.png" --frames 40 --seed 7
"$hack" --snapshot "$shots/snapshot-8.png" --frames 40 --seed 8
echo "screenshots: $shots/snapshot-7.png $shots/snapshot-8.png"
[ "$(identify -format '%wx%h' "$shots/snapshot-7.png")" = 1024x768 ] || fail "the snapshot is not 1024 x 768"
sea_in "$shots/snapshot-7.png" 1024x768+0+0 || fail "the snapshot is not the sea"
cmp -s "$shots/snapshot-7.png" "$shots/snapshot-7-again.png" || fail "two snapshots of seed 7 differ"
MESA_GLES_VERSION_OVERRIDE=3.0 "$hack" --snapshot "$shots/snapshot-7-es30.png" --frames 40 --seed 7
cmp -s "$shots/snapshot-7.png" "$shots/snapshot-7-es30.png" || fail "OpenGL ES 3.0 drew another snapshot of seed 7"
difference=$(image_difference "$shots/snapshot-7.png" "$shots/snapshot-8.png")
echo "difference between seeds 7 and 8: $difference"
is "$difference > 0.01" || fail "seeds 7 and 8 gave the same picture"

warnings=$("$hack" --fish 9 -snapshot "$shots/snapshot-clamped.png" --frames 2 2>&1 >/dev/null)
echo "$warnings"
[ "$(wc -l <<<"$warnings")" -eq 1 ] && grep -q -- '--fish 9 .*: using 4' <<<"$warnings" ||
  fail "a fish level of 9 did not give one warning line"
[ -s "$shots/snapshot-clamped.png" ] || fail "no snapshot after a warning"

status=0
usage=$("$hack" --fish 2 --bogus 2>&1 >/dev/null) || status=$?
[ "$status" -eq 2 ] || fail "an unknown option gave status $status, not 2"
grep -q -- '--bogus' <<<"$usage" && grep -q '^usage: sorvane' <<<"$usage" || fail "no usage after an unknown option"

status=0
"$hack" --window 2>"$shots/no-display.log" || status=$?
[ "$status" -eq 1 ] && grep -q 'no X display' "$shots/no-display.log" || fail "without a display: status $status"

for setting in __EGL_VENDOR_LIBRARY_FILENAMES=/nonexistent/egl_vendor.json MESA_GLES_VERSION_OVERRIDE=2.0; do
  status=0
  env "$setting" "$hack" --snapshot "$shots/no-gl.png" --frames 2 2>"$shots/no-gl.log" || status=$?
  cat "$shots/no-gl.log"
  [ "$status" -eq 1 ] && [ "$(wc -l <"$shots/no-gl.log")" -eq 1 ] && grep -q 'OpenGL ES 3.0' "$shots/no-gl.log" ||
    fail "with $setting: status $status"
done
echo "passed"
