#!/usr/bin/env bash
# SIGTERM and SIGINT at random moments, from the moment the hack handles them
# on (its construction included): every time it ends within half a second with
# status 0, which it gives only once its calculation thread has stopped and
# its scene and device are released. On a display in a window of its own and
# offscreen in turn.
set -euo pipefail
hack=$1
shots=$2
here=$(cd "$(dirname "$0")" && pwd)
source "$here/hack-lib.sh"
mkdir -p "$shots"
own_display
trap end_session EXIT
# A new sequence every run, printed so that a failing one can be run again.
seed=${SORVANE_SIGNAL_SEED:-$(($(date +%s) % 32768))}
RANDOM=$seed
echo "seed $seed"

# The first run on a machine compiles Mesa's shaders, and a stop cannot cut
# that first frame short: the trials measure the hack, so one run warms the
# shader cache first.
"$hack" --snapshot "$shots/signals.png" --frames 2 || fail "the warming run failed"

for trial in $(seq 16); do
  if ((trial % 2)); then
    "$hack" --window 2>"$shots/signals.log" &
  else
    "$hack" --snapshot "$shots/signals.png" --frames 100000 2>"$shots/signals.log" &
  fi
  pid=$!
  wait_for_handler "$pid" 10 || fail "trial $trial: the hack never handled SIGTERM"
  delay=$((RANDOM % 2500))
  sleep "$(printf '%d.%03d' $((delay / 1000)) $((delay % 1000)))"
  signal=TERM
  ((trial % 4 < 2)) || signal=INT
  started=$(now_ms)
  kill -"$signal" "$pid"
  wait_for_exit "$pid" 500 || { kill -9 "$pid"; fail "trial $trial: still running 0.5 s after SIG$signal at $delay ms"; }
  took=$(($(now_ms) - started))
  status=0
  wait "$pid" || status=$?
  [ "$status" -eq 0 ] || { cat "$shots/signals.log" >&2; fail "trial $trial: status $status after SIG$signal at $delay ms"; }
  echo "trial $trial: SIG$signal $delay ms after start, ended $took ms later"
done
echo "passed"
