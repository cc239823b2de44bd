#!/usr/bin/env bash
# Builds everything and runs every test: the native suite (ASan, UBSan), the
# Windows suites under Wine and the end-to-end runs of Sorvane.scr, on a
# virtual display of their own. Installs what is missing first.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)

bash "$root/tools/install-deps.sh"

cmake -S "$root" -B "$root/build/native" -G Ninja >/dev/null
cmake --build "$root/build/native" -j"$jobs"
cmake -S "$root" -B "$root/build/win" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" >/dev/null
cmake --build "$root/build/win" -j"$jobs" --target Sorvane wine_tests

source "$root/tools/virtual-display.sh"
start_virtual_display
trap stop_virtual_display EXIT
export SORVANE_BUILD="$root/build/win"
source "$root/tests/wine/wine-env.sh"

passed=0
failed=0
run_ctest() {
  local dir=$1 log
  log=$(mktemp)
  (cd "$dir" && ctest --output-on-failure 2>&1) | tee "$log" || true
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
run_ctest "$root/build/win"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
