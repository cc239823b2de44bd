#!/usr/bin/env bash
# Unpacks a Debian source package into the given folder (kept across builds).
set -euo pipefail
package=$1
dest=$2
[ -f "$dest/CMakeLists.txt" ] && exit 0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$work" && apt-get source -qq "$package" >/dev/null 2>&1) || {
  echo "apt-get source $package failed: run tools/install-deps.sh first" >&2
  exit 1
}
rm -rf "$dest"
mv "$work"/"$package"-*/ "$dest"
