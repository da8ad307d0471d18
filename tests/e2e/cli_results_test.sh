#!/usr/bin/env bash
# tovalo-cli run and check against results files and lists built to break them: two lists in one
# results file, a results file that cannot be written, FIFOs and devices where files belong,
# control characters in paths, and an out-root conflict with an item that is not run.
#   cli_results_test.sh CLI TOOLKIT WORKDIR
set -uo pipefail
cli=$1 toolkit=$2 work=$3
rm -rf "$work" && mkdir -p "$work/src"
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
check() { # check NAME ACTUAL EXPECTED
  if [ "$2" != "$3" ]; then fail "$1: got '$2', expected '$3'"; fi
}
item() {
  tr -d '\n' < "$1" | grep -o "{\"path\": \"[^\"]*$2\", \"status\": \"[a-z-]*\", \"exitCode\": -\{0,1\}[0-9]*" |
    sed 's/.*"status": "\([a-z-]*\)", "exitCode": \(.*\)/\1 \2/'
}
# Runs the command with a time limit: a hang is a failure of its own, not a hung test.
bounded() { timeout 20 "$@"; local s=$?; [ $s -eq 124 ] && fail "hung: $*"; return $s; }
unset ONEAPI_ROOT SETVARS_COMPLETED DPCT_SIM_VERSION_STYLE
src=$work/src
cu() { printf '// dpct-sim: %s\n__global__ void k(float* a) { a[0] = 0; }\n' "$2" > "$src/$1"; }
cu ok.cu "result=ok"
cu warn.cu "result=warnings warnings=2"
cu bad.cu "result=exit-code exit-code=-3"
deffile() { # deffile FILE ITEM...
  local f=$1; shift
  { printf '[Common]\nVersion=01.00.00.00\n\n'
    for i in "$@"; do printf '[%s]\n--out-root=%s\n\n' "$src/$i" "$work/out-$i"; done; } > "$f"
}
runs() { # dpct runs recorded by the simulator
  if [ -f "$1" ]; then grep -vc -- '--version' "$1"; else echo 0; fi
}

# 1. Two lists share one results file: each run keeps the other list's entries.
deffile "$work/list1.txt" ok.cu bad.cu
deffile "$work/list2.txt" warn.cu
bounded "$cli" run "$work/list1.txt" --oneapi-root "$toolkit" --quiet --results "$work/shared.json" > /dev/null 2>&1
bounded "$cli" run "$work/list2.txt" --oneapi-root "$toolkit" --quiet --results "$work/shared.json" > /dev/null 2>&1
check "list 1 kept" "$(item "$work/shared.json" /bad.cu)" "ng -3"
check "list 2 written" "$(item "$work/shared.json" /warn.cu)" "ok 0"
grep -q '"code": "DPCT' "$work/shared.json" || fail "the diagnostics of list 2 are missing"
bounded "$cli" run "$work/list1.txt" --oneapi-root "$toolkit" --quiet --results "$work/shared.json" \
  --only ng > /dev/null 2>&1
check "list 2 kept by list 1's --only run" "$(item "$work/shared.json" /warn.cu)" "ok 0"
check "list 1 ok kept" "$(item "$work/shared.json" /ok.cu)" "ok 0"

# 2. A results file that cannot be written stops the run before any dpct runs.
for target in "$work/no-such-folder/r.json" "$work/src"; do
  rm -f "$work/args.txt"
  DPCT_SIM_ARGS_FILE=$work/args.txt bounded "$cli" run "$work/list2.txt" --oneapi-root "$toolkit" --quiet \
    --results "$target" > /dev/null 2> "$work/unwritable.err"
  check "unwritable results $target" "$?" 2
  check "no dpct run for $target" "$(runs "$work/args.txt")" "0"
  grep -Eq "cannot (write|read) the results" "$work/unwritable.err" || fail "message: $(cat "$work/unwritable.err")"
done

# 3. FIFOs and devices where a results or settings file belongs are refused, not read.
mkfifo "$work/fifo.json"
for target in "$work/fifo.json" /dev/zero; do
  bounded "$cli" run "$work/list2.txt" --oneapi-root "$toolkit" --quiet --results "$target" > /dev/null 2> "$work/fifo.err"
  check "results $target" "$?" 2
  grep -q "not a regular file" "$work/fifo.err" || fail "results $target: $(cat "$work/fifo.err")"
  bounded "$cli" report "$target" -o "$work/r.html" > /dev/null 2>&1
  check "report of $target" "$?" 2
done
mkdir -p "$work/config/mossbank" && mkfifo "$work/config/mossbank/Tovalo.reg"
XDG_CONFIG_HOME=$work/config bounded "$cli" settings > /dev/null 2> "$work/settings.err"
check "settings file that is a FIFO" "$?" 1
grep -q "not a regular file" "$work/settings.err" || fail "settings FIFO: $(cat "$work/settings.err")"

# 4. Control characters in a path reach the terminal escaped, in check's findings and in the
#    run table.
esc=$'\e]0;PWNED\a\e[2J'
printf '[Common]\nVersion=01.00.00.00\n\n[%s]\n' "$src/x${esc}.cu" > "$work/escape.txt"
bounded "$cli" check "$work/escape.txt" > "$work/escape.out" 2>&1
grep -q $'\e' "$work/escape.out" && fail "check printed a raw escape: $(od -c "$work/escape.out" | head -3)"
grep -qF 'x\x1B]0;PWNED\x07\x1B[2J.cu' "$work/escape.out" || fail "check: $(cat "$work/escape.out")"
bounded "$cli" run "$work/escape.txt" --oneapi-root "$toolkit" --quiet > "$work/escape-run.out" 2>&1
grep -q $'\e' "$work/escape-run.out" && fail "the run table holds a raw escape"
grep -qF 'x\x1B]0;PWNED' "$work/escape-run.out" || fail "run table: $(cat "$work/escape-run.out")"

# 5. --only: an item run into an out-root that an item not run used with other options is
#    warned about, as in a full run.
{ printf '[Common]\nVersion=01.00.00.00\n\n[%s]\n--out-root=%s\n\n[%s]\n--out-root=%s\n--comments\n' \
    "$src/ok.cu" "$work/out37" "$src/bad.cu" "$work/out37"; } > "$work/conflict.txt"
printf '{"items": [{"path": "%s", "status": "ok"}, {"path": "%s", "status": "ng"}]}\n' \
  "$src/ok.cu" "$src/bad.cu" > "$work/conflict.json"
bounded "$cli" run "$work/conflict.txt" --oneapi-root "$toolkit" --quiet --results "$work/conflict.json" \
  --only ng > /dev/null 2> "$work/conflict.err"
grep -q "warning: '$src/bad.cu' writes into the out-root" "$work/conflict.err" ||
  fail "--only misses the conflict: $(cat "$work/conflict.err")"

if [ $failures -gt 0 ]; then echo "$failures check(s) failed" >&2; exit 1; fi
echo "all results-file checks passed"
