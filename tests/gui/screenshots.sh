#!/usr/bin/env bash
# Screenshots of the main window in several looks, idle and during a run of the example, and of
# the about box, on a virtual X display.  From the worktree, after building the dev preset:
#   xvfb-run -a -s '-screen 0 1280x800x24' tests/gui/screenshots.sh [OUTDIR] [LANGUAGE]
# LANGUAGE is a language pack index (0 Japanese, the default; 1 English; ...).
set -euo pipefail
cd "$(dirname "$0")/../.."
out=${1:-screenshots}
lang=${2:-0}
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
  "$tool" --look "$look" --lang "$lang" "$@" examples/vector-add.txt >"$fifo" 2>/dev/null &
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

# The about box at three hours of the day, and rippling under a drag across its picture.
shot about-0230-night 214 --about 2:30
shot about-1559-noon 214 --about 15:59
shot about-2130-evening 214 --about 21:30
shot about-0915-rippling 214 --about 9:15 --ripple
