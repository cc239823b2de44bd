#!/usr/bin/env bash
# Builds everything and runs every test: the native suite (ASan, UBSan), the
# Windows suites under Wine and the end-to-end runs of Sorvane.scr, on a
# virtual display of their own, and the page in headless Chromium. Installs
# what is missing first. On a machine that runs no 32-bit code the Windows
# side runs on the module's 64-bit twin.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)

bash "$root/tools/install-deps.sh"
source "$root/tests/wine/wine-loader.sh"
describe_wine_target

windows_build() {
  local name=$1 toolchain=$2
  shift 2
  cmake -S "$root" -B "$root/build/$name" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/$toolchain" >/dev/null
  cmake --build "$root/build/$name" -j"$jobs" --target "$@"
}

cmake -S "$root" -B "$root/build/native" -G Ninja >/dev/null
cmake --build "$root/build/native" -j"$jobs"
# The shipped module is always the 32-bit one, whichever Wine runs the tests.
windows_build win mingw-i686.cmake Sorvane installer
windows_build "$SORVANE_WIN_BUILD_NAME" "$SORVANE_WIN_TOOLCHAIN" Sorvane wine_tests installer
cmake -S "$root" -B "$root/build/web" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/emscripten.cmake" >/dev/null
cmake --build "$root/build/web" -j"$jobs"

source "$root/tools/virtual-display.sh"
start_virtual_display
trap stop_virtual_display EXIT
export SORVANE_BUILD="$root/build/$SORVANE_WIN_BUILD_NAME"
source "$root/tests/wine/wine-env.sh"

passed=0
failed=0
run_ctest() {
  local dir=$1 log
  shift
  log=$(mktemp)
  (cd "$dir" && ctest --output-on-failure "$@" 2>&1) | tee "$log" || true
  local line
  line=$(grep -E '[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1)
  if [ -z "$line" ]; then
    failed=$((failed + 1))
  else
    local bad total
    bad=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$line")
    total=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\2/' <<<"$line")
    passed=$((passed + total - bad))
    failed=$((failed + bad))
  fi
  rm -f "$log"
}

run_ctest "$root/build/native"
if [ "$SORVANE_WIN_BUILD_NAME" = win ]; then
  run_ctest "$root/build/win"
else
  # Only the check of what ships runs on the 32-bit build; Wine runs the twin.
  run_ctest "$root/build/win" -R '^shipped_module$'
  run_ctest "$root/build/$SORVANE_WIN_BUILD_NAME"
fi

run_ctest "$root/build/web"

describe_wine_target
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
