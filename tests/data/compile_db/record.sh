#!/usr/bin/env bash
# Records the compilation databases of the fixture project in ./project with the real tools, and
# writes them here with the project's folder replaced by @ROOT@ and the stand-in compilers'
# folder by @TOOLS@ (the tests put their own folders in):
#   bear.json        bear -- make                              ("arguments" arrays)
#   intercept.json   intercept-build make                      ("command" strings)
#   cmake.json       cmake -DCMAKE_EXPORT_COMPILE_COMMANDS=ON   ("command" strings), built in @ROOT@/build
# The recording runs in a copy of the project. nvcc and clang++ are stand-ins on PATH that only
# create the object file, so no CUDA compiler is needed; c++ and cc are the real ones.
# Usage: tests/data/compile_db/record.sh   (needs bear, intercept-build, cmake, ninja, make)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root="$work/project"
tools="$work/tools"
cp -r "$here/project" "$root"
mkdir "$tools"
for compiler in nvcc clang++; do
  cat >"$tools/$compiler" <<'STANDIN'
#!/bin/sh
# A stand-in compiler: creates the file named by -o and compiles nothing.
out=
while [ $# -gt 0 ]; do
  [ "$1" = -o ] && out=$2
  shift
done
[ -z "$out" ] || : >"$out"
STANDIN
  chmod +x "$tools/$compiler"
done
export PATH="$tools:$PATH"

intercept=$(command -v intercept-build || ls /usr/lib/llvm-*/bin/intercept-build 2>/dev/null | tail -1)

# Paths in the databases become placeholders; the JSON stays as the tool wrote it otherwise.
keep() { # database target
  sed -e "s|$tools|@TOOLS@|g" -e "s|$root|@ROOT@|g" "$1" >"$here/$2"
}

(cd "$root" && bear --output "$work/bear.json" -- make -s NVCC=nvcc CUDA_CLANG=clang++ >/dev/null)
keep "$work/bear.json" bear.json

# intercept-build records only the compilers it knows (cc, c++, clang, gcc) and writes them as
# cc or c++: here clang++ with -x cuda stands in for nvcc.
(cd "$root" && make -s clean &&
  "$intercept" --cdb "$work/intercept.json" make -s "NVCC=clang++ -x cuda" CUDA_CLANG=clang++ >/dev/null)
keep "$work/intercept.json" intercept.json

cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_EXPORT_COMPILE_COMMANDS=ON >/dev/null
keep "$root/build/compile_commands.json" cmake.json
echo "recorded: $(cd "$here" && ls ./*.json | tr '\n' ' ')"
