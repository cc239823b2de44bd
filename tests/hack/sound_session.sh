#!/usr/bin/env bash
# The hack's sound through ALSA, captured into WAV files by ALSA's file plugin:
# with --music the capture is the music file's samples (found in the data
# folder beside the hack), scaled by --volume; with --sound the sea's; with
# neither the device is never opened, and in a window it is handed (the
# settings dialog's preview) it stays silent whatever it is asked.
set -euo pipefail
hack=$1
shots=$2
here=$(cd "$(dirname "$0")" && pwd)
source "$here/hack-lib.sh"
data=$(dirname "$hack")/generated
capture="$shots/hack-sound"
rm -rf "$capture"
mkdir -p "$capture"
own_display
trap end_session EXIT

# Largest difference, in 16-bit steps, over one second between a capture and
# an Ogg file decoded at a volume, both from where they first grow louder than
# 1 % (the null device takes the silence before the stream plays as fast as
# the rest); a sample's shift either way is allowed for where they cross it.
largest_difference() {
  local wav=$1 ogg=$2 volume=$3
  sox "$wav" -t s16 "$capture/captured.raw" silence 1 1 1% trim 0 1
  sox -D -v "$volume" "$ogg" -b 16 -t s16 "$capture/decoded.raw" silence 1 1 1% trim 0 1
  paste <(od -An -td2 -w2 -v "$capture/captured.raw") <(od -An -td2 -w2 -v "$capture/decoded.raw") |
    awk '
      { c[NR] = $1; d[NR] = $2 }
      END {
        best = 65536
        for (shift = -4; shift <= 4; shift += 2) {
          worst = 0
          for (i = 9; i <= NR - 8; ++i) { x = c[i + shift] - d[i]; if (x < 0) x = -x; if (x > worst) worst = x }
          if (worst < best) best = worst
        }
        print (NR < 80000 ? 65536 : best)
      }'
}

run_captured "$capture/music.wav" 60 "$hack" --window --music --volume 100
[ -s "$capture/music.wav" ] || fail "no sound with --music"
is "$(peak "$capture/music.wav") > 0.05" || fail "the music capture is silent"
difference=$(largest_difference "$capture/music.wav" "$data/sorvane.ogg" 1)
echo "music at volume 100 against sorvane.ogg: largest difference $difference"
is "$difference <= 3" || fail "the capture is not the music"

run_captured "$capture/sea.wav" 60 "$hack" --window --sound --volume 40
difference=$(largest_difference "$capture/sea.wav" "$data/svambient.ogg" 0.4)
echo "sea at volume 40 against svambient.ogg at 0.4: largest difference $difference"
is "$difference <= 3" || fail "the capture is not the sea at volume 40"

run_captured "$capture/silent.wav" 4 "$hack" --window
[ ! -e "$capture/silent.wav" ] || fail "the device was opened with music and sound off"

xlogo -geometry 320x240+0+0 2>/dev/null &
helpers+=("$!")
given=$(wait_for_window '^xlogo$' 30) || fail "no xlogo window"
run_captured "$capture/preview.wav" 4 "$hack" --window-id "$given" --music --sound
[ ! -e "$capture/preview.wav" ] || fail "the preview played sound"
rm -f "$capture"/*.wav "$capture"/*.raw
echo "passed"
