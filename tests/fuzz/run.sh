#!/usr/bin/env bash
# Builds the decoder, texture, assembler and Ogg fuzzers with clang in <builddir>, seeds them, and runs each for
# <seconds>; exits non-zero when any of them finds a crash, leak or hang.
# Usage: tests/fuzz/run.sh <builddir> <seconds>
set -euo pipefail
build=${1:?usage: run.sh <builddir> <seconds>}
seconds=${2:?usage: run.sh <builddir> <seconds>}
here=$(cd "$(dirname "$0")" && pwd)

# The fuzzers are a project of their own: show why when it does not build, rather than fail silently.
mkdir -p "$build"
if ! { cmake -S "$here" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo &&
       cmake --build "$build" -j2; } >"$build/build.log" 2>&1; then
  echo "the fuzzers did not build; log $build/build.log:"
  tail -40 "$build/build.log"
  exit 1
fi
"$build/make_seeds" "$build/seeds"
mkdir -p "$build/seeds/shader"
cp "$here/../../resources/plant_shader.vsh" "$build/seeds/shader/"

status=0
for name in jpeg dds bmp shader texture ogg; do
  corpus="$build/corpus/$name"
  mkdir -p "$corpus"
  seeds=("$build/seeds/$name")
  [ -d "$here/corpus/$name" ] && seeds+=("$here/corpus/$name")
  log="$build/fuzz_$name.log"
  if "$build/fuzz_$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -artifact_prefix="$build/crash-$name-" "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    echo "fuzz_$name: $(ls "$corpus" | wc -l) corpus entries, $(grep -o 'Done [0-9]* runs' "$log" | tail -1)"
  else
    echo "fuzz_$name FAILED; log $log:"
    tail -40 "$log"
    status=1
  fi
done
exit $status
