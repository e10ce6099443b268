#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Cold start to the title screen on view, and peak memory, side by side with a bare Qt Widgets
# program showing one 800 x 600 window, in the same run on the same X display.
# Usage: bench/startup.sh <quorvel> <bare_window> [runs]   (needs DISPLAY; wait_window is built
# beside bare_window)
# Targets: Quorvel at most 1.2 times the bare program's time and 1.5 times its memory. On a busy
# machine run it (and the X server) at a higher priority, e.g. under `nice -n -10`, and with more
# runs; docs/performance.md has the figures.
set -euo pipefail
quorvel=$1
bare=$2
runs=${3:-7}
wait_window="$(dirname "$bare")/wait_window"
[ -n "${DISPLAY:-}" ] || { echo "needs an X display" >&2; exit 2; }

# measure EXE WINDOW_TITLE -> "milliseconds peak_kib"
measure() {
  local start pid end hwm
  start=$(date +%s%N)
  "$1" >/dev/null 2>&1 & pid=$!
  "$wait_window" "$2" 20000 || { kill $pid 2>/dev/null; echo "no window from $1" >&2; exit 2; }
  end=$(date +%s%N)
  sleep 0.3 # let painting settle before reading the peak
  hwm=$(awk '/VmHWM/ {print $2}' /proc/$pid/status)
  kill $pid; wait $pid 2>/dev/null || true
  echo "$(( (end - start) / 1000000 )) $hwm"
}

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

q_t=(); q_m=(); b_t=(); b_m=()
for _ in $(seq "$runs"); do
  read -r t m < <(measure "$bare" 'bare'); b_t+=("$t"); b_m+=("$m")
  read -r t m < <(measure "$quorvel" ' '); q_t+=("$t"); q_m+=("$m")
done
bt=$(printf '%s\n' "${b_t[@]}" | median); bm=$(printf '%s\n' "${b_m[@]}" | median)
qt=$(printf '%s\n' "${q_t[@]}" | median); qm=$(printf '%s\n' "${q_m[@]}" | median)
echo "start-up (median of $runs): bare ${bt} ms, quorvel ${qt} ms, ratio $(awk "BEGIN{printf \"%.2f\", $qt/$bt}")"
echo "peak memory:               bare ${bm} KiB, quorvel ${qm} KiB, ratio $(awk "BEGIN{printf \"%.2f\", $qm/$bm}")"
awk "BEGIN{exit !($qt <= 1.2*$bt && $qm <= 1.5*$bm)}" && echo "within the targets" ||
  { echo "OVER a target"; exit 1; }
