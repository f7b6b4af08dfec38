#!/usr/bin/env bash
# Every option that `vexa-calc --help` names is described in its manual page.
#   check_man_pages.sh VEXA_CALC MAN_PAGE
set -euo pipefail
page=$(sed 's/\\-/-/g' "$2")
options=$("$1" --help | grep -o -- '--[a-z0-9]*\(-[a-z0-9]\+\)*' | sort -u)
[ -n "$options" ] || { echo "check_man_pages: $1 --help names no option"; exit 1; }
missing=0
for option in $options; do
  # A whole option: --profile is not found inside --profile-dxf.
  if ! grep -qE -- "${option}([^a-z0-9-]|-[^a-z0-9]|$)" <<<"$page"; then
    echo "check_man_pages: $option is not in $2"
    missing=1
  fi
done
exit $missing
