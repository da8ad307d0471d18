#!/usr/bin/env bash
# Measures the GUI on a virtual display: start-up to the first painted main window, CPU while
# idle with the console open, and a burst of dpct output through the console, the run engine and
# the output pane (on a quiet machine and with one other core busy), a run of 1,000 items with
# 100 diagnostics each with the diagnostics view open (and, to compare, without it), and opening a
# 10,000-item definition file with page scrolling of its list.
# Build first (any build folder; a release build gives the real numbers):
#   cmake -S . -B build/rel -G Ninja -DCMAKE_BUILD_TYPE=Release
#   cmake --build build/rel --target tovalo tovalo-shot dpct-sim-toolkit tovalo_lrelease
#   xvfb-run -a -s '-screen 0 1280x800x24' tests/gui/measure.sh build/rel
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build/rel}
tool=$build/tests/gui/tovalo-shot
export XDG_CONFIG_HOME
XDG_CONFIG_HOME=$(mktemp -d)
trap 'rm -rf "$XDG_CONFIG_HOME"' EXIT

echo "== start-up to first paint (5 runs; in-process from main(), and from exec)"
for i in 1 2 3 4 5; do
  t0=$(date +%s%3N)
  out=$("$tool" --measure-startup)
  paint=$(sed -n 's/^first-paint-epoch-ms //p' <<<"$out")
  echo "run $i: main->paint $(sed -n 's/^first-paint-ms //p' <<<"$out") ms, exec->paint $((paint - t0)) ms"
done

echo "== idle CPU for 10 s with the console open"
fifo=$(mktemp -u); mkfifo "$fifo"
"$tool" examples/vector-add.txt >"$fifo" 2>/dev/null &
pid=$!
timeout 60 grep -q -m1 ready <"$fifo"
sleep 1
ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
kids() { pgrep -P "$1" || true; }
sum() { local t; t=$(ticks "$pid"); for k in $(kids "$pid"); do t=$((t + $(ticks "$k"))); done; echo "$t"; }
a=$(sum); sleep 10; b=$(sum)
hz=$(getconf CLK_TCK)
echo "cpu ticks in 10 s: $((b - a)) at $hz/s => $(awk -v d=$((b - a)) -v hz="$hz" 'BEGIN{printf "%.2f", d / hz / 10 * 100}') % of one core (program and its interpreter)"
kill "$pid"; wait "$pid" 2>/dev/null || true; rm -f "$fifo"

echo "== 50 MB burst of dpct output"
"$tool" --burst $((50 * 1024 * 1024)) 2>/dev/null

# The same with another program keeping one core busy, as a build beside the window does: the
# window's longest stall and total time must stay small on a 2-core machine then too.
echo "== 50 MB burst of dpct output with one other core busy"
bash -c 'while :; do :; done' &
busy=$!
"$tool" --burst $((50 * 1024 * 1024)) 2>/dev/null
kill "$busy"; wait "$busy" 2>/dev/null || true
echo "== four consoles each printing 20 MB at once (tagged output)"
"$tool" --consoles 4 --burst $((20 * 1024 * 1024)) 2>/dev/null

echo "== 1,000 items x 100 diagnostics with the diagnostics view open, then without it"
"$tool" --measure-view 1000 100 2>/dev/null | tr '\n' ' '
echo
"$tool" --measure-view 1000 100 --no-view 2>/dev/null | tr '\n' ' '
echo

echo "== open a definition file of 10,000 items until its list is painted, then page scrolling (3 runs)"
for i in 1 2 3; do
  "$tool" --measure-open 10000 2>/dev/null | tr '\n' ' '
  echo
done
