#!/usr/bin/env bash
# Both programs' command lines as a script relies on them: exit statuses,
# one-line messages naming the file as given, output that is whole or absent,
# standard output that is checked, and TAB-separated rows that stay rows.
# SPJINFO, DEMO and MAKE_TEST_SPJ name the programs and the demo project;
# TAMBRELOX is empty where the desktop program is not built.
set -u
fail=0
check() { if ! eval "$2"; then echo "FAILED: $1"; fail=1; fi; }
tmp=$(mktemp -d)
chmod 755 "$tmp"  # the read-only case runs as another user when run as root
trap 'chmod -R u+w "$tmp"; rm -rf "$tmp"' EXIT
cd "$tmp" || exit 1
"$MAKE_TEST_SPJ" awkward-names awkward.spj || exit 1
"$MAKE_TEST_SPJ" cvs-cut-short cut.spj || exit 1
# A startup CV block cut short: refused only where its CVs are asked for.
# shellcheck disable=SC2034  # read by the tests the table rows run
cut_short="Problem reading cut.spj: the startup CV values of directory record 6 reach past the end of the file. Cannot continue."
programs=(SPJINFO)
[ -n "$TAMBRELOX" ] && programs+=(TAMBRELOX)
# Runs a program (SPJINFO or TAMBRELOX) with the rest as its arguments.
run() { local program=$1; shift; "${!program}" "$@" >out 2>err; status=$?; }
name_of() { [ "$1" = SPJINFO ] && echo spjinfo || echo tambrelox; }
stderr_is() { [ "$(cat err)" = "$1" ]; }

# Usage errors: status 2, nothing on stdout, the reason and the hint on stderr.
while IFS='|' read -r program arguments message; do
  [ "$program" = TAMBRELOX ] && [ -z "$TAMBRELOX" ] && continue
  eval "set -- $arguments"
  name=$(name_of "$program")
  env -u DISPLAY -u WAYLAND_DISPLAY "${!program}" "$@" >out 2>err; status=$?
  check "$name $arguments: status 2 and one line with the hint" \
    '[ $status -eq 2 ] && [ ! -s out ] && stderr_is "$name: $message"$'"'"'\n'"'"'"Try '"'"'$name --help'"'"'."'
done <<'TABLE'
SPJINFO||no SPJ file named
SPJINFO|--bogus "$DEMO"|unrecognized option '--bogus'
SPJINFO|--json -xr "$DEMO"|invalid option -- 'x'
SPJINFO|--re "$DEMO"|option '--re' is ambiguous; possibilities: '--recursive' '--report' '--repeat'
SPJINFO|--json --text "$DEMO"|--json and --text cannot be given together
SPJINFO|--report=summary --report cvs "$DEMO"|--report and --report cannot be given together
SPJINFO|--extract x --repeat 0 r.wav "$DEMO"|--extract and --repeat cannot be given together
SPJINFO|--report cvz "$DEMO"|unknown report cvz
SPJINFO|"$DEMO" --report|option '--report' requires an argument
SPJINFO|--repeat 0|--repeat needs a clip and an output file
SPJINFO|--json=yes "$DEMO"|option '--json' doesn't allow an argument
SPJINFO|--extract=x "$DEMO" "$DEMO"|--extract takes exactly one SPJ file
SPJINFO|--clips "$DEMO" "$DEMO"|--clips takes exactly one SPJ file
SPJINFO|-r|no folder named
SPJINFO|-r --clips .|--clips and --recursive cannot be given together
SPJINFO|-j 0 "$DEMO"|invalid number of threads 0
SPJINFO|-rj0 .|invalid number of threads 0
SPJINFO|"$DEMO" --jobs|option '--jobs' requires an argument
SPJINFO|"$DEMO" -j|option requires an argument -- 'j'
SPJINFO|--diff "$DEMO"|--diff takes exactly two SPJ files
SPJINFO|--diff --cvs "$DEMO" "$DEMO"|--diff and --cvs cannot be given together
SPJINFO|--diff -r "$DEMO" "$DEMO"|--diff and --recursive cannot be given together
SPJINFO|--bogus --json "$DEMO"|unrecognized option '--bogus'
TAMBRELOX|--bogus|Unknown option 'bogus'.
TAMBRELOX|a.spj b.spj|give at most one file
TAMBRELOX|--print|Missing value after '--print'.
TAMBRELOX|--pdf=x.pdf "$DEMO"|--pdf needs --print
TAMBRELOX|--print cvs "$DEMO"|--print needs --pdf
TAMBRELOX|--print=cvs --print text --pdf x.pdf "$DEMO"|--print given different reports
TAMBRELOX|--print nope --pdf x.pdf "$DEMO"|unknown report nope
TAMBRELOX|--print cvs --pdf x.pdf|--print needs the SPJ file to print
TABLE

# Help and version need no display, neither a missing nor an unreachable one.
for program in "${programs[@]}"; do
  name=$(name_of "$program")
  for display in "-u DISPLAY" DISPLAY=:99; do
    for option in --help -h --version "--version --help" "--bogus -h"; do
      # shellcheck disable=SC2086  # both are words to split
      env -u WAYLAND_DISPLAY $display "${!program}" $option >out 2>err; status=$?
      check "$name $option with $display exits 0" \
        '[ $status -eq 0 ] && [ ! -s err ] && { [ "$(head -c 6 out)" = Usage: ] || [ "$(cat out)" = "$name (Tambrelox) 1.0" ]; }'
    done
  done
  "${!program}" --help >out
  check "$name --help documents the exit statuses and the message form" \
    'grep -q "^Exit status: 0 " out && grep -q "$name: FILE: MESSAGE" out'
done
"$SPJINFO" --help >out
check "spjinfo --help documents the escaping" 'grep -q "written as \\\\t, \\\\r or \\\\n" out'
check "spjinfo --help says --repeat counts in the player's list" 'grep -q "player.s list, which is in directory order" out'

# A full standard output is a failure in every mode, never a silent success.
while IFS='|' read -r program arguments; do
  [ "$program" = TAMBRELOX ] && [ -z "$TAMBRELOX" ] && continue
  eval "set -- $arguments"
  name=$(name_of "$program")
  rm -rf clips
  "${!program}" "$@" >/dev/full 2>err; status=$?
  # grep: with a display set up, Qt may have a word of its own on stderr.
  check "$name $arguments >/dev/full exits 1 saying why" \
    '[ $status -eq 1 ] && grep -qx "$name: write error: No space left on device" err'
done <<'TABLE'
SPJINFO|"$DEMO"
SPJINFO|--json "$DEMO"
SPJINFO|--cvs "$DEMO" "$DEMO" missing.spj
SPJINFO|--text "$DEMO"
SPJINFO|--report summary "$DEMO"
SPJINFO|--report cvs "$DEMO"
SPJINFO|--clips "$DEMO"
SPJINFO|-r --csv .
SPJINFO|--extract clips "$DEMO"
SPJINFO|--repeat 0 - "$DEMO"
SPJINFO|--help
SPJINFO|--version
TAMBRELOX|--help
TAMBRELOX|--version
TAMBRELOX|--print summary --pdf - "$DEMO"
TABLE

# A refusal names the file as it was given and gives the desktop program's text.
mkdir a b
cp "$DEMO" a/x.spj
printf 'not a project' >b/x.spj
if [ -n "$TAMBRELOX" ]; then
  run TAMBRELOX --print summary --pdf x.pdf b/x.spj
  check "tambrelox: the file that failed, as given" \
    '[ $status -eq 1 ] && grep -qx "tambrelox: b/x.spj: Problem reading x.spj: the file is too short to hold a directory. Cannot continue." err && [ ! -e x.pdf ]'
  run TAMBRELOX --print summary --pdf /nonexistent/x.pdf a/x.spj
  check "tambrelox: a PDF that cannot be written" \
    '[ $status -eq 1 ] && grep -qx "tambrelox: a/x.spj: cannot write /nonexistent/x.pdf: No such file or directory" err'
  run TAMBRELOX --print cvs --pdf cvs.pdf cut.spj
  check "tambrelox: a CV block cut short refused for the CVs only" \
    '[ $status -eq 1 ] && grep -Fqx "tambrelox: cut.spj: $cut_short" err && [ ! -e cvs.pdf ] && "$TAMBRELOX" --print summary --pdf cut.pdf cut.spj && [ -s cut.pdf ]'
fi

# What scripts read, and refusals naming the file as given: each row runs
# spjinfo and tests its status and output. Rows stay rows: TAB, CR, LF and
# backslash inside a cell are escaped.
mkdir d && cp awkward.spj ./-x.spj
while IFS='|' read -r arguments expected test; do
  eval "run SPJINFO $arguments"
  check "spjinfo $arguments" '[ $status -eq $expected ] && eval "$test"'
done <<'TABLE'
"$DEMO"|0|grep -qx "SPJ Filename:	DEMO.SPJ" out && grep -q "^From Folder:	/.*/$" out && grep -q "^  	 SOUND CLIP COUNT	5	" out
--json "$DEMO" "$DEMO"|0|[ $(wc -l <out) -eq 2 ] && grep -q '"projectTotal":' out
--cvs "$DEMO"|0|[ $(wc -l <out) -eq 255 ] && [ "$(head -n1 out)" = "CV 1	Two-Digit Address	03	3 	00000011" ] && grep -Fqx "CV 140	Whistle Volume	B4	180 	10110100" out
--text "$DEMO"|0|[ "$(head -n1 out)" = "$(printf "Demo Steam Locomotive Sound Project\r")" ] && [ "$(tail -c 19 out)" = "$(printf "Enjoy the sounds!\r\n")" ]
--report=summary "$DEMO" "$DEMO"|0|sed -n 2p out | grep -q "^ *Components in SPJ: /.*/demo.spj$" && grep -q "^          Printed: .*   .*[0-9]" out && [ "$(tail -n1 out)" = "          Tambrelox V1.0" ] && ! grep -q " $" out && [ $(grep -cx $'\f' out) -eq 1 ]
--report cvs "$DEMO"|0|sed -n 2p out | grep -q "^ *Non-Zero Startup CV values in SPJ: /.*/demo.spj$" && [ $(grep -c "^         CV [0-9]" out) -eq 9 ] && grep -Fqx "         CV 141  Bell Volume                80   128  10000000" out
cut.spj|0|grep -q "^  	 SOUND CLIP COUNT	2	" out && [ ! -s err ]
--json cut.spj|0|[ -s out ] && [ ! -s err ]
--text cut.spj|0|[ -s out ] && [ ! -s err ]
--report summary cut.spj|0|[ -s out ] && [ ! -s err ]
--cvs cut.spj "$DEMO"|1|[ $(wc -l <out) -eq 255 ] && stderr_is "spjinfo: cut.spj: $cut_short"
--report cvs cut.spj "$DEMO"|1|[ $(grep -c "Non-Zero Startup CV values in SPJ: " out) -eq 1 ] && grep -q "demo.spj$" out && ! grep -qx $'\f' out && stderr_is "spjinfo: cut.spj: $cut_short"
--diff awkward.spj "$DEMO"|1|grep -Fqx 'CV 142 Esc\x1b: name Esc\x1b -> Chuff Rate, value 0 -> 4' out && grep -qx "CV 150: value 1 -> 0" out && [ "$(tail -n1 out)" = "+Enjoy the sounds!" ] && [ ! -s err ]
--diff awkward.spj "$DEMO"|1|grep -Fqx 'clip removed: 4 tab\there.wav' out && grep -qx "clip added: 10 whistle.wav" out && grep -qx "voices: 1 -> 3" out && grep -Fqx 'CV 140 Line\nFeed: name Line\nFeed -> Whistle Volume, value 1 -> 180' out && [ $(grep -A3 -x "descriptive text:" out | grep -cxF -e "--- awkward.spj" -e "+++ $DEMO" -e "@@ -1,6 +1,14 @@") -eq 3 ]
--diff --json awkward.spj "$DEMO"|1|grep -Fq '{"name":"voices","before":1,"after":3}' out && grep -q '"same":false,"clips":{"removed":\[{"handle":4' out && grep -q '"values":\[{"name":"sound total"' out && grep -q '"text":\["@@ ' out
--diff "$DEMO" "$DEMO"|0|[ ! -s out ] && [ ! -s err ]
--diff --json "$DEMO" "$DEMO"|0|grep -q '"same":true' out
--diff "$DEMO" missing.spj|2|grep -q "missing.spj: Problem reading missing.spj: the file cannot be opened" err
--diff "$DEMO" cut.spj|2|grep -q "cut.spj: Problem reading cut.spj: the startup CV values" err
--jobs=1 --csv -- -x.spj|0|grep -q '^-x.spj,-X.SPJ,' out
- <awkward.spj|0|grep -qx 'SPJ Filename:	-' out
--text - < <(cat awkward.spj)|0|"$SPJINFO" --text awkward.spj | cmp -s out -
--cvs awkward.spj|0|[ $(wc -l <out) -eq 255 ] && grep -Fqx 'CV 142	Esc\x1b	00	0 	00000000' out && grep -Fqx "CV 140	Line\\nFeed	01	1 	00000001" out && grep -Fqx "CV 141	Back\\\\slash	02	2 	00000010" out
--clips awkward.spj|0|[ "$(head -n2 out)" = "$(printf "0\ttab\\\\there.wav\t8\t0.25\n1\tback\\\\\\\\slash.wav\t16\t0.25")" ]
awkward.spj|0|grep -Fqx " 4	 tab\\there.wav	8	8	2,800	.25	2,816" out && grep -Fqx " 2	 back\\\\slash.wav	16	8	5,556	.25	2,816" out
--text awkward.spj|0|[ "$(cat out)" = "$(printf "Awkward names\r\n(B)\r\nCV140 Line\nFeed\r\nCV141 Back\\\\slash\r\nCV142 Esc\x1b[2J\r\n(C)\r")" ]
--clips "$DEMO"|0|[ "$(cat out)" = "$(printf "0\twhistle.wav\t8\t1.6\n1\tbell.wav\t16\t1.5\n2\tchuff.wav\t12\t4\n3\thorn.wav\t16\t2.4\n4\tbrake hiss.wav\t8\t0.8")" ]
--repeat twice.wav r.wav awkward.spj|1|stderr_is "spjinfo: awkward.spj: more than one clip is named twice.wav; give its line number" && [ ! -e r.wav ]
--repeat nope.wav r.wav awkward.spj|1|stderr_is "spjinfo: awkward.spj: no clip is named nope.wav" && [ ! -e r.wav ]
--repeat 9 r.wav awkward.spj|1|stderr_is "spjinfo: awkward.spj: there is no clip on line 9; the project has 4" && [ ! -e r.wav ]
--json - <awkward.spj|0|grep -q '^{"path":"-","file":"-","folder":"",' out
- </dev/null|1|[ "$(cat err)" = "spjinfo: -: Problem reading -: the file is too short to hold a directory. Cannot continue." ]
a/x.spj b/x.spj|1|grep -q "^SPJ Filename:	X.SPJ$" out && stderr_is "spjinfo: b/x.spj: Problem reading x.spj: the file is too short to hold a directory. Cannot continue."
c/x.spj|1|stderr_is "spjinfo: c/x.spj: Problem reading x.spj: the file cannot be opened (No such file or directory). Cannot continue."
--cvs c/x.spj|1|stderr_is "spjinfo: c/x.spj: Problem reading x.spj: the file cannot be opened (No such file or directory). Cannot continue."
d|1|stderr_is "spjinfo: d: Problem reading d: it is not a file. Cannot continue."
--cvs d/|1|stderr_is "spjinfo: d/: Problem reading d: it is not a file. Cannot continue."
--repeat 0 /nonexistent/r.wav a/x.spj|1|stderr_is "spjinfo: a/x.spj: cannot write /nonexistent/r.wav: No such file or directory"
TABLE

# Binary output is not written to a terminal, as gzip refuses to.
while IFS='|' read -r program arguments; do
  [ "$program" = TAMBRELOX ] && [ -z "$TAMBRELOX" ] && continue
  script -qec "\"${!program}\" $arguments" /dev/null >out 2>&1; status=$?
  check "$program $arguments on a terminal exits 2" '[ $status -eq 2 ] && grep -q "will not write a .* to a terminal" out'
done <<'TABLE'
SPJINFO|--repeat 0 - "$DEMO"
TAMBRELOX|--print cvs --pdf - "$DEMO"
TABLE

if [ -n "$TAMBRELOX" ]; then
  # Killed by SIGPIPE as spjinfo is, and no word about a runtime folder on the way.
  env -u XDG_RUNTIME_DIR "$TAMBRELOX" --print cvs --pdf - "$DEMO" 2>err | true; status=${PIPESTATUS[0]}
  check "tambrelox --pdf - into a closed pipe ends by SIGPIPE, quietly" '[ $status -eq 141 ] && [ ! -s err ]'
  for display in "" :99; do
    env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=$display "$TAMBRELOX" "$DEMO" >out 2>err; status=$?
    check "tambrelox with DISPLAY '$display' says it needs a display and exits 1" \
      '[ $status -eq 1 ] && [ ! -s out ] && grep -q "^tambrelox: no display .*--print needs none$" err'
  done
fi

# A clip named as the player's list names it.
run SPJINFO --repeat 3 by-line.wav "$DEMO"
run SPJINFO --repeat="brake hiss.wav" by-name.wav "$DEMO"
check "--repeat by name writes the same as by line" \
  '[ $status -eq 0 ] && ! cmp -s by-line.wav by-name.wav && "$SPJINFO" --repeat 4 by-line.wav "$DEMO" && cmp -s by-line.wav by-name.wav'

# Extracted clips are mono 11025 Hz waves; extracting again writes beside them.
run SPJINFO --extract extracted "$DEMO"
check "--extract writes the five clips" \
  '[ $status -eq 0 ] && [ $(wc -l <out) -eq 5 ] && [ -f "extracted/brake hiss.wav" ] && [ $(soxi extracted/*.wav | grep -cE "^(Channels +: 1|Sample Rate +: 11025)$") -eq 10 ]'
cp extracted/whistle.wav whistle-before.wav
run SPJINFO --extract extracted "$DEMO"
check "extracting again writes beside, never over, what is there" \
  '[ $status -eq 0 ] && grep -q "whistle (2).wav" out && cmp -s extracted/whistle.wav whistle-before.wav'
# Whistle is 8-bit, bell 16-bit: either way ten seconds hold 110250 samples.
for line_clip in 0:whistle.wav 1:bell.wav; do
  line=${line_clip%%:*} clip=extracted/${line_clip#*:}
  n=$(soxi -s "$clip")
  run SPJINFO --repeat $line repeat.wav "$DEMO"
  check "--repeat $line holds whole copies of the clip filling ten seconds" \
    '[ $status -eq 0 ] && [ "$(soxi -r repeat.wav)" = 11025 ] && [ "$(soxi -s repeat.wav)" = $((110250 / n * n)) ] && cmp -s <(for _ in $(seq $((110250 / n))); do sox "$clip" -t raw -; done) <(sox repeat.wav -t raw -)'
done
cp "$DEMO" own.spj
run SPJINFO --repeat 0 own.spj own.spj
check "a repeat wave never lands on its own project" '[ $status -eq 1 ] && cmp -s "$DEMO" own.spj && grep -q "over the project" err'

# - is standard output, and no file named "-" appears.
run SPJINFO --repeat 0 - "$DEMO"
check "--repeat to - writes the wave on stdout" '[ $status -eq 0 ] && "$SPJINFO" --repeat 0 file.wav "$DEMO" && cmp -s out file.wav && [ ! -e - ]'
if [ -n "$TAMBRELOX" ]; then
  env DISPLAY=:99 "$TAMBRELOX" --print=cvs --pdf=- "$DEMO" >out 2>err; status=$?
  check "--pdf - writes the PDF on stdout, offscreen" '[ $status -eq 0 ] && [ "$(head -c 5 out)" = "%PDF-" ] && [ ! -e - ] && pdftotext out - | grep -q "Master Volumne"'
  for report in "summary|TOTAL WHOLE PROJECT" "text|Enjoy the sounds!"; do
    run TAMBRELOX --print "${report%%|*}" --pdf report.pdf "$DEMO"
    check "--print ${report%%|*} prints that report" '[ $status -eq 0 ] && pdftotext report.pdf - | grep -q "${report#*|}"'
  done
  cp "$DEMO" own.spj
  run TAMBRELOX --print summary --pdf own.spj own.spj
  check "a PDF never lands on its own project" '[ $status -eq 1 ] && cmp -s "$DEMO" own.spj && grep -q "Will not print over the project itself" err'
fi

# An existing target is replaced whole; a write that fails half-way leaves it
# as it was and nothing beside it (SIGXFSZ ignored, so writes past the limit fail).
printf 'precious' >keep.wav
run SPJINFO --repeat 0 keep.wav "$DEMO"
check "--repeat replaces an existing target" '[ $status -eq 0 ] && cmp -s keep.wav file.wav'
if [ -n "$TAMBRELOX" ]; then
  printf 'precious' >keep.pdf
  (trap '' XFSZ; ulimit -f 4; exec "$TAMBRELOX" --print summary --pdf keep.pdf "$DEMO") >out 2>err; status=$?
  check "a failed --pdf leaves the target untouched" \
    '[ $status -eq 1 ] && grep -q "^tambrelox: $DEMO: cannot write keep.pdf: " err && [ "$(cat keep.pdf)" = precious ]'
  run TAMBRELOX --print summary --pdf keep.pdf "$DEMO"
  check "--pdf replaces an existing target" '[ $status -eq 0 ] && [ "$(head -c 5 keep.pdf)" = "%PDF-" ]'
fi
check "no temporary file is left behind" '[ -z "$(find . -name ".tambrelox-*")" ]'

# A read-only folder: refused with the reason, what is there untouched. Root
# writes anywhere, so as root the programs run as nobody.
as_user=()
[ "$(id -u)" -eq 0 ] && as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups env HOME="$tmp")
reachable=yes
if ! "${as_user[@]}" "$SPJINFO" --version >/dev/null 2>&1 || ! "${as_user[@]}" test -r "$DEMO"; then
  echo "read-only folder: skipped, nobody cannot reach the build"
  reachable=no
fi
mkdir locked
printf 'precious' >locked/keep.wav
printf 'precious' >locked/keep.pdf
chmod 555 locked
while IFS='|' read -r program arguments message; do
  [ $reachable = yes ] || continue
  [ "$program" = TAMBRELOX ] && [ -z "$TAMBRELOX" ] && continue
  eval "set -- $arguments"
  name=$(name_of "$program")
  "${as_user[@]}" "${!program}" "$@" >out 2>err; status=$?
  check "$name $arguments into a read-only folder" \
    '[ $status -eq 1 ] && grep -qx "$name: $DEMO: $message" err && [ "$(cat locked/keep.wav locked/keep.pdf)" = preciousprecious ] && [ $(ls -A locked | wc -l) -eq 2 ]'
done <<'TABLE'
SPJINFO|--repeat 0 locked/keep.wav "$DEMO"|cannot write locked/keep.wav: Permission denied
SPJINFO|--extract locked "$DEMO"|cannot write locked/whistle.wav: Permission denied
TAMBRELOX|--print cvs --pdf locked/keep.pdf "$DEMO"|cannot write locked/keep.pdf: Permission denied
TABLE

if [ $fail -eq 0 ]; then echo "command lines: all checks passed"; fi
exit $fail
