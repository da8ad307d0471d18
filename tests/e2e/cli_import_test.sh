#!/usr/bin/env bash
# tovalo-cli import and set, run as a user would, on the fixture project's recorded databases.
# Usage: cli_import_test.sh TOVALO_CLI DATA_DIR
set -u
cli=$1
data=$2
failures=0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export SOURCE_DATE_EPOCH=1767312000 # LastUpdate=2026/01/02

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
expect_status() { # expected actual what
  [ "$1" = "$2" ] || fail "$3: exit status $2, expected $1"
}
expect_output() { # expected actual what
  [ "$1" = "$2" ] || fail "$3: printed '$2', expected '$1'"
}

root="$work/project"
cp -r "$data/compile_db/project" "$root"
place() { # recording target
  mkdir -p "$(dirname "$2")"
  sed -e "s|@ROOT@|$root|g" -e "s|@TOOLS@|/opt/stand-in/bin|g" "$data/compile_db/$1" >"$2"
}
place bear.json "$root/compile_commands.json"
place cmake.json "$root/build/compile_commands.json"
rm "$root/src/kernels/reduce.cu"

# import: the summary line, and a list with one item per CUDA source in database order.
out=$("$cli" import "$root/compile_commands.json" -o "$work/list.txt" --option comments --option --usm-level=none)
expect_status 0 $? "import of the Bear database"
expect_output "Imported 4 CUDA files (2 duplicates merged, 2 other entries skipped, 1 file missing)" "$out" "import"
item() { # source
  printf '[%s]\n--comments\n--in-root="%s"\n--out-root="%s"\n-p="%s"\n--usm-level=none\n' \
    "$root/$1" "$root/src" "$root/dpct_output" "$root"
}
{
  printf '[Common]\nVersion=01.00.00.00\nLastUpdate=2026/01/02\n\n'
  item src/kernels/vector_add.cu
  item src/kernels/reduce.cu
  item src/app/main.cpp
  item src/legacy/blur.cpp
} >"$work/expected.txt"
cmp -s "$work/list.txt" "$work/expected.txt" || fail "import wrote: $(diff "$work/expected.txt" "$work/list.txt")"
"$cli" commands --dialect sh "$work/list.txt" | grep -qF "dpct --comments --in-root='$root/src'" ||
  fail "commands: the imported options do not reach dpct"
"$cli" check "$work/list.txt" | grep -qF "'$root/src/kernels/reduce.cu' does not exist" ||
  fail "check: the missing source is not reported"

# A folder stands for its compile_commands.json; relative folders count from the current one.
(cd "$work" && "$cli" import project/build -o list2.txt --in-root project --out-root out --all >"$work/out.txt")
expect_status 0 $? "import of a build folder"
expect_output "Imported 7 source files (1 duplicate merged, 0 other entries skipped, 1 file missing)" \
  "$(cat "$work/out.txt")" "import --all"
grep -qxF -- "--in-root=\"$root\"" "$work/list2.txt" || fail "import --in-root: $(cat "$work/list2.txt")"
grep -qxF -- "--out-root=\"$work/out\"" "$work/list2.txt" || fail "import --out-root"
grep -qxF -- "-p=\"$root/build\"" "$work/list2.txt" || fail "import of a folder: -p"
grep -qxF "[$root/src/app/log.c]" "$work/list2.txt" || fail "import --all: log.c not listed"

# A database that cannot be read: where it went wrong, exit 2, no list written.
printf '[\n  {"directory": "/w", "file": "a.cu"}\n  {"directory": "/w"}\n]\n' >"$work/broken.json"
"$cli" import "$work/broken.json" -o "$work/none.txt" 2>"$work/err.txt"
expect_status 2 $? "import of malformed JSON"
grep -qF "not valid JSON: expected ',' or ']' at line 3, column 3" "$work/err.txt" ||
  fail "import of malformed JSON: $(cat "$work/err.txt")"
printf '[{"directory": "/w", "command": "nvcc -c a.cu"}]' >"$work/nofile.json"
"$cli" import "$work/nofile.json" -o "$work/none.txt" 2>"$work/err.txt"
expect_status 2 $? "import of an entry without file"
grep -qF 'entry 1 of the compilation database has no "file"' "$work/err.txt" || fail "no file: $(cat "$work/err.txt")"
"$cli" import "$work/list.txt" -o "$work/none.txt" 2>"$work/err.txt"
expect_status 2 $? "import of a definition file"
grep -qF "not valid JSON" "$work/err.txt" || fail "import of a definition file: $(cat "$work/err.txt")"
[ -e "$work/none.txt" ] && fail "a failed import wrote a list"
"$cli" import "$root/compile_commands.json" 2>/dev/null
expect_status 2 $? "import without -o"
"$cli" import "$root/compile_commands.json" -o "$work/none.txt" --option usm-level=bogus 2>"$work/err.txt"
expect_status 2 $? "import with a value outside a choice's list"
grep -qF "'bogus' is not a value of --usm-level" "$work/err.txt" || fail "bad choice: $(cat "$work/err.txt")"

# set: in place, only the items matched, a count of those that changed.
cp "$work/list.txt" "$work/set.txt"
out=$("$cli" set "$work/set.txt" --only 'kernels/*' --option format-style=google --off comments)
expect_status 0 $? "set --only"
expect_output "Changed 2 of 2 items that matched (4 in the list)" "$out" "set --only"
"$cli" commands --dialect sh "$work/set.txt" >"$work/cmds.txt"
[ "$(grep -c -- '--format-style=google' "$work/cmds.txt")" = 2 ] || fail "set: format-style not on two items"
[ "$(grep -c -- '--comments' "$work/cmds.txt")" = 2 ] || fail "set: comments not off on two items"
grep -F "main.cpp" "$work/cmds.txt" | grep -qF -- "--comments" || fail "set changed an item --only left out"
cp "$work/set.txt" "$work/before.txt"
out=$("$cli" set "$work/set.txt" --option comments --option p="$root")
expect_output "Changed 2 of 4 items" "$out" "set on every item"
out=$("$cli" set "$work/set.txt" --option comments)
expect_output "Changed 0 of 4 items; '$work/set.txt' is left as it was" "$out" "set without a change"
out=$("$cli" set "$work/set.txt" --option no-dry-pattern --option optimize-migration --only '*/blur.cpp')
"$cli" commands --dialect sh "$work/set.txt" | grep -F "blur.cpp" | grep -qF -- "--optimize-migration" ||
  fail "set: the later member of the exclusive group is not the one on"

# set refuses what it cannot do, and leaves the file as it was.
cp "$work/set.txt" "$work/before.txt"
"$cli" set "$work/set.txt" --option nothing=1 2>"$work/err.txt"
expect_status 2 $? "set with an unknown option"
grep -qF "unknown option 'nothing'" "$work/err.txt" || fail "set unknown option: $(cat "$work/err.txt")"
"$cli" set "$work/set.txt" --only '*.cu' 2>/dev/null
expect_status 2 $? "set without a change asked for"
cmp -s "$work/set.txt" "$work/before.txt" || fail "a refused set changed the file"
cp "$data/definition/cp932/input.txt" "$work/cp932.txt"
"$cli" set "$work/cp932.txt" --option comments 2>"$work/err.txt"
expect_status 2 $? "set on a file not read as the encoding written"
grep -qF -- "--force-encoding-change" "$work/err.txt" || fail "set cp932: $(cat "$work/err.txt")"
cmp -s "$work/cp932.txt" "$data/definition/cp932/input.txt" || fail "a refused set changed the CP932 file"
"$cli" set --force-encoding-change "$work/cp932.txt" --option comments >/dev/null
expect_status 0 $? "set --force-encoding-change"

[ "$failures" = 0 ] && echo "cli import and set checks passed"
exit $((failures > 0))
