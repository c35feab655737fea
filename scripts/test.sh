#!/usr/bin/env bash
# Installs what is missing, builds and runs every test. Needs no display: the
# suites run offscreen, and an X server is started for the end-to-end run.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
bash "$here/scripts/deps.sh"
bash "$here/scripts/build.sh"
build="${BUILD_DIR:-$here/build}"
. "$here/scripts/xvfb.sh" :97
trap '[ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true' EXIT
ctest --test-dir "$build" --output-on-failure -j2
