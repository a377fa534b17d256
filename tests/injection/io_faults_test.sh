#!/usr/bin/env bash
# Runs each program once per read, pread, write, fsync and rename it makes,
# with that one call failing (EIO; ENOSPC for writes; EINTR) or coming back
# short, and checks every run: no hang, no crash; success with the output a
# clean run gives, or status 1 saying "PROGRAM: PATH: reason"; never a
# partial or temporary file, and a file that was there left as it was.
# Needs SHIM, SPJINFO, DEMO; TAMBRELOX where the desktop program is built.
set -uo pipefail
work=$(realpath "$(mktemp -d)")
trap 'rm -rf "$work"' EXIT
# A sanitizer's runtime need not come first when the shim is preloaded.
export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0
mkdir -p "$work/tree/sub"
cp "$DEMO" "$work/tree/one.spj"
cp "$DEMO" "$work/tree/sub/two.spj"
shim=$(realpath "$SHIM")
failures=0
runs=0

reason() { python3 -c 'import os, sys; print(os.strerror(int(sys.argv[1])))' "$1"; }

# Runs the command in a fresh out/ holding out/old.wav, under the fault given
# as IO_FAULT_* in the environment; leaves status, out/, stdout and stderr in run/.
run() {
  rm -rf "$work/run" && mkdir -p "$work/run/out"
  printf old >"$work/run/out/old.wav"
  (cd "$work/run" && timeout 60 env LD_PRELOAD="$shim" IO_FAULT_PATH="$work" "$@" >stdout 2>stderr)
  echo $? >"$work/run/status"
}

# What a run leaves that must match a clean run: stdout and the files it wrote
# (a PDF by its text less the time of printing, which its bytes also carry).
digest() {
  (cd "$work/run" && cat stdout && for f in out/*; do
    printf "\n== %s\n" "$f"
    case $f in
      *.pdf) pdftotext "$f" - | sed -E 's/[0-9]{2}:[0-9]{2}:[0-9]{2}/TIME/' ;;
      *) cat "$f" ;;
    esac
  done)
}

fail() {
  echo "FAIL: $*"
  sed 's/^/  stderr: /' "$work/run/stderr" | head -5
  failures=$((failures + 1))
}

check_case() {  # name program call nth errno clean-digest-file
  local name=$1 program=$2 call=$3 nth=$4 error=$5 clean=$6
  local status
  status=$(cat "$work/run/status")
  runs=$((runs + 1))
  local where="$name: $call #$nth errno $error"
  if [ "$status" -eq 124 ]; then fail "$where hangs"; return; fi
  if [ "$status" -ge 128 ]; then fail "$where crashes with status $status"; return; fi
  if ls -A "$work/run/out" | grep -q '^\.tambrelox'; then fail "$where leaves a temporary file"; fi
  if [ "$status" -eq 0 ]; then
    digest | cmp -s - "$clean" || fail "$where succeeds with other output"
    return
  fi
  if [ "$error" -eq 0 ] || [ "$error" -eq 4 ]; then fail "$where fails ($status) on a call worth retrying"; return; fi
  [ "$status" -eq 1 ] || fail "$where exits $status"
  grep -Eq "^$program: [^:]+: .*$(reason "$error")" "$work/run/stderr" ||
    fail "$where does not say '$program: PATH: $(reason "$error")'"
  # Each file written is whole: as in the clean run, or the old one untouched.
  for f in "$work/run/out"/*; do
    [ "$(basename "$f")" = old.wav ] && { [ "$(cat "$f")" = old ] || fail "$where spoils old.wav"; } && continue
    grep -qxF "== out/$(basename "$f")" "$clean" || fail "$where leaves $(basename "$f")"
  done
}

matrix() {  # name program command...
  local name=$1 program=$2
  shift 2
  local call error count nth
  run "$@"
  [ "$(cat "$work/run/status")" -eq 0 ] || { fail "$name fails with no fault"; return; }
  digest >"$work/$name.clean"
  for call in read pread write fsync rename; do
    IO_FAULT_CALL=$call IO_FAULT_COUNT="$work/count" run "$@"
    count=$(cat "$work/count") || { fail "$name: the shim counted no $call"; continue; }
    local errors="5"
    case $call in read | pread) errors="5 4 0" ;; write) errors="5 28 4 0" ;; fsync) errors="5 28" ;; esac
    for ((nth = 1; nth <= count; nth++)); do
      for error in $errors; do
        IO_FAULT_CALL=$call IO_FAULT_NTH=$nth IO_FAULT_ERRNO=$error run "$@"
        check_case "$name" "$program" "$call" "$nth" "$error" "$work/$name.clean"
      done
    done
    echo "$name: $call x$count"
  done
}

matrix catalogue spjinfo "$SPJINFO" -r --csv "$work/tree"
matrix extract spjinfo "$SPJINFO" --extract out "$work/tree/one.spj"
matrix repeat spjinfo "$SPJINFO" --repeat 0 out/old.wav "$work/tree/one.spj"
if [ -n "${TAMBRELOX:-}" ]; then
  matrix pdf tambrelox "$TAMBRELOX" --print summary --pdf out/old.pdf "$work/tree/one.spj"
fi
echo "$runs runs, $failures failures"
[ "$failures" -eq 0 ]
