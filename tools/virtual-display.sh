# Sourced: starts an Xvfb display of its own (1024 × 768, 24 bits) and stops it.
start_virtual_display() {
  local fd_file
  fd_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fd_file" >/dev/null 2>&1 &
  SORVANE_XVFB_PID=$!
  for _ in $(seq 100); do
    [ -s "$fd_file" ] && break
    sleep 0.1
  done
  export DISPLAY=":$(head -n 1 "$fd_file")"
  rm -f "$fd_file"
}

stop_virtual_display() {
  wineserver -k >/dev/null 2>&1 || true
  [ -n "${SORVANE_XVFB_PID:-}" ] && kill "$SORVANE_XVFB_PID" >/dev/null 2>&1 || true
}
