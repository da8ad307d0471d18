#!/usr/bin/env bash
# Hostile definition files through tovalo-cli and the real bash: `commands` lines run by bash and
# `run` must start nothing but dpct (a stand-in that records its arguments), hand it exactly the
# arguments each item means, and refuse the items whose quotes do not pair up.
#   cli_hostile_test.sh CLI TOOLKIT WORKDIR
set -uo pipefail
cli=$1 toolkit=$2 work=$3
rm -rf "$work" && mkdir -p "$work/src" "$work/run"
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
check() { if [ "$2" != "$3" ]; then fail "$1:"$'\n'"  got      '$2'"$'\n'"  expected '$3'"; fi; }
unset ONEAPI_ROOT SETVARS_COMPLETED DPCT_SIM_VERSION_STYLE
export HOME=/home/hostile

s=$work/src
p=$work/pwned
cat > "$work/list.txt" <<LIST
[Common]
[$s/substitution.cu]
--extra-arg=-DX=\$(touch $p) \`touch $p\` ;touch $p; |tee $p >$p &
--report-file-prefix=x\$(touch $p)
[$s/odd-single.cu]
--extra-arg='
--out-root="/x;touch $p;"
--report-file-prefix='
[$s/x';touch $p;'.cu]
--extra-arg='
--report-file-prefix='
[$s/ansi-c.cu]
--extra-arg=\$'\\'';touch $p;''
[$s/odd-double.cu]
--extra-arg=-DX="
[$s/words.cu]
--extra-arg=-DA=1 -I"/opt/x y" -I\$HOME/inc '\$HOME' a\\ b *.cu ~
--suppress-warnings=1001,1002
--comments=false
--report-only=0
[-x.cu]
--in-root="$s/it's here\\"
LIST

# commands: one line per item, empty for the refused ones, exit 1; run by bash, nothing else happens.
lines=$("$cli" commands --dialect sh "$work/list.txt" 2>"$work/commands.err")
check "commands exit status" "$?" 1
check "refused items give empty lines" "$(grep -c '^$' <<<"$lines")" 4
check "refusals are named" "$(grep -c "quote that is not closed" "$work/commands.err")" 4
mkdir -p "$work/bin" && printf '#!/bin/sh\nfor a in "$@"; do printf "[%%s] " "$a"; done; echo\n' > "$work/bin/dpct"
chmod +x "$work/bin/dpct"
got=$(cd "$s" && PATH="$work/bin:$PATH" bash -c "$lines")
[ -e "$p" ] && fail "commands: a line ran touch"
check "substitution" "$(sed -n 1p <<<"$got")" \
  "[--extra-arg=-DX=\$(touch] [$p)] [\`touch] [$p\`] [;touch] [$p;] [|tee] [$p] [>$p] [&] [--report-file-prefix=x\$(touch] [$p)] [$s/substitution.cu] "
check "words" "$(sed -n 2p <<<"$got")" \
  "[--comments] [--extra-arg=-DA=1] [-I/opt/x y] [-I/home/hostile/inc] [\$HOME] [a b] [*.cu] [~] [--report-only] [--suppress-warnings=1001,1002] [$s/words.cu] "
check "leading dash" "$(sed -n 3p <<<"$got")" "[--in-root=$s/it's here\\] [./-x.cu] "

# check names the refusals and the switch values.
out=$("$cli" check --dialect sh "$work/list.txt")
check "check: refusals" "$(grep -c "cannot be converted: the value of --extra-arg has a .* quote that is not closed" <<<"$out")" 4
grep -qF "'--comments=false': the option is a switch" <<<"$out" || fail "check: --comments=false not reported"
grep -qF "'--report-only=0': the option is a switch" <<<"$out" || fail "check: --report-only=0 not reported"

# run: the same through the engine and the toolkit's dpct stand-in, which records its arguments.
export DPCT_SIM_ARGS_FILE=$work/args.txt
(cd "$work/run" && "$cli" run "$work/list.txt" --oneapi-root "$toolkit" --json > "$work/run.json" 2> "$work/run.err")
check "run exit status" "$?" 1
[ -e "$p" ] && fail "run: something ran touch"
check "run: four items refused" "$(grep -o "Not converted: the value of --extra-arg has a" "$work/run.json" | wc -l)" 4
recorded=$(grep -v '^\[--version\]$' "$work/args.txt")
check "run: three items reached dpct" "$(wc -l <<<"$recorded")" 3
check "run: substitution" "$(sed -n 1p <<<"$recorded")" \
  "[--extra-arg=-DX=\$(touch] [$p)] [\`touch] [$p\`] [;touch] [$p;] [|tee] [$p] [>$p] [&] [--report-file-prefix=x\$(touch] [$p)] [$s/substitution.cu]"
check "run: words" "$(sed -n 2p <<<"$recorded")" \
  "[--comments] [--extra-arg=-DA=1] [-I/opt/x y] [-I/home/hostile/inc] [\$HOME] [a b] [*.cu] [~] [--report-only] [--suppress-warnings=1001,1002] [$s/words.cu]"
check "run: leading dash" "$(sed -n 3p <<<"$recorded")" "[--in-root=$s/it's here\\] [./-x.cu]"

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed" >&2
  exit 1
fi
echo "all checks passed"
