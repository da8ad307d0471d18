#!/usr/bin/env bash
# tovalo-cli run end to end: the real shell, the simulated toolkit, and toolkits made here.
#   cli_run_test.sh CLI TOOLKIT MAKE_TOOLKIT SIM WORKDIR
set -uo pipefail
cli=$1 toolkit=$2 make_toolkit=$3 sim=$4 work=$5
rm -rf "$work" && mkdir -p "$work/src"
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
check() { # check NAME ACTUAL EXPECTED
  if [ "$2" != "$3" ]; then fail "$1: got '$2', expected '$3'"; fi
}
# The status and exit code of the item whose path ends in $2, from the JSON in $1.
item() {
  tr -d '\n' < "$1" | grep -o "{\"path\": \"[^\"]*$2\", \"status\": \"[a-z-]*\", \"exitCode\": -\{0,1\}[0-9]*" |
    sed 's/.*"status": "\([a-z-]*\)", "exitCode": \(.*\)/\1 \2/'
}
field() { tr -d '\n' < "$1" | grep -o "\"$2\": \"[^\"]*\"" | head -1 | sed 's/.*: "\(.*\)"/\1/'; }

src=$work/src
unset ONEAPI_ROOT SETVARS_COMPLETED DPCT_SIM_VERSION_STYLE
cu() { printf '// dpct-sim: %s\n__global__ void k(float* a) { a[threadIdx.x] = 0; __syncthreads(); }\n' "$2" > "$src/$1"; }
cu ok.cu "result=ok"
cu old.cu "result=ok progress=processing"
cu warn.cu "result=warnings warnings=4"
cu exit.cu "result=exit-code exit-code=-3 message=\"Error: Input folder is in the CUDA_PATH folder.\""
cu parse1.cu "result=parse-error parse-error-format=1"
cu parse2.cu "result=parse-error parse-error-format=2"
cu nocuda.cu "result=no-cuda"
cu crash.cu "result=crash"
cu silent.cu "result=silent"
cu silent3.cu "result=silent exit-code=3"
cu caught.cu "result=crash exit-code=255"
cu slow.cu "result=ok delay-ms=20000"
cu "name with blank.cu" "result=ok"

deffile() { # deffile FILE ITEM...
  local f=$1; shift
  { printf '[Common]\nVersion=01.00.00.00\n\n'
    for i in "$@"; do printf '[%s]\n--out-root=%s\n\n' "$src/$i" "$work/out"; done; } > "$f"
}

# 1. Every outcome, in list order, through the real shell.
deffile "$work/all.txt" ok.cu old.cu warn.cu exit.cu parse1.cu parse2.cu nocuda.cu crash.cu silent.cu silent3.cu caught.cu "name with blank.cu" missing.cu
"$cli" run "$work/all.txt" --oneapi-root "$toolkit" --json > "$work/all.json" 2> "$work/all.err"
check "exit status with failed items" "$?" 1
check "json is one object" "$(head -c 1 "$work/all.json")$(wc -l < "$work/all.json")" "{1"
check ok "$(item "$work/all.json" /ok.cu)" "ok 0"
check processing "$(item "$work/all.json" /old.cu)" "ok 0"
check warnings "$(item "$work/all.json" /warn.cu)" "ok 0"
check exit-code "$(item "$work/all.json" /exit.cu)" "ng -3"
check parse-error-1 "$(item "$work/all.json" /parse1.cu)" "syntax-error 0"
check parse-error-2 "$(item "$work/all.json" /parse2.cu)" "syntax-error 0"
check no-cuda "$(item "$work/all.json" /nocuda.cu)" "ng 1"
check crash "$(item "$work/all.json" /crash.cu)" "ng 139"
check silent "$(item "$work/all.json" /silent.cu)" "ng 0"
check "silent with a code" "$(item "$work/all.json" /silent3.cu)" "ng 3"
check "crash handler's exit" "$(item "$work/all.json" /caught.cu)" "ng 255"
grep -q '"status": "converting"' "$work/all.json" && fail "an item is left converting"
check blank "$(item "$work/all.json" "/name with blank.cu")" "ok 0"
check missing "$(item "$work/all.json" /missing.cu)" "ng -17"
check version "$(field "$work/all.json" dpctVersion)" "2024.2.0"
check codebase "$(field "$work/all.json" dpctCodebase)" "55a3f034030e4bd0f36d7c37f24f8366079a639b"
# Each command runs in the list's folder: it changes there first.
grep -q "\"output\": \"cd '$work' && dpct " "$work/all.json" || fail "item output should start with the echoed command"
grep -q 'Processed 1 file(s)' "$work/all.err" || fail "console text should stream to stderr with --json"
[ -f "$work/out/ok.dp.cpp" ] || fail "the migrated file of ok.cu is missing"

# 2. All items OK gives 0; the table without --json; --quiet shows no console text.
deffile "$work/good.txt" ok.cu warn.cu
"$cli" run "$work/good.txt" --oneapi-root "$toolkit" --quiet > "$work/good.out" 2>&1
check "exit status all ok" "$?" 0
grep -q "Parsing:" "$work/good.out" && fail "--quiet printed console text"
grep -Eq "/warn.cu +ok +0" "$work/good.out" || fail "summary table row missing: $(cat "$work/good.out")"
ONEAPI_ROOT=$toolkit "$cli" run "$work/good.txt" > "$work/env.out" 2>&1
check "ONEAPI_ROOT from the environment" "$?" 0
grep -Eq "^\[[0-9a-f]{12} 0\] tovalo> cd '[^']*' && dpct --out-root=" "$work/env.out" || fail "console text not streamed to stdout"

# 3. Version lines of other dpct builds.
for style in product-old opensource opensource-noclang; do
  bash "$make_toolkit" "$work/tk-$style" --version-style "$style" --sim "$sim" >/dev/null || fail "make-toolkit $style"
  "$cli" run "$work/good.txt" --oneapi-root "$work/tk-$style" --json > "$work/$style.json" 2>/dev/null
  check "$style exit" "$?" 0
  case $style in
    product-old) check "$style version" "$(field "$work/$style.json" dpctVersion)" "2022.1.0" ;;
    opensource) check "$style version" "$(field "$work/$style.json" dpctVersion)" "19.0.0"
                check "$style codebase" "$(field "$work/$style.json" dpctCodebase)" "f27f466998a18de3c5ccaf7a853d714915e62d98" ;;
    opensource-noclang) check "$style codebase" "$(field "$work/$style.json" dpctCodebase)" "caf26f2f40e0fba05253caf7436c163613e8f7ae" ;;
  esac
done

# 4. Start-up that cannot finish, and usage errors: status 2 with a message naming the step.
bash "$make_toolkit" "$work/tk-none" --version-style none --sim "$sim" >/dev/null
"$cli" run "$work/good.txt" --oneapi-root "$work/tk-none" --json > "$work/none.json" 2> "$work/none.err"
check "no version line" "$?" 2
grep -q "version" "$work/none.err" || fail "no-version message: $(tail -2 "$work/none.err")"
[ -s "$work/none.json" ] && fail "stdout should be empty when the start-up fails"
mkdir -p "$work/tk-hang" && printf 'echo waiting forever\nsleep 100\n' > "$work/tk-hang/setvars.sh"
start=$(date +%s)
"$cli" run "$work/good.txt" --oneapi-root "$work/tk-hang" --startup-timeout 2 > /dev/null 2> "$work/hang.err"
check "hanging setvars" "$?" 2
grep -q "setvars" "$work/hang.err" || fail "hang message should name setvars: $(tail -1 "$work/hang.err")"
[ $(( $(date +%s) - start )) -lt 15 ] || fail "the bounded start-up wait took too long"
# Ctrl-C during the start-up: exit 1, and --json still prints its object, every item none.
"$cli" run "$work/good.txt" --oneapi-root "$work/tk-hang" --json > "$work/hangint.json" 2> "$work/hangint.err" &
pid=$!
for _ in $(seq 100); do grep -q "waiting forever" "$work/hangint.err" 2>/dev/null && break; sleep 0.1; done
kill -INT $pid
wait $pid
check "Ctrl-C in the start-up" "$?" 1
check "start-up item" "$(item "$work/hangint.json" /warn.cu)" "none 0"
grep -q '"error": "the start-up did not finish: interrupted"' "$work/hangint.json" ||
  fail "no error in the JSON: $(cat "$work/hangint.json")"
"$cli" run "$work/good.txt" > /dev/null 2>&1; check "no oneAPI" "$?" 2
"$cli" run "$work/good.txt" --oneapi-root "$work/nowhere" > /dev/null 2>&1; check "missing oneAPI folder" "$?" 2
"$cli" run "$work/absent.txt" --oneapi-root "$toolkit" > /dev/null 2>&1; check "unreadable file" "$?" 2
"$cli" run --bogus "$work/good.txt" > /dev/null 2>&1; check "unknown option" "$?" 2
for args in "--json=1" "--oneapi-root=" "--startup-timeout" "--startup-timeout=0" "--startup-timeout 9x"; do
  # shellcheck disable=SC2086
  "$cli" run "$work/good.txt" $args > /dev/null 2> "$work/usage.err"; check "run $args" "$?" 2
done
check "bad startup timeout" "$(head -1 "$work/usage.err")" \
  "tovalo-cli run: --startup-timeout needs a number of seconds from 1 to 86400"

# 5. The interpreter killed in the middle of a run: that item fails, the rest stay waiting.
mkdir -p "$work/tk-kill/bin"
cat > "$work/tk-kill/setvars.sh" <<EOS
PATH="$work/tk-kill/bin:\$PATH"; export PATH
EOS
cat > "$work/tk-kill/bin/dpct" <<'EOS'
#!/bin/sh
if [ "$1" = --version ]; then printf '\ndpct version 18.0.0. Codebase:(caf26f2f)\n\n'; exit 0; fi
for a; do last=$a; done
case ${last##*/} in  # the file name only: the folders may hold any word
  *kill*) echo "Parsing: $last"; kill -9 $PPID; sleep 1; exit 0 ;;
  *sig*) kill -9 $$ ;;
  *quiet*) exit 4 ;;
  *) echo "Parsing: $last"; echo "Processed 1 file(s) in -in-root folder \"x\"" ;;
esac
EOS
chmod +x "$work/tk-kill/bin/dpct"
deffile "$work/kill.txt" sig.cu quiet.cu ok.cu kill.cu warn.cu
"$cli" run "$work/kill.txt" --oneapi-root "$work/tk-kill" --json > "$work/kill.json" 2> "$work/kill.err"
check "killed interpreter exit" "$?" 1
check "item before" "$(item "$work/kill.json" /ok.cu)" "ok 0"
check "item killed" "$(item "$work/kill.json" /kill.cu)" "ng -1"
check "dpct killed by a signal, silent" "$(item "$work/kill.json" /sig.cu)" "ng 137"
check "dpct silent with a status" "$(item "$work/kill.json" /quiet.cu)" "ng 4"
check "item after keeps its earlier status" "$(item "$work/kill.json" /warn.cu)" "none 0"
grep -q "command interpreter has ended" "$work/kill.err" || fail "the interpreter's end is not reported"
grep -q "new command interpreter" "$work/kill.err" && fail "a new interpreter is started as the program ends"

# 6. Ctrl-C stops the run cleanly: exit 1 soon, the running dpct is ended, no process left.
deffile "$work/slow.txt" ok.cu slow.cu warn.cu
"$cli" run "$work/slow.txt" --oneapi-root "$toolkit" --json > "$work/slow.json" 2> "$work/slow.err" &
pid=$!
for _ in $(seq 100); do grep -q "$src/slow.cu'" "$work/slow.err" 2>/dev/null && break; sleep 0.1; done
start=$(date +%s)
kill -INT $pid
wait $pid
check "Ctrl-C exit" "$?" 1
[ $(( $(date +%s) - start )) -lt 10 ] || fail "Ctrl-C took too long"
check "stopped item" "$(item "$work/slow.json" /slow.cu)" "none 0"
grep -q "\"output\": \"cd '[^']*' && dpct [^\"]*/slow.cu'" "$work/slow.json" || fail "the stopped item lost what it printed"
check "finished item keeps its status" "$(item "$work/slow.json" /ok.cu)" "ok 0"
check "item not reached" "$(item "$work/slow.json" /warn.cu)" "none 0"
# The ended dpct may take a moment to vanish from the process table: poll for it, 10 s at most.
for _ in $(seq 100); do pgrep -f "$src/slow.cu" > /dev/null || break; sleep 0.1; done
pgrep -f "$src/slow.cu" > /dev/null && fail "the stopped dpct is still running"

# 6. Diagnostics and elapsed time in --json; --results keeps the last results and --only runs
#    only the items whose last result it names; an out-root used with other options.
deffile "$work/again.txt" ok.cu warn.cu exit.cu
"$cli" run "$work/again.txt" --oneapi-root "$toolkit" --json --results "$work/last.json" > "$work/again.json" 2>/dev/null
check "diagnostics of warn.cu" "$(tr -d '\n' < "$work/again.json" | grep -o '"file": "[^"]*/warn.cu", "line": [0-9]*, "column": [0-9]*, "severity": "warning", "code": "DPCT1[0-9]*"' | wc -l)" 4
grep -Eq '"elapsedMs": [0-9]+' "$work/again.json" || fail "elapsedMs missing"
cmp -s "$work/again.json" "$work/last.json" || fail "--results should hold what --json printed"
cu exit.cu "result=ok"
rm -f "$work/sim-args.txt"
DPCT_SIM_ARGS_FILE=$work/sim-args.txt "$cli" run "$work/again.txt" --oneapi-root "$toolkit" --json \
  --results "$work/last.json" --only ng,syntax-error,converting > "$work/only.json" 2>/dev/null
check "--only exit status" "$?" 0
check "--only ran one item" "$(grep -vc -- '--version' "$work/sim-args.txt")" 1
grep -q "exit.cu" "$work/sim-args.txt" || fail "--only ran the wrong item: $(cat "$work/sim-args.txt")"
check "re-run item" "$(item "$work/only.json" /exit.cu)" "ok 0"
check "kept result" "$(item "$work/only.json" /warn.cu)" "ok 0"
grep -q '"code": "DPCT' "$work/only.json" || fail "the kept item lost its diagnostics"
"$cli" run "$work/again.txt" --oneapi-root "$toolkit" --only ng > /dev/null 2>&1
check "--only without --results" "$?" 2
{ printf '[Common]\nVersion=01.00.00.00\n\n[%s]\n--out-root=%s\n[%s]\n--out-root=%s/\n--comments\n' \
    "$src/ok.cu" "$work/out37" "$src/warn.cu" "$work/out37"; } > "$work/conflict.txt"
"$cli" check "$work/conflict.txt" > "$work/check.out"
check "check finds the conflict" "$?" 1
grep -q "with other values of --comments" "$work/check.out" || fail "check: $(cat "$work/check.out")"
"$cli" run "$work/conflict.txt" --oneapi-root "$toolkit" --json > "$work/conflict.json" 2>/dev/null
check "refused for another option set" "$(item "$work/conflict.json" /warn.cu)" "ng -37"
grep -q "earlier migration into the same out-root" "$work/conflict.json" || fail "the -37 item does not name the cause"

if [ $failures -gt 0 ]; then echo "$failures check(s) failed" >&2; exit 1; fi
echo "all end-to-end checks passed"
