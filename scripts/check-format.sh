#!/usr/bin/env bash
# Checks that every C++ source under src/, tests/, bench/ and tools/ is
# formatted with the project's .clang-format; lists the files that are not.
# With --fix, formats them in place instead.
set -euo pipefail
cd "$(dirname "$0")/.."

clang_format="${CLANG_FORMAT:-clang-format}"
mapfile -t files < <(git ls-files -- 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' \
  'bench/*.cpp' 'bench/*.h' 'tools/*.cpp' 'tools/*.h' 'fuzz/*.cpp' 'fuzz/*.h')
if [ "${#files[@]}" -eq 0 ]; then
  echo "No sources found" >&2
  exit 1
fi
if [ "${1:-}" = "--fix" ]; then
  "$clang_format" -i "${files[@]}"
  exit 0
fi
if ! report="$("$clang_format" --dry-run --Werror "${files[@]}" 2>&1)"; then
  echo "Not formatted with .clang-format (fix: scripts/check-format.sh --fix):" >&2
  grep -o '^[^:]*:[0-9]*:[0-9]*: error' <<< "$report" | cut -d: -f1 | sort -u | sed 's/^/  /' >&2
  exit 1
fi
echo "Formatting: ${#files[@]} files clean"
