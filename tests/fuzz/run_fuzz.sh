#!/usr/bin/env bash
# Runs one fuzz harness from its committed seeds for TOVALO_FUZZ_SECONDS (default 30).
# New inputs go to a work folder in the build tree, never into the seeds; a crash leaves its
# input there too (crash-*) and fails the run.
# Further arguments go to the harness after the defaults (a later -timeout= wins).
#   run_fuzz.sh HARNESS_EXE SEED_DIR WORK_DIR [LIBFUZZER_OPTION...]
set -euo pipefail
exe=$1 seeds=$2 work=$3
shift 3
mkdir -p "$work/corpus"
cd "$work"
exec "$exe" -max_total_time="${TOVALO_FUZZ_SECONDS:-30}" -timeout=10 -rss_limit_mb=2048 \
  -print_final_stats=1 -artifact_prefix="$work/" "$@" "$work/corpus" "$seeds"
