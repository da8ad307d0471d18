#!/usr/bin/env bash
# Lays out a simulated oneAPI toolkit in DIR: setvars.sh, setvars.bat and bin/dpct (bin/dpct.exe
# when the simulator given is a Windows program).
#
#   make-toolkit.sh DIR [--version-style STYLE] [--sim PATH]
#
# STYLE: product (default), product-old, opensource, opensource-noclang, none. It is written
# into setvars (DPCT_SIM_VERSION_STYLE, unless already set) and into bin/dpct-sim.cfg, so the
# toolkit's dpct uses it even without setvars; the environment variable still overrides it.
# PATH: the simulator to copy; default: the dpct-sim built beside this script's build tree
# (build/dev), as found by searching the build folders.
set -euo pipefail

usage() { sed -n '2,11p' "$0" | sed 's/^# \{0,1\}//' >&2; exit 2; }

here=$(cd "$(dirname "$0")" && pwd)
dir=""
style="product"
sim=""
while [ $# -gt 0 ]; do
  case "$1" in
    --version-style) [ $# -ge 2 ] || usage; style=$2; shift 2 ;;
    --version-style=*) style=${1#*=}; shift ;;
    --sim) [ $# -ge 2 ] || usage; sim=$2; shift 2 ;;
    --sim=*) sim=${1#*=}; shift ;;
    -h|--help) usage ;;
    -*) echo "make-toolkit.sh: unknown option '$1'" >&2; usage ;;
    *) [ -z "$dir" ] || usage; dir=$1; shift ;;
  esac
done
[ -n "$dir" ] || usage
case "$style" in
  product|product-old|opensource|opensource-noclang|none) ;;
  *) echo "make-toolkit.sh: unknown version style '$style'" >&2; exit 2 ;;
esac
if [ -z "$sim" ]; then
  for candidate in "$here/../../build/dev/tools/dpct-sim/dpct-sim" "$here/../../build/release/tools/dpct-sim/dpct-sim"; do
    if [ -x "$candidate" ]; then sim=$candidate; break; fi
  done
fi
if [ -z "$sim" ] || [ ! -f "$sim" ]; then
  echo "make-toolkit.sh: no simulator found; build it first or pass --sim PATH" >&2
  exit 2
fi

mkdir -p "$dir/bin"
root=$(cd "$dir" && pwd)
exe="dpct"
case "$sim" in *.exe|*.EXE) exe="dpct.exe" ;; esac
cp "$sim" "$root/bin/$exe.tmp"
chmod +x "$root/bin/$exe.tmp"
mv -f "$root/bin/$exe.tmp" "$root/bin/$exe"
printf 'version-style=%s\n' "$style" > "$root/bin/dpct-sim.cfg"

# sed replacement texts: escape the characters sed treats specially.
escape() { printf '%s' "$1" | sed -e 's/[\\&|]/\\&/g'; }
sed -e "s|@TOOLKIT_ROOT@|$(escape "$root")|g" -e "s|@VERSION_STYLE@|$style|g" \
  "$here/setvars.sh.in" > "$root/setvars.sh"
# setvars.bat keeps its CR LF line ends (the template has them).
sed -e "s|@VERSION_STYLE@|$style|g" "$here/setvars.bat.in" > "$root/setvars.bat"
echo "$root"
