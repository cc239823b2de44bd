# Sourced: the one place that knows which Wine runs the Windows side. Where this
# machine runs 32-bit code, the 32-bit loader runs the shipped module; where it
# does not (or SORVANE_WIN64_TWIN=1 asks for it), wine64 runs the module's
# 64-bit twin. Sets SORVANE_WINE_BITS (32 or 64) and defines `wine` and
# `wineserver` so that every script starts the same Wine.
if [ -z "${SORVANE_WINE_BITS:-}" ]; then
  if [ "${SORVANE_WIN64_TWIN:-0}" = 1 ]; then
    SORVANE_WINE_BITS=64
    SORVANE_WINE_WHY="SORVANE_WIN64_TWIN=1 asks for it"
  elif ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
    SORVANE_WINE_BITS=64
    SORVANE_WINE_WHY="this machine runs no 32-bit code"
  else
    SORVANE_WINE_BITS=32
  fi
  export SORVANE_WINE_BITS SORVANE_WINE_WHY
fi

if [ "$SORVANE_WINE_BITS" = 64 ]; then
  export WINELOADER=/usr/lib/wine/wine64
  export WINESERVER=/usr/lib/wine/wineserver64
  SORVANE_WIN_BUILD_NAME=win64
  SORVANE_WIN_TOOLCHAIN=mingw-x86_64.cmake
else
  WINELOADER=/usr/bin/wine
  WINESERVER=/usr/bin/wineserver
  SORVANE_WIN_BUILD_NAME=win
  SORVANE_WIN_TOOLCHAIN=mingw-i686.cmake
fi
wine() { "$WINELOADER" "$@"; }
wineserver() { "$WINESERVER" "$@"; }

# One plain line for the twin path: why, and what runs instead.
describe_wine_target() {
  if [ "$SORVANE_WINE_BITS" = 64 ]; then
    echo "Windows side: $SORVANE_WINE_WHY, so the Windows suites and end-to-end sessions run on the module's 64-bit twin (build/win64) under wine64; the shipped module is still the 32-bit build/win/Sorvane.scr."
  fi
}
