#!/usr/bin/env bash
# The Windows build of the simulator and toolkit under wine's cmd: setvars.bat first run and
# re-run, dpct.exe found through PATH, Tovalo's own cmd command line accepted, a migrated file
# written under --out-root, the exit status seen by cmd, and hostile items that must run nothing
# but dpct.exe and hand it the arguments they mean.
#
# Environment (set by CMake): SIM_TOOLKIT, TOVALO_CLI (tovalo-cli.exe), WINE, plus WINEPREFIX etc.
set -uo pipefail
: "${SIM_TOOLKIT:?}" "${TOVALO_CLI:?}" "${WINE:?}"
unset DPCT_SIM_VERSION_STYLE SETVARS_COMPLETED

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
expect_has() { case "$3" in *"$2"*) ;; *) fail "$1: no '$2' in:"$'\n'"$3" ;; esac; }
expect_not() { case "$3" in *"$2"*) fail "$1: unexpected '$2' in:"$'\n'"$3" ;; esac; }
winpath() { printf 'Z:%s' "$1" | tr / '\\'; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/src dir" "$work/other"
printf '%s\n' '// dpct-sim: result=warnings warnings=2' '__global__ void k() { __syncthreads(); }' \
  'int main() { k<<<1, 1>>>(); return 0; }' > "$work/src dir/vec add.cu"
printf '%s\n' '// dpct-sim: result=exit-code exit-code=-5' 'int x;' > "$work/src dir/bad.cu"

src=$(winpath "$work/src dir")
out=$(winpath "$work/out dir")
printf '[Common]\r\n\r\n[%s\\vec add.cu]\r\n--comments\r\n--format-style=custom\r\n--in-root="%s"\r\n--out-root="%s"\r\n--suppress-warnings=1001,1002\r\n--assume-nd-range-dim=3\r\n--output-file=log.txt\r\n--usm-level=none\r\n' \
  "$src" "$src" "$out" > "$work/list.txt"
# tovalo-cli's own exit status and stderr go into the failure message. A wine process that
# printed nothing at all (seen once on a freshly made prefix) is asked once more, and the log says so.
cli_commands() {
  (cd "$work" && "$WINE" "$TOVALO_CLI" commands --dialect cmd "$1" 2>"$work/cli.err") | tr -d '\r'
  return "${PIPESTATUS[0]}"
}
line=$(cli_commands list.txt); status=$?
if [ -z "$line" ] && [ ! -s "$work/cli.err" ]; then
  echo "note: tovalo-cli.exe printed nothing (status $status); running it once more" >&2
  sleep 2
  line=$(cli_commands list.txt); status=$?
fi
[ "$status" -eq 0 ] || fail "tovalo-cli commands exit status $status: $(cat "$work/cli.err")"
expect_has "tovalo-cli gives a cmd line" 'dpct.exe --assume-nd-range-dim=3 --comments' "$line"

toolkit=$(winpath "$SIM_TOOLKIT")
printf '%s\r\n' \
  "call \"$toolkit\\setvars.bat\"" \
  "cd /d $(winpath "$work/other")" \
  "dpct.exe --version" \
  "echo version-status=%ERRORLEVEL%" \
  "$line" \
  "echo run-status=%ERRORLEVEL%" \
  "dpct.exe \"$src\\bad.cu\"" \
  "echo bad-status=%ERRORLEVEL%" \
  "call \"$toolkit\\setvars.bat\"" > "$work/test.bat"
got=$(cd "$work" && "$WINE" cmd /c test.bat 2>&1 | tr -d '\r')

expect_has "setvars.bat: first line" ":: initializing oneAPI environment..." "$got"
expect_has "setvars.bat: last line" ":: oneAPI environment initialized ::" "$got"
expect_not "setvars.bat: no echoed script lines" "@echo" "$got"
expect_has "dpct.exe found through PATH" "Intel(R) DPC++ Compatibility Tool version 2024.2.0." "$got"
expect_has "--version status" "version-status=0" "$got"
expect_has "warnings on a Windows path" "$src\\vec add.cu:2:23: warning: DPCT1118:0:" "$got"
expect_has "summary" "Processed 1 file(s) in -in-root folder \"$src\"" "$got"
expect_has "run status" "run-status=0" "$got"
expect_has "exit-code line" "dpct exited with code: -5 (Error: Path for CUDA header files specified by --cuda-include-path is invalid.)" "$got"
expect_has "exit status as cmd sees it" "bad-status=-5" "$got"
expect_has "setvars.bat again: warning" ":: WARNING: setvars.bat has already been run. Skipping re-execution." "$got"
[ -f "$work/out dir/vec add.dp.cpp" ] || fail "no migrated file under --out-root: $(find "$work" -type f)"
[ -f "$work/out dir/log.txt" ] || fail "no --output-file log under --out-root"

# Hostile items: the lines tovalo-cli gives for cmd, typed into cmd.exe /A as Tovalo's console
# does, run nothing but dpct.exe, which records the arguments it received.
W=$(winpath "$work")
mkdir -p "$work/hostile/My work"
printf '%s\r\n' '[Common]' \
  "[$src\\x&echo pwned>$W\\pwned&.cu]" '--extra-arg=-DX="' \
  "[$src\\ops.cu]" "--extra-arg=-DX=a&echo pwned>$W\\pwned|more" '--report-file-prefix=r(1)^2' \
  "[$W\\hostile\\My work\\a.cu]" '--custom-helper-name=\' "--in-root=\"$W\\hostile\\My work\\\"" "--out-root=\"$W\\out\"" \
  '[-x.cu]' '--comments=false' \
  "[$src\\q.cu]" '--extra-arg="-IC:\x y\"' \
  "[$src\\e.cu]" '--extra-arg=%PATH:\=&echo pwned&%' > "$work/hostile.txt"
hostile=$(cd "$work" && "$WINE" "$TOVALO_CLI" commands --dialect cmd hostile.txt 2>"$work/hostile.err" | tr -d '\r')
status=$?
[ "$status" -eq 0 ] && fail "commands on hostile items: exit status 0"
expect_has "refused: odd quote" "the value of --extra-arg has a double quote that is not closed" "$(cat "$work/hostile.err")"
expect_has "refused: backslash before the closing quote" "programs read as text" "$(cat "$work/hostile.err")"
expect_has "refused: variable edit" "%NAME:...% edit" "$(cat "$work/hostile.err")"
{ printf '%s\r\n' "call \"$toolkit\\setvars.bat\" >NUL" "cd /d $(winpath "$work/hostile")"
  grep -v '^$' <<<"$hostile" | sed 's/$/\r/'
  printf '%s\r\n' "exit"; } > "$work/hostile-input.txt"
rm -f "$work/args.txt"
DPCT_SIM_ARGS_FILE=$(winpath "$work/args.txt") "$WINE" cmd /A < "$work/hostile-input.txt" > "$work/hostile-out.txt" 2>&1
args=$(tr -d '\r' < "$work/args.txt" 2>/dev/null)
[ -e "$work/pwned" ] && fail "hostile items: cmd ran echo"
expect_has "operators reach dpct as text" "[--extra-arg=-DX=a&echo] [pwned>$W\\pwned|more] [--report-file-prefix=r(1)^2] [$src\\ops.cu]" "$args"
expect_has "trailing backslashes" "[--custom-helper-name=\\] [--in-root=$W\\hostile\\My work\\] [--out-root=$W\\out] [$W\\hostile\\My work\\a.cu]" "$args"
expect_has "leading dash" "[--comments] [.\\-x.cu]" "$args"
[ "$(grep -c . <<<"$args")" = 3 ] || fail "hostile items: expected three runs of dpct, got:"$'\n'"$args"$'\n'"$(tr -d '\r' < "$work/hostile-out.txt")"

if [ "$failures" -ne 0 ]; then
  printf '%s\n' "--- cmd output:" "$got" >&2
  echo "$failures check(s) failed" >&2
  exit 1
fi
echo "all checks passed"
