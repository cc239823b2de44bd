#!/usr/bin/env bash
# Frames per second of one commit's two builds, back to back at 1024 × 768 on
# this machine, at default detail and at detail 4: Sorvane.scr under Wine (on
# the display, paced to at most one frame every 30 ms, as wined3d counts
# them) and the Linux hack through OpenGL (offscreen, unpaced, each frame
# finished before the next; the frames of a long and a short run of the same
# seed subtracted, so that start-up does not count).
# Usage: tools/frame-rates.sh [Sorvane.scr [sorvane]]   (needs DISPLAY for Wine)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
scr=${1:-$root/build/win/Sorvane.scr}
hack=${2:-$root/build/native/sorvane}
source "$root/tests/wine/wine-env.sh"
key='HKCU\Software\Quorvel Interactive\Sorvane\Settings'
trap 'wine reg delete "$key" /f >/dev/null 2>&1 || true' EXIT
shot=$(mktemp --suffix=.png)

seconds_of() {
  local start end
  start=$(date +%s%N)
  "$hack" --snapshot "$shot" --seed 7 --fish "$1" --plants "$1" --ruins "$1" --frames "$2" >/dev/null
  end=$(date +%s%N)
  echo "($end - $start) / 1000000000" | bc -l
}

for detail in 2 4; do
  for setting in DetailLevelFish DetailLevelPlant DetailLevelWreck; do
    wine reg add "$key" /v "$setting" /d "$detail" /f >/dev/null 2>&1
  done
  wine_rate=$(bash "$root/tools/frame-rate.sh" "$scr" 20)
  short=$(seconds_of "$detail" 60)
  long=$(seconds_of "$detail" 360)
  native=$(echo "300 / ($long - $short)" | bc -l)
  printf 'detail %d: Wine %s; OpenGL %.1f frames/s\n' "$detail" "$wine_rate" "$native"
done
rm -f "$shot"
