# Sourced by the hack's sessions: the end-to-end helpers, a display of the
# session's own, and checks of the hack's signals and of the sea it shows.
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/e2e-lib.sh"
source "$(dirname "${BASH_SOURCE[0]}")/../../tools/virtual-display.sh"

# A display of the session's own: a session never shares a screen with
# another test. What it starts in the background goes into `helpers`, and
# goes, with the display, at end_session.
helpers=()
own_display() {
  start_virtual_display
  [ "$DISPLAY" != ":" ] || fail "no virtual display"
  # A loaded machine may name the display before it takes clients.
  for _ in $(seq 100); do
    xwininfo -root >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  fail "the virtual display $DISPLAY takes no clients"
}

end_session() {
  local p
  for p in "${helpers[@]}"; do kill "$p" 2>/dev/null || true; done
  kill "$SORVANE_XVFB_PID" 2>/dev/null || true
}

# True once process $1 handles SIGTERM: from then on a stop is the hack's to
# take, not the default action's.
handles_sigterm() {
  local mask
  mask=$(awk '/^SigCgt:/ { print $2 }' "/proc/$1/status" 2>/dev/null) || return 1
  [ -n "$mask" ] && (((0x$mask >> 14) & 1))
}

wait_for_handler() {
  local end=$((SECONDS + $2))
  while [ $SECONDS -lt $end ]; do
    handles_sigterm "$1" && return 0
    sleep 0.005
  done
  return 1
}

# Milliseconds since the epoch.
now_ms() { echo $(($(date +%s%N) / 1000000)); }

# Waits up to $2 seconds for the picture in the rectangle $3 (WxH+X+Y) of the
# screen to be the sea: water blue in its upper quarter, sand below it.
wait_for_sea() {
  local shot=$1 end=$((SECONDS + $2)) geometry=$3
  while [ $SECONDS -lt $end ]; do
    shoot "$shot"
    sea_in "$shot" "$geometry" && return 0
    sleep 0.5
  done
  return 1
}

sea_in() {
  local crop top bottom w h x y red blue sandRed sandBlue
  read -r w h x y <<<"$(sed -E 's/[x+]/ /g' <<<"$2")"
  crop=$(mktemp --suffix=.png)
  convert "$1" -crop "${w}x$((h / 4))+$x+$y" +repage "$crop"
  read -r red _ blue <<<"$(band_mean "$crop" 0 $((h / 4)))"
  convert "$1" -crop "${w}x$((h / 4))+$x+$((y + h - h / 4))" +repage "$crop"
  read -r sandRed _ sandBlue <<<"$(band_mean "$crop" 0 $((h / 4)))"
  rm -f "$crop"
  is "$blue > $red + 0.2" && is "$sandRed > $red + 0.1"
}

# Runs the hack ($3 on) with its sound captured by ALSA's file plugin into $1
# (a WAV file) until the capture holds 32 MB or $2 seconds have passed. The
# plugin's null device takes the sound far faster than it plays, so the
# capture is cut short by its size.
run_captured() {
  local wav=$1 pid end=$((SECONDS + $2))
  shift 2
  cat >"$wav.conf" <<EOC
pcm.!default { type plug; slave { pcm "capfile"; format S16_LE; rate 44100; channels 2 } }
pcm.capfile { type file; slave.pcm "null"; file "$wav"; format "wav" }
EOC
  ALSA_CONFIG_PATH="/usr/share/alsa/alsa.conf:$wav.conf" "$@" &
  pid=$!
  while [ $SECONDS -lt $end ] && [ "$(stat -c %s "$wav" 2>/dev/null || echo 0)" -lt 33554432 ]; do sleep 0.02; done
  kill -TERM "$pid"
  wait "$pid" || fail "$(basename "$wav"): the hack did not end cleanly"
}

# The loudest sample of a WAV file, 0 … 1.
peak() { sox "$1" -n stat 2>&1 | awk '/^Maximum amplitude/ { print $3 }'; }
