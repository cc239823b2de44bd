# Sourced by the Wine scripts: a private, quiet Wine prefix under the build
# folder, made once (the first start of a prefix takes a while).
: "${SORVANE_BUILD:=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)/build/win}"
export WINEPREFIX="${WINEPREFIX:-$SORVANE_BUILD/wineprefix}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1
  wineserver -w
fi
