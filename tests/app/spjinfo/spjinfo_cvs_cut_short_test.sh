#!/usr/bin/env bash
# A project whose startup CV block is cut short: shown, printed and played as
# usual, refused only where its CVs are asked for.
set -u
fail=0
check() { if ! eval "$2"; then echo "FAILED: $1"; fail=1; fi; }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

"$MAKE_TEST_SPJ" cvs-cut-short "$tmp/cut.spj" || { echo "FAILED: the fixture cannot be written"; exit 1; }
message="Problem reading cut.spj: the startup CV values of directory record 6 reach past the end of the file. Cannot continue."

for mode in "" --json --text "--report summary"; do
  # shellcheck disable=SC2086  # the mode may be two words or none
  "$SPJINFO" $mode "$tmp/cut.spj" >"$tmp/out" 2>"$tmp/err"; status=$?
  check "'$mode' exits 0" '[ $status -eq 0 ] && [ -s "$tmp/out" ] && [ ! -s "$tmp/err" ]'
done
"$SPJINFO" "$tmp/cut.spj" >"$tmp/out"
check "summary shows both clips" 'grep -q "^  	 SOUND CLIP COUNT	2	" "$tmp/out"'

# Each CV view says why on stderr and still shows the other file.
while IFS='|' read -r mode shown; do
  # shellcheck disable=SC2086  # the mode may be two words
  "$SPJINFO" $mode "$tmp/cut.spj" "$DEMO" >"$tmp/out" 2>"$tmp/err"; status=$?
  check "$mode exits 1 saying why" '[ $status -eq 1 ] && [ "$(cat "$tmp/err")" = "spjinfo: $tmp/cut.spj: $message" ] && eval "$shown"'
done <<'TABLE'
--cvs|[ $(wc -l <"$tmp/out") -eq 255 ]
--report cvs|[ $(grep -c "Non-Zero Startup CV values in SPJ: " "$tmp/out") -eq 1 ] && grep -q "demo.spj$" "$tmp/out" && ! grep -qx $'\f' "$tmp/out"
TABLE

if [ -n "${TAMBRELOX:-}" ]; then
  "$TAMBRELOX" --print cvs --pdf "$tmp/cvs.pdf" "$tmp/cut.spj" 2>"$tmp/err"; status=$?
  check "print cvs exits 1" '[ $status -eq 1 ]'
  check "print cvs says why" 'grep -Fqx "tambrelox: $tmp/cut.spj: $message" "$tmp/err"'
  check "print cvs leaves no PDF" '[ ! -e "$tmp/cvs.pdf" ]'
  "$TAMBRELOX" --print summary --pdf "$tmp/summary.pdf" "$tmp/cut.spj"; status=$?
  check "print summary exits 0 with a PDF" '[ $status -eq 0 ] && [ -s "$tmp/summary.pdf" ]'
fi

if [ $fail -eq 0 ]; then echo "cut-short CV block: all checks passed"; fi
exit $fail
