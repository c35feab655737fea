#!/usr/bin/env bash
# The real program's "--check-module" with no display at all: the example
# folder passes (status 0), a copy with a broken paper fails (status 1) with
# the file and line of the mistake.
# Usage: check-module.sh <tessaly> <example-module-folder>
set -uo pipefail
prog="$1"; example="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
unset DISPLAY WAYLAND_DISPLAY
# A window would need this platform, which has no display here.
export QT_QPA_PLATFORM=xcb
fail() { echo "FAIL: $*"; exit 1; }

cp -r "$example" "$work/revision"
out="$("$prog" --check-module "$work/revision" 2>&1)"; status=$?
[ "$status" -eq 0 ] || fail "valid folder: status $status: $out"
grep -q "no mistakes" <<<"$out" || fail "valid folder: $out"

sed -i 's/^answer 3$/answer 9/' "$work/revision/paper101.txt"
out="$("$prog" --check-module "$work/revision" 2>&1)"; status=$?
[ "$status" -eq 1 ] || fail "broken folder: status $status: $out"
grep -qxF "$work/revision/paper101.txt:9: 'answer' must name option 1, 2, 3 or 4" <<<"$out" ||
  fail "broken folder: $out"
echo "check-module: valid 0, broken 1 with its line"
