#!/usr/bin/env bash
# Fails when a source file of a layer includes a header of a layer it must not
# depend on (one above it, or beside it), or when a file outside the Qt skin
# includes a Qt header. Usage: check_layers.sh [SOURCE_ROOT]
set -euo pipefail
root=${1:-$(dirname "$0")/..}

# What each layer may include besides itself: folders, or single headers.
# The batch calculator prints PDF through the Qt printer back end, behind a
# header free of Qt.
declare -A may_include=(
  [toolkit]=""
  [catalogue]="toolkit"
  [print]="toolkit"
  [engine]="toolkit catalogue"
  [windows]="toolkit catalogue engine print"
  [network]="toolkit catalogue engine print windows"
  [qt]="toolkit catalogue engine print windows network"
  [cli]="toolkit catalogue engine print windows network qt/pdf_printouts.h"
)

faults=0
for layer in "${!may_include[@]}"; do
  [[ -d $root/$layer ]] || continue
  while IFS=: read -r file line include; do
    header=$(sed -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]([^">]*)[">].*/\1/' <<<"$include")
    case $include in
      *'<Q'*|*'<qt'*)
        if [[ $layer != qt ]]; then
          echo "$file:$line: Qt header <$header> outside qt/"
          faults=$((faults + 1))
        fi
        continue ;;
      *'<'*) continue ;;  # the standard library and the system
    esac
    target=${header%%/*}
    [[ $header == */* ]] || continue  # a header of the same folder
    [[ $target == "$layer" ]] && continue
    allowed=false
    for entry in ${may_include[$layer]}; do
      [[ $entry == "$target" || $entry == "$header" ]] && allowed=true
    done
    if ! $allowed; then
      echo "$file:$line: $layer/ must not include \"$header\""
      faults=$((faults + 1))
    fi
  done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include' "$root/$layer" --include='*.h' --include='*.cpp' || true)
done

if ((faults > 0)); then
  echo "$faults include(s) against the layers"
  exit 1
fi
