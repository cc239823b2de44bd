#!/usr/bin/env bash
# End to end: SorvaneSetup.exe under Wine, in a prefix of its own. A silent
# install puts every file (the licence beside the uninstaller among them) and
# value in place and the installed saver runs from the system folder with its
# sounds where it looks; an install over it through the pages (English) keeps
# the settings and one program entry and makes Sorvane the screensaver; the first page is shot in English and Russian; a silent
# uninstall leaves the files and the registry as they were before; asked, the
# uninstaller removes the settings too.
# Arguments: the module, the screenshot folder, and the NSIS target of the
# installer to make around the module (by default the one that fits it).
set -euo pipefail
scr=$1
shots=$2
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$(dirname "$scr")" && pwd)
generated=$build/generated
pe=$(od -An -t u4 -j 60 -N 4 "$scr" | tr -d ' ')
if [ "$(od -An -t x2 -j $((pe + 4)) -N 2 "$scr" | tr -d ' ')" = 8664 ]; then
  fitting=amd64-unicode
else
  fitting=x86-unicode
fi
target=${3:-$fitting}
export WINEPREFIX=$build/wineprefix-installer
source "$here/../wine/wine-env.sh"
source "$here/e2e-lib.sh"
# The sounds other sessions get put in the Windows folder are for the
# installer to put there here.
rm -f "$WINEPREFIX/drive_c/windows/sorvane.ogg" "$WINEPREFIX/drive_c/windows/svambient.ogg"
mkdir -p "$shots"
work=$(mktemp -d)
# The prefix is this test's own: whatever still runs in it at the end goes.
trap 'wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT

for f in sorvane.ogg svambient.ogg sorvane.ico installer.bmp License.txt; do
  [ -f "$generated/$f" ] || fail "$generated/$f is missing: build the installer target first"
done
setup=$work/SorvaneSetup.exe
makensis -V2 -INPUTCHARSET UTF8 -DTARGET="$target" -DMODULE="$scr" -DGENERATED="$generated" \
  -DOUTFILE="$setup" "$here/../../installer/Sorvane.nsi" >/dev/null
echo "installer ($target): $(stat -c %s "$setup") bytes"
# The build wraps its module in the installer that fits it.
if [ -f "$build/SorvaneSetup.exe" ] && [ "$target" = "$fitting" ]; then
  cmp -s "$setup" "$build/SorvaneSetup.exe" ||
    fail "the build's SorvaneSetup.exe differs from one made again from the same inputs"
fi

if [ "$target" = x86-unicode ]; then view=/reg:32; else view=/reg:64; fi
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Sorvane'
desktop_key='HKCU\Control Panel\Desktop'
settings_key='HKCU\Software\Quorvel Interactive\Sorvane'
# Prints a value's data ("" when absent).
value() { { wine reg query "$1" /v "$2" $view 2>/dev/null || true; } | tr -d '\r' | sed -n "s/^    $2    [A-Z_]*    //p"; }
# A path on drive C as seen from here (the program folders keep their case).
unix_path() { local p=${1#C:\\}; echo "$WINEPREFIX/drive_c/${p//\\//}"; }
ms_since() { echo $((($(date +%s%N) - $1) / 1000000)); }
# Waits until the uninstaller has removed itself and its copy (it relaunches
# itself from a temp folder as Un.exe) has ended.
wait_for_uninstaller() {
  local end=$((SECONDS + 60))
  while [ -e "$(unix_path "$uninstaller")" ] || running_in_our_prefix Un.exe; do
    [ $SECONDS -lt $end ] || fail "the uninstaller did not end within 60 s"
    sleep 0.05
  done
}
# The files of drive C and both registry hives as sorted "key<TAB>value" lines.
# Left out: what Wine rewrites on every start (device enumeration, network
# cards, the audio endpoints and driver state it keeps once a program has
# opened a sound device, its own settings), the fonts it registers on a
# prefix's first window, and the uninstaller's temp copy, which Windows too
# removes only at the next restart (its folder and the
# PendingFileRenameOperations naming it).
snapshot() {
  wineserver -w
  (cd "$WINEPREFIX/drive_c" && find . | grep -v '/Temp/~nsu[^/]*\.tmp' | sort) >"$work/files-$1"
  for hive in system user; do
    awk '/^#/ { next } /^\[/ { key = $0; sub(/\] [0-9]+$/, "]", key); print key; next } NF { print key "\t" $0 }' \
      "$WINEPREFIX/$hive.reg" |
      grep -Ev '^\[(System\\\\CurrentControlSet\\\\(Control\\\\Class|Enum)|Software\\\\Microsoft\\\\Windows NT\\\\CurrentVersion\\\\NetworkCards|Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\MMDevices\\\\|Software\\\\Wine\\\\|Software\\\\(Wow6432Node\\\\)?Microsoft\\\\Windows( NT)?\\\\CurrentVersion\\\\Fonts])' |
      grep -Ev 'PendingFileRenameOperations.*~nsu' | sort >"$work/$hive-$1" || true
  done
}
# Shoots the installer's window once it has been shown.
shoot_first_page() {
  local window
  window=$(wait_for_window_class sorvanesetup 60) || fail "no installer window appeared ($1)"
  sleep 1.5
  eval "$(xdotool getwindowgeometry --shell "$window")"
  xwd -root -silent | convert xwd:- -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$shots/installer-$1.png"
  echo "screenshot: $shots/installer-$1.png" >&2
  echo "$window"
}
wait_for_window_class() {
  local end=$((SECONDS + $2)) id
  while [ $SECONDS -lt $end ]; do
    id=$(xdotool search --onlyvisible --class "$1" 2>/dev/null | head -n 1) && [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}

# A left-over install from an interrupted run goes first.
uninstaller=$(value "$uninstall_key" UninstallString | tr -d '"')
if [ -n "$uninstaller" ]; then
  wine "$uninstaller" /S
  wait_for_uninstaller
fi
# A user with an earlier screensaver and an earlier Sorvane setting.
earlier_saver='C:\windows\system32\scrnsave.scr'
wine reg add "$desktop_key" /v SCRNSAVE.EXE /d "$earlier_saver" /f >/dev/null
wine reg add "$settings_key\\Settings" /v Volume /d 35 /f >/dev/null
snapshot before

# Silent install.
started=$(date +%s%N)
wine "$setup" /S || fail "the silent install failed ($?)"
echo "silent install: $(ms_since "$started") ms"
# A 32-bit installer on 64-bit Windows reaches SysWOW64 as its system folder.
drive=$WINEPREFIX/drive_c
if [ "$target" = x86-unicode ] && [ -d "$drive/windows/syswow64" ]; then
  saver='C:\windows\SysWOW64\Sorvane.scr' saver_dir=syswow64
else
  saver='C:\windows\system32\Sorvane.scr' saver_dir=system32
fi
cmp -s "$scr" "$drive/windows/$saver_dir/Sorvane.scr" || fail "Sorvane.scr is not in the system folder"
for f in sorvane.ogg svambient.ogg; do
  cmp -s "$generated/$f" "$drive/windows/$f" || fail "$f is not in the Windows folder"
done
uninstaller=$(value "$uninstall_key" UninstallString | tr -d '"')
[ -f "$(unix_path "$uninstaller")" ] || fail "no uninstaller at $uninstaller"
# The licence beside the uninstaller starts with the project's own.
licence=$(dirname "$(unix_path "$uninstaller")")/License.txt
cmp -s "$generated/License.txt" "$licence" || fail "no License.txt beside the uninstaller"
head -c "$(stat -c %s "$here/../../LICENSE")" <(tr -d '\r' <"$licence") | cmp -s - "$here/../../LICENSE" ||
  fail "License.txt does not start with the project's licence"
[ "$(value "$uninstall_key" DisplayName)" = Sorvane ] || fail "wrong DisplayName"
[ "$(value "$uninstall_key" DisplayVersion)" = 2.9.94 ] || fail "wrong DisplayVersion"
[ "$(value "$uninstall_key" Publisher)" = "Quorvel Interactive" ] || fail "wrong Publisher"
[ "$(value "$uninstall_key" DisplayIcon)" = "$saver,0" ] || fail "the icon is not the installed saver's"
[ "$(value "$uninstall_key" QuietUninstallString)" = "\"$uninstaller\" /S" ] || fail "wrong QuietUninstallString"
kb=$(($(value "$uninstall_key" EstimatedSize)))
bytes=$(($(stat -c %s "$scr") + $(stat -c %s "$generated/sorvane.ogg") + $(stat -c %s "$generated/svambient.ogg") +
  $(stat -c %s "$generated/License.txt")))
[ $((kb * 1024)) -ge "$bytes" ] && [ $((kb * 1024)) -lt $((bytes + 4096)) ] ||
  fail "EstimatedSize $kb KB does not fit the $bytes bytes installed"
[ "$(value "$desktop_key" SCRNSAVE.EXE)" = "$earlier_saver" ] || fail "a silent install changed the screensaver"

# The installed saver runs from the system folder and plays the sounds it
# finds in the Windows folder: it holds both files open while they play.
"$WINELOADER" "$saver" /s >/dev/null 2>&1 &
pid=$!
window=$(wait_for_window '^Sorvane$' 60) || fail "the installed saver showed no window"
wait_for_scene 60 || fail "the installed saver drew no scene within 60 s"
opened=$(ls -l "/proc/$pid/fd" 2>/dev/null | sed -n 's/.* -> //p')
for f in sorvane.ogg svambient.ogg; do
  grep -qxF "$(readlink -f "$drive/windows/$f")" <<<"$opened" || fail "the installed saver does not play $f from the Windows folder"
done
focus "$window"
xdotool key space
wait_for_exit "$pid" 10000 || fail "the installed saver did not end on a key press"
wait "$pid" || true

# An install over the install, through its pages in English, with the finish
# page's offer taken as it stands (checked).
env LC_ALL=en_US.UTF-8 "$WINELOADER" "$setup" &
pid=$!
window=$(shoot_first_page english | tail -n 1)
focus "$window"
end=$((SECONDS + 60))
while ! wait_for_exit "$pid" 500; do
  [ $SECONDS -lt $end ] || fail "the installer's pages did not come to an end"
  focus "$window"
  xdotool key Return
done
wait "$pid" || fail "the install through the pages failed"
[ "$(value "$desktop_key" SCRNSAVE.EXE)" = "$saver" ] || fail "the finish page did not make Sorvane the screensaver"
[ "$(value "$settings_key" PreviousScreenSaver)" = "$earlier_saver" ] || fail "the earlier screensaver was not kept"
[ "$(value "$settings_key\\Settings" Volume)" = 35 ] || fail "the install over the install lost the settings"
entries=$(wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s $view 2>/dev/null |
  tr -d '\r' | grep -c '^    DisplayName    REG_SZ    Sorvane$' || true)
[ "$entries" = 1 ] || fail "$entries program entries after an install over the install"

# The first page in Russian, then cancelled.
env LC_ALL=ru_RU.UTF-8 "$WINELOADER" "$setup" &
pid=$!
window=$(shoot_first_page russian | tail -n 1)
focus "$window"
xdotool key Escape
wait_for_exit "$pid" 10000 || fail "the Russian installer did not end on Escape"
wait "$pid" || true
difference=$(image_difference "$shots/installer-english.png" "$shots/installer-russian.png")
is "$difference > 0.005" || fail "the Russian first page looks like the English one ($difference)"

# Silent uninstall: everything as before, the earlier screensaver back and
# the settings kept; Sorvane counts as chosen in any letter case.
wine reg add "$desktop_key" /v SCRNSAVE.EXE /d "$(tr 'a-z' 'A-Z' <<<"$saver")" /f >/dev/null
started=$(date +%s%N)
wine "$uninstaller" /S
wait_for_uninstaller
echo "silent uninstall: $(ms_since "$started") ms"
snapshot after
for part in files system user; do
  diff "$work/$part-before" "$work/$part-after" >&2 || fail "the uninstall left $part changed (above)"
done

# Asked through its pages, the uninstaller removes the settings too.
wine "$setup" /S
"$WINELOADER" "$uninstaller" &
window=$(wait_for_window_class '^un\.exe$' 60) || fail "no uninstaller window appeared"
focus "$window"
xdotool key Return
end=$((SECONDS + 60))
until question=$(xdotool search --onlyvisible --class '^un\.exe$' | grep -vx "$window" | head -n 1) && [ -n "$question" ]; do
  [ $SECONDS -lt $end ] || fail "the uninstaller did not ask about the settings"
  sleep 0.1
done
focus "$question"
xdotool key y
end=$((SECONDS + 60))
while running_in_our_prefix Un.exe; do
  [ $SECONDS -lt $end ] || fail "the uninstaller's pages did not come to an end"
  focus "$window"
  xdotool key Return
  sleep 0.5
done
wine reg query 'HKCU\Software\Quorvel Interactive' >/dev/null 2>&1 && fail "the settings were kept though their removal was asked for"
echo "passed"
