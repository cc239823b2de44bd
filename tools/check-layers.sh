#!/usr/bin/env bash
# The product's folders in layer order, lowest first: a file may include its
# own folder and the folders below it, never one above it nor anything that
# is not a product folder (the tests' and tools' code). Prints every upward
# include and fails when there is one.
set -euo pipefail
cd "$(dirname "$0")/.."

layers=(resources base device d3dx fishlife scene render sound settings saver shell)

declare -A rank
for i in "${!layers[@]}"; do rank[${layers[$i]}]=$i; done

status=0
for folder in "${layers[@]}"; do
  [ -d "$folder" ] || continue
  while IFS= read -r hit; do
    file=${hit%%:*}
    included=$(sed -E 's/^[^:]*:[0-9]+:#include "([^"]*)".*/\1/' <<<"$hit")
    # A name without a folder is a neighbour in the same folder.
    [[ $included == */* ]] || continue
    top=${included%%/*}
    if [[ -z ${rank[$top]+set} ]] || ((rank[$top] > rank[$folder])); then
      echo "${hit%%:#include*}: $folder/ includes $included"
      status=1
    fi
  done < <(grep -rnE --include='*.h' --include='*.cpp' '^#include "' "$folder" || true)
done
if ((status == 0)); then echo "layers: every include points down (${layers[*]})"; fi
exit $status
