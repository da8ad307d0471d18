#!/usr/bin/env bash
# Screenshots of the main window in several looks, idle and during a run of the example, on a
# virtual X display.  From the worktree, after building the dev preset:
#   xvfb-run -a -s '-screen 0 1280x800x24' tests/gui/screenshots.sh [OUTDIR] [insight]
# "insight": only the diagnostics view after a run of the example, and the question before a run
# of examples/option-conflict.txt (two items into one out-root with other options).
set -euo pipefail
cd "$(dirname "$0")/../.."
out=${1:-screenshots}
what=${2:-all}
mkdir -p "$out"
tool=build/dev/tests/gui/tovalo-shot
export XDG_CONFIG_HOME
XDG_CONFIG_HOME=$(mktemp -d)
trap 'rm -rf "$XDG_CONFIG_HOME"' EXIT

shot() { # name look [--run | --after-run]
  local name=$1 look=$2
  shift 2
  local fifo
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  "$tool" --look "$look" "$@" "${DEF:-examples/vector-add.txt}" >"$fifo" 2>/dev/null &
  local pid=$!
  if timeout 60 grep -q -m1 ready <"$fifo"; then
    sleep 0.3
    import -window root "$out/$name.png"
    echo "$out/$name.png"
  else
    echo "no ready from $name" >&2
  fi
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  rm -f "$fifo"
}

if [ "$what" = insight ]; then
  # The examples' relative paths count from the folder the program runs in: a copy, so that
  # the out-roots the runs write stay out of the worktree.
  tree=$(pwd)
  copy=$(mktemp -d)
  cp -r examples "$copy/"
  out=$(cd "$out" && pwd)
  tool=$tree/$tool
  cd "$copy"
  shot insight-diagnostics-view 214 --diagnostics
  DEF=examples/option-conflict.txt shot insight-conflict-warning 214 --conflict
  cd "$tree"
  rm -rf "$copy"
  exit 0
fi

shot idle-214-aqua 214
shot idle-212-black 212
shot idle-205-win2000 205
shot run-214-aqua 214 --run
shot run-208-office2003 208 --run

# The document window before, during and after a run.
shot docwin-before-214 214
shot docwin-during-214 214 --run
shot docwin-after-214 214 --after-run
