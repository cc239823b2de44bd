#!/usr/bin/env bash
# The Debian package as Debian's own tools see it. lintian finds no error and
# no warning. The manual page renders without a warning and lists exactly the
# options the hack takes: each is accepted with the value the page shows, each
# range is the one the hack brings values into, each default the one its usage
# gives. The changelog's latest entry is the package's version. dpkg installs
# it into an empty root, where it puts exactly the files the README lists.
set -euo pipefail
hack=$1
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../e2e/e2e-lib.sh"
build=$(cd "$(dirname "$hack")" && pwd)
readme=$here/../../README.md
[ "$(id -u)" -eq 0 ] || fail "needs root, for dpkg"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/package" >/dev/null 2>&1 || fail "cpack failed"
deb=$(ls "$work"/package/sorvane_*.deb)
lintian_status=0
lintian --display-info --fail-on error,warning "$deb" >"$work/lintian.txt" 2>&1 || lintian_status=$?
grep -v 'running with root privileges' "$work/lintian.txt" || true
[ $lintian_status -eq 0 ] || fail "lintian reports errors or warnings (above)"

root=$work/root
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
touch "$root/var/lib/dpkg/status"
# The empty root has none of the libraries the hack depends on.
dpkg --root="$root" --force-depends -i "$deb" >/dev/null 2>&1 || fail "dpkg could not install the package"
installed=$(cd "$root" && find usr -type f | sed 's|^|/|' | sort)
listed=$(grep -o '`/usr/[^`]*[^/`]`' "$readme" | tr -d '`' | sort -u)
[ "$installed" = "$listed" ] ||
  fail "the package installs other files than the README lists: $(diff <(echo "$listed") <(echo "$installed") | grep '^[<>]')"

latest=$(zcat "$root/usr/share/doc/sorvane/changelog.gz" | sed -n '1s/^sorvane (\([^)]*\)).*/\1/p')
[ "$latest" = "$(dpkg-deb -f "$deb" Version)" ] || fail "the changelog's latest entry is $latest, not the package's version"

page=$root/usr/share/man/man6/sorvane.6.gz
warnings=$(MANWIDTH=80 man -l --warnings "$page" 2>&1 >"$work/page.txt") || fail "man could not render the page"
[ -z "$warnings" ] || fail "man warns about the page: $warnings"
for section in NAME SYNOPSIS OPTIONS ENVIRONMENT FILES "EXIT STATUS"; do
  grep -qx "$section" "$work/page.txt" || fail "the rendered page has no $section"
done

# The page's options as name|argument|low|high|default, from its OPTIONS
# section: each item a .TP, then a .B line with the option, then its text.
zcat "$page" | awk '
  function flush() { if (name != "") print name "|" arg "|" low "|" high "|" def; name = "" }
  /^\.SH/ { flush(); options = ($0 ~ /^\.SH OPTIONS/); next }
  !options { next }
  /^\.TP/ { flush(); item = 1; next }
  item && /^\.B \\-\\-/ {
    line = $0; gsub(/\\-/, "-", line)
    name = line; sub(/^\.B --/, "", name); sub(/[ \\].*/, "", name)
    arg = (line ~ /\\fI/); low = high = def = ""; item = 0; next
  }
  name != "" && match($0, /Range: -?[0-9]+ to [0-9]+/) {
    split(substr($0, RSTART + 7, RLENGTH - 7), r, " to "); low = r[1]; high = r[2]
  }
  name != "" && match($0, /Default: [^.]+/) { def = substr($0, RSTART + 9, RLENGTH - 9) }
  END { flush() }' >"$work/page-options"
[ -s "$work/page-options" ] || fail "no options found on the page"

# The usage: each option, its range (L..H) and its default, "(D)", one word, at the end.
"$hack" --help | sed -n 's/^  --//p' | awk '{
  range = ""; if (match($0, /[0-9]+\.\.[0-9]+/)) range = substr($0, RSTART, RLENGTH)
  def = ""; if (match($0, /\([^() ]+\)$/)) def = substr($0, RSTART + 1, RLENGTH - 2)
  print $1 "|" range "|" def }' >"$work/usage-options"

while IFS='|' read -r name range def; do
  entry=$(grep "^$name|" "$work/page-options") || fail "the page lacks --$name, which the usage lists"
  IFS='|' read -r _ _ low high page_def <<<"$entry"
  [ -z "$range" ] || [ "$range" = "$low..$high" ] || fail "--$name: the page gives $low to $high, the usage $range"
  [ -z "$def" ] || [ "$def" = "$page_def" ] || fail "--$name: the page's default is '$page_def', the usage's '$def'"
done <"$work/usage-options"

# Each option of the page, with a value where the page shows one, is taken:
# the hack stops only at the unknown word after it (--help at itself).
too_low=() too_high=()
while IFS='|' read -r name arg low high def; do
  value=()
  if [ "$arg" = 1 ]; then
    if [ -n "$low" ]; then value=("$low"); elif [ -n "$def" ]; then value=("$def"); else value=(1); fi
  fi
  set +e
  out=$("$hack" "--$name" "${value[@]}" --no-such-option 2>&1)
  status=$?
  set -e
  if [ "$name" = help ]; then
    [ $status -eq 0 ] && grep -q '^usage: sorvane' <<<"$out" || fail "--help printed no usage"
  else
    [ $status -eq 2 ] && grep -q "unknown option '--no-such-option'" <<<"$out" ||
      fail "--$name ${value[*]} is not taken as the page shows it: $(head -n 1 <<<"$out")"
  fi
  if [ -n "$low" ]; then
    too_low+=("--$name" $((low - 1)))
    too_high+=("--$name" $((high + 1)))
  fi
done <"$work/page-options"

# Values just outside each range of the page come back as its ends. Without a
# display the hack ends after the warnings.
for values in too_low too_high; do
  declare -n list=$values
  out=$(env -u DISPLAY "$hack" "${list[@]}" --window 2>&1) && fail "the hack ran without a display"
  for ((i = 0; i < ${#list[@]}; i += 2)); do
    name=${list[i]#--}
    IFS='|' read -r _ _ low high _ <<<"$(grep "^$name|" "$work/page-options")"
    if [ $values = too_low ]; then end=$low; else end=$high; fi
    grep -qF -- "--$name ${list[i + 1]} is outside $low to $high: using $end" <<<"$out" ||
      fail "--$name ${list[i + 1]}: the hack does not keep to $low to $high"
  done
done
echo "passed: $(wc -l <"$work/page-options") options, $(wc -l <<<"$installed") files installed"
