#!/usr/bin/env bash
# The migration report of a large run: results of 10,000 items with 20 diagnostics each
# (200,000; dpct's messages, some naming an API, a few unique compiler errors), turned into a
# report by `tovalo-cli report`; prints the size of the results and of the page, the time and
# peak memory of the command, and, when Chromium is installed, how long the page takes to load
# and to sort and filter its items.
#   report_scale.sh BUILD_DIR [ITEMS [DIAGNOSTICS_PER_ITEM]]   (a release build, target tovalo-cli)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:?build dir}" && pwd)
items=${2:-10000}
per=${3:-20}
cli=$build/src/cli/tovalo-cli
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

python3 - "$items" "$per" "$work/results.json" <<'PY'
import json, random, sys
n, per, out = int(sys.argv[1]), int(sys.argv[2]), sys.argv[3]
rng = random.Random(7)
fixed = [
    ("DPCT1003", "Migrated API does not return error code. (*, 0) is inserted. You may need to rewrite this code."),
    ("DPCT1049", "The work-group size passed to the SYCL kernel may exceed the limit. To get the device limit, "
                 "query info::device::max_work_group_size. Adjust the work-group size if needed."),
    ("DPCT1118", "SYCL group functions and algorithms must be encountered in converged control flow. "
                 "You may need to adjust the code."),
    ("DPCT1101", "The size of the local memory array was replaced with a value. Modify the code to use the "
                 "original expression, provided in comments, if it is correct."),
    ("DPCT1010", "SYCL uses exceptions to report errors and does not use the error codes. The call was replaced "
                 "with 0. You need to rewrite this code."),
    ("DPCT1009", "SYCL uses exceptions to report errors and does not use the error codes. The call was replaced "
                 "by a placeholder string. You need to rewrite this code."),
    ("DPCT1008", "clock function is not defined in SYCL. This is a hardware-specific feature. Consult with your "
                 "hardware vendor to find a replacement."),
    ("DPCT1039", "The generated code assumes that the first argument points to the global memory address space. "
                 "If it points to a local memory address space, replace \"dpct::atomic_fetch_add\" with "
                 "\"dpct::atomic_fetch_add<sycl::access::address_space::local_space>\"."),
    ("DPCT1065", "Consider replacing sycl::nd_item::barrier() with "
                 "sycl::nd_item::barrier(sycl::access::fence_space::local_space) for better performance if there "
                 "is no access to global memory."),
    ("DPCT1083", "The size of local memory in the migrated code may be different from the original code. Check "
                 "that the allocated memory size in the migrated code is correct."),
]
apis = [f"cuda{name}" for name in ("MemcpyToSymbol", "FuncSetCacheConfig", "StreamQuery", "EventQuery",
        "DeviceSetLimit", "GraphLaunch", "MemAdvise", "PointerGetAttributes", "IpcGetMemHandle", "ProfilerStart")]
named = [("DPCT1007", "Migration of {} is not supported."),
         ("DPCT1026", "The call to {} was removed because this functionality is redundant in SYCL."),
         ("DPCT1027", "The call to {} was replaced with 0 because SYCL currently does not support it.")]
statuses = ["ok"] * 80 + ["ng"] * 12 + ["syntax-error"] * 5 + ["none"] * 3
root = "/home/ci/builds/solver-suite/src/"
entries = []
for i in range(n):
    path = f"{root}module_{i % 97:02d}/kernel_{i:05d}.cu"
    status = statuses[rng.randrange(len(statuses))]
    diags = []
    for k in range(per):
        r = rng.random()
        if r < 0.7:
            code, message = fixed[rng.randrange(len(fixed))]
        elif r < 0.99:
            code, message = named[rng.randrange(len(named))]
            message = message.format(apis[rng.randrange(len(apis))])
        else:
            code, message = "", f"use of undeclared identifier 'sym_{i}_{k}'"
        file = path if rng.random() < 0.8 else f"{root}include/common_{i % 31}.cuh"
        diags.append({"file": file, "line": rng.randrange(1, 3000), "column": rng.randrange(1, 80),
                      "severity": "warning" if code else "error", "code": code, "message": message})
    entries.append({"path": path, "status": status, "exitCode": 0 if status in ("ok", "syntax-error", "none") else -1,
                    "elapsedMs": -1 if status == "none" else rng.randrange(200, 20000), "diagnostics": diags})
with open(out, "w") as f:
    json.dump({"dpctVersion": "2025.1.0.", "dpctCodebase": "0123456789abcdef0123456789abcdef01234567",
               "items": entries}, f)
PY

results_size=$(stat -c %s "$work/results.json")
best=""
cpu=""
rss=0
for _ in 1 2 3; do
  /usr/bin/time -f "%e %U %S %M" -o "$work/time" "$cli" report "$work/results.json" -o "$work/report.html" > /dev/null
  read -r seconds user sys kb < "$work/time"
  if [ -z "$best" ] || awk -v a="$seconds" -v b="$best" 'BEGIN{exit !(a < b)}'; then best=$seconds; cpu=$(awk -v u="$user" -v s="$sys" 'BEGIN{print u + s}'); fi
  [ "$kb" -gt "$rss" ] && rss=$kb
done
page_size=$(stat -c %s "$work/report.html")
awk -v n="$items" -v per="$per" -v r="$results_size" -v p="$page_size" -v s="$best" -v c="$cpu" -v kb="$rss" 'BEGIN {
  printf "report of %d items x %d diagnostics: results %.1f MB, page %.1f MB; tovalo-cli report %.2f s (%.2f s of CPU; best of 3), peak memory %.0f MB\n",
         n, per, r / 1048576, p / 1048576, s, c, kb / 1024 }'

if command -v chromium > /dev/null; then
  python3 - "$work/report.html" "$work" "$here/../tests/e2e" <<'PY'
import os, sys
sys.path.insert(0, sys.argv[3])
from report_browser_test import Browser, find_chromium
page, work = sys.argv[1], sys.argv[2]
browser = Browser(find_chromium(), os.path.join(work, "profile"))

def renderer_cpu():  # seconds of CPU the page's process has used so far
    info = browser.call("SystemInfo.getProcessInfo", session=False)["processInfo"]
    return sum(p["cpuTime"] for p in info if p["type"] == "renderer")

settled = "new Promise(r => requestAnimationFrame(() => requestAnimationFrame(r)))"
try:
    browser.open_page("file://" + page, timeout=600)
    browser.evaluate(settled, timeout=600)
    load_cpu = renderer_cpu()
    load = browser.evaluate("performance.now()")
    steps = []
    for name, action in (("sort by time", "document.querySelectorAll('#item-table th button')[3].click()"),
                         ("sort by path", "document.querySelectorAll('#item-table th button')[0].click()"),
                         ("filter", "(() => { const f = document.getElementById('item-filter'); "
                                    "f.value = 'module_07 dpct1008'; f.dispatchEvent(new Event('input')); })()")):
        before = renderer_cpu()
        took = browser.evaluate(f"""(async () => {{ const t = performance.now(); {action};
            await new Promise(r => setTimeout(r, 151)); await {settled};
            return performance.now() - t - 151; }})()""", timeout=600)
        steps.append(f"{name} {took / 1000:.2f} s ({renderer_cpu() - before:.2f} s of CPU)")
    shown = browser.evaluate("document.getElementById('item-shown').textContent")
    problems = browser.problems("file://" + page)
finally:
    browser.close()
print(f"headless Chromium: open {load / 1000:.1f} s ({load_cpu:.1f} s of CPU), " + ", ".join(steps)
      + f"; the filter shows {shown}" + ("; problems: " + "; ".join(problems) if problems else ""))
PY
fi
