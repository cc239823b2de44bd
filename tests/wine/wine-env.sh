# Sourced by the Wine scripts: the Wine that fits this machine and a private,
# quiet prefix under the build folder, made once (the first start of a prefix
# takes a while).
source "$(dirname "${BASH_SOURCE[0]}")/wine-loader.sh"
: "${SORVANE_BUILD:=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)/build/$SORVANE_WIN_BUILD_NAME}"
export WINEPREFIX="${WINEPREFIX:-$SORVANE_BUILD/wineprefix}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
if [ ! -f "$WINEPREFIX/.sorvane-ready" ]; then
  mkdir -p "$WINEPREFIX"
  wine wineboot.exe -i >/dev/null 2>&1
  # Virtual displays have no window manager: with managed windows Wine would
  # wait two seconds for one on every hide.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  # A crash ends the process instead of waiting in a debugger.
  wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /d none /f >/dev/null 2>&1
  wineserver -w
  touch "$WINEPREFIX/.sorvane-ready"
fi
