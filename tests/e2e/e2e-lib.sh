# Sourced by the end-to-end scripts: bounded waits on windows, pixels and
# processes of the virtual display, rather than fixed sleeps.

fail() {
  echo "FAILED: $*" >&2
  exit 1
}

# Prints the first window whose name matches, waiting up to $2 seconds.
wait_for_window() {
  local name=$1 seconds=$2 end=$((SECONDS + $2)) id
  while [ $SECONDS -lt $end ]; do
    id=$(xdotool search --name "$name" 2>/dev/null | head -n 1) && [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}

# Like wait_for_window, but only once the window of process $3 is shown.
wait_for_visible_window() {
  local name=$1 end=$((SECONDS + $2)) pid=$3 id
  while [ $SECONDS -lt $end ]; do
    id=$(xdotool search --all --onlyvisible --pid "$pid" --name "$name" 2>/dev/null | head -n 1) && [ -n "$id" ] &&
      { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}

pixel() { xwd -root -silent | convert xwd:- -format "%[pixel:p{$1,$2}]" info:; }

wait_for_pixel() {
  local end=$((SECONDS + $4))
  while [ $SECONDS -lt $end ]; do
    [ "$(pixel "$1" "$2")" = "$3" ] && return 0
    sleep 0.2
  done
  return 1
}

# xwd walks the windows on the screen and fails when one of them goes away
# meanwhile (Wine makes and drops helper windows as the saver starts): retry.
shoot() {
  local attempt
  for attempt in 1 2 3 4; do
    xwd -root -silent 2>/dev/null | convert xwd:- "$1" 2>/dev/null && return 0
    sleep 0.2
  done
  xwd -root -silent | convert xwd:- "$1"
}

focus() { xdotool windowfocus "$1" 2>/dev/null || true; }

# True when the process is gone (or a zombie) within $2 milliseconds.
wait_for_exit() {
  local pid=$1 end=$(($(date +%s%N) / 1000000 + $2))
  while [ $(($(date +%s%N) / 1000000)) -le $end ]; do
    [ -z "$(ps -o stat= -p "$pid" 2>/dev/null | grep -v Z)" ] && return 0
    sleep 0.02
  done
  return 1
}

# True when a process of this name runs in our Wine prefix (other prefixes on
# the machine are none of our business).
running_in_our_prefix() {
  local pid
  for pid in $(pgrep -x "$1"); do
    tr '\0' '\n' 2>/dev/null <"/proc/$pid/environ" | grep -qxF "WINEPREFIX=$WINEPREFIX" && return 0
  done
  return 1
}

# Mean red, green and blue (0 … 1) of a horizontal band of a screenshot.
band_mean() {
  local file=$1 top=$2 height=$3 width
  width=$(identify -format '%w' "$file")
  convert "$file" -crop "${width}x${height}+0+${top}" +repage -format '%[fx:mean.r] %[fx:mean.g] %[fx:mean.b]' info:
}

# Waits up to $1 seconds for the scene to be drawn: water blue in the upper
# screen. A loaded machine may take several seconds to build the scene.
wait_for_scene() {
  local end=$((SECONDS + $1)) shot red blue
  shot=$(mktemp --suffix=.png)
  while [ $SECONDS -lt $end ]; do
    shoot "$shot"
    read -r red _ blue <<<"$(band_mean "$shot" 0 200)"
    if is "$blue > $red + 0.2"; then rm -f "$shot"; return 0; fi
    sleep 0.5
  done
  rm -f "$shot"
  return 1
}

# Mean absolute difference (0 … 1) of two screenshots.
image_difference() { { compare -metric MAE "$1" "$2" null: 2>&1 || true; } | sed -E "s/.*\((.*)\).*/\1/"; }

# Is a floating-point comparison true? e.g. is "0.2 < 0.5"
is() { [ "$(echo "$*" | bc -l)" = 1 ]; }

# Frames presented per second and the longest gap between two, from a Wine
# trace of d3d8 with timestamps, over its last $2 seconds.
frame_pacing() {
  grep 'd3d8_device_Present' "$1" | awk -F: -v window="$2" '
    { t[NR] = $1 }
    END {
      n = 0; gap = 0
      for (i = NR; i > 1 && t[NR] - t[i - 1] <= window; --i) { d = t[i] - t[i - 1]; if (d > gap) gap = d; ++n }
      printf "%.1f %.3f\n", n / window, gap
    }'
}
