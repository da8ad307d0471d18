#!/usr/bin/env bash
# Per-item overhead of tovalo-cli run: 500 items with the simulated dpct in its fastest mode,
# against a plain shell loop that sources the same setvars.sh, asks the version and runs the same
# 500 command lines, its output once thrown away and once read through a pipe (as anything that
# keeps the output, a terminal or Tovalo, reads it). Rounds alternate between the three; prints
# the median and the fastest round of each and their ratios, and the median of the ratios within
# a round (the three runs of a round meet about the same load, so on a shared machine that
# paired figure is the steadiest).
#   per_item_overhead.sh BUILD_DIR [ITEMS] [ROUNDS]
set -euo pipefail
build=$(cd "${1:?build dir}" && pwd)
items=${2:-500}
rounds=${3:-11}
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
fastest() { sort -g | head -1; }
run_cli() { "$cli" run "$work/def.txt" --oneapi-root "$toolkit" --jobs 1 --quiet > /dev/null; }
loop_script() {
  cat <<EOS
. '$toolkit/setvars.sh'
dpct --version
while IFS= read -r line; do eval "\$line"; done < '$work/commands.sh'
EOS
}
# The loop's output thrown away, and read through a pipe as anything that keeps it does.
run_loop() { loop_script | bash -s > /dev/null 2>&1; }
run_piped() { loop_script | bash -s 2>&1 | cat > /dev/null; }
cd "$work"
run_cli; run_loop; run_piped # warm the caches
: > cli.t; : > loop.t; : > piped.t
for _ in $(seq "$rounds"); do
  s=$(now); run_cli; e=$(now); awk -v a="$e" -v b="$s" 'BEGIN{print a-b}' >> cli.t
  s=$(now); run_loop; e=$(now); awk -v a="$e" -v b="$s" 'BEGIN{print a-b}' >> loop.t
  s=$(now); run_piped; e=$(now); awk -v a="$e" -v b="$s" 'BEGIN{print a-b}' >> piped.t
done
printf 'per-item overhead, %d items, %d rounds each\n' "$items" "$rounds"
report() { # report LABEL CLI LOOP
  awk -v t="$1" -v c="$2" -v l="$3" -v n="$items" 'BEGIN {
    printf "  %-8s tovalo-cli run --quiet %.3f s (%.3f ms/item), plain shell loop %.3f s (%.3f ms/item), ratio %.3f\n",
      t, c, c * 1000 / n, l, l * 1000 / n, c / l }'
}
echo " against the loop with its output thrown away:"
report median "$(median < cli.t)" "$(median < loop.t)"
report fastest "$(fastest < cli.t)" "$(fastest < loop.t)"
echo " against the loop with its output read through a pipe:"
report median "$(median < cli.t)" "$(median < piped.t)"
report fastest "$(fastest < cli.t)" "$(fastest < piped.t)"
paired() { paste "$1" "$2" | awk '{print $1 / $2}' | median; }
echo " median of the ratios within a round: against the loop thrown away $(paired cli.t loop.t), against the piped loop $(paired cli.t piped.t)"
echo "  target: ratio at most 1.05"
