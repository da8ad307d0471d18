#!/usr/bin/env bash
# Screenshots of the main window in several looks, idle and during a run of the example, on a
# virtual X display.  From the worktree, after building the dev preset:
#   xvfb-run -a -s '-screen 0 1280x800x24' tests/gui/screenshots.sh [OUTDIR]
# ONLY=PREFIX takes only the shots whose names start with PREFIX (e.g. ONLY=list- for the list's
# missing files and filter).
set -euo pipefail
cd "$(dirname "$0")/../.."
out=${1:-screenshots}
mkdir -p "$out"
tool=build/dev/tests/gui/tovalo-shot
export XDG_CONFIG_HOME
XDG_CONFIG_HOME=$(mktemp -d)
trap 'rm -rf "$XDG_CONFIG_HOME"' EXIT

shot() { # name look [--run | --after-run | --missing-demo [--filter TEXT] [--tip-missing]]
  local name=$1 look=$2
  shift 2
  [[ -n "${ONLY:-}" && $name != "$ONLY"* ]] && return 0
  local fifo file=examples/vector-add.txt
  [[ " $* " == *" --missing-demo "* ]] && file=
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  "$tool" --look "$look" "$@" $file >"$fifo" 2>/dev/null &
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

shot idle-214-aqua 214
shot idle-212-black 212
shot idle-205-win2000 205
shot run-214-aqua 214 --run
shot run-208-office2003 208 --run

# The document window before, during and after a run.
shot docwin-before-214 214
shot docwin-during-214 214 --run
shot docwin-after-214 214 --after-run

# Editing: a list with missing source files (one with its tool tip), and the filter in use.
shot list-missing-214 214 --missing-demo
shot list-missing-tip-214 214 --missing-demo --tip-missing
shot list-filter-214 214 --missing-demo --filter math
shot list-filter-missing-212-black 212 --missing-demo --filter .cu --tip-missing
