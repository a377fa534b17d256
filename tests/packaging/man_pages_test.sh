#!/usr/bin/env bash
# Formats every man page given with groff's warnings on and fails on any
# warning or error, naming the page.
set -uo pipefail
status=0
for page in "$@"; do
  # A fixed width and locale, so line breaking is the same everywhere.
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
  if [ $? -ne 0 ] || [ -n "$warnings" ]; then
    echo "$page: man reports:"
    echo "$warnings"
    status=1
  fi
done
[ $status -eq 0 ] && echo "$# man pages format without warnings"
exit $status
