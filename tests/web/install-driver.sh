#!/usr/bin/env bash
# Installs playwright-core, which drives Debian's chromium for the page's tests
# and tools/page-frame-rates.sh, into the folder given (in the build tree). It
# brings no browser of its own, and nothing here writes a package.json or a
# lock file. Quiet when it is there already.
set -euo pipefail
folder=$1
[ -f "$folder/node_modules/playwright-core/package.json" ] && exit 0
mkdir -p "$folder"
npm install --prefix "$folder" --no-save --no-package-lock --no-audit --no-fund --loglevel=error \
  playwright-core@1.64.1 >/dev/null
