#!/usr/bin/env bash
# How `tovalo-cli check` grows with the length of a list: lists of 10,000, 100,000 and 200,000
# items (every fifth path repeated in another letter case, a few exact duplicates), each checked
# three times; prints the fastest time, the peak memory and the file size. Linear growth means
# the time per item stays flat.
#   check_scaling.sh BUILD_DIR        (a release build: cmake --preset release, target tovalo-cli)
set -euo pipefail
build=$(cd "${1:?build dir}" && pwd)
cli=$build/src/cli/tovalo-cli
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for items in 10000 100000 200000; do
  list="$work/list-$items.txt"
  python3 - "$items" "$list" <<'PY'
import sys
n, out = int(sys.argv[1]), sys.argv[2]
with open(out, "w") as f:
    f.write("[Common]\nVersion=01.00.00.00\n\n")
    for i in range(n):
        path = f"/src/module{i % 977}/kernel_{i}.cu"
        if i % 5 == 4:
            path = path.upper()
        if i % 1000 == 999:
            path = "/src/module0/kernel_0.cu"
        f.write(f"[{path}]\n--comments\n--out-root=\"/out/{i % 13}\"\n--extra-arg=-DN={i}\n\n")
PY
  size=$(stat -c %s "$list")
  best=""
  rss=0
  for round in 1 2 3; do
    /usr/bin/time -f '%e %M' -o "$work/t" "$cli" check --dialect sh "$list" >/dev/null 2>&1 || true
    read -r secs kb < <(tail -n 1 "$work/t")
    if [ -z "$best" ] || awk -v a="$secs" -v b="$best" 'BEGIN{exit !(a < b)}'; then best=$secs; fi
    [ "$kb" -gt "$rss" ] && rss=$kb
  done
  awk -v n="$items" -v s="$best" -v kb="$rss" -v size="$size" 'BEGIN {
    printf "items %7d  check %6.2f s  (%5.2f us/item)  peak memory %6.1f MB = %4.1f x the file (%5.1f MB)\n",
           n, s, s * 1e6 / n, kb / 1024, kb * 1024 / size, size / 1048576 }'
done
