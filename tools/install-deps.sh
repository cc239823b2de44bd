#!/usr/bin/env bash
# Installs what the build and the tests need on a Debian 12 machine (run as root).
# Quiet when everything is already there, so that a second run costs nothing.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev
  libgtest-dev googletest libbenchmark-dev libjpeg-dev
  g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix
  wine wine32 wine64 xvfb xdotool x11-apps x11-utils imagemagick
  libgl1:i386 libglx-mesa0:i386 libgl1-mesa-dri:i386 libgl1 libglx-mesa0 libgl1-mesa-dri
  dpkg-dev bc procps fonts-wine
  libvorbis-dev libogg-dev pkgconf sox vorbis-tools libasound2:i386
  nsis
  libegl-dev libgles-dev libegl1 libgles2 libegl-mesa0 libx11-dev
  libpng-dev libasound2-dev xscreensaver xscreensaver-gl
  lintian man-db
  emscripten chromium
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
done
# The page's tests drive Chromium through an npm module; a node without npm
# (Debian's own) gets Debian's npm.
command -v npm >/dev/null || missing+=(npm)

# Source packages (libjpeg-turbo for the Windows build) need deb-src entries: mirror the
# machine's own package sources with their type changed, so no host is named here.
src_list=/etc/apt/sources.list.d/sorvane-deb-src.sources
need_update=0
if ! grep -rqs '^Types:.*deb-src' /etc/apt/sources.list.d/ && ! grep -qs '^deb-src' /etc/apt/sources.list; then
  for f in /etc/apt/sources.list.d/*.sources; do
    [ -f "$f" ] && [ "$f" != "$src_list" ] && sed 's/^Types:.*/Types: deb-src/' "$f"
    echo
  done > "$src_list"
  if [ -f /etc/apt/sources.list ]; then
    sed -n 's/^deb \(.*\)/deb-src \1/p' /etc/apt/sources.list > /etc/apt/sources.list.d/sorvane-deb-src.list
  fi
  need_update=1
fi

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
  need_update=1
fi

if [ ${#missing[@]} -gt 0 ] || [ $need_update -eq 1 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
fi
if [ ${#missing[@]} -gt 0 ]; then
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
