#!/usr/bin/env bash
# tovalo-cli run side by side (--jobs), shards (--shard) and merge-results, through the real
# shell and the simulated toolkit, whose dpct fails with 97 ("OUT-ROOT SHARED") whenever two of
# them work in one out-root at once: any scheduling fault fails these checks.
#   cli_parallel_test.sh CLI TOOLKIT SIM WORKDIR
set -uo pipefail
cli=$1 toolkit=$2 sim=$3 work=$4
rm -rf "$work" && mkdir -p "$work/src" "$work/cfg"
cd "$work" || exit 1
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
check() { # check NAME ACTUAL EXPECTED
  if [ "$2" != "$3" ]; then fail "$1: got '$2', expected '$3'"; fi
}
item() { # status and exit code of the item whose path ends in $2, from the JSON in $1
  tr -d '\n' < "$1" | grep -o "{\"path\": \"[^\"]*$2\", \"status\": \"[a-z-]*\", \"exitCode\": -\{0,1\}[0-9]*" |
    sed 's/.*"status": "\([a-z-]*\)", "exitCode": \(.*\)/\1 \2/'
}
paths() { grep -o '"path": "[^"]*"' "$1" | sed 's/"path": "\(.*\)"/\1/'; }
unset ONEAPI_ROOT SETVARS_COMPLETED DPCT_SIM_VERSION_STYLE NO_COLOR
export XDG_CONFIG_HOME=$work/cfg HOME=$work/cfg
src=$work/src
cu() { printf '// dpct-sim: %s\n__global__ void k(float* a) { a[threadIdx.x] = 0; }\n' "$2" > "$src/$1"; }
section() { printf '[%s]\n' "$src/$1"; [ -n "$2" ] && printf -- '--out-root=%s\n' "$2"; printf '\n'; }
header() { printf '[Common]\nVersion=01.00.00.00\n\n'; }

# 1. The simulator itself: a second one in a busy out-root (spelt otherwise) fails loudly.
cu lock.cu "result=ok delay-ms=3000"
cu quick.cu "result=ok"
"$sim" --out-root="$work/lockout" "$src/lock.cu" > /dev/null 2>&1 &
pid=$!
sleep 1
"$sim" --out-root="$work/./lockout//" "$src/quick.cu" > "$work/second.out" 2>&1
check "second simulator in one out-root" "$?" 97
grep -q "OUT-ROOT SHARED" "$work/second.out" || fail "no OUT-ROOT SHARED message: $(cat "$work/second.out")"
wait $pid
check "the first one" "$?" 0

# 2. --jobs 4: twelve items into four out-roots, each spelt in several ways (relative ones
#    count from the folder dpct runs in, here $work). The earlier items are slower, so they
#    finish in another order than the list's.
list=()
n=0
for root in "$work/o1" "o1/" "./o1" "$work//o1" "" "dpct_output" "./dpct_output/" "$work/o3" "o3" "o4" "$work/o4/." "x/../o4"; do
  n=$((n + 1))
  cu "p$n.cu" "result=warnings warnings=2 delay-ms=$(( (13 - n) * 60 ))"
  list+=("p$n.cu|$root")
done
{ header; for e in "${list[@]}"; do section "${e%%|*}" "${e#*|}"; done; } > "$work/par.txt"
"$cli" run "$work/par.txt" --oneapi-root "$toolkit" --jobs 4 --json > "$work/par.json" 2> "$work/par.err"
check "parallel run" "$?" 0
grep -q "OUT-ROOT SHARED" "$work/par.err" && fail "two items ran in one out-root at once"
for i in $(seq 12); do check "p$i" "$(item "$work/par.json" "/p$i.cu")" "ok 0"; done
check "--json in list order" "$(paths "$work/par.json" | tr '\n' ' ')" "$(for i in $(seq 12); do printf '%s ' "$src/p$i.cu"; done)"
grep -q '^\[console 4\] ' "$work/par.err" || fail "four consoles were not used: $(grep -c '' "$work/par.err") lines"
grep -q '^\[console 5\] ' "$work/par.err" && fail "more consoles than --jobs"
# Every line of an item's output carries its tag, and no line holds text of two items.
grep 'Processed 1 file' "$work/par.err" | grep -qv '^\[p[0-9]*\.cu\] Processed' && fail "an untagged or mixed line"
for i in $(seq 12); do
  grep -q "^\[p$i\.cu\] .*Parsing: $src/p$i\.cu$" "$work/par.err" || fail "p$i's lines are not tagged with it"
done
grep -q $'\033' "$work/par.err" && fail "colours written to a file"
# The same list through one console: no tags, the text as before.
"$cli" run "$work/par.txt" --oneapi-root "$toolkit" -j1 --json > "$work/one.json" 2> "$work/one.err"
check "one console" "$?" 0
grep -q '^\[p1\.cu\]\|^\[console' "$work/one.err" && fail "tags with one console"
# The settings give the default: parallel conversions 1 means one console.
mkdir -p "$work/cfg/mossbank"
printf 'Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\SOFTWARE\\mossbank\\Tovalo\\Common]\r\n"ParallelConversions"=dword:00000001\r\n\r\n' \
  > "$work/cfg/mossbank/Tovalo.reg"
"$cli" run "$work/par.txt" --oneapi-root "$toolkit" --json > /dev/null 2> "$work/set1.err"
grep -q '^\[console' "$work/set1.err" && fail "the settings' parallel conversions were not the default"
rm "$work/cfg/mossbank/Tovalo.reg"
for bad in "--jobs 0" "--jobs 65" "--jobs x" "-j" "--shard 0/2" "--shard 3/2" "--shard 1"; do
  # shellcheck disable=SC2086
  "$cli" run "$work/par.txt" --oneapi-root "$toolkit" $bad > /dev/null 2>&1; check "run $bad" "$?" 2
done

# 3. Shards: whole out-root groups, every item in exactly one shard, the same every time, and
#    merge-results joins them (in list order with --list).
for i in 1 2 3; do
  "$cli" run "$work/par.txt" --oneapi-root "$toolkit" --shard "$i/3" --json --quiet > "$work/s$i.json" 2>/dev/null
  check "shard $i" "$?" 0
done
"$cli" run "$work/par.txt" --oneapi-root "$toolkit" --shard 2/3 --results "$work/s2again.json" --quiet > /dev/null 2>&1
check "the same shard again" "$(paths "$work/s2again.json")" "$(paths "$work/s2.json")"
check "every item once" "$(cat "$work"/s[123].json | paths /dev/stdin | sort | tr '\n' ' ')" \
  "$(for i in $(seq 12); do printf '%s\n' "$src/p$i.cu"; done | sort | tr '\n' ' ')"
for s in 1 2 3; do # an out-root group is never split: p1-p4, p5-p7, p8-p9, p10-p12
  for g in "1 2 3 4" "5 6 7" "8 9" "10 11 12"; do
    k=0; for i in $g; do grep -q "/p$i.cu\"" "$work/s$s.json" && k=$((k + 1)); done
    [ $k -eq 0 ] || [ $k -eq "$(echo "$g" | wc -w)" ] || fail "shard $s splits the group $g"
  done
done
check "shard sizes" "$(for s in 1 2 3; do paths "$work/s$s.json" | wc -l; done | sort | tr '\n' ' ')" "3 4 5 "
"$cli" merge-results -o "$work/merged.json" --list "$work/par.txt" "$work/s3.json" "$work/s1.json" "$work/s2.json" "$work/s2again.json"
check "merge" "$?" 0
check "merged in list order" "$(paths "$work/merged.json" | tr '\n' ' ')" "$(paths "$work/par.json" | tr '\n' ' ')"
check "merged version" "$(grep -o '"dpctVersion": "[^"]*"' "$work/merged.json")" '"dpctVersion": "2024.2.0"'
grep -q '"code": "DPCT' "$work/merged.json" || fail "merged results lost the diagnostics"
sed 's/"status": "ok"/"status": "ng"/' "$work/s1.json" > "$work/s1-ng.json"
"$cli" merge-results -o "$work/conflict.json" "$work/s1.json" "$work/s1-ng.json" 2> "$work/conflict.err"
check "one item, two results" "$?" 1
[ -e "$work/conflict.json" ] && fail "conflicting results were written"
grep -q "different results" "$work/conflict.err" || fail "conflict message: $(cat "$work/conflict.err")"
for notres in '{"dpctVersion": "x"}' '[1, 2]' 'not json' '{"items": [{"path": "a.cu", "status": "fine"}]}'; do
  printf '%s' "$notres" > "$work/notres.json"
  "$cli" merge-results "$work/s1.json" "$work/notres.json" > /dev/null 2> "$work/notres.err"
  check "not results: $notres" "$?" 2
done
"$cli" merge-results > /dev/null 2>&1; check "merge without files" "$?" 2

# 4. Ctrl-C with three consoles running: every dpct is ended, the stopped items keep what they
#    printed, the item never started keeps its earlier result.
for i in 1 2 3; do cu "slow$i.cu" "result=ok delay-ms=30000"; done
cu later.cu "result=exit-code exit-code=-3"
{ header; section slow1.cu "$work/q1"; section slow2.cu "$work/q2"; section slow3.cu "$work/q3"; section later.cu "$work/q1"; } > "$work/stop.txt"
# The results of an earlier run: every item NG.
for f in slow1 slow2 slow3 later; do
  printf '{"path": "%s", "status": "ng", "exitCode": -3, "output": "earlier %s"}\n' "$src/$f.cu" "$f"
done | paste -sd, | sed 's/^/{"items": [/; s/$/]}/' > "$work/stop-r.json"
"$cli" run "$work/stop.txt" --oneapi-root "$toolkit" -j 3 --results "$work/stop-r.json" --only ng --json > "$work/stop.json" 2> "$work/stop.err" &
pid=$!
for _ in $(seq 300); do [ "$(grep -c "dpct --out-root=.*/slow" "$work/stop.err" 2>/dev/null)" -ge 3 ] && break; sleep 0.1; done
sleep 0.5
start=$(date +%s)
kill -INT $pid
wait $pid
check "Ctrl-C exit" "$?" 1
[ $(( $(date +%s) - start )) -lt 10 ] || fail "Ctrl-C took too long"
for i in 1 2 3; do
  check "stopped slow$i" "$(item "$work/stop.json" "/slow$i.cu")" "none 0"
  grep -q "\"output\": \"cd '[^']*' && dpct [^\"]*/slow$i.cu'" "$work/stop.json" || fail "slow$i lost what it printed"
done
check "never started" "$(item "$work/stop.json" /later.cu)" "ng -3"
grep -q '"output": "earlier later"' "$work/stop.json" || fail "the unstarted item lost its output"
cmp -s "$work/stop.json" "$work/stop-r.json" || fail "--results differs from --json"
sleep 0.5
pgrep -f "$src/slow" > /dev/null && fail "a stopped dpct is still running"

# 5. An interpreter that dies fails its own item; the other consoles go on, and the items
#    still to come run.
mkdir -p "$work/tk-kill/bin"
printf 'PATH="%s/tk-kill/bin:$PATH"; export PATH\n' "$work" > "$work/tk-kill/setvars.sh"
cat > "$work/tk-kill/bin/dpct" <<'EOS'
#!/bin/sh
if [ "$1" = --version ]; then printf '\ndpct version 18.0.0. Codebase:(caf26f2f)\n\n'; exit 0; fi
for a; do last=$a; done
case ${last##*/} in
  *kill*) echo "Parsing: $last"; kill -9 $PPID; sleep 1; exit 0 ;;
  *) sleep 0.5; echo "Parsing: $last"; echo "Processed 1 file(s) in -in-root folder \"x\"" ;;
esac
EOS
chmod +x "$work/tk-kill/bin/dpct"
{ header; section a.cu "$work/k1"; section kill.cu "$work/k2"; section b.cu "$work/k1"; section c.cu "$work/k2"; section d.cu "$work/k3"; } > "$work/kill.txt"
"$cli" run "$work/kill.txt" --oneapi-root "$work/tk-kill" -j 2 --json > "$work/kill.json" 2> "$work/kill.err"
check "killed interpreter exit" "$?" 1
check "killed item" "$(item "$work/kill.json" /kill.cu)" "ng -1"
for f in a b c d; do check "$f after the death" "$(item "$work/kill.json" "/$f.cu")" "ok 0"; done

if [ $failures -gt 0 ]; then echo "$failures check(s) failed" >&2; exit 1; fi
echo "all parallel end-to-end checks passed"
