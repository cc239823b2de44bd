#!/usr/bin/env bash
# The page in headless Chromium with software WebGL 2, against the hack. Frame
# 120 of seed 7, from a loopback server and from file://, is the hack's
# --snapshot of it (PSNR 33 dB or more) and the sea. A query of garbage
# (numbers that are none, unknown names, markup in the values, a volume out of
# range) draws that same frame with the defaults, warns once for each pair and
# puts nothing of the query into the page. Without WebGL 2 the page shows one
# sentence in place of the canvas. With music and sound asked for, no audio
# starts before the first click, and the two tracks play after it.
# Usage: page_session.sh sorvane.html sorvane SHOTS_DIR   (NODE_PATH finds playwright-core)
set -euo pipefail
page=$1
hack=$2
shots=$3
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../hack/hack-lib.sh"
mkdir -p "$shots"
min_psnr=33

drive() { node "$here/page_driver.js" --page "$page" --out "$shots" "$@"; }
state_of() { cat "$shots/$1.state"; }
psnr_of() { { compare -metric PSNR "$shots/$1.png" "$shots/hack-7-120.png" null: 2>&1 || true; } | sed -E 's/ .*//'; }

"$hack" --snapshot "$shots/hack-7-120.png" --seed 7 --frames 120 || fail "the hack drew no snapshot"

for origin in http file; do
  drive --origin "$origin" --query 'seed=7&frames=120' --name "page-$origin"
  [ "$(state_of "page-$origin")" = done ] || fail "from $origin the page ended $(state_of "page-$origin")"
  psnr=$(psnr_of "page-$origin")
  echo "from $origin: frame 120 of seed 7 against the hack's: PSNR $psnr dB"
  [ "$psnr" = inf ] || is "$psnr >= $min_psnr" || fail "from $origin the page does not draw the hack's frame"
  sea_in "$shots/page-$origin.png" 1024x768+0+0 || fail "from $origin the page does not show the sea"
done

# Six pairs the page must leave out or bring into range, one warning each.
garbage='seed=7&frames=120&fish=many&plants=%3Cb%3Emarker-a%3C%2Fb%3E&marker-b=1'
garbage+='&scheme=%3Cimg%20src%3Dx%20onerror%3Dalert(1)%3Emarker-c&volume=500&wide=marker-d'
drive --origin http --query "$garbage" --name garbage
[ "$(state_of garbage)" = done ] || fail "the page of garbage ended $(state_of garbage)"
psnr=$(psnr_of garbage)
echo "the page of garbage against the hack's defaults: PSNR $psnr dB"
[ "$psnr" = inf ] || is "$psnr >= $min_psnr" || fail "the page of garbage does not draw the defaults"
warnings=$(grep -c '^warning: sorvane: ' "$shots/garbage.console" || true)
[ "$warnings" -eq 6 ] || fail "the page of garbage gave $warnings warnings, not 6: $(cat "$shots/garbage.console")"
grep -q 'marker-b' "$shots/garbage.console" || fail "no warning names the unknown option"
if grep -q 'marker\|<img\|<b>' "$shots/garbage.html"; then fail "the query got into the page: $(cat "$shots/garbage.html")"; fi

drive --origin file --query 'fish=3' --name no-webgl2 --no-webgl2
[ "$(state_of no-webgl2)" = failed ] || fail "without WebGL 2 the page ended $(state_of no-webgl2)"
grep -q '^Sorvane needs WebGL 2' "$shots/no-webgl2.sentence" || fail "without WebGL 2: '$(cat "$shots/no-webgl2.sentence")'"
grep -q '<canvas[^>]* hidden' "$shots/no-webgl2.html" || fail "without WebGL 2 the canvas stays"

drive --origin http --query 'music&sound&volume=40' --name sound --gesture --run-ms 2000
cat "$shots/sound.audio"
read -r _ contexts buffers _ < <(grep '^before' "$shots/sound.audio")
[ "$contexts" -eq 0 ] && [ "$buffers" -eq 0 ] || fail "audio started before the first click"
read -r _ contexts buffers peak < <(grep '^after' "$shots/sound.audio")
[ "$contexts" -eq 1 ] && [ "$buffers" -ge 4 ] || fail "after a click: $contexts audio contexts, $buffers buffers"
is "$peak > 0.02" || fail "after a click the sound is silent (peak $peak)"
echo "passed"
