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
# The saver looks for its music and ambient sound in the Windows directory.
for sound in sorvane.ogg svambient.ogg; do
  if [ -f "$SORVANE_BUILD/generated/$sound" ]; then
    cp -u "$SORVANE_BUILD/generated/$sound" "$WINEPREFIX/drive_c/windows/"
  fi
done
# Wine's own fonts (MS Sans Serif, Marlett for the caption buttons) are found
# only in the Windows font folder here, so dialogs look as they do on Windows.
fonts="$WINEPREFIX/drive_c/windows/Fonts"
if [ -d /usr/share/wine/fonts ] && [ -d "$fonts" ] && [ ! -f "$fonts/sserife.fon" ]; then
  cp /usr/share/wine/fonts/* "$fonts/"
fi
