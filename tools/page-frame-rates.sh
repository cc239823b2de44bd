#!/usr/bin/env bash
# Frames per second of the page and of the hack, back to back at 1024 × 768 on
# this machine, at default detail and at detail 4: the page in Debian's
# headless Chromium with software WebGL 2 (SwiftShader), as it runs for a
# viewer (at most one frame every 30 ms, its own readout sampled once a second
# after the fade-in and the first plans, mean and lowest second); the hack
# through OpenGL on Mesa (gl_frame_rate: offscreen, unpaced, each frame
# finished before the next). Prints figures; it is no test.
# Usage: tools/page-frame-rates.sh [sorvane.html [gl_frame_rate]] [seconds]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
page=${1:-$root/build/web/sorvane.html}
gl_frame_rate=${2:-$root/build/native/gl_frame_rate}
seconds=${3:-20}
bash "$root/tests/web/install-driver.sh" "$root/build/web/node"
export NODE_PATH=$root/build/web/node/node_modules
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

for detail in 2 4; do
  node "$root/tests/web/page_driver.js" --page "$page" --origin file --out "$out" --name "rate-$detail" \
    --query "fps&seed=7&fish=$detail&plants=$detail&ruins=$detail" --run-ms 8000 --readout-samples "$seconds"
  page_rate=$(grep -oE '[0-9.]+' "$out/rate-$detail.readout" | awk '
    { sum += $1; if (n == 0 || $1 < low) low = $1; ++n }
    END { printf "%.1f frames/s (lowest second %.1f)", sum / n, low }')
  hack_rate=$("$gl_frame_rate" --detail "$detail" --frames 300 | grep -oE '[0-9.]+ frames/s')
  printf 'detail %d: page in headless Chromium %s; hack through OpenGL %s\n' "$detail" "$page_rate" "$hack_rate"
done
