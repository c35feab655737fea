#!/usr/bin/env bash
# Paper window timings under Xvfb: click on a load button to the first
# question page painted, Next to the new page painted (targets: median at
# most 400 ms and 120 ms), and the answers store on a move of an 80-slot
# paper (target: under 5 ms). RUNS papers are opened, three moves each.
# Usage: bench/paper-open.sh [build-dir] (runs Xvfb itself when DISPLAY is unset)
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$here/build}"
runs="${RUNS:-9}"
. "$here/scripts/xvfb.sh" :98
work="$(mktemp -d)"
trap 'rm -rf "$work"; [ -n "${XVFB_PID:-}" ] && kill $XVFB_PID 2>/dev/null || true' EXIT
# The browser module is looked for beside the program.
cp "$build/bin/tessaly_bench_paperopen" "$build/bin/libtessaly_browser.so" "$work/"
"$work/tessaly_bench_paperopen" "$runs" 2>/dev/null | tee "$work/out.txt"
awk '$1 == "open" { o = $7 } $1 == "next" { n = $7 } $1 == "store" { s = $7 }
  END { printf "targets: open %s (<= 400), next %s (<= 120), store %s (< 5) ms median\n", o, n, s }' "$work/out.txt"
