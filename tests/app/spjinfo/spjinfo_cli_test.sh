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

cvs=$("$SPJINFO" --cvs "$DEMO")
check "one line per CV" '[ $(wc -l <<<"$cvs") -eq 255 ]'
check "first CV row" '[ "$(head -n1 <<<"$cvs")" = "CV 1	Two-Digit Address	03	3 	00000011" ]'
check "custom name with its value" 'grep -Fqx "CV 140	Whistle Volume	B4	180 	10110100" <<<"$cvs"'

"$SPJINFO" --text "$DEMO" >"$tmp/text"
check "text starts with its first line and CR LF" '[ "$(head -n1 "$tmp/text")" = "$(printf "Demo Steam Locomotive Sound Project\r")" ]'
check "text ends with its last line" '[ "$(tail -c 19 "$tmp/text")" = "$(printf "Enjoy the sounds!\r\n")" ]'

report=$("$SPJINFO" --report summary "$DEMO"); status=$?
check "report exits 0" '[ $status -eq 0 ]'
check "report title line" 'sed -n 2p <<<"$report" | grep -q "^ *Components in SPJ: /.*/demo.spj$"'
check "report heading" 'grep -Fqx "          Handle   Wave File Name            Bits   DL   File Size   Play sec  FlashSize" <<<"$report"'
check "report printed line" 'grep -q "^          Printed: .*   .*[0-9]" <<<"$report"'
check "report ends with the title line" '[ "$(tail -n 1 <<<"$report")" = "          Tambrelox V1.0" ]'
check "report lines are right-trimmed" '! grep -q " $" <<<"$report"'
two=$("$SPJINFO" --report=summary "$DEMO" "$DEMO")
check "a form feed line between reports" '[ $(grep -cx $'"'"'\f'"'"' <<<"$two") -eq 1 ]'

cvreport=$("$SPJINFO" --report cvs "$DEMO")
check "CV report title line" 'sed -n 2p <<<"$cvreport" | grep -q "^ *Non-Zero Startup CV values in SPJ: /.*/demo.spj$"'
check "CV report lists the non-zero CVs only" '[ $(grep -c "^         CV [0-9]" <<<"$cvreport") -eq 9 ]'
check "CV report row" 'grep -Fqx "         CV 141  Bell Volume                80   128  10000000" <<<"$cvreport"'
check "CV report ends with the title line" '[ "$(tail -n 1 <<<"$cvreport")" = "          Tambrelox V1.0" ]'

if [ $fail -eq 0 ]; then echo "spjinfo: all checks passed"; fi
exit $fail
