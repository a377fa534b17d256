#!/usr/bin/env bash
# Loads spjinfo's bash completion and completes command lines as bash hands
# them over (split at "="), in a scratch folder with a project, another file
# and a folder.
set -euo pipefail
# shellcheck source=/dev/null
source "$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
touch demo.spj notes.txt
mkdir clips
status=0
completes() {
  local expected=$1
  shift
  COMP_WORDS=("$@")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMPREPLY=()
  # compopt refuses to run outside a completion bash started itself.
  _spjinfo 2>/dev/null || true
  local got="${COMPREPLY[*]}"
  if [ "$got" != "$expected" ]; then
    echo "'${COMP_WORDS[*]}' completes to '$got', not '$expected'"
    status=1
  fi
}
completes "--report --repeat" spjinfo --rep
completes "summary cvs" spjinfo --report ""
completes "summary cvs" spjinfo --report =
completes "cvs" spjinfo --report = c
completes "clips" spjinfo --extract ""
completes "demo.spj clips" spjinfo --json ""
completes "" spjinfo --version ""
completes "--recursive" spjinfo --rec
completes "" spjinfo --jobs ""
completes "clips" spjinfo -r ""
completes "clips" spjinfo --csv --recursive ""
[ $status -eq 0 ] && echo "spjinfo's completion offers its options, their values and projects"
exit $status
