#!/usr/bin/env bash
# Per-item overhead of tovalo-cli run: 500 items with the simulated dpct in its fastest mode,
# against a plain shell loop that sources the same setvars.sh, asks the version and runs the same
# 500 command lines. Prints the median of several rounds of each and their ratio.
#   per_item_overhead.sh BUILD_DIR [ITEMS] [ROUNDS]
set -euo pipefail
build=$(cd "${1:?build dir}" && pwd)
items=${2:-500}
rounds=${3:-5}
cli=$build/src/cli/tovalo-cli
toolkit=$build/dpct-sim-toolkit
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
unset SETVARS_COMPLETED DPCT_SIM_VERSION_STYLE

{ printf '[Common]\nVersion=01.00.00.00\n\n'
  for i in $(seq "$items"); do
    printf '// dpct-sim: fast=yes\n__global__ void k() {}\n' > "$work/f$i.cu"
    printf '[%s]\n\n' "$work/f$i.cu"
  done; } > "$work/def.txt"
"$cli" commands --dialect sh "$work/def.txt" > "$work/commands.sh"

now() { date +%s.%N; }
median() { sort -g | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
run_cli() { "$cli" run "$work/def.txt" --oneapi-root "$toolkit" --quiet > /dev/null; }
run_loop() {
  bash -s > /dev/null 2>&1 <<EOS
. '$toolkit/setvars.sh'
dpct --version
while IFS= read -r line; do eval "\$line"; done < '$work/commands.sh'
EOS
}
cd "$work"
run_cli; run_loop # warm the caches
: > cli.t; : > loop.t
for _ in $(seq "$rounds"); do
  s=$(now); run_cli; e=$(now); awk -v a="$e" -v b="$s" 'BEGIN{print a-b}' >> cli.t
  s=$(now); run_loop; e=$(now); awk -v a="$e" -v b="$s" 'BEGIN{print a-b}' >> loop.t
done
c=$(median < cli.t); l=$(median < loop.t)
printf 'per-item overhead, %d items, median of %d rounds\n' "$items" "$rounds"
awk -v c="$c" -v l="$l" -v n="$items" 'BEGIN {
  printf "  tovalo-cli run --quiet : %.3f s (%.3f ms per item)\n", c, c * 1000 / n
  printf "  plain shell loop       : %.3f s (%.3f ms per item)\n", l, l * 1000 / n
  printf "  ratio                  : %.3f (target at most 1.05)\n", c / l }'
