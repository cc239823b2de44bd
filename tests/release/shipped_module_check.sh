#!/usr/bin/env bash
# What ships must be the 32-bit module: a PE32 i386 GUI program that imports
# only DLLs every Windows has, so that neither the 64-bit test twin nor a
# MinGW runtime DLL can slip into a release. Reads the file itself.
set -euo pipefail
module=$1
headers=$(i686-w64-mingw32-objdump -f -p "$module")

fail() { echo "FAILED: $module: $*" >&2; exit 1; }
grep -q 'file format pei-i386' <<<"$headers" || fail "not a 32-bit i386 PE module"
grep -qE '^Magic[[:space:]]+010b[[:space:]]+\(PE32\)' <<<"$headers" || fail "not PE32"
grep -qE '^Subsystem[[:space:]]+00000002[[:space:]]+\(Windows GUI\)' <<<"$headers" || fail "not a GUI module"

system_dlls='^(kernel32|user32|gdi32|advapi32|shell32|comctl32|winmm|msvcrt|ole32|oleaut32|shlwapi|version)\.dll$'
imports=$(sed -nE 's/^[[:space:]]*DLL Name: (.*)$/\1/p' <<<"$headers" | tr 'A-Z' 'a-z' | sort -u)
[ -n "$imports" ] || fail "no import table"
while read -r dll; do
  grep -qE "$system_dlls" <<<"$dll" || fail "imports $dll, which Windows does not ship"
done <<<"$imports"
echo "$module: PE32 i386 GUI module importing $(tr '\n' ' ' <<<"$imports")"
