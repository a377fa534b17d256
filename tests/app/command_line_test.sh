#!/usr/bin/env bash
# Both programs' command lines as a script relies on them: exit statuses,
# one-line messages naming the file as given, output that is whole or absent,
# standard output that is checked, and TAB-separated rows that stay rows.
# SPJINFO, DEMO and MAKE_TEST_SPJ name the programs and the demo project;
# TAMBRELOX is empty where the desktop program is not built.
set -u
# Usage errors, help and printing need no display: none is given unless a row sets one.
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
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
name_of() { [ "$1" = SPJINFO ] && echo spjinfo || echo tambrelox; }
# Runs a program (SPJINFO or TAMBRELOX) with the rest as its arguments, its
# standard output into $to when set, else into out.
run() {
  local program=$1
  shift
  name=$(name_of "$program")
  "${!program}" "$@" >"${to:-out}" 2>err
  status=$?
}
# The same on a terminal, both outputs into out.
on_terminal() {
  name=$(name_of "$1")
  script -qec "$(printf '%q ' "${!1}" "${@:2}")" /dev/null </dev/null >out 2>&1
  status=$?
}
stderr_is() { [ "$(cat err)" = "$1" ]; }
usage() { [ ! -s out ] && stderr_is "$name: $1"$'\n'"Try '$name --help'."; }
# grep: with a display set up, Qt may have a word of its own on stderr.
no_space() { grep -qx "$name: write error: No space left on device" err; }

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

# Each row runs a command and tests its status and what it leaves; rows for
# the desktop program are passed over where it is not built. Refusals name the
# file as given. Rows stay rows: TAB, CR, LF and backslash inside a cell are
# escaped. A full standard output is a failure, never a silent success. Binary
# output is not written to a terminal, as gzip refuses to. - is standard
# output, and no file named "-" appears.
mkdir a b d
cp "$DEMO" a/x.spj
cp "$DEMO" own.spj
printf 'not a project' >b/x.spj
printf 'precious' >keep.wav
cp awkward.spj ./-x.spj
while IFS='|' read -r command expected test; do
  [[ -z $TAMBRELOX && $command == *TAMBRELOX* ]] && continue
  eval "$command"
  check "$command" '[ $status -eq $expected ] && eval "$test"'
done <<'TABLE'
run SPJINFO|2|usage "no SPJ file named"
run SPJINFO --bogus "$DEMO"|2|usage "unrecognized option '--bogus'"
run SPJINFO --json -xr "$DEMO"|2|usage "invalid option -- 'x'"
run SPJINFO --re "$DEMO"|2|usage "option '--re' is ambiguous; possibilities: '--recursive' '--report' '--repeat'"
run SPJINFO --json --text "$DEMO"|2|usage "--json and --text cannot be given together"
run SPJINFO --report=summary --report cvs "$DEMO"|2|usage "--report and --report cannot be given together"
run SPJINFO --extract x --repeat 0 r.wav "$DEMO"|2|usage "--extract and --repeat cannot be given together"
run SPJINFO --report cvz "$DEMO"|2|usage "unknown report cvz"
run SPJINFO "$DEMO" --report|2|usage "option '--report' requires an argument"
run SPJINFO --repeat 0|2|usage "--repeat needs a clip and an output file"
run SPJINFO --json=yes "$DEMO"|2|usage "option '--json' doesn't allow an argument"
run SPJINFO --extract=x "$DEMO" "$DEMO"|2|usage "--extract takes exactly one SPJ file"
run SPJINFO -r|2|usage "no folder named"
run SPJINFO -r --clips .|2|usage "--clips and --recursive cannot be given together"
run SPJINFO -j 0 "$DEMO"|2|usage "invalid number of threads 0"
run SPJINFO "$DEMO" -j|2|usage "option requires an argument -- 'j'"
run SPJINFO --diff "$DEMO"|2|usage "--diff takes exactly two SPJ files"
run SPJINFO --diff --cvs "$DEMO" "$DEMO"|2|usage "--diff and --cvs cannot be given together"
run SPJINFO --diff -r "$DEMO" "$DEMO"|2|usage "--diff and --recursive cannot be given together"
run TAMBRELOX --bogus|2|usage "Unknown option 'bogus'."
run TAMBRELOX a.spj b.spj|2|usage "give at most one file"
run TAMBRELOX --print|2|usage "Missing value after '--print'."
run TAMBRELOX --pdf=x.pdf "$DEMO"|2|usage "--pdf needs --print"
run TAMBRELOX --print cvs "$DEMO"|2|usage "--print needs --pdf"
run TAMBRELOX --print=cvs --print text --pdf x.pdf "$DEMO"|2|usage "--print given different reports"
run TAMBRELOX --print nope --pdf x.pdf "$DEMO"|2|usage "unknown report nope"
run TAMBRELOX --print cvs --pdf x.pdf|2|usage "--print needs the SPJ file to print"
to=/dev/full run SPJINFO --cvs "$DEMO" "$DEMO" missing.spj|1|no_space
to=/dev/full run SPJINFO --repeat 0 - "$DEMO"|1|no_space
to=/dev/full run SPJINFO --help|1|no_space
to=/dev/full run SPJINFO --version|1|no_space
to=/dev/full run TAMBRELOX --help|1|no_space
to=/dev/full run TAMBRELOX --version|1|no_space
to=/dev/full run TAMBRELOX --print summary --pdf - "$DEMO"|1|no_space
run TAMBRELOX --print summary --pdf x.pdf b/x.spj|1|grep -qx "tambrelox: b/x.spj: Problem reading x.spj: the file is too short to hold a directory. Cannot continue." err && [ ! -e x.pdf ]
run TAMBRELOX --print summary --pdf /nonexistent/x.pdf a/x.spj|1|grep -qx "tambrelox: a/x.spj: cannot write /nonexistent/x.pdf: No such file or directory" err
run TAMBRELOX --print cvs --pdf cvs.pdf cut.spj|1|grep -Fqx "tambrelox: cut.spj: $cut_short" err && [ ! -e cvs.pdf ] && "$TAMBRELOX" --print summary --pdf cut.pdf cut.spj && [ -s cut.pdf ]
run SPJINFO "$DEMO"|0|grep -qx "SPJ Filename:	DEMO.SPJ" out && grep -q "^From Folder:	/.*/$" out && grep -q "^  	 SOUND CLIP COUNT	5	" out
run SPJINFO --cvs "$DEMO"|0|[ $(wc -l <out) -eq 255 ] && [ "$(head -n1 out)" = "CV 1	Two-Digit Address	03	3 	00000011" ] && grep -Fqx "CV 140	Whistle Volume	B4	180 	10110100" out
run SPJINFO --report=summary "$DEMO" "$DEMO"|0|sed -n 2p out | grep -q "^ *Components in SPJ: /.*/demo.spj$" && grep -q "^          Printed: .*   .*[0-9]" out && [ "$(tail -n1 out)" = "          Tambrelox V1.0" ] && ! grep -q " $" out && [ $(grep -cx $'\f' out) -eq 1 ]
run SPJINFO --report cvs "$DEMO"|0|sed -n 2p out | grep -q "^ *Non-Zero Startup CV values in SPJ: /.*/demo.spj$" && [ $(grep -c "^         CV [0-9]" out) -eq 9 ] && grep -Fqx "         CV 141  Bell Volume                80   128  10000000" out
run SPJINFO cut.spj|0|grep -q "^  	 SOUND CLIP COUNT	2	" out && [ ! -s err ]
run SPJINFO --text cut.spj|0|[ -s out ] && [ ! -s err ]
run SPJINFO --report summary cut.spj|0|[ -s out ] && [ ! -s err ]
run SPJINFO --cvs cut.spj "$DEMO"|1|[ $(wc -l <out) -eq 255 ] && stderr_is "spjinfo: cut.spj: $cut_short"
run SPJINFO --report cvs cut.spj "$DEMO"|1|[ $(grep -c "Non-Zero Startup CV values in SPJ: " out) -eq 1 ] && grep -q "demo.spj$" out && ! grep -qx $'\f' out && stderr_is "spjinfo: cut.spj: $cut_short"
run SPJINFO --diff awkward.spj "$DEMO"|1|grep -Fqx 'CV 142 Esc\x1b: name Esc\x1b -> Chuff Rate, value 0 -> 4' out && grep -qx "CV 150: value 1 -> 0" out && [ "$(tail -n1 out)" = "+Enjoy the sounds!" ] && [ ! -s err ] && grep -Fqx 'clip removed: 4 tab\there.wav' out && grep -qx "clip added: 10 whistle.wav" out && grep -qx "voices: 1 -> 3" out && grep -Fqx 'CV 140 Line\nFeed: name Line\nFeed -> Whistle Volume, value 1 -> 180' out && [ $(grep -A3 -x "descriptive text:" out | grep -cxF -e "--- awkward.spj" -e "+++ $DEMO" -e "@@ -1,6 +1,14 @@") -eq 3 ]
run SPJINFO --diff --json awkward.spj "$DEMO"|1|grep -Fq '{"name":"voices","before":1,"after":3}' out && grep -q '"same":false,"clips":{"removed":\[{"handle":4' out && grep -q '"values":\[{"name":"sound total"' out && grep -q '"text":\["@@ ' out
run SPJINFO --diff "$DEMO" "$DEMO"|0|[ ! -s out ] && [ ! -s err ]
run SPJINFO --diff --json "$DEMO" "$DEMO"|0|grep -q '"same":true' out
run SPJINFO --diff "$DEMO" missing.spj|2|grep -q "missing.spj: Problem reading missing.spj: the file cannot be opened" err
run SPJINFO --diff "$DEMO" cut.spj|2|grep -q "cut.spj: Problem reading cut.spj: the startup CV values" err
run SPJINFO --jobs=1 --csv -- -x.spj|0|grep -q '^-x.spj,-X.SPJ,' out
run SPJINFO - <awkward.spj|0|grep -qx 'SPJ Filename:	-' out
run SPJINFO --text - < <(cat awkward.spj)|0|"$SPJINFO" --text awkward.spj | cmp -s out -
run SPJINFO --cvs awkward.spj|0|[ $(wc -l <out) -eq 255 ] && grep -Fqx 'CV 142	Esc\x1b	00	0 	00000000' out && grep -Fqx "CV 140	Line\\nFeed	01	1 	00000001" out && grep -Fqx "CV 141	Back\\\\slash	02	2 	00000010" out
run SPJINFO --clips awkward.spj|0|[ "$(head -n2 out)" = "$(printf "0\ttab\\\\there.wav\t8\t0.25\n1\tback\\\\\\\\slash.wav\t16\t0.25")" ]
run SPJINFO awkward.spj|0|grep -Fqx " 4	 tab\\there.wav	8	8	2,800	.25	2,816" out && grep -Fqx " 2	 back\\\\slash.wav	16	8	5,556	.25	2,816" out
run SPJINFO --text awkward.spj|0|[ "$(cat out)" = "$(printf "Awkward names\r\n(B)\r\nCV140 Line\nFeed\r\nCV141 Back\\\\slash\r\nCV142 Esc\x1b[2J\r\n(C)\r")" ]
run SPJINFO --clips "$DEMO"|0|[ "$(cat out)" = "$(printf "0\twhistle.wav\t8\t1.6\n1\tbell.wav\t16\t1.5\n2\tchuff.wav\t12\t4\n3\thorn.wav\t16\t2.4\n4\tbrake hiss.wav\t8\t0.8")" ]
run SPJINFO --repeat twice.wav r.wav awkward.spj|1|stderr_is "spjinfo: awkward.spj: more than one clip is named twice.wav; give its line number" && [ ! -e r.wav ]
run SPJINFO --repeat nope.wav r.wav awkward.spj|1|stderr_is "spjinfo: awkward.spj: no clip is named nope.wav" && [ ! -e r.wav ]
run SPJINFO --repeat 9 r.wav awkward.spj|1|stderr_is "spjinfo: awkward.spj: there is no clip on line 9; the project has 4" && [ ! -e r.wav ]
run SPJINFO --json - <awkward.spj|0|grep -q '^{"path":"-","file":"-","folder":"",' out
run SPJINFO - </dev/null|1|[ "$(cat err)" = "spjinfo: -: Problem reading -: the file is too short to hold a directory. Cannot continue." ]
run SPJINFO a/x.spj b/x.spj|1|grep -q "^SPJ Filename:	X.SPJ$" out && stderr_is "spjinfo: b/x.spj: Problem reading x.spj: the file is too short to hold a directory. Cannot continue."
run SPJINFO c/x.spj|1|stderr_is "spjinfo: c/x.spj: Problem reading x.spj: the file cannot be opened (No such file or directory). Cannot continue."
run SPJINFO --cvs c/x.spj|1|stderr_is "spjinfo: c/x.spj: Problem reading x.spj: the file cannot be opened (No such file or directory). Cannot continue."
run SPJINFO d|1|stderr_is "spjinfo: d: Problem reading d: it is not a file. Cannot continue."
run SPJINFO --cvs d/|1|stderr_is "spjinfo: d/: Problem reading d: it is not a file. Cannot continue."
run SPJINFO --repeat 0 /nonexistent/r.wav a/x.spj|1|stderr_is "spjinfo: a/x.spj: cannot write /nonexistent/r.wav: No such file or directory"
on_terminal SPJINFO --repeat 0 - "$DEMO"|2|grep -q "will not write a wave to a terminal" out
on_terminal TAMBRELOX --print cvs --pdf - "$DEMO"|2|grep -q "will not write a PDF to a terminal" out
DISPLAY= run TAMBRELOX "$DEMO"|1|[ ! -s out ] && grep -q "^tambrelox: no display .*--print needs none$" err
DISPLAY=:99 run TAMBRELOX "$DEMO"|1|[ ! -s out ] && grep -q "^tambrelox: no display .*--print needs none$" err
run SPJINFO --repeat="brake hiss.wav" by-name.wav "$DEMO"|0|"$SPJINFO" --repeat 4 by-line.wav "$DEMO" && cmp -s by-line.wav by-name.wav && ! "$SPJINFO" --repeat 3 - "$DEMO" | cmp -s - by-name.wav
run SPJINFO --extract extracted "$DEMO"|0|[ $(wc -l <out) -eq 5 ] && [ -f "extracted/brake hiss.wav" ] && [ $(soxi extracted/*.wav | grep -cE "^(Channels +: 1|Sample Rate +: 11025)$") -eq 10 ] && cp extracted/whistle.wav whistle-before.wav
run SPJINFO --extract extracted "$DEMO"|0|grep -q "whistle (2).wav" out && cmp -s extracted/whistle.wav whistle-before.wav
run SPJINFO --repeat 0 own.spj own.spj|1|cmp -s "$DEMO" own.spj && grep -q "over the project" err
run TAMBRELOX --print summary --pdf own.spj own.spj|1|cmp -s "$DEMO" own.spj && grep -q "Will not print over the project itself" err
run SPJINFO --repeat 0 - "$DEMO"|0|"$SPJINFO" --repeat 0 file.wav "$DEMO" && cmp -s out file.wav && [ ! -e - ]
run SPJINFO --repeat 0 keep.wav "$DEMO"|0|cmp -s keep.wav file.wav
DISPLAY=:99 run TAMBRELOX --print=cvs --pdf=- "$DEMO"|0|[ "$(head -c 5 out)" = "%PDF-" ] && [ ! -e - ] && pdftotext out - | grep -q "Master Volumne"
run TAMBRELOX --print summary --pdf report.pdf "$DEMO"|0|pdftotext report.pdf - | grep -q "TOTAL WHOLE PROJECT"
run TAMBRELOX --print text --pdf report.pdf "$DEMO"|0|pdftotext report.pdf - | grep -q "Enjoy the sounds!"
TABLE

if [ -n "$TAMBRELOX" ]; then
  # Killed by SIGPIPE as spjinfo is, and no word about a runtime folder on the way.
  env -u XDG_RUNTIME_DIR "$TAMBRELOX" --print cvs --pdf - "$DEMO" 2>err | true; status=${PIPESTATUS[0]}
  check "tambrelox --pdf - into a closed pipe ends by SIGPIPE, quietly" '[ $status -eq 141 ] && [ ! -s err ]'
fi

# Whistle is 8-bit, bell 16-bit: either way ten seconds of repeat play hold
# 110250 samples, in whole copies of the clip.
for line_clip in 0:whistle.wav 1:bell.wav; do
  line=${line_clip%%:*} clip=extracted/${line_clip#*:}
  n=$(soxi -s "$clip")
  run SPJINFO --repeat $line repeat.wav "$DEMO"
  check "--repeat $line holds whole copies of the clip filling ten seconds" \
    '[ $status -eq 0 ] && [ "$(soxi -r repeat.wav)" = 11025 ] && [ "$(soxi -s repeat.wav)" = $((110250 / n * n)) ] && cmp -s <(for _ in $(seq $((110250 / n))); do sox "$clip" -t raw -; done) <(sox repeat.wav -t raw -)'
done

# An existing target is replaced whole; a write that fails half-way leaves it
# as it was and nothing beside it (SIGXFSZ ignored, so writes past the limit fail).
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
