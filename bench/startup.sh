#!/usr/bin/env bash
# Start-up benchmark: launch to first window mapped, and peak memory, median of
# RUNS runs, for the program and for a minimal Qt window, in the same run.
# Usage: bench/startup.sh [build-dir] (runs Xvfb itself when DISPLAY is unset)
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$here/build}"
runs="${RUNS:-7}"
. "$here/scripts/xvfb.sh" :96
work="$(mktemp -d)"
trap 'rm -rf "$work"; [ -n "${XVFB_PID:-}" ] && kill $XVFB_PID 2>/dev/null || true' EXIT
cp "$build/bin/tessaly" "$build"/bin/libtessaly_browser.so "$work/"
"$work/tessaly" >/dev/null 2>&1 & p=$!; sleep 3; kill $p 2>/dev/null || true; wait $p 2>/dev/null || true

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
measure() {
  local out="$work/$1.txt"; shift
  : > "$out"
  for _ in $(seq "$runs"); do "$build/bin/tessaly_waitmap" "$@" 2>/dev/null >> "$out"; done
  echo "$(cut -d' ' -f1 "$out" | median) $(cut -d' ' -f2 "$out" | median)"
}
read -r min_ms min_kib < <(measure minimal "$build/bin/tessaly_bench_minimal")
read -r app_ms app_kib < <(measure tessaly "$work/tessaly")
echo "minimal Qt window: ${min_ms} ms, ${min_kib} KiB peak"
echo "tessaly main window: ${app_ms} ms, ${app_kib} KiB peak"
awk -v a="$app_ms" -v m="$min_ms" -v ak="$app_kib" -v mk="$min_kib" 'BEGIN {
  printf "ratio: start-up %.2f (target <= 1.5), memory %.2f (target <= 2.0)\n", a/m, ak/mk }'
