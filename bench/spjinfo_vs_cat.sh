#!/usr/bin/env bash
# Times `spjinfo --json` over 1,000 generated projects against `cat` of the
# same files in the same run, and prints the ratio (target: at most 2).
# Usage: bench/spjinfo_vs_cat.sh [BUILD_DIR]
set -euo pipefail
build=${1:-$(cd "$(dirname "$0")/.." && pwd)/build}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$build/bench/make_bench_projects" "$work" 1000
files=("$work"/*.spj)

best() {  # best of five runs, in milliseconds
  local best_ns=
  for _ in 1 2 3 4 5; do
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null
    end=$(date +%s%N)
    local ns=$((end - start))
    if [ -z "$best_ns" ] || [ "$ns" -lt "$best_ns" ]; then best_ns=$ns; fi
  done
  echo $((best_ns / 1000000))
}

cat "${files[@]}" >/dev/null  # warm the page cache for both
cat_ms=$(best cat "${files[@]}")
spjinfo_ms=$(best "$build/src/app/spjinfo" --json "${files[@]}")
size=$(du -sh "$work" | cut -f1)
echo "1000 projects ($size): cat ${cat_ms} ms, spjinfo --json ${spjinfo_ms} ms"
awk -v a="$spjinfo_ms" -v b="$cat_ms" 'BEGIN { printf "ratio spjinfo/cat: %.2f (target <= 2.00)\n", a / (b > 0 ? b : 1) }'
