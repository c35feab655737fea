#!/usr/bin/env bash
# Start-up benchmark: launch to the first window painted (and mapped), and
# peak memory, median of RUNS runs, for the program and for a minimal Qt
# window, the two taken in turns in the same run.
# Usage: bench/startup.sh [build-dir] (runs Xvfb itself when DISPLAY is unset)
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$here/build}"
runs="${RUNS:-21}"
. "$here/scripts/xvfb.sh" :96
work="$(mktemp -d)"
trap 'rm -rf "$work"; [ -n "${XVFB_PID:-}" ] && kill $XVFB_PID 2>/dev/null || true' EXIT
cp "$build/bin/tessaly" "$build"/bin/libtessaly_browser.so "$work/"
"$work/tessaly" >/dev/null 2>&1 & p=$!; sleep 3; kill $p 2>/dev/null || true; wait $p 2>/dev/null || true

median() { sort -g | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
: > "$work/minimal.txt"
: > "$work/tessaly.txt"
for _ in $(seq "$runs"); do
  "$build/bin/tessaly_waitmap" "$build/bin/tessaly_bench_minimal" 2>/dev/null >> "$work/minimal.txt"
  "$build/bin/tessaly_waitmap" "$work/tessaly" 2>/dev/null >> "$work/tessaly.txt"
done
column() { cut -d' ' -f"$2" "$work/$1.txt" | median; }
min_ms=$(column minimal 1); min_map=$(column minimal 2); min_kib=$(column minimal 3)
app_ms=$(column tessaly 1); app_map=$(column tessaly 2); app_kib=$(column tessaly 3)
echo "runs: $runs each, medians"
echo "minimal Qt window: painted ${min_ms} ms (mapped ${min_map} ms), ${min_kib} KiB peak"
echo "tessaly main window: painted ${app_ms} ms (mapped ${app_map} ms), ${app_kib} KiB peak"
awk -v a="$app_ms" -v m="$min_ms" -v ak="$app_kib" -v mk="$min_kib" 'BEGIN {
  printf "ratio: start-up %.2f (target <= 1.5), memory %.2f (target <= 2.0)\n", a/m, ak/mk }'
