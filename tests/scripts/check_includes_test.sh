#!/usr/bin/env bash
# The include check passes on the tree as it is and catches each kind of
# wrong-way include planted in a copy of it.
set -u
root=$(cd "$(dirname "$0")/../.." && pwd)
check=$root/scripts/check-includes
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0

"$check" "$root/src" >/dev/null || { echo "FAIL: the tree itself does not pass"; failures=$((failures + 1)); }

# Each case: the file to plant in, the line planted, what the message must name.
planted() {
  local file=$1 line=$2 expected=$3
  rm -rf "$tmp/src" && cp -r "$root/src" "$tmp/src"
  printf '%s\n' "$line" >>"$tmp/src/$file"
  local output
  output=$("$check" "$tmp/src" 2>&1)
  if [ $? -eq 1 ] && grep -qF "$expected" <<<"$output"; then
    echo "ok: $file catches $line"
  else
    echo "FAIL: $file with $line was not caught: $output"
    failures=$((failures + 1))
  fi
}
planted core/base/text.cpp '#include <QString>' 'the core includes the Qt header <QString>'
planted core/project/summary.cpp '#include "ui/shared/printout.h"' 'core/project must not include ui/shared/printout.h'
planted core/base/text.cpp '#include "core/project/project.h"' 'core/base must not include core/project/project.h'
planted ui/shared/printout.cpp '#include "ui/player/soundtest.h"' 'ui/shared must not include ui/player/soundtest.h'
planted ui/mainwindow/tambreloxmain.cpp '#include "ui/cvviewer/cvshow.h"' 'ui/mainwindow must not include ui/cvviewer/cvshow.h'
planted ui/player/soundtest.cpp '#include "app/tambrelox/headless_print.h"' 'ui/player must not include app/tambrelox/headless_print.h'
planted app/spjinfo/main.cpp '#include "ui/shared/printout.h"' 'app/spjinfo must not include ui/shared/printout.h'
planted web/core_api.cpp '#include "ui/shared/printout.h"' 'web must not include ui/shared/printout.h'
planted core/sound/clip_list.cpp '#include "web/core_api.h"' 'core/sound must not include web/core_api.h'
planted core/base/text.cpp '#include "fixtures/spj_builder.h"' 'fixtures/spj_builder.h is in no known layer folder'

[ $failures -eq 0 ] && echo "check-includes test: all passed"
exit $((failures > 0))
