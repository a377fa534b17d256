#!/usr/bin/env bash
# spjinfo as a user meets it: exit codes, output shape, refusals on stderr.
set -u
fail=0
check() { if ! eval "$2"; then echo "FAILED: $1"; fail=1; fi; }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

out=$("$SPJINFO" "$DEMO"); status=$?
check "demo exits 0" '[ $status -eq 0 ]'
check "file name in upper case" 'grep -qx "SPJ Filename:	DEMO.SPJ" <<<"$out"'
check "folder ends in a slash" 'grep -q "^From Folder:	/.*/$" <<<"$out"'
check "heading line" 'grep -Fqx "Handle	  Wave File Name   	Bits	DL	 File Size 	 Play Sec 	 FlashSize* " <<<"$out"'
check "clip count row" 'grep -q "^  	 SOUND CLIP COUNT	5	" <<<"$out"'

json=$("$SPJINFO" --json "$DEMO" "$DEMO")
check "one JSON line per file" '[ $(wc -l <<<"$json") -eq 2 ]'
check "JSON carries the totals" 'grep -q "\"projectTotal\":" <<<"$json"'

printf 'not a project' >"$tmp/bad.spj"
"$SPJINFO" "$tmp/bad.spj" "$DEMO" >"$tmp/out" 2>"$tmp/err"; status=$?
check "a refused file exits 1" '[ $status -eq 1 ]'
check "refusal on stderr" 'grep -q "bad.spj" "$tmp/err"'
check "the other file is still shown" 'grep -q "DEMO.SPJ" "$tmp/out"'

"$SPJINFO" --bogus >/dev/null 2>"$tmp/err"; status=$?
check "usage error exits 2" '[ $status -eq 2 ] && grep -q Usage "$tmp/err"'
check "version" '[ "$("$SPJINFO" --version)" = "spjinfo V1.0" ]'

if [ $fail -eq 0 ]; then echo "spjinfo: all checks passed"; fi
exit $fail
