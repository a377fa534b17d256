#!/usr/bin/env bash
# Runs the program with the player repeat-playing a clip, ends it each way a
# program ends, and checks that the temporary folder it was given is left
# empty and the exit status tells how it ended.
set -u
fail=0
check() { if ! eval "$2"; then echo "FAILED: $1"; fail=1; fi; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# end_with HOW EXPECTED_STATUS; HOW is "input" (the user quits) or a signal name.
end_with() {
  local how=$1 expected=$2 line status
  local tmp="$work/tmp-$how"
  mkdir "$tmp"
  # What the main window remembers goes to a folder of the test's own.
  coproc RUN {
    TMPDIR="$tmp" XDG_CONFIG_HOME="$work/config" exec "$PROBE" "$DEMO" 2>"$work/$how.err"
  }
  local pid=$RUN_PID
  if ! read -r -t 60 line <&"${RUN[0]}" || [ "$line" != playing ]; then
    echo "FAILED: $how: the probe never started playing"; cat "$work/$how.err"; fail=1
    kill -KILL "$pid" 2>/dev/null; wait "$pid" 2>/dev/null
    return
  fi
  check "$how: the clip and its repeat file are written while playing" \
    '[ -f "$tmp"/tambrelox-player-*/TempSound.wav ] && [ -f "$tmp"/tambrelox-player-*/TempSound.wav2 ]'
  if [ "$how" = input ]; then
    exec {RUN[1]}>&-
  else
    kill -s "$how" "$pid"
  fi
  wait "$pid"; status=$?
  check "$how: exit status $expected (was $status)" '[ $status -eq $expected ]'
  check "$how: nothing is left in the temporary folder" '[ -z "$(ls -A "$tmp")" ]'
  if [ $fail -ne 0 ]; then ls -laR "$tmp"; cat "$work/$how.err"; fi
}

end_with input 0
end_with TERM 143
end_with INT 130
end_with HUP 129

if [ $fail -eq 0 ]; then echo "player cleanup: all checks passed"; fi
exit $fail
