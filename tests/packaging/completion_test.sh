#!/usr/bin/env bash
# Loads both programs' bash completions and completes command lines as bash
# hands them over (split at "="), in a scratch folder with a project, another
# file and a folder.
set -euo pipefail
for script in "$@"; do
  # shellcheck source=/dev/null
  source "$script"
done
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
  "_${COMP_WORDS[0]}" 2>/dev/null || true
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
completes "" spjinfo --repeat ""
completes "notes.txt" spjinfo --repeat 0 n
completes "notes.txt" spjinfo --repeat = 0 n
completes "summary cvs text" tambrelox --print ""
completes "notes.txt" tambrelox --print cvs --pdf = n
completes "--print --pdf" tambrelox --p
completes "demo.spj clips" tambrelox ""
[ $status -eq 0 ] && echo "the completions offer options, their values and files"
exit $status
