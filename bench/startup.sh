#!/usr/bin/env bash
# Time from process start to the first paint of the main window with the demo
# project loaded, against a Qt window showing one line of text (and, for scale,
# a bare one, and one with the main window's controls as plain widgets), each
# the median of RUNS starts.
# Usage: bench/startup.sh [BUILD_DIR] (default build/; RUNS defaults to 21)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
runs=${RUNS:-21}
demo=$build/samples/demo.spj
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}

# Sets `took` to the microseconds from just before the start of "$@" to the
# time it prints.
measure() {
  local start=${EPOCHREALTIME/[.,]/}
  local painted
  painted=$("$@" 2>/dev/null) || { echo "startup.sh: $1 failed" >&2; return 1; }
  took=$((painted - start))
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

bare=()
text=()
controls=()
main=()
# Interleaved, so all four see the same state of the machine.
for ((i = 0; i < runs; i++)); do
  measure "$build/bench/bare_window_probe"
  bare+=("$took")
  measure "$build/bench/bare_window_probe" --text
  text+=("$took")
  measure "$build/bench/bare_window_probe" --controls
  controls+=("$took")
  measure "$build/bench/main_window_probe" "$demo"
  main+=("$took")
done
bare_median=$(printf '%s\n' "${bare[@]}" | median)
text_median=$(printf '%s\n' "${text[@]}" | median)
controls_median=$(printf '%s\n' "${controls[@]}" | median)
main_median=$(printf '%s\n' "${main[@]}" | median)
awk -v b="$bare_median" -v t="$text_median" -v c="$controls_median" -v m="$main_median" -v n="$runs" -v p="$QT_QPA_PLATFORM" 'BEGIN {
  printf "start to first paint, median of %d runs (%s), and the ratio to one text line:\n", n, p
  printf "  bare Qt window:                 %7.1f ms  (%.2fx)\n", b / 1000, b / t
  printf "  Qt window, one text line:       %7.1f ms\n", t / 1000
  printf "  the controls as plain widgets:  %7.1f ms  (%.2fx)\n", c / 1000, c / t
  printf "  main window with demo:          %7.1f ms  (%.2fx, target 1.25x or less)\n", m / 1000, m / t
}'
