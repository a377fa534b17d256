#!/usr/bin/env bash
# Times `spjinfo --csv -r` over N generated projects of about 200 KB each, in
# nested folders, against `tail -c 1` of the same files in the same run, and
# prints the ratio (target: at most 2). Each is run once to warm the page
# cache, then measured five times, turn about; the fastest run of each counts,
# as the machine may be shared.
# Usage: bench/catalogue.sh [COUNT] [BUILD_DIR]
set -euo pipefail
count=${1:-10000}
build=${2:-$(cd "$(dirname "$0")/.." && pwd)/build}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
per_folder=1000
for ((made = 0, folder = 0; made < count; made += per_folder, folder++)); do
  batch=$((count - made < per_folder ? count - made : per_folder))
  "$build/bench/make_bench_projects" "$work/set$((folder % 4))/batch$folder" "$batch" 2
done

milliseconds() {  # wall time of the command, output thrown away
  local start end
  start=$(date +%s%N)
  "$@" >/dev/null
  end=$(date +%s%N)
  echo $(((end - start) / 1000000))
}
tail_all() { find "$work" -name '*.spj' -exec tail -c 1 -q {} + ; }
catalogue() { "$build/src/app/spjinfo" --csv -r "$work"; }

tail_all >/dev/null
catalogue >/dev/null
tail_ms=
spjinfo_ms=
for _ in 1 2 3 4 5; do
  t=$(milliseconds tail_all)
  s=$(milliseconds catalogue)
  tail_ms=$((${tail_ms:-t} < t ? ${tail_ms:-t} : t))
  spjinfo_ms=$((${spjinfo_ms:-s} < s ? ${spjinfo_ms:-s} : s))
done
size=$(du -sh "$work" | cut -f1)
echo "$count projects ($size) on $(nproc) processors: tail -c 1 ${tail_ms} ms, spjinfo --csv -r ${spjinfo_ms} ms"
awk -v a="$spjinfo_ms" -v b="$tail_ms" \
  'BEGIN { printf "ratio spjinfo/tail: %.2f (target <= 2.00)\n", a / (b > 0 ? b : 1) }'
