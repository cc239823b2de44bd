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

pixel() { xwd -root -silent | convert xwd:- -format "%[pixel:p{$1,$2}]" info:; }

wait_for_pixel() {
  local end=$((SECONDS + $4))
  while [ $SECONDS -lt $end ]; do
    [ "$(pixel "$1" "$2")" = "$3" ] && return 0
    sleep 0.2
  done
  return 1
}

shoot() { xwd -root -silent | convert xwd:- "$1"; }

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
