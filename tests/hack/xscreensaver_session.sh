#!/usr/bin/env bash
# A real client: Debian's xscreensaver on a display of its own, run by an
# ordinary user (it launches no hack as root), with the hack from the Debian
# package in its programs list. The package holds the hack, its settings XML
# and the two Ogg files where Debian's xscreensaver looks; the hack runs from
# the unpacked package, where it finds its music. `xscreensaver-command
# -activate` shows the sea, `-deactivate` ends the hack within a second, and no
# process of it is left.
set -euo pipefail
hack=$1
shots=$2
here=$(cd "$(dirname "$0")" && pwd)
source "$here/hack-lib.sh"
build=$(cd "$(dirname "$hack")" && pwd)
[ "$(id -u)" -eq 0 ] || fail "needs root, to run xscreensaver as an ordinary user"
mkdir -p "$shots"
user=sorvane-saver
id "$user" >/dev/null 2>&1 || useradd -m "$user"
home=$(getent passwd "$user" | cut -d: -f6)
unpacked=$(mktemp -d)
chmod 755 "$unpacked"
cleanup() {
  # The user is this session's own: whatever runs as it, the session started.
  pkill -TERM -u "$user" 2>/dev/null || true
  end_session
  rm -rf "$unpacked"
}
trap cleanup EXIT

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$unpacked/package" >/dev/null 2>&1 || fail "cpack failed"
deb=$(ls "$unpacked"/package/sorvane_*.deb)
contents=$(dpkg-deb -c "$deb" | awk '{ print $6 }')
for f in ./usr/libexec/xscreensaver/sorvane ./usr/share/xscreensaver/config/sorvane.xml \
  ./usr/share/sorvane/sorvane.ogg ./usr/share/sorvane/svambient.ogg; do
  grep -qx -- "$f" <<<"$contents" || fail "the package lacks $f"
done
dpkg-deb -f "$deb" Depends | grep -q libasound2 || fail "the package does not depend on libasound2"
dpkg-deb -x "$deb" "$unpacked/root"
installed="$unpacked/root/usr/libexec/xscreensaver/sorvane"

own_display
# Its music shows that the hack found the Ogg files in the package's data folder.
run_captured "$unpacked/music.wav" 60 "$installed" --window --music
is "$(peak "$unpacked/music.wav") > 0.05" || fail "no music from the installed hack"

cat >"$home/.xscreensaver" <<EOF
mode: one
selected: 0
lock: False
fade: False
unfade: False
splash: False
programs: GL: $installed --root \n\

EOF
chown "$user" "$home/.xscreensaver"
runuser -u "$user" -- env DISPLAY="$DISPLAY" HOME="$home" xscreensaver -no-splash >"$shots/xscreensaver.log" 2>&1 &
ready=0
for _ in $(seq 100); do
  runuser -u "$user" -- env DISPLAY="$DISPLAY" xscreensaver-command -time >/dev/null 2>&1 && { ready=1; break; }
  sleep 0.1
done
[ $ready -eq 1 ] || fail "xscreensaver did not come up"

runuser -u "$user" -- env DISPLAY="$DISPLAY" xscreensaver-command -activate >/dev/null
hack_pid=
for _ in $(seq 200); do
  hack_pid=$(pgrep -u "$user" -x sorvane | head -n 1) && [ -n "$hack_pid" ] && break
  sleep 0.1
done
[ -n "$hack_pid" ] || { cat "$shots/xscreensaver.log" >&2; fail "xscreensaver started no sorvane"; }
wait_for_sea "$shots/hack-xscreensaver.png" 60 1024x768+0+0 || fail "the sea never showed"
echo "screenshot: $shots/hack-xscreensaver.png"

started=$(now_ms)
runuser -u "$user" -- env DISPLAY="$DISPLAY" xscreensaver-command -deactivate >/dev/null
wait_for_exit "$hack_pid" 1000 || fail "the hack was still running 1 s after -deactivate"
echo "the hack ended $(($(now_ms) - started)) ms after -deactivate"
sleep 0.5
# A zombie whose parent went first is no process left running.
left=$(ps -u "$user" -o stat=,comm= | awk '$2 == "sorvane" && $1 !~ /^Z/')
[ -z "$left" ] || fail "a sorvane process is left: $left"
echo "passed"
