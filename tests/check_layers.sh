#!/usr/bin/env bash
# Fails when a source file of a layer includes a header of a layer it must not
# depend on (one above it, one beside it, or the tests' support), when a file
# outside the Qt skin includes a Qt header, or when an include names no file.
# Usage: check_layers.sh [SOURCE_ROOT]
set -euo pipefail
root=${1:-$(dirname "$0")/..}
if [[ ! -d $root/toolkit ]]; then
  echo "$root: no toolkit/ folder, not a source tree"
  exit 2
fi

# What each layer may include besides itself: folders, or single headers.
# vexa-calc reaches the output back ends only through the network's
# interface, and opens them as a module.
declare -A may_include=(
  [toolkit]=""
  [catalogue]="toolkit"
  [print]="toolkit"
  [engine]="toolkit catalogue"
  [windows]="toolkit catalogue engine print"
  [batch]="toolkit catalogue engine print windows"
  [drawing]="toolkit print"
  [network]="toolkit catalogue engine print windows batch drawing"
  [network_window]="toolkit catalogue engine print windows batch drawing network"
  [qt]="toolkit catalogue engine print windows batch drawing network network_window"
  [cli]="toolkit catalogue engine print windows batch network"
)
project_folders=" ${!may_include[*]} support tests "

faults=0
fault() {
  echo "$1"
  faults=$((faults + 1))
}
is_qt_header() {
  [[ $1 =~ ^Q[A-Za-z]*(/|$) || $1 =~ ^q[a-z0-9_]*\.h$ ]]
}

# The includes of FILE as "line:header:bracket", bracket < or ".
includes_of() {
  grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]' "$1" |
    sed -nE 's/^([0-9]+):[[:space:]]*#[[:space:]]*include[[:space:]]*([<"])([^">]*)[">].*/\1:\3:\2/p' || true
}

for layer in "${!may_include[@]}"; do
  [[ -d $root/$layer ]] || continue
  while IFS= read -r -d '' file; do
    while IFS=: read -r line header bracket; do
      where="${file#"$root"/}:$line"
      if is_qt_header "$header"; then
        [[ $layer == qt ]] || fault "$where: Qt header <$header> outside qt/"
        continue
      fi
      if [[ $header != */* ]]; then
        # Only a header of the same folder may go without its layer.
        [[ $bracket == '<' || -f $(dirname "$file")/$header ]] ||
          fault "$where: \"$header\" is not a header of this folder; name it with its layer"
        continue
      fi
      target=${header%%/*}
      [[ $target == .. ]] && { fault "$where: \"$header\" climbs out of the folder; name it with its layer"; continue; }
      [[ $project_folders == *" $target "* ]] || continue  # a system header such as <sys/stat.h>
      [[ $target == "$layer" ]] && continue
      allowed=false
      for entry in ${may_include[$layer]}; do
        [[ $entry == "$target" || $entry == "$header" ]] && allowed=true
      done
      $allowed || fault "$where: $layer/ must not include \"$header\""
    done < <(includes_of "$file")
  done < <(find "$root/$layer" -type f \( -name '*.h' -o -name '*.cpp' \) -print0)
done

if ((faults > 0)); then
  echo "$faults include(s) against the layers"
  exit 1
fi
