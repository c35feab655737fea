#!/usr/bin/env bash
# Installs what is missing, builds and runs every test. Needs no display: the
# suites run offscreen, and an X server is started for the end-to-end run.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
bash "$here/scripts/deps.sh"
bash "$here/scripts/build.sh"
build="${BUILD_DIR:-$here/build}"
xvfb_pid=""
if [ -z "${DISPLAY:-}" ]; then
  export DISPLAY=:97
  Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  trap '[ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true' EXIT
  sleep 1
fi
ctest --test-dir "$build" --output-on-failure -j2
