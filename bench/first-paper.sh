#!/usr/bin/env bash
# First paper benchmark, as the pupil sees it: from a real click (xdotool) on
# the load button of paper 1 of topic 2 to the question's text on the screen,
# a fresh program each time, against a minimal Qt program that creates a web
# view on a click and loads the same page archive where the paper window
# shows it. The two are taken in turns; medians of RUNS runs (default 7).
# Two cases: the load button clicked at once after choosing the topic, and
# one second after. Also the resident memory of the program and of its
# helper processes before the topic is chosen and one second after (what
# getting ready for the paper costs).
# Usage: bench/first-paper.sh [build-dir] (runs Xvfb itself when DISPLAY is unset)
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$here/build}"
runs="${RUNS:-7}"
for tool in tessaly tessaly_bench_webview tessaly_waitpage; do
  [ -x "$build/bin/$tool" ] || { echo "missing $build/bin/$tool (tessaly_waitpage needs libxdamage-dev and libxext-dev)"; exit 1; }
done
command -v xdotool >/dev/null || { echo "xdotool is missing"; exit 1; }
. "$here/scripts/xvfb.sh" :94
work="$(mktemp -d)"
pid=""
stop() {
  [ -n "$pid" ] || return 0
  # The program leads a process group of its own: the web engine's helpers go with it.
  kill -- "-$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  pid=""
}
trap 'stop; rm -rf "$work"; [ -n "${XVFB_PID:-}" ] && kill $XVFB_PID 2>/dev/null || true' EXIT
cp "$build/bin/tessaly" "$build/bin/libtessaly_browser.so" "$work/"

# The first question of paper 6 (topic 2, paper 1), for the minimal program.
page="$(grep -a '^#106#' "$build/resources/content/30022" | cut -d'>' -f2 | tr -d '\r')"
cp "$build/resources/content/$page" "$work/page$page.mht"
read -r px py pw ph < <("$build/bin/tessaly_bench_webview" --rect 2>/dev/null)

# Starts "$@" in $work as the leader of a new process group; sets pid.
start() {
  xdotool mousemove 1 1 # nowhere near a button of the new window
  (cd "$work" && exec setsid "$@" >>"$work/log.txt" 2>&1) &
  pid=$!
}
# Waits for the visible window titled $1 of the started program, then lets
# the start-up's threads finish; prints the window.
window() {
  local w=""
  for _ in $(seq 100); do
    w="$(xdotool search --all --onlyvisible --pid "$pid" --name "$1" 2>/dev/null | head -1 || true)"
    [ -n "$w" ] && break
    sleep 0.1
  done
  [ -n "$w" ] || return 1
  sleep 1.5
  echo "$w"
}
# Whether the started program is still running, and its last words.
ended() {
  if kill -0 "$pid" 2>/dev/null; then echo "still running"; else echo "ended"; fi
  grep -v '^ *\*\|^$' "$work/log.txt" | tail -3 | tr '\n' ' '
}
# Resident memory of the started program and, summed, of its helper
# processes, in KiB: "main helpers".
memory() {
  local helpers=0 p kib
  for p in $(pgrep -g "$pid"); do
    [ "$p" = "$pid" ] && continue
    kib="$(awk '/^VmRSS:/ {print $2}' "/proc/$p/status" 2>/dev/null || echo 0)"
    helpers=$((helpers + ${kib:-0}))
  done
  echo "$(awk '/^VmRSS:/ {print $2}' "/proc/$pid/status") $helpers"
}

# One run: program (tessaly or webview), delay after the topic; appends the
# milliseconds to $work/<program>-<delay>.txt, a failed run is told and left out.
run() {
  local program="$1" delay="$2" w before after ms
  if [ "$program" = tessaly ]; then
    start ./tessaly
    w="$(window '^Tessaly$')" || { echo "tessaly: no main window; $(ended)" >&2; stop; return; }
    before="$(memory)"
    xdotool mousemove --window "$w" 140 217 click 1 # topic 2
    sleep "$delay"
    [ "$delay" = 0 ] || after="$(memory)"
    set -- "$w" 553 185 # load button of paper 1
  else
    start "$build/bin/tessaly_bench_webview" "$work/page$page.mht" "$px" "$py" "$pw" "$ph"
    w="$(window '^webview$')" || { echo "webview: no window; $(ended)" >&2; stop; return; }
    xdotool mousemove --window "$w" 40 40 click 1 # nothing there: the topic's click
    sleep "$delay"
    set -- "$w" 200 140 # its Load button
  fi
  if ms="$("$build/bin/tessaly_waitpage" "$px" "$py" "$pw" "$ph" \
      xdotool mousemove --window "$1" "$2" "$3" click 1 2>>"$work/errors.txt")"; then
    echo "$ms" >> "$work/$program-$delay.txt"
    [ -z "${after:-}" ] || echo "$before $after" >> "$work/memory.txt"
  else
    echo "a run of $program ($delay s) failed: $(tail -1 "$work/errors.txt")" >&2
  fi
  stop
  sleep 0.5 # the processors free again before the next start
}

median() { sort -g | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
for delay in 0 1; do
  : > "$work/tessaly-$delay.txt"
  : > "$work/webview-$delay.txt"
done
: > "$work/memory.txt"
for _ in $(seq "$runs"); do
  for delay in 0 1; do
    run webview "$delay"
    run tessaly "$delay"
  done
done

echo "runs: medians of $runs, click to the question's text on the screen"
for delay in 0 1; do
  for program in webview tessaly; do
    [ -s "$work/$program-$delay.txt" ] || { echo "no run of $program ($delay s) succeeded"; exit 1; }
  done
  w="$(cut -d' ' -f1 "$work/webview-$delay.txt" | median)"
  t="$(cut -d' ' -f1 "$work/tessaly-$delay.txt" | median)"
  tw="$(cut -d' ' -f2 "$work/tessaly-$delay.txt" | median)"
  target=1.1
  [ "$delay" = 0 ] || target=0.5
  awk -v w="$w" -v t="$t" -v tw="$tw" -v d="$delay" -v target="$target" \
    -v nw="$(wc -l < "$work/webview-$delay.txt")" -v nt="$(wc -l < "$work/tessaly-$delay.txt")" 'BEGIN {
    printf "clicked %s after the topic: minimal web view %.1f ms (%d runs), tessaly %.1f ms (%d runs; its window up after %.1f ms), ratio %.2f (target <= %s)\n",
      d == 0 ? "at once" : "1 s", w, nw, t, nt, tw, t / w, target }'
done
if [ -s "$work/memory.txt" ]; then
  m() { cut -d' ' -f"$1" "$work/memory.txt" | median; }
  awk -v mb="$(m 1)" -v hb="$(m 2)" -v ma="$(m 3)" -v ha="$(m 4)" 'BEGIN {
    printf "resident memory before a topic: %.1f MiB (helpers %.1f MiB); one second after: %.1f MiB (helpers %.1f MiB)\n",
      mb / 1024, hb / 1024, ma / 1024, ha / 1024 }'
fi
