#!/usr/bin/env bash
# Takes the README's pictures from the real module under Wine on a virtual
# display: three views of the sea and the settings dialog in English and in
# Russian, and, once the web build has made it, the page in headless
# Chromium, written small into docs/pictures/. Run it again when the look changes:
# every run grows a new seabed, so look at the pictures before keeping them.
# Usage: bash tools/readme-pictures.sh [Sorvane.scr [folder]]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

source "$root/tools/module-build.sh"
if [ $# -ge 1 ]; then
  scr=$(realpath "$1")
else
  build_module
fi
out=${2:-$root/docs/pictures}
mkdir -p "$out"

source "$root/tools/virtual-display.sh"
start_virtual_display
key='HKCU\Software\Quorvel Interactive\Sorvane\Settings'
trap 'wine reg delete "$key" /f >/dev/null 2>&1 || true; stop_virtual_display' EXIT
source "$root/tests/wine/wine-env.sh"
source "$root/tests/e2e/e2e-lib.sh"

# view NAME SECONDS SETTING=VALUE...: the saver with these settings, shot after
# SECONDS of flight, 640 pixels wide.
view() {
  local name=$1 seconds=$2 pair pid window
  shift 2
  wine reg delete "$key" /f >/dev/null 2>&1 || true
  for pair in "$@"; do
    wine reg add "$key" /v "${pair%%=*}" /d "${pair#*=}" /f >/dev/null 2>&1
  done
  "$WINELOADER" "$scr" /s >/dev/null 2>&1 &
  pid=$!
  window=$(wait_for_window '^Sorvane$' 60) || fail "no saver window for $name"
  wait_for_scene 60 || fail "the scene never appeared for $name"
  sleep "$seconds"
  shoot "$out/$name.png"
  focus "$window"
  xdotool key space
  wait_for_exit "$pid" 10000 || fail "the saver did not end after $name"
  wait "$pid" || true
  convert "$out/$name.png" -resize 640x -strip -quality 80 "$out/$name.jpg"
  rm "$out/$name.png"
  echo "$out/$name.jpg"
}

# dialog NAME TITLE ENV...: the settings dialog as the user sees it.
dialog() {
  local name=$1 title=$2 pid window
  shift 2
  wine reg delete "$key" /f >/dev/null 2>&1 || true
  env "$@" "$WINELOADER" "$scr" /c >/dev/null 2>&1 &
  pid=$!
  window=$(wait_for_visible_window "$title" 60 "$pid") || fail "no settings dialog for $name"
  sleep 0.5
  xwd -id "$window" -silent | convert xwd:- -strip -colors 64 "PNG8:$out/$name.png"
  focus "$window"
  xdotool key Escape
  wait_for_exit "$pid" 5000 || fail "the dialog did not end for $name"
  wait "$pid" || true
  echo "$out/$name.png"
}

view open-sand 6 DetailLevelWreck=1 DetailLevelPlant=1 DetailLevelFish=1 CamSpeed=1
view ruins 6 DetailLevelWreck=4 DetailLevelPlant=1 DetailLevelFish=2 CamSpeed=1
view fish 6 DetailLevelWreck=2 DetailLevelPlant=1 DetailLevelFish=4 CamSpeed=1
dialog settings-en '^Sorvane v2\.9\.94 configuration$'
# Without a generated Russian locale the Cyrillic title reads as question
# marks to X: match its Latin start.
dialog settings-ru '^Sorvane v2\.9\.94 ' LC_ALL=ru_RU.UTF-8

# The page as a browser shows it, its frame-rate readout on.
page=$root/build/web/sorvane.html
if [ -f "$page" ]; then
  bash "$root/tests/web/install-driver.sh" "$root/build/web/node"
  NODE_PATH=$root/build/web/node/node_modules node "$root/tests/web/page_driver.js" --page "$page" --origin file \
    --query 'seed=23&scheme=blue&ruins=3&fish=3&fps' --run-ms 15000 --name page --out "$out"
  convert "$out/page.png" -resize 640x -strip -quality 80 "$out/page.jpg"
  rm "$out"/page.{png,console,html,state,sentence}
  echo "$out/page.jpg"
fi
