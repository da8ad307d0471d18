#!/usr/bin/env bash
# tovalo-cli report end to end: a real run over the simulated toolkit (every outcome, items left
# unconverted, a file name made of markup), then the report of its results.
#   cli_report_test.sh CLI TOOLKIT WORKDIR
# The results file it makes is WORKDIR/results.json (tests/data/report/sim-run/results.json was
# made this way, with WORKDIR /tmp/cuda-app).
set -uo pipefail
cli=$1 toolkit=$2 work=$3
rm -rf "$work" && mkdir -p "$work/src/kernels" "$work/src/util" "$work/src/io" "$work/src/legacy" "$work/src/extra"
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
check() { # check NAME ACTUAL EXPECTED
  if [ "$2" != "$3" ]; then fail "$1: got '$2', expected '$3'"; fi
}
unset ONEAPI_ROOT SETVARS_COMPLETED DPCT_SIM_VERSION_STYLE

src=$work/src
cu() { # cu FILE DIRECTIVES: a source whose lines give dpct-sim reasons for several warnings
  cat > "$src/$1" <<EOF
// dpct-sim: $2
#include <cstdio>
__global__ void kernel(float* a, int n) {
  __shared__ float tile[256];
  int i = blockIdx.x * blockDim.x + threadIdx.x;
  if (i < n) atomicAdd(&a[0], a[i]);
  __syncthreads();
}
void host(float* h, int n) {
  float* d = nullptr;
  cudaMalloc(&d, n * sizeof(float));
  cudaMemcpy(d, h, n * sizeof(float), cudaMemcpyHostToDevice);
  kernel<<<(n + 255) / 256, 256>>>(d, n);
  long t = clock();
  printf("%s %ld\n", cudaGetErrorString(cudaGetLastError()), t);
  cudaFree(d);
}
EOF
}
cu kernels/vector_add.cu "result=warnings warnings=4"
cu kernels/reduce.cu "result=warnings warnings=9 delay-ms=150"
cu kernels/matmul.cu "result=ok"
cu kernels/scan.cu "result=warnings warnings=3 delay-ms=60"
cu util/timer.cu "result=warnings warnings=2"
cu util/errors.cu "result=warnings warnings=12"
cu io/loader.cu "result=parse-error parse-errors=3"
cu io/writer.cu "result=exit-code exit-code=-3 message=\"Error: Input folder is in the CUDA_PATH folder.\""
cu legacy/old_solver.cu "result=crash"
cu legacy/host_only.cu "result=no-cuda"
cu "<img src=x onerror=alert(1)>.cu" "result=warnings warnings=2"
cu extra/pending_a.cu "result=ok"
cu extra/pending_b.cu "result=ok"

deffile() { # deffile FILE ITEM...
  local f=$1; shift
  { printf '[Common]\nVersion=01.00.00.00\n\n'
    for i in "$@"; do printf '[%s]\n--out-root=%s\n\n' "$src/$i" "$work/out"; done; } > "$f"
}
ran=(kernels/vector_add.cu kernels/reduce.cu kernels/matmul.cu kernels/scan.cu util/timer.cu util/errors.cu
     io/loader.cu io/writer.cu legacy/old_solver.cu legacy/host_only.cu "<img src=x onerror=alert(1)>.cu")

# 1. A run, then the same list with two more items: the re-run of the failed ones leaves the new
#    items without a conversion.
deffile "$work/first.txt" "${ran[@]}"
"$cli" run "$work/first.txt" --oneapi-root "$toolkit" --quiet --results "$work/results.json" > /dev/null 2>&1
check "first run" "$?" 1
deffile "$work/all.txt" "${ran[@]}" extra/pending_a.cu extra/pending_b.cu
"$cli" run "$work/all.txt" --oneapi-root "$toolkit" --quiet --results "$work/results.json" --only ng > /dev/null 2>&1
check "re-run of the failed items" "$?" 1

# 2. The report: written atomically where -o says, with the totals on stdout.
"$cli" report "$work/results.json" -o "$work/report.html" --title "Solver <migration> & co" > "$work/report.out" 2> "$work/report.err"
check "report exit" "$?" 0
check "report summary" "$(cat "$work/report.out")" \
  "Wrote $work/report.html: 13 items, 7 ok, 3 failed, 1 syntax error, 2 not converted, 35 diagnostics"
page=$work/report.html
grep -q '^<!DOCTYPE html>' "$page" || fail "not an HTML page"
grep -q '<title>Solver &lt;migration&gt; &amp; co</title>' "$page" || fail "title not escaped"
grep -q '&lt;img src=x onerror=alert(1)&gt;.cu' "$page" || fail "the markup file name is not shown as text"
grep -q '<img' "$page" && fail "markup from a file name reached the page"
# Nothing fetched: no element with a source, no style import; the only addresses are dpct's pages.
grep -Eq ' src="|<(link|iframe|object|embed)[ >]|@import|url\(' "$page" && fail "the page fetches something"
others=$(grep -o 'https\?://[^"<> ]*' "$page" | grep -v '^https://www.intel.com/content/www/us/en/docs/dpcpp-compatibility-tool/')
[ -z "$others" ] || fail "addresses other than dpct's reference: $others"
for code in 1003 1049 1118; do
  grep -q "href=\"https://www.intel.com/content/www/us/en/docs/dpcpp-compatibility-tool/developer-guide-reference/current/dpct$code.html\"" "$page" ||
    fail "no reference link for DPCT$code"
done
grep -q '>kernels/reduce.cu</td>' "$page" || fail "paths are not relative to the common folder"
grep -q "<dt>Folder</dt><dd>$src/</dd>" "$page" || fail "the common folder is not named"
grep -q '<dt>dpct version</dt><dd>2024.2.0</dd>' "$page" || fail "dpct version missing"
grep -q '<dt>Codebase</dt><dd>55a3f034030e4bd0f36d7c37f24f8366079a639b</dd>' "$page" || fail "codebase missing"

# 3. To stdout with -o -; the same page but for the time it was made.
"$cli" report "$work/results.json" -o - --title "Solver <migration> & co" > "$work/stdout.html"
check "report to stdout" "$?" 0
check "stdout page" "$(grep -v '^<p class="sub">' "$work/stdout.html" | md5sum)" "$(grep -v '^<p class="sub">' "$page" | md5sum)"

# 4. Bad input: status 2 with a message, and nothing written.
"$cli" report "$work/absent.json" -o "$work/absent.html" > /dev/null 2> "$work/absent.err"
check "missing results" "$?" 2
grep -q "cannot read '$work/absent.json'" "$work/absent.err" || fail "missing results: $(cat "$work/absent.err")"
printf '{"items": [{"path": "a.cu"}]}' > "$work/bad.json"
"$cli" report "$work/bad.json" -o "$work/bad.html" > /dev/null 2> "$work/bad.err"
check "not results" "$?" 2
grep -q "is not a results file" "$work/bad.err" || fail "bad results: $(cat "$work/bad.err")"
[ -e "$work/bad.html" ] || [ -e "$work/absent.html" ] && fail "a report was written for bad input"
"$cli" report > /dev/null 2> "$work/none.err"
check "no results file" "$?" 2
grep -q "no results file given" "$work/none.err" || fail "no file: $(cat "$work/none.err")"
"$cli" report "$work/results.json" --bogus > /dev/null 2>&1; check "unknown option" "$?" 2
"$cli" report "$work/results.json" -o > /dev/null 2>&1; check "-o without a file" "$?" 2
"$cli" report "$work/results.json" -o "$work" > /dev/null 2> "$work/dir.err"
check "output is a folder" "$?" 2
grep -q "cannot write" "$work/dir.err" || fail "unwritable: $(cat "$work/dir.err")"

if [ $failures -gt 0 ]; then echo "$failures check(s) failed" >&2; exit 1; fi
echo "all report checks passed"
