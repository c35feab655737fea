#!/usr/bin/env bash
# Start-up benchmark: launch to the first window painted (and mapped), and
# peak memory, median of RUNS runs, for the program and for a minimal Qt
# window, the two taken in turns in the same run.
# Usage: bench/startup.sh [build-dir] (runs Xvfb itself when DISPLAY is unset)
# MODULE=folder puts a teacher's module folder into the workspace's Modules.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$here/build}"
runs="${RUNS:-21}"
for tool in tessaly tessaly_bench_minimal tessaly_waitmap; do
  [ -x "$build/bin/$tool" ] || { echo "missing $build/bin/$tool (tessaly_waitmap needs libxdamage-dev)"; exit 1; }
done
. "$here/scripts/xvfb.sh" :96
work="$(mktemp -d)"
trap 'rm -rf "$work"; [ -n "${XVFB_PID:-}" ] && kill $XVFB_PID 2>/dev/null || true' EXIT
cp "$build/bin/tessaly" "$build"/bin/libtessaly_browser.so "$work/"
if [ -n "${MODULE:-}" ]; then
  mkdir -p "$work/Modules" && cp -r "$MODULE" "$work/Modules/"
fi
# A first start writes the pictures and results files, as a pupil's first run.
"$work/tessaly" >/dev/null 2>&1 & p=$!; sleep 3; kill $p 2>/dev/null || true; wait $p 2>/dev/null || true

# One timing of "$@" appended to the file $1; a failed run is told and left out.
time_one() {
  local out="$1"; shift
  "$build/bin/tessaly_waitmap" "$@" >> "$out" 2>> "$work/errors.txt" ||
    echo "a run of $(basename "$1") failed: $(tail -1 "$work/errors.txt")" >&2
  # The program just ended and the X server frees what it held: the next
  # start should not share the processors with that.
  sleep 0.3
}
median() { sort -g | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
: > "$work/minimal.txt"
: > "$work/tessaly.txt"
for _ in $(seq "$runs"); do
  time_one "$work/minimal.txt" "$build/bin/tessaly_bench_minimal"
  time_one "$work/tessaly.txt" "$work/tessaly"
done
for f in minimal tessaly; do
  [ -s "$work/$f.txt" ] || { echo "no run of $f succeeded"; exit 1; }
done
field() { cut -d' ' -f"$2" "$work/$1.txt" | median; }
min_ms=$(field minimal 1); min_map=$(field minimal 2); min_kib=$(field minimal 3)
app_ms=$(field tessaly 1); app_map=$(field tessaly 2); app_kib=$(field tessaly 3)
echo "runs: $(wc -l < "$work/minimal.txt") and $(wc -l < "$work/tessaly.txt") of $runs, medians"
echo "minimal Qt window: painted ${min_ms} ms (mapped ${min_map} ms), ${min_kib} KiB peak"
echo "tessaly main window: painted ${app_ms} ms (mapped ${app_map} ms), ${app_kib} KiB peak"
awk -v a="$app_ms" -v m="$min_ms" -v ak="$app_kib" -v mk="$min_kib" 'BEGIN {
  printf "ratio: start-up %.2f (target <= 1.5), memory %.2f (target <= 2.0)\n", a/m, ak/mk }'
