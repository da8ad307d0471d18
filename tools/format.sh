#!/usr/bin/env bash
# Formats the project's C++ sources with clang-format (.clang-format at the top of the tree).
#   tools/format.sh           rewrite every tracked .cpp and .h file in place
#   tools/format.sh --check   change nothing; list the files that are not formatted, exit 1 if any
set -euo pipefail
cd "$(dirname "$0")/.."
clang_format=${CLANG_FORMAT:-clang-format}
if ! command -v "$clang_format" >/dev/null; then
  echo "format.sh: $clang_format not found (Debian package clang-format)" >&2
  exit 2
fi
mapfile -t files < <(git ls-files -- '*.cpp' '*.h')
if [ "${1:-}" = "--check" ]; then
  bad=()
  for f in "${files[@]}"; do
    "$clang_format" --dry-run --Werror "$f" >/dev/null 2>&1 || bad+=("$f")
  done
  if [ ${#bad[@]} -gt 0 ]; then
    printf 'not clang-format clean (run tools/format.sh):\n' >&2
    printf '  %s\n' "${bad[@]}" >&2
    exit 1
  fi
  echo "format check: ${#files[@]} files clean"
else
  "$clang_format" -i "${files[@]}"
fi
