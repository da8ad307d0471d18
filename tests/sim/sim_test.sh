#!/usr/bin/env bash
# Checks of the dpct simulator and its toolkit through the real shell.
#
#   sim_test.sh CASE
#
# Environment (set by CMake): SIM_TOOLKIT (the build tree's toolkit), SIM_MAKE_TOOLKIT (the
# toolkit maker), SIM_EXE (the simulator), TOVALO_CLI (tovalo-cli, for real command lines).
set -uo pipefail

: "${SIM_TOOLKIT:?}" "${SIM_MAKE_TOOLKIT:?}" "${SIM_EXE:?}" "${TOVALO_CLI:?}"
unset DPCT_SIM_VERSION_STYLE SETVARS_COMPLETED

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
expect_eq() { # what expected actual
  if [ "$2" != "$3" ]; then fail "$1"$'\n'"  expected: $(printf '%q' "$2")"$'\n'"  actual:   $(printf '%q' "$3")"; fi
}
expect_has() { # what needle haystack
  case "$3" in *"$2"*) ;; *) fail "$1: no '$2' in:"$'\n'"$3" ;; esac
}
expect_not() { # what needle haystack
  case "$3" in *"$2"*) fail "$1: unexpected '$2' in:"$'\n'"$3" ;; esac
}
# Line number of the first line of $2 that contains $1 (0 when none).
line_of() { printf '%s\n' "$2" | grep -nF -m1 -- "$1" | cut -d: -f1 || true; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
dpct="$SIM_TOOLKIT/bin/dpct"

# A source file with kernels, launches and runtime calls, and the directives given.
make_source() { # file directive...
  local file=$1; shift
  mkdir -p "$(dirname "$file")"
  {
    echo "// test source"
    for d in "$@"; do echo "// dpct-sim: $d"; done
    cat <<'CU'
#include <cuda_runtime.h>

__global__ void scale(float* v, int n)
{
    int i = blockIdx.x * blockDim.x + threadIdx.x;
    if (i < n)
        v[i] *= 2.0f;
    __syncthreads();
}

int main()
{
    float* v;
    cudaMalloc(&v, 1024 * sizeof(float));
    scale<<<4, 256>>>(v, 1024);
    cudaFree(v);
    return 0;
}
CU
  } > "$file"
}

case_version_styles() {
  local style want got status
  declare -A lines=(
    [product]='Intel(R) DPC++ Compatibility Tool version 2024.2.0. Codebase:(55a3f034030e4bd0f36d7c37f24f8366079a639b). clang version 19.0.0'
    [opensource]='dpct version 19.0.0. Codebase:(f27f466998a18de3c5ccaf7a853d714915e62d98). clang version 19.0.0'
    [opensource-noclang]='dpct version 18.0.0. Codebase:(caf26f2f40e0fba05253caf7436c163613e8f7ae)'
  )
  for style in product opensource opensource-noclang; do
    "$SIM_MAKE_TOOLKIT" "tk-$style" --version-style "$style" --sim "$SIM_EXE" >/dev/null || fail "make-toolkit $style"
    got=$("tk-$style/bin/dpct" --version; echo "status=$?")
    expect_eq "--version ($style)" $'\n'"${lines[$style]}"$'\n\nstatus=0' "$got"
  done
  "$SIM_MAKE_TOOLKIT" tk-old --version-style product-old --sim "$SIM_EXE" >/dev/null
  got=$(tk-old/bin/dpct --version)
  local hex='[0-9a-f]{40}'
  [[ "$got" == $'\n'"Intel(R) DPC++ Compatibility Tool version 2022.1.0. Codebase:("*")" &&
     "${got#*Codebase:(}" =~ ^$hex\)$ ]] || fail "--version (product-old): $(printf '%q' "$got")"

  "$SIM_MAKE_TOOLKIT" tk-none --version-style none --sim "$SIM_EXE" >/dev/null
  got=$(tk-none/bin/dpct --version 2>&1; echo "status=$?")
  expect_eq "--version (none) prints nothing" "status=0" "$got"

  # The environment variable overrides the baked style; setvars keeps a style already set.
  got=$(DPCT_SIM_VERSION_STYLE=opensource tk-none/bin/dpct --version)
  expect_has "environment overrides the toolkit's style" "dpct version 19.0.0" "$got"
  got=$(bash -c '. tk-opensource/setvars.sh >/dev/null; echo "$DPCT_SIM_VERSION_STYLE"; dpct --version')
  expect_has "setvars exports the baked style" "opensource"$'\n' "$got"
  expect_has "setvars puts the toolkit's dpct first" "dpct version 19.0.0" "$got"
  got=$(DPCT_SIM_VERSION_STYLE=product-old bash -c '. tk-opensource/setvars.sh >/dev/null; dpct --version')
  expect_has "setvars keeps a style already set" "version 2022.1.0" "$got"
}

case_results() {
  local got status src out
  src=$work/src
  make_source "$src/ok.cu" "result=ok"
  got=$("$dpct" --out-root=out "$src/ok.cu" 2>&1); status=$?
  expect_eq "ok: status" 0 "$status"
  expect_eq "ok: whole output" "NOTE: Could not auto-detect compilation database for file 'ok.cu' in '$src' or any parent directory.
Parsing: $src/ok.cu
Analyzing: $src/ok.cu
Migrating: $src/ok.cu
Processed 1 file(s) in -in-root folder \"$src\"

See Diagnostics Reference to resolve warnings and complete the migration:
https://www.intel.com/content/www/us/en/docs/dpcpp-compatibility-tool/developer-guide-reference/current/diagnostics-reference.html" "$got"

  make_source "$src/warn.cu" "result=warnings warnings=4" "progress=processing"
  out=$("$dpct" --out-root=out "$src/warn.cu" 2>err.txt); status=$?
  expect_eq "warnings: status" 0 "$status"
  expect_eq "warnings: four on stderr" 4 "$(grep -c ': warning: DPCT1[0-9]*:[0-3]: ' err.txt)"
  expect_has "warnings: kernel launch line and column" "$src/warn.cu:18:5: warning: DPCT1049:" "$(cat err.txt)"
  expect_has "warnings: snippet with gutter" "   18 |     scale<<<4, 256>>>(v, 1024);" "$(cat err.txt)"
  expect_has "warnings: older progress line" "Processing: $src/warn.cu" "$out"
  expect_not "warnings: no newer progress lines" "Parsing:" "$out"
  expect_has "warnings: summary" "Processed 1 file(s)" "$out"
  got=$("$dpct" --out-root=out --suppress-warnings=1049,1000-1003 "$src/warn.cu" 2>&1 >/dev/null)
  expect_not "suppress-warnings hides DPCT1049" "DPCT1049" "$got"
  expect_not "suppress-warnings hides DPCT1003" "DPCT1003" "$got"
  got=$("$dpct" --out-root=out --suppress-warnings-all "$src/warn.cu" 2>&1 >/dev/null)
  expect_eq "suppress-warnings-all" "" "$got"

  make_source "$src/perr.cu" "result=parse-error parse-errors=3"
  got=$("$dpct" --out-root=out "$src/perr.cu" 2>&1); status=$?
  expect_eq "parse-error: status" 0 "$status"
  expect_has "parse-error format 1" "Processed 1 file(s) in -in-root folder \"$src\", 1 file(s) with error(s):
  $src/perr.cu: 3 parsing error(s)
" "$got"
  expect_has "parse-error: clang's count" "3 errors generated." "$got"
  make_source "$src/perr2.cu" "result=parse-error parse-error-format=2"
  got=$("$dpct" --out-root=out "$src/perr2.cu" 2>&1)
  expect_has "parse-error format 2" "  $src/perr2.cu: 2 parsing error(s), 1 segmentation fault(s) "$'\n' "$got"
  got=$("$dpct" --out-root=out --stop-on-parse-err "$src/perr.cu" 2>&1); status=$?
  expect_eq "stop-on-parse-err: status" 239 "$status"
  expect_has "stop-on-parse-err: exit line" "dpct exited with code: -17 (Error: Cannot parse input file(s))" "$got"
  expect_not "stop-on-parse-err: no Analyzing" "Analyzing" "$got"
  expect_not "stop-on-parse-err: no summary" "parsing error(s)" "$got"

  make_source "$src/perr3.cu" "result=parse-error processed=no"
  got=$("$dpct" --out-root=out "$src/perr3.cu" 2>&1); status=$?
  expect_eq "parse-error processed=no: status" 239 "$status"
  expect_not "parse-error processed=no: no summary" "Processed" "$got"

  make_source "$src/code.cu" 'result=exit-code exit-code=-3 message="Error: Input folder is in the CUDA_PATH folder."'
  got=$("$dpct" "$src/code.cu" 2>&1); status=$?
  expect_eq "exit-code: status mod 256" 253 "$status"
  expect_has "exit-code: line with message" "dpct exited with code: -3 (Error: Input folder is in the CUDA_PATH folder.)" "$got"
  expect_not "exit-code: no summary" "Processed" "$got"
  make_source "$src/code2.cu" "result=exit-code exit-code=-43"
  got=$("$dpct" "$src/code2.cu" 2>&1); status=$?
  expect_eq "exit-code -43: status" 213 "$status"
  expect_has "exit-code -43: the tool's own text" "dpct exited with code: -43 (Error: The API mapping query for this API is not available yet." "$got"

  # A directive in a block comment, closed on the same line.
  printf '%s\n' '/* dpct-sim: result=no-cuda */' 'int answer() { return 42; }' > "$src/none.cu"
  got=$("$dpct" --out-root=out "$src/none.cu" 2>&1); status=$?
  expect_eq "no-cuda: status" 1 "$status"
  expect_has "no-cuda: line" "dpct exited with code: 1 (Migration not necessary; no CUDA code detected)" "$got"
  expect_not "no-cuda: no Processed" "Processed" "$got"
  expect_not "no-cuda: the comment's end is not a directive" "ignored directive" "$got"

  make_source "$src/crash.cu" "result=crash warnings=1"
  got=$("$dpct" --out-root=out "$src/crash.cu" 2>&1); status=$?
  expect_eq "crash: killed by SIGSEGV" 139 "$status"
  expect_has "crash: stack dump" "Stack dump:" "$got"
  expect_not "crash: no summary" "Processed" "$got"
  [ ! -e "out/crash.dp.cpp" ] || fail "crash: wrote a migrated file"

  make_source "$src/quiet.cu" "result=silent"
  got=$("$dpct" "$src/quiet.cu" 2>&1; echo "status=$?")
  expect_eq "silent: nothing at all" "status=0" "$got"
  [ ! -e dpct_output ] || fail "silent: wrote dpct_output"

  make_source "$src/fast.cu" "fast=yes"
  got=$("$dpct" --out-root=fastout "$src/fast.cu" 2>&1; echo "status=$?")
  expect_eq "fast: two lines" "Processing: $src/fast.cu
Processed 1 file(s) in -in-root folder \"$src\"
status=0" "$got"
  [ ! -e fastout ] || fail "fast: wrote files"

  cp "$src/ok.cu" "$src/noext"
  got=$("$dpct" --out-root=out "$src/noext" 2>&1); status=$?
  expect_eq "no file type: status" 229 "$status"
  expect_has "no file type: line" "File Type not available for input file" "$got"

  got=$("$dpct" "$src/missing.cu" 2>&1); status=$?
  expect_eq "missing file: status" 239 "$status"
  expect_has "missing file: exit line" "dpct exited with code: -17" "$got"

  make_source "$src/typo.cu" "result=okay"
  got=$("$dpct" --out-root=out "$src/typo.cu" 2>&1 >/dev/null)
  expect_has "unknown directive reported" "dpct-sim: ignored directive 'result=okay'" "$got"
}

case_stream_order() {
  local got src=$work/src
  # In a merged pipe stdout comes out at exit, so the exit-code line comes before the NOTE.
  make_source "$src/code.cu" "result=exit-code exit-code=-5"
  got=$("$dpct" "$src/code.cu" 2>&1 | cat)
  local exitLine note
  exitLine=$(line_of "dpct exited with code: -5" "$got")
  note=$(line_of "NOTE: Could not auto-detect" "$got")
  [ -n "$exitLine" ] && [ -n "$note" ] && [ "$exitLine" -lt "$note" ] ||
    fail "exit-code line not before the buffered NOTE line:"$'\n'"$got"
  expect_has "default out-root announced" 'The directory "dpct_output" is used as "out-root"' "$got"

  make_source "$src/warn.cu" "result=warnings warnings=2"
  got=$("$dpct" --out-root=out "$src/warn.cu" 2>&1 | cat)
  [ "$(line_of ': warning: DPCT' "$got")" -lt "$(line_of 'Parsing:' "$got")" ] ||
    fail "warnings not before the buffered progress lines:"$'\n'"$got"

  # On a terminal stdout is line-buffered: the lines come in the order they were printed.
  if command -v script >/dev/null; then
    got=$(script -qec "'$dpct' --out-root=out '$src/warn.cu'" /dev/null | tr -d '\r')
    local analyzing warning migrating
    analyzing=$(line_of 'Analyzing:' "$got"); warning=$(line_of ': warning: DPCT1118' "$got")
    migrating=$(line_of 'Migrating:' "$got")
    [ -n "$analyzing" ] && [ -n "$warning" ] && [ -n "$migrating" ] &&
      [ "$analyzing" -lt "$warning" ] && [ "$warning" -lt "$migrating" ] ||
      fail "on a terminal the warning is not between Analyzing and Migrating:"$'\n'"$got"
  fi

  # On a pipe stdout is held in a block buffer: a crash loses the progress lines that a
  # terminal would have shown.
  make_source "$src/crash.cu" "result=crash warnings=0"
  got=$("$dpct" --out-root=out "$src/crash.cu" 2>&1 | cat)
  expect_not "crash on a pipe: buffered progress lost" "Parsing:" "$got"
  expect_has "crash on a pipe: stderr still there" "Stack dump:" "$got"
  if command -v script >/dev/null; then
    got=$(script -qec "'$dpct' --out-root=out '$src/crash.cu'" /dev/null | tr -d '\r')
    expect_has "crash on a terminal: progress shown" "Parsing: $src/crash.cu" "$got"
  fi
}

case_setvars() {
  local got status
  got=$(bash -c '. "$1/setvars.sh"; echo "status=$?"; echo "SETVARS_COMPLETED=$SETVARS_COMPLETED"; command -v dpct' _ "$SIM_TOOLKIT")
  expect_has "setvars: first line" ":: initializing oneAPI environment ..." "$got"
  expect_has "setvars: component line" ":: dpcpp-ct -- latest" "$got"
  expect_has "setvars: last line" ":: oneAPI environment initialized ::" "$got"
  expect_has "setvars: status" "status=0" "$got"
  expect_has "setvars: remembered" "SETVARS_COMPLETED=1" "$got"
  expect_has "setvars: dpct on PATH" "$SIM_TOOLKIT/bin/dpct" "$got"

  got=$(bash -c '. "$1/setvars.sh" >/dev/null; . "$1/setvars.sh"; echo "status=$?"; . "$1/setvars.sh" --force | tail -1; echo "forced=$?"' _ "$SIM_TOOLKIT")
  expect_has "setvars again: warning" ":: WARNING: setvars.sh has already been run. Skipping re-execution." "$got"
  expect_has "setvars again: usage" "usage: source setvars.sh [--force] [--config=file] [--help] [...]" "$got"
  expect_has "setvars again: returns 3" "status=3" "$got"
  expect_not "setvars again: nothing initialised" ":: initializing" "$(printf '%s\n' "$got" | head -5)"
  expect_has "setvars --force runs again" "forced=0" "$got"

  # A plain POSIX shell (the fallback interpreter) gets the same environment.
  if [ -x /bin/sh ]; then
    got=$(cd / && /bin/sh -c '. "$1/setvars.sh" >/dev/null; echo "status=$?"; dpct --version' _ "$SIM_TOOLKIT")
    expect_has "setvars under sh: status" "status=0" "$got"
    expect_has "setvars under sh: dpct found" "Intel(R) DPC++ Compatibility Tool version" "$got"
  fi
}

case_out_root() {
  local got status tree="$work/proj ect"
  make_source "$tree/src/kernels/a.cu" "result=warnings warnings=2"
  cd "$tree/src" || return
  got=$("$dpct" --in-root="$tree/src" --out-root="$tree/out dir" kernels/a.cu 2>&1); status=$?
  expect_eq "out-root: status" 0 "$status"
  [ -f "$tree/out dir/kernels/a.dp.cpp" ] || fail "out-root: no migrated file at out/kernels/a.dp.cpp: $(find "$tree" -type f)"
  [ -f "$tree/out dir/MainSourceFiles.yaml" ] || fail "out-root: no MainSourceFiles.yaml"
  got=$(cat "$tree/out dir/kernels/a.dp.cpp")
  expect_has "migrated: SYCL header" "#include <sycl/sycl.hpp>" "$got"
  expect_not "migrated: no CUDA runtime header" "cuda_runtime.h" "$got"
  expect_has "migrated: a warning comment" "DPCT1" "$got"

  # Default out-root in the working folder, announced.
  make_source "$tree/src/b.cu" "result=ok"
  got=$("$dpct" b.cu 2>&1)
  expect_has "default out-root announced" 'The directory "dpct_output" is used as "out-root"' "$got"
  [ -f "$tree/src/dpct_output/b.dp.cpp" ] || fail "default out-root: no dpct_output/b.dp.cpp"
  got=$("$dpct" b.cu 2>&1); status=$?
  expect_eq "default out-root again (an earlier migration): status" 0 "$status"
  mkdir -p "$tree/other/dpct_output/test" && cp b.cu "$tree/other/"
  got=$(cd "$tree/other" && "$dpct" b.cu 2>&1); status=$?
  expect_eq "default out-root not empty: status" 250 "$status"
  expect_has "default out-root not empty: message" "dpct_output directory is not empty." "$got"

  # Non-ASCII folder and file names pass through unchanged (UTF-8).
  make_source "$tree/変換/ベクトル.cu" "result=ok"
  got=$("$dpct" --out-root="$tree/出力" "$tree/変換/ベクトル.cu" 2>&1); status=$?
  expect_eq "non-ASCII: status" 0 "$status"
  expect_has "non-ASCII: note" "for file 'ベクトル.cu' in '$tree/変換'" "$got"
  [ -f "$tree/出力/ベクトル.dp.cpp" ] || fail "non-ASCII: no migrated file"

  # An out-root that cannot be created.
  : > "$tree/blocker"
  got=$("$dpct" --out-root="$tree/blocker/x" b.cu 2>&1); status=$?
  expect_eq "unwritable out-root: status" 254 "$status"
  expect_has "unwritable out-root: line" "dpct exited with code: -2 (Error: Unable to save the output to the specified directory)" "$got"
  cd "$work" || return
}

case_command_line() {
  local got status src="$work/my src"
  make_source "$src/vec add.cu" "result=ok"
  mkdir -p "$src/db" "$work/out dir"
  echo '[]' > "$src/db/compile_commands.json"
  # Every option of the option table switched on, in Tovalo's own definition-file format.
  cat > all.txt <<DEF
[Common]
Version=01.00.00.00

[$src/vec add.cu]
--always-use-async-handler
--assume-nd-range-dim=3
--build-script-file=Makefile.dpct
--comments
--cuda-include-path="$src"
--custom-helper-name=my_helper
--enable-ctad
--extra-arg="-I$src/include dir"
--format-range=all
--format-style=google
--gen-build-script
--in-root="$src"
--keep-original-code
--no-cl-namespace-inline
--no-dpcpp-extensions=enqueued_barriers
--no-dry-pattern
--no-incremental-migration
--optimize-migration
--out-root="$work/out dir"
--output-file=log.txt
--output-verbosity=detailed
-p="$src/db"
--process-all
--report-file-prefix=report_1
--report-format=csv
--report-only
--report-type=ALL
--stop-on-parse-err
--suppress-warnings=1001,1002
--suppress-warnings-all
--sycl-named-lambda
--use-custom-helper=file
--use-experimental-features=nd_range_barrier
--use-explicit-namespace=sycl-math
--usm-level=none
--vcxprojfile="$src/x.vcxproj"
DEF
  local line
  line=$("$TOVALO_CLI" commands --dialect sh all.txt) || fail "tovalo-cli commands"
  expect_eq "34 option arguments" 34 "$(grep -o ' --*[a-z]' <<<"$line" | wc -l)"
  got=$(PATH="$SIM_TOOLKIT/bin:$PATH" bash -c "$line" 2>&1); status=$?
  expect_eq "the whole command line is accepted" 0 "$status"
  expect_has "the whole command line: summary" "Processed 1 file(s) in -in-root folder \"$src\"" "$got"
  [ -f "$work/out dir/log.txt" ] || fail "--output-file: no log.txt in the out-root"

  # The same options in the "--x value" form and with a single dash.
  got=$("$dpct" -out-root "$work/out dir 2" -format-style llvm --usm-level restricted "$src/vec add.cu" 2>&1); status=$?
  expect_eq "separate values and single dashes" 0 "$status"

  # An incremental migration into the same out-root needs the same compared options.
  got=$("$dpct" --out-root="$work/out dir 2" --comments "$src/vec add.cu" 2>&1); status=$?
  expect_eq "another option set: status" 219 "$status"
  expect_has "another option set: exit line" "dpct exited with code: -37 (Error: Incremental migration requires the same option sets used across different dpct invocations." "$got"
  got=$("$dpct" --out-root="$work/out dir 2" --comments --no-incremental-migration "$src/vec add.cu" 2>&1); status=$?
  expect_eq "another option set without incremental migration" 0 "$status"

  got=$("$dpct" --comments --out-roo="$work/o" "$src/vec add.cu" 2>&1); status=$?
  expect_eq "unknown option: status" 240 "$status"
  expect_has "unknown option: message" "dpct: Unknown command line argument '--out-roo=$work/o'.  Try: 'dpct --help'" "$got"
  expect_has "unknown option: suggestion" "dpct: Did you mean '--out-root=$work/o'?" "$got"
  expect_has "unknown option: exit line" "dpct exited with code: -16 (Option parsing error, run 'dpct --help' to see supported options and values)" "$got"
  expect_not "unknown option: nothing migrated" "Processed" "$got"

  got=$("$dpct" --format-style=pretty --usm-level= "$src/vec add.cu" 2>&1); status=$?
  expect_eq "bad value: status" 240 "$status"
  expect_has "bad value: message" "dpct: for the --format-style option: Cannot find option named 'pretty'!" "$got"
  expect_has "empty value: message" "dpct: for the --usm-level option: Cannot find option named ''!" "$got"

  got=$("$dpct" --comments 2>&1); status=$?
  expect_eq "no source: status" 240 "$status"
  expect_has "no source: message" "Not enough positional command line arguments specified!" "$got"

  got=$("$dpct" --process-all "$src/vec add.cu" 2>&1); status=$?
  expect_eq "process-all without in-root: status" 235 "$status"
  expect_has "process-all without in-root: line" "Error: The option --process-all requires that the --in-root be specified explicitly." "$got"

  got=$("$dpct" -p="$work" "$src/vec add.cu" 2>&1); status=$?
  expect_eq "-p without a database: status" 237 "$status"
  expect_has "-p without a database: line" "dpct exited with code: -19 (Error: Cannot find compilation database)" "$got"
  got=$("$dpct" --in-root="$work/nowhere" "$src/vec add.cu" 2>&1); status=$?
  expect_eq "missing in-root: status" 249 "$status"

  got=$("$dpct" --suppress-warnings=abc "$src/vec add.cu" 2>&1); status=$?
  expect_eq "bad warning id: status" 241 "$status"
  got=$("$dpct" --report-file-prefix=a-b "$src/vec add.cu" 2>&1); status=$?
  expect_eq "prefix with special characters: status" 233 "$status"
}

case=${1:-}
if ! declare -F "case_${case//-/_}" >/dev/null; then
  echo "usage: sim_test.sh version-styles|results|stream-order|setvars|out-root|command-line" >&2
  exit 2
fi
"case_${case//-/_}"
if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed" >&2
  exit 1
fi
echo "all checks passed"
