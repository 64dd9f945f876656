#!/usr/bin/env bash
# Fails when the man page leaves out an option that `varnel-report --help`
# lists. Usage: check-man-options.sh VARNEL_REPORT MAN_PAGE
set -euo pipefail
report="$1" page="$2"
# The page writes dashes as \- in roff.
text="$(sed 's/\\-/-/g' "$page")"
missing=0
while read -r option; do
  if ! grep -qF -- "$option" <<< "$text"; then
    echo "$page does not describe $option" >&2
    missing=1
  fi
done < <(QT_QPA_PLATFORM=offscreen "$report" --help | grep -oE -- '--[a-z][a-z-]*' | sort -u)
exit "$missing"
