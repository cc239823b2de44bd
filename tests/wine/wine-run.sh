#!/usr/bin/env bash
# Runs a Windows program under Wine with the build's private prefix, on the
# display the test run set up (or a virtual one of its own when there is none).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine-env.sh"
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$WINELOADER" "$@"
fi
exec "$WINELOADER" "$@"
