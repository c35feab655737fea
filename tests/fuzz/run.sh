#!/bin/sh
# Runs one fuzz target from its seeds for TESSALY_FUZZ_SECONDS (20 by
# default). Any finding (crash, sanitizer report, broken invariant, leak,
# timeout) fails, and the input is kept beside the target under findings/.
# Usage: run.sh TARGET SEEDS
set -u
target="$1" seeds="$2"
corpus="$(mktemp -d)"
LSAN_OPTIONS="suppressions=$(dirname "$0")/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
export LSAN_OPTIONS
findings="$(dirname "$target")/findings"
mkdir -p "$findings"
"$target" -max_total_time="${TESSALY_FUZZ_SECONDS:-20}" -timeout=10 -rss_limit_mb=2048 \
  -artifact_prefix="$findings/$(basename "$target")-" -print_final_stats=1 "$corpus" "$seeds"
status=$?
rm -rf "$corpus"
exit $status
