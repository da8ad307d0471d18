#!/usr/bin/env bash
# Screenshots of the main window in several looks, idle and during a run of the example, on a
# virtual X display.  From the worktree, after building the dev preset:
#   xvfb-run -a -s '-screen 0 1280x800x24' tests/gui/screenshots.sh [OUTDIR] [all|languages|options|about|insight|faults]
# "languages": the main window during a run in each of the five interface languages.
# "options": only the options sheet (both pages and the open palette, in Japanese and English;
# the general page's open look list in all five languages)
# and the six MDI tab styles. "about": only the about box (three hours of the day, rippling).
# SHOT_LANG=N: the language of the shots that do not choose one (0 Japanese, the default;
# 1 English; 2 Chinese Simplified; 3 Chinese Traditional; 4 Korean).
# With ALL_LOOKS=1 also a finished run in each of the eleven looks.
# (list-multi-*: several rows selected, and the item dialog for several items.)
# ONLY=PREFIX takes only the shots whose names start with PREFIX (e.g. ONLY=list- for the list's
# missing files and filter).
# "faults": the about box with a long oneAPI folder (also in the black look), tiled windows, the
# black look after a run, and the summary of a compilation-database import.
# "insight": only the diagnostics view after a run of the example, and the question before a run
# of examples/option-conflict.txt (two items into one out-root with other options).
# "parallel": a run over four consoles (twelve items in six out-roots) while four items convert,
# in Japanese and English and in a dark look: the list and the tagged output pane.
set -euo pipefail
cd "$(dirname "$0")/../.."
out=${1:-screenshots}
what=${2:-all}
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
  [[ " $* " == *" --missing-demo "* || " $* " == *" --parallel-demo "* ]] && file=
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  "$tool" --look "$look" --lang "${SHOT_LANG:-0}" "$@" ${DEF:-$file} >"$fifo" 2>/dev/null &
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

if [ "$what" = languages ]; then
  lang=0
  for name in ja en cn tw ko; do
    shot "main-$name" 214 --run --lang "$lang"
    lang=$((lang + 1))
  done
  exit 0
fi

if [ "$what" = all ] || [ "$what" = options ]; then
  for lang in 0:ja 1:en; do
    for page in general colors palette; do
      shot "options-$page-${lang#*:}" 214 --options "$page" --lang "${lang%%:*}"
    done
  done
  # The look list of the general page in every language (no menu mnemonics in its entries).
  for lang in 0:ja 1:en 2:cn 3:tw 4:ko; do
    shot "options-looks-${lang#*:}" 214 --options looks --lang "${lang%%:*}"
  done
  for style in 0 1 2 3 4 5; do
    shot "tabs-style-$style" 214 --tabs "$style"
  done
fi
[ "$what" = options ] && exit 0

if [ "$what" = all ] || [ "$what" = about ]; then
  # The about box at three hours of the day, and rippling under a drag across its picture.
  shot about-0230-night 214 --about 2:30
  shot about-1559-noon 214 --about 15:59
  shot about-2130-evening 214 --about 21:30
  shot about-0915-rippling 214 --about 9:15 --ripple
fi
[ "$what" = about ] && exit 0

if [ "$what" = parallel ]; then
  shot parallel-4-214-ja 214 --parallel-demo --consoles 4 --lang 0
  shot parallel-4-214-en 214 --parallel-demo --consoles 4 --lang 1
  shot parallel-4-212-black-en 212 --parallel-demo --consoles 4 --lang 1
  exit 0
fi
if [ "$what" = faults ]; then
  long=/opt/intel/oneapi/toolkits/2024.2/development-kits/dpc-plus-plus-compatibility-tool/installations/for-the-whole-team/shared-build-machines/linux-x86_64/latest
  shot about-long-oneapi 214 --about 15:59 --about-oneapi "$long"
  shot about-long-oneapi-black 212 --about 21:30 --about-oneapi "$long"
  shot tiled-windows 214 --tile
  shot black-look-after-run 212 --after-run
  db=$(mktemp -d)
  src=$(pwd)/examples/cuda
  cat >"$db/compile_commands.json" <<EOF
[
  {"directory": "$src", "file": "vector_add.cu", "arguments": ["nvcc", "-c", "vector_add.cu"]},
  {"directory": "$src", "file": "vector_add.cu", "arguments": ["nvcc", "-DDEBUG", "-c", "vector_add.cu"]},
  {"directory": "$src", "file": "matrix_mul.cu", "command": "nvcc -c matrix_mul.cu"},
  {"directory": "$src", "file": "reduce.cu", "command": "nvcc -c reduce.cu"},
  {"directory": "$src", "file": "host.cpp", "command": "c++ -c host.cpp"},
  {"directory": "$src", "file": "gone.cu", "command": "nvcc -c gone.cu"}
]
EOF
  shot import-summary 214 --import "$db/compile_commands.json"
  rm -rf "$db"
  exit 0
fi

if [ "$what" = insight ]; then
  # A copy of the examples, so that the out-roots the runs write stay out of the worktree.
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

# Editing: a list with missing source files (one with its tool tip), and the filter in use.
shot list-missing-214 214 --missing-demo
shot list-missing-tip-214 214 --missing-demo --tip-missing
shot list-filter-214 214 --missing-demo --filter math
shot list-filter-missing-212-black 212 --missing-demo --filter .cu --tip-missing

# Several rows selected (the grid shows what they share), and the item dialog for all of them.
shot list-multi-select-214 214 --missing-demo --select 1,2,3,6
shot list-multi-select-212-black 212 --missing-demo --select 0,4,5,8
shot list-multi-edit-214 214 --missing-demo --select 1,2,3,6 --edit-many

# The output pane's find bar after a run.
shot find-bar-214 214 --after-run --find error

# A finished run with its summary, in every look (the selected row shows the selection colours).
if [[ ${ALL_LOOKS:-0} == 1 ]]; then
  for look in 215 205 206 207 208 209 210 211 212 213 214; do
    shot "finished-$look" "$look" --after-run
  done
fi
