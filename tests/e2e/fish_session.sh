#!/usr/bin/env bash
# End to end: fish swim around the camera at the default fish detail and at
# 13 000 fish (detail 4), skins and all; frame rate and the longest gap between
# frames are reported for fish detail 1 and 4. Screenshots are kept for looking.
set -euo pipefail
scr=$1
shots=$2
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../wine/wine-env.sh"
source "$here/e2e-lib.sh"
mkdir -p "$shots"
key='HKCU\Software\Quorvel Interactive\Sorvane\Settings'
trap 'wine reg delete "$key" /f >/dev/null 2>&1 || true' EXIT

# Share of the water band (above the seabed, below the surface) that stands
# out from its own blurred copy: the water there is a smooth gradient, the
# fish in it are small sharp shapes.
fish_share() {
  convert "$1" -crop 1024x200+0+130 +repage \( +clone -blur 0x6 \) -compose difference -composite \
    -colorspace gray -threshold 8% -format '%[fx:mean]' info:
}

for level in default 1 4; do
  if [ "$level" = default ]; then
    wine reg delete "$key" /v DetailLevelFish /f >/dev/null 2>&1 || true
  else
    wine reg add "$key" /v DetailLevelFish /d "$level" /f >/dev/null 2>&1
  fi
  log="$shots/fish-$level.trace"
  WINEDEBUG=+timestamp,trace+d3d8 "$WINELOADER" "$scr" /s >"$log" 2>&1 &
  pid=$!
  window=$(wait_for_window '^Sorvane$' 60) || fail "no saver window at fish detail $level"
  wait_for_scene 80 || fail "the scene did not fade in at fish detail $level"
  sleep 2
  for n in 1 2 3 4; do
    shoot "$shots/fish-$level-$n.png"
    sleep 1
  done
  read -r fps gap <<<"$(frame_pacing "$log" 5)"
  focus "$window"
  xdotool key space
  wait_for_exit "$pid" 5000 || fail "the saver did not end at fish detail $level"
  wait "$pid" || true
  rm -f "$log"
  best=0
  for n in 1 2 3 4; do
    share=$(fish_share "$shots/fish-$level-$n.png")
    is "$share > $best" && best=$share
  done
  echo "fish detail $level: $fps frames/s, longest gap $gap s, fish cover up to $best of the water band"
  is "$best > 0.002" || fail "no fish to be seen at fish detail $level"
  is "$gap < 1.0" || fail "the frames stall at fish detail $level"
done
echo "passed"
