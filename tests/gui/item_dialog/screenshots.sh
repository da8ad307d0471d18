#!/usr/bin/env bash
# Screenshots of the item dialog in add and update mode, scrolled to the top and to the bottom
# of the option page, in Japanese and English, on a virtual X display; with "languages", the
# add dialog at the top and scrolled to the middle of the option page in all five languages.
# From the worktree, after building the dev preset:
#   xvfb-run -a -s '-screen 0 1280x900x24' tests/gui/item_dialog/screenshots.sh [OUTDIR] [languages]
set -euo pipefail
cd "$(dirname "$0")/../../.."
out=${1:-screenshots}
mkdir -p "$out"
demo=build/dev/tests/gui/item_dialog/tovalo_itemdlg_demo

shot() { # lang mode top|bottom
  local name="itemdlg-$1-$2-$3" fifo
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  "$demo" --lang "$1" show "$2" "$3" >"$fifo" 2>/dev/null &
  local pid=$!
  if timeout 60 grep -q -m1 ready <"$fifo"; then
    import -window root "$out/$name.png"
    echo "$out/$name.png"
  else
    echo "no ready from $name" >&2
  fi
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  rm -f "$fifo"
}

if [ "${2:-}" = languages ]; then
  for lang in ja en cn tw ko; do
    shot "$lang" add top
    shot "$lang" add middle
  done
  exit 0
fi

for lang in ja en; do
  for mode in add update; do
    shot "$lang" "$mode" top
    shot "$lang" "$mode" bottom
  done
done
