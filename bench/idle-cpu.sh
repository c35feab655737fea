#!/usr/bin/env bash
# Idle-CPU benchmark: starts the program from a copy in a fresh folder, lets
# it settle, then measures the CPU time it uses while idling for IDLE seconds
# (default 10), with the pointer resting over its window, from
# /proc/<pid>/stat. Target: under 1 % of one core. Exits 1 above target.
# Usage: bench/idle-cpu.sh [program [arguments...]]
#   default program: build/bin/tessaly; for the frame toolkit alone:
#   bench/idle-cpu.sh build/bin/tessaly_frame_demo
# Runs Xvfb itself when DISPLAY is unset.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
program="${1:-$here/build/bin/tessaly}"
[ $# -gt 0 ] && shift
idle="${IDLE:-10}"
settle="${SETTLE:-3}"
target="${TARGET:-1.0}"

. "$here/scripts/xvfb.sh" :95
work="$(mktemp -d)"
app=""
cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null || true
  [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# The program writes its workspace beside itself: give it a fresh one.
cp "$program" "$work/"
browser="$(dirname "$program")/libtessaly_browser.so"
[ -f "$browser" ] && cp "$browser" "$work/"
export QT_QPA_PLATFORM=xcb
"$work/$(basename "$program")" "$@" >/dev/null 2>&1 &
app=$!
sleep "$settle"
kill -0 "$app" 2>/dev/null || { echo "the program ended during start-up" >&2; exit 2; }
# Rest the pointer over the window, as a pupil's hand would.
command -v xdotool >/dev/null && xdotool mousemove 300 300 >/dev/null 2>&1 || true
sleep 0.5

# utime + stime, in clock ticks (fields 14 and 15, counted after the
# parenthesised command name, which may hold spaces).
cpu_ticks() { sed 's/^.*) //' "/proc/$app/stat" | awk '{ print $12 + $13 }'; }
start_ticks=$(cpu_ticks)
start_ns=$(date +%s%N)
sleep "$idle"
end_ticks=$(cpu_ticks)
end_ns=$(date +%s%N)
hz=$(getconf CLK_TCK)

awk -v t=$((end_ticks - start_ticks)) -v hz="$hz" -v ns=$((end_ns - start_ns)) \
    -v target="$target" -v name="$(basename "$program")" 'BEGIN {
  pct = 100 * (t / hz) / (ns / 1e9)
  printf "%s idle for %.1f s: %.2f %% of one core (%d ticks of 1/%d s; target < %.1f %%)\n",
         name, ns / 1e9, pct, t, hz, target
  exit pct < target ? 0 : 1 }'
