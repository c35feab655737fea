#!/usr/bin/env bash
# The long run of the kill loop: a child process stores marked attempts and
# erases, and is killed at random moments KILLS times (1000 by default);
# after each kill the start-up's recovery must find the old set of results
# files or the new one. Reports the kills, the inconsistent sets (must be
# 0) and how many kills landed inside a change.
# Usage: bench/kill-loop.sh [build-dir]   (KILLS, SEED to change the run)
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$here/build}"
[ -x "$build/bin/tst_killloop" ] || { echo "missing $build/bin/tst_killloop"; exit 1; }
TESSALY_KILLS="${KILLS:-1000}" TESSALY_KILL_SEED="${SEED:-0}" QT_QPA_PLATFORM=offscreen \
  "$build/bin/tst_killloop" 2>&1 | grep -E "kills in|FAIL|Totals"
