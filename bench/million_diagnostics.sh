#!/usr/bin/env bash
# Peak memory of a run whose dpct prints a million diagnostics (about 95 MB of output with a
# short source path): tovalo-cli writing its results file, and reading it back with `report`
# and with `run --only ng`. Each figure is the process's largest resident set
# (/usr/bin/time's %M).
#   million_diagnostics.sh BUILD_DIR [ITEMS [DIAGNOSTICS_PER_ITEM]]   (a release build, targets
#   tovalo-cli and dpct-sim-toolkit)
# ITEMS sources each print DIAGNOSTICS_PER_ITEM warning lines (default: one item, a million).
set -euo pipefail
build=$(cd "${1:?build dir}" && pwd)
items=${2:-1}
per=${3:-1000000}
cli=$build/src/cli/tovalo-cli
toolkit=$build/dpct-sim-toolkit
work=$(mktemp -d /tmp/md.XXXXXX)
trap 'rm -rf "$work"' EXIT
unset SETVARS_COMPLETED DPCT_SIM_VERSION_STYLE

# The simulator's warning-like lines: "<source>:1:1: warning: DPCT1003:0: <message>\n".
message='Migrated API does not return error code. (*, 0) is inserted. You may need to rewrite this code.'
{ printf '[Common]\nVersion=01.00.00.00\n\n'
  for i in $(seq "$items"); do
    src=$work/k$i.cu
    line="$src:1:1: warning: DPCT1003:0: $message"
    bytes=$(( (${#line} + 1) * per ))
    printf '// dpct-sim: result=warnings warnings=0 output-bytes=%d\n__global__ void k() {}\n' "$bytes" > "$src"
    printf '[%s]\n--out-root="%s"\n\n' "$src" "$work/out$i"
  done; } > "$work/def.txt"

measure() { # measure LABEL COMMAND...
  local label=$1; shift
  /usr/bin/time -f "%e %M" -o "$work/time" "$@" > /dev/null 2> "$work/stderr" || true; tail -3 "$work/stderr" >&2
  read -r seconds kb < <(tail -1 "$work/time")
  printf '  %-34s %6.0f MB peak, %6.2f s\n' "$label" "$(awk -v k="$kb" 'BEGIN{print k / 1024}')" "$seconds"
}
cd "$work"
printf '%d item(s) x %d diagnostics; load: %s\n' "$items" "$per" "$(cut -d' ' -f1-3 /proc/loadavg)"
measure "run --results (writing)" "$cli" run def.txt --oneapi-root "$toolkit" --jobs 1 --quiet --results r.json
size=$(stat -c %s r.json)
printf '  results file %.1f MB, %s diagnostics kept\n' "$(awk -v s="$size" 'BEGIN{print s / 1048576}')" \
  "$(grep -o '"line"' r.json | wc -l)"
measure "report (reading)" "$cli" report r.json -o report.html
measure "run --only ng (reading, writing back)" "$cli" run def.txt --oneapi-root "$toolkit" --jobs 1 --quiet --results r.json --only ng
