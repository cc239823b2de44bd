#!/usr/bin/env bash
# End to end with sound: the saver runs and ends on a key with sound on, with
# both sounds off, with its files missing and with no audio device. Wine's
# wave-out is captured into WAV files through ALSA's file plugin, and the
# captures show sound with both on, nothing with both off or without files,
# and a quieter sound at Volume 20 than at 100.
set -euo pipefail
scr=$1
shots=$2
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../wine/wine-env.sh"
source "$here/e2e-lib.sh"
capture="$shots/sound"
rm -rf "$capture"
mkdir -p "$capture"
key='HKCU\Software\Quorvel Interactive\Sorvane\Settings'
windir="$WINEPREFIX/drive_c/windows"
restore() {
  wine reg delete "$key" /f >/dev/null 2>&1 || true
  for f in sorvane.ogg svambient.ogg; do
    [ -f "$capture/$f" ] && mv "$capture/$f" "$windir/$f"
  done
  return 0
}
trap restore EXIT
[ -f "$windir/sorvane.ogg" ] && [ -f "$windir/svambient.ogg" ] || fail "the sound files are not in the prefix"

settings() {
  wine reg add "$key" /v PlayMusic /d "$1" /f >/dev/null 2>&1
  wine reg add "$key" /v PlaySound /d "$2" /f >/dev/null 2>&1
  wine reg add "$key" /v Volume /d "$3" /f >/dev/null 2>&1
}

# Runs the saver for two seconds of scene and ends it with a key press; with a name,
# its sound goes to $capture/<name>.wav, without one there is no audio device.
run_saver() {
  local what=$1 name=${2:-} pid window
  if [ -n "$name" ]; then
    cat >"$capture/$name.conf" <<EOF
pcm.!default { type plug; slave { pcm "capfile"; format S16_LE; rate 44100; channels 2 } }
pcm.capfile { type file; slave.pcm "null"; file "$capture/$name.wav"; format "wav" }
EOF
    ALSA_CONFIG_PATH="/usr/share/alsa/alsa.conf:$capture/$name.conf" "$WINELOADER" "$scr" /s >/dev/null 2>&1 &
  else
    "$WINELOADER" "$scr" /s >/dev/null 2>&1 &
  fi
  pid=$!
  window=$(wait_for_window '^Sorvane$' 60) || fail "no saver window ($what)"
  wait_for_scene 60 || fail "no scene ($what)"
  sleep 2
  focus "$window"
  local started
  started=$(date +%s%N)
  xdotool key space
  wait_for_exit "$pid" 3000 || fail "the saver did not end on the key press ($what)"
  echo "$what: ended $(( ($(date +%s%N) - started) / 1000000 )) ms after the key press"
  wait "$pid" || true
}

# RMS amplitude (0 … 1) of a capture; 0 when nothing was written.
level() {
  local file="$capture/$1.wav"
  if [ ! -s "$file" ]; then echo 0; return; fi
  # The samples after the 44-byte header, whatever sizes the header claims.
  tail -c +45 "$file" | sox -t raw -r 44100 -e signed -b 16 -c 2 - -n stat 2>&1 | awk '/^RMS +amplitude/ { print $3 }'
}

settings 0 0 100
run_saver "both sounds on, Volume 100" full
settings 0 0 20
run_saver "both sounds on, Volume 20" quiet
settings 1 1 100
run_saver "both sounds off" off
settings 0 0 100
run_saver "no audio device"
mv "$windir/sorvane.ogg" "$windir/svambient.ogg" "$capture/"
run_saver "the sound files missing" missing
restore

full=$(level full)
quiet=$(level quiet)
off=$(level off)
missing=$(level missing)
echo "RMS: Volume 100 $full, Volume 20 $quiet, both off $off, files missing $missing"
is "$full > 0.02" || fail "no sound came out with both sounds on"
is "$quiet > 0 && $quiet < $full * 0.5" || fail "Volume 20 is not quieter than Volume 100"
is "$off == 0" || fail "sound came out with both sounds off"
is "$missing == 0" || fail "sound came out without the files"
echo "passed"
