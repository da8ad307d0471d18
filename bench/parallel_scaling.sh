#!/usr/bin/env bash
# How tovalo-cli run scales with --jobs. Prints one table per case, each K run ROUNDS times (the
# fastest round counts; on a shared machine it is the steadier figure):
#   sleep  48 items in 12 out-roots, each item's dpct sleeping 400 ms (delay-ms), the list
#          interleaved (item i writes into out-root i mod 12), K = 1, 2, 4, 8: wall time against
#          the ideal (sum of the items' times / K) and the share of the ideal speed-up reached.
#   sleep-grouped  the same items with each out-root's four items next to each other in the list.
#          Items of one out-root run one after another and the next item to start is the first
#          waiting one whose out-root is free, so with 8 consoles the last 4 out-roots run on 4
#          consoles only: 8 rounds of items instead of 6 (a bound of the rule, 0.75 of the ideal).
#          Beside each K of the interleaved list, a plain shell's time for the same 48 dpct
#          commands K at a time in waves (K consecutive items never share an out-root there): what
#          this machine does with the same processes and no scheduler at all.
#   cpu    8 items in 8 out-roots, each computing for 400 ms of processor time (busy-ms), K = 1
#          and 2: the speed-up of K = 2 over K = 1 (on a 2-core machine at most 2).
#   parallel_scaling.sh BUILD_DIR [ROUNDS]   (a release build: cmake --preset release, targets
#                                             tovalo-cli dpct-sim-toolkit)
set -euo pipefail
build=$(cd "${1:?build dir}" && pwd)
rounds=${2:-3}
cli=$build/src/cli/tovalo-cli
toolkit=$build/dpct-sim-toolkit
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
unset SETVARS_COMPLETED DPCT_SIM_VERSION_STYLE
cd "$work"

# list NAME COUNT ROOTS DIRECTIVES LAYOUT(interleaved|grouped)
list() {
  local name=$1 count=$2 roots=$3 directives=$4 layout=$5 i root
  { printf '[Common]\nVersion=01.00.00.00\n\n'
    for i in $(seq 0 $((count - 1))); do
      if [ "$layout" = grouped ]; then root=$((i / (count / roots))); else root=$((i % roots)); fi
      printf '// dpct-sim: %s\n__global__ void k() {}\n' "$directives" > "$work/$name-$i.cu"
      printf '[%s]\n--out-root=%s\n\n' "$work/$name-$i.cu" "$work/out-$name/$root"
    done; } > "$work/$name.txt"
}
now() { date +%s.%N; }
# best NAME K: the fastest of ROUNDS runs, in seconds; every item must end ok.
best() {
  local b="" s e t r
  for r in $(seq "$rounds"); do
    rm -rf "$work/out-$1"
    s=$(now)
    "$cli" run "$work/$1.txt" --oneapi-root "$toolkit" --jobs "$2" --quiet > "$work/last.out" 2>&1 ||
      { echo "run $1 --jobs $2 failed:" >&2; tail -20 "$work/last.out" >&2; exit 1; }
    e=$(now)
    t=$(awk -v a="$e" -v b="$s" 'BEGIN{print a-b}')
    if [ -z "$b" ] || awk -v a="$t" -v b="$b" 'BEGIN{exit !(a < b)}'; then b=$t; fi
  done
  echo "$b"
}

# waves NAME K: the fastest of ROUNDS plain shell runs of the list's commands, K at a time, each
# wave waiting for all of its commands.
waves() {
  "$cli" commands --dialect sh "$work/$1.txt" > "$work/$1.sh"
  cat > "$work/waves.sh" <<EOS
. '$toolkit/setvars.sh' > /dev/null
mapfile -t lines < '$work/$1.sh'
for ((w = 0; w < \${#lines[@]}; w += $2)); do
  for ((k = w; k < w + $2 && k < \${#lines[@]}; k++)); do ( eval "\${lines[k]}" ) & done
  wait
done
EOS
  local b="" s e t r
  for r in $(seq "$rounds"); do
    rm -rf "$work/out-$1"
    s=$(now); bash "$work/waves.sh" 2>&1 | cat > /dev/null; e=$(now)
    t=$(awk -v a="$e" -v b="$s" 'BEGIN{print a-b}')
    if [ -z "$b" ] || awk -v a="$t" -v b="$b" 'BEGIN{exit !(a < b)}'; then b=$t; fi
  done
  echo "$b"
}

echo "tovalo-cli run --jobs K, fastest of $rounds rounds, $(nproc) logical processors"
for layout in interleaved grouped; do
  list "sleep-$layout" 48 12 "result=ok delay-ms=400" "$layout"
  echo
  echo "sleep ($layout list): 48 items x 400 ms in 12 out-roots, sum 19.2 s"
  printf '  %-3s %9s %9s %9s %17s %14s\n' K wall ideal speed-up "share of ideal" "plain waves"
  for k in 1 2 4 8; do
    t=$(best "sleep-$layout" "$k")
    w=-
    [ "$layout" = interleaved ] && w=$(waves "sleep-$layout" "$k")
    awk -v k="$k" -v t="$t" -v w="$w" 'BEGIN { ideal = 19.2 / k;
      printf "  %-3d %8.2fs %8.2fs %8.2fx %16.2f %13s\n", k, t, ideal, 19.2 / t, ideal / t,
        w == "-" ? "-" : sprintf("%.2fs", w) }'
  done
done

list cpu 8 8 "result=ok busy-ms=400" interleaved
echo
echo "cpu: 8 items x 400 ms of processor time in 8 out-roots"
t1=$(best cpu 1)
t2=$(best cpu 2)
awk -v a="$t1" -v b="$t2" 'BEGIN { printf "  K=1 %.2fs  K=2 %.2fs  speed-up %.2fx (target at least 1.7 on 2 cores)\n", a, b, a / b }'
