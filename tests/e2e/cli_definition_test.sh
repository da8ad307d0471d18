#!/usr/bin/env bash
# tovalo-cli commands / format / check, run as a user would: exit statuses, stdout, stderr.
# Usage: cli_definition_test.sh TOVALO_CLI DATA_DIR
set -u
cli=$1
data=$2
failures=0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
expect_status() { # expected actual what
  [ "$1" = "$2" ] || fail "$3: exit status $2, expected $1"
}

# commands and format agree with the golden files byte for byte.
for case in keys cp932 cp932-half-width windows-1252 stray-byte sections unsafe; do
  dir="$data/definition/$case"
  "$cli" commands --dialect cmd "$dir/input.txt" >"$work/cmd.txt" 2>"$work/err.txt"
  status=$?
  cmp -s "$work/cmd.txt" "$dir/commands-cmd.txt" || fail "commands --dialect cmd $case differs"
  "$cli" commands --dialect=sh "$dir/input.txt" >"$work/sh.txt" 2>/dev/null
  cmp -s "$work/sh.txt" "$dir/commands-sh.txt" || fail "commands --dialect=sh $case differs"
  if [ "$case" = unsafe ]; then
    expect_status 1 "$status" "commands on unsafe paths"
    grep -q "double quote" "$work/err.txt" || fail "refusal reason missing from stderr"
  else
    expect_status 0 "$status" "commands $case"
  fi
  SOURCE_DATE_EPOCH=1767312000 "$cli" format "$dir/input.txt" >"$work/format.txt"
  expect_status 0 $? "format $case"
  cmp -s "$work/format.txt" "$dir/format.txt" || fail "format $case differs"
done

# format -o saves a file that reads back to the same text.
SOURCE_DATE_EPOCH=1767312000 "$cli" format "$data/definition/cp932/input.txt" -o "$work/saved.txt"
expect_status 0 $? "format -o"
SOURCE_DATE_EPOCH=1767312000 "$cli" format "$work/saved.txt" | cmp -s - "$work/saved.txt" || fail "format -o output is not stable"

# check: a clean file with existing sources reports nothing (the two items share an out-root,
# dpct's default one, so they share the options dpct compares too).
mkdir -p "$work/src"
: >"$work/src/a.cu"
: >"$work/src/b.cu"
printf '[Common]\n[%s/src/a.cu]\n--comments\n[%s/src/b.cu]\n--comments\n--extra-arg=-DA=1 -DB\n' "$work" "$work" >"$work/clean.txt"
out=$("$cli" check "$work/clean.txt")
expect_status 0 $? "check on a clean file"
[ -z "$out" ] || fail "check reported on a clean file: $out"

# check: every kind of finding, one line each, exit 1.
out=$("$cli" check --dialect cmd "$data/definition/keys/input.txt")
expect_status 1 $? "check keys"
for needle in "'--Comments' matches no option" "--format-style has no value" \
              "'--no-such-option' matches no option" "'/w/k.cu' does not exist"; do
  grep -qF -- "$needle" <<<"$out" || fail "check keys: missing \"$needle\""
done
out=$("$cli" check --dialect cmd "$data/definition/unsafe/input.txt")
grep -qF "cannot be converted: the source path contains a double quote" <<<"$out" || fail "check: unsafe path not reported"
grep -qF "command separator" <<<"$out" || fail "check: plain value with & not reported"
# A choice differing from an entry only in letter case takes it; another value is reported.
out=$("$cli" check "$data/definition/choice-case/input.txt")
grep -qF -- "'--usm-level=bogus' is not a value" <<<"$out" || fail "check: choice outside the list not reported"
grep -qF -- "--format-style" <<<"$out" && fail "check: --format-style=Google reported: $out"
# commands leaves such a value out of the line and says so, with exit 1.
"$cli" commands "$data/definition/choice-case/input.txt" >"$work/cmd.txt" 2>"$work/err.txt"
expect_status 1 $? "commands with a choice outside the list"
grep -qF -- "--usm-level has a value that is not in its list" "$work/err.txt" || fail "commands: left-out choice not on stderr"
grep -qF -- "--usm-level" "$work/cmd.txt" && fail "commands: choice outside the list passed: $(cat "$work/cmd.txt")"
# Linux file names: /W/DUP.CU is another file than /w/dup.cu; the second /w/dup.cu is a duplicate.
out=$("$cli" check "$data/definition/duplicates/input.txt")
[ "$(grep -c "duplicate item" <<<"$out")" = 1 ] || fail "check: expected one duplicate: $out"
grep -qF "duplicate item '/w/dup.cu'" <<<"$out" || fail "check: the exact duplicate not reported: $out"
out=$("$cli" check "$data/definition/sections/input.txt")
[ "$(grep -c "is skipped with its lines" <<<"$out")" = 4 ] || fail "check: expected four skipped sections"
# An item section with blanks after its "]" that follows a skipped section is an item; a section
# line without its "]" is reported wherever it stands.
out=$("$cli" check "$data/definition/trailing-blanks/input.txt")
grep -qF "input.txt:5: '/w/a.cu' does not exist" <<<"$out" || fail "check: [/w/a.cu] with blanks not read: $out"
for line in 9 13; do
  grep -qF "input.txt:$line: '[/w/" <<<"$out" || fail "check: the broken section line $line not reported: $out"
done

# Usage errors and unreadable files: exit 2 and a message naming the problem.
"$cli" commands "$work/missing.txt" >/dev/null 2>"$work/err.txt"
expect_status 2 $? "commands on a missing file"
grep -qF "$work/missing.txt" "$work/err.txt" || fail "missing-file message does not name the file"
"$cli" format --frobnicate x >/dev/null 2>&1
expect_status 2 $? "unknown option"
"$cli" commands --dialect fish x >/dev/null 2>&1
expect_status 2 $? "unknown dialect"
"$cli" nonsense >/dev/null 2>&1
expect_status 2 $? "unknown command"
"$cli" check >/dev/null 2>&1
expect_status 2 $? "check without a file"
# Option values come as "--name VALUE" or "--name=VALUE" ("-o VALUE" only); each problem is named.
usage() { # expected-first-line-of-stderr argument...
  local want=$1; shift
  "$cli" "$@" >/dev/null 2>"$work/err.txt"
  expect_status 2 $? "$*"
  [ "$(head -1 "$work/err.txt")" = "$want" ] || fail "$*: said '$(head -1 "$work/err.txt")', expected '$want'"
}
usage "tovalo-cli commands: --dialect needs a value: cmd or sh" commands x --dialect
usage "tovalo-cli commands: unknown dialect '' (use cmd or sh)" commands --dialect= x
usage "tovalo-cli check: unknown dialect 'fish' (use cmd or sh)" check --dialect=fish x
usage "tovalo-cli format: -o needs a file name" format x --output=
usage "tovalo-cli format: -o needs a file name" format x -o
usage "tovalo-cli format: unknown option '-o=y'" format -o=y x
usage "tovalo-cli format: unknown option '--dialect=sh'" format --dialect=sh x
usage "tovalo-cli commands: unknown option '-o'" commands -o y x
usage "tovalo-cli commands: too many arguments ('y')" commands x y
usage "tovalo-cli check: no definition file given" check --dialect cmd
input="$data/definition/keys/input.txt"
for form in "-o $work/o1.txt" "--output $work/o2.txt" "--output=$work/o3.txt"; do
  # shellcheck disable=SC2086
  SOURCE_DATE_EPOCH=1767312000 "$cli" format $form "$input" || fail "format $form"
done
cmp -s "$work/o1.txt" "$work/o2.txt" && cmp -s "$work/o1.txt" "$work/o3.txt" || fail "format -o forms differ"

for c in "" commands format check; do
  "$cli" $c --help >/dev/null
  expect_status 0 $? "$c --help"
done
# --version answers as the program's does: name and version on one line.
for v in --version -v; do
  [ "$("$cli" $v)" = "tovalo-cli $(sed -n 's/^project(Tovalo VERSION \([0-9.]*\).*/\1/p' "$(dirname "$0")/../../CMakeLists.txt")" ] ||
    fail "tovalo-cli $v: $("$cli" $v 2>&1)"
done

# Not a definition file: format and check refuse it (exit 2) and format -o leaves it untouched.
notes="$work/notes.txt"
printf 'Shopping list\nmilk\n' >"$notes"
cp "$notes" "$work/notes.orig"
"$cli" format "$notes" -o "$notes" >/dev/null 2>"$work/err.txt"
expect_status 2 $? "format of a non-definition file"
cmp -s "$notes" "$work/notes.orig" || fail "format -o rewrote a non-definition file"
grep -qF "not a definition file" "$work/err.txt" || fail "format: no reason given: $(cat "$work/err.txt")"
"$cli" check "$notes" >/dev/null 2>&1
expect_status 2 $? "check of a non-definition file"

# A file that was not read as the encoding Tovalo writes (a stray byte in UTF-8, another code
# page): check says how it was read; format -o over it refuses (exit 2, file untouched) unless
# --force-encoding-change is given. Another output file is written as usual.
for case in stray-byte windows-1252 cp932; do
  cp "$data/definition/$case/input.txt" "$work/$case.txt"
  out=$("$cli" check "$work/$case.txt")
  expect_status 1 $? "check $case"
  grep -qF "$work/$case.txt: " <<<"$out" && grep -qE "read as|not UTF-8" <<<"$out" ||
    fail "check $case: encoding not reported: $out"
  "$cli" format "$work/$case.txt" -o "$work/$case.txt" >/dev/null 2>"$work/err.txt"
  expect_status 2 $? "format -o in place on $case"
  cmp -s "$work/$case.txt" "$data/definition/$case/input.txt" || fail "format -o rewrote $case"
  grep -qF -- "--force-encoding-change" "$work/err.txt" || fail "format $case: no way out named: $(cat "$work/err.txt")"
  ln -s "$work/$case.txt" "$work/$case-link.txt"
  "$cli" format "$work/$case-link.txt" -o "$work/$case.txt" >/dev/null 2>&1
  expect_status 2 $? "format -o over $case through a link"
  SOURCE_DATE_EPOCH=1767312000 "$cli" format "$work/$case.txt" -o "$work/$case-new.txt"
  expect_status 0 $? "format $case -o another file"
  SOURCE_DATE_EPOCH=1767312000 "$cli" format --force-encoding-change "$work/$case.txt" -o "$work/$case.txt"
  expect_status 0 $? "format --force-encoding-change $case"
  cmp -s "$work/$case.txt" "$work/$case-new.txt" || fail "format --force-encoding-change $case wrote another text"
  out=$("$cli" check "$work/$case.txt")
  grep -qE "read as|not UTF-8" <<<"$out" && fail "check $case after the forced save: $out"
done
# A byte-order mark is dropped by a save, and the text stays UTF-8: no question about that.
"$cli" format "$data/definition/bom-and-unicode/input.txt" >/dev/null
"$cli" check "$data/definition/bom-and-unicode/input.txt" | grep -qE "read as|not UTF-8" && fail "check reports a BOM"

[ "$failures" = 0 ] && echo "cli definition checks passed"
exit $((failures > 0))

