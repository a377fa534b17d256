#!/usr/bin/env bash
# spjinfo --extract and --repeat as a user meets them, the files checked with sox.
set -u
fail=0
check() { if ! eval "$2"; then echo "FAILED: $1"; fail=1; fi; }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

"$SPJINFO" --extract "$tmp/clips" "$DEMO" >"$tmp/list"; status=$?
check "extract exits 0" '[ $status -eq 0 ]'
check "one line per clip written" '[ $(wc -l <"$tmp/list") -eq 5 ]'
check "clips under their names" '[ -f "$tmp/clips/whistle.wav" ] && [ -f "$tmp/clips/brake hiss.wav" ]'
for clip in "$tmp"/clips/*.wav; do
  check "$(basename "$clip") is a mono 11025 Hz wave" '[ "$(soxi -r "$clip")" = 11025 ] && [ "$(soxi -c "$clip")" = 1 ]'
done

# Whistle is 8-bit (one byte a sample), bell 16-bit: ten seconds are 110250 and 220500 bytes.
check_repeat() {
  local line=$1 clip=$2 budget=$3 bytes=$4
  "$SPJINFO" --repeat "$line" "$tmp/repeat$line.wav" "$DEMO"; status=$?
  check "repeat $line exits 0" '[ $status -eq 0 ]'
  local n=$(( $(soxi -s "$tmp/clips/$clip") * bytes ))
  local expected=$(( budget / n * n / bytes ))
  check "repeat $line holds whole copies filling ten seconds" '[ "$(soxi -s "$tmp/repeat$line.wav")" = $expected ]'
  check "repeat $line starts with the clip" \
    'cmp -s <(sox "$tmp/clips/$clip" -t raw -) <(sox "$tmp/repeat$line.wav" -t raw - trim 0 "$(soxi -s "$tmp/clips/$clip")s")'
}
check_repeat 0 whistle.wav 110250 1
check_repeat 1 bell.wav 220500 2

cp "$tmp/clips/whistle.wav" "$tmp/whistle-before.wav"
"$SPJINFO" --extract "$tmp/clips" "$DEMO" >"$tmp/again"; status=$?
check "extracting again writes beside, never over, what is there" \
  '[ $status -eq 0 ] && grep -q "whistle (2).wav" "$tmp/again" && cmp -s "$tmp/clips/whistle.wav" "$tmp/whistle-before.wav"'

cp "$DEMO" "$tmp/own.spj"
"$SPJINFO" --repeat 0 "$tmp/own.spj" "$tmp/own.spj" 2>"$tmp/err"; status=$?
check "a repeat wave never lands on its own project" \
  '[ $status -eq 1 ] && cmp -s "$DEMO" "$tmp/own.spj" && grep -q "over the project" "$tmp/err"'

if [ $fail -eq 0 ]; then echo "spjinfo clips: all checks passed"; fi
exit $fail
