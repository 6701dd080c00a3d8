#!/usr/bin/env bash
# Formats every C++ file of the repository with its .clang-format; with --check, only lists the
# files that differ and fails if there is one. The style is that of clang-format 14 (Debian 12's):
# another version may place a few things otherwise, so the check then says so and stops there.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = --check ]; then
  version=$(clang-format --version | sed -n 's/.*version \([0-9]*\)\..*/\1/p')
  if [ "$version" != 14 ]; then
    echo "format check skipped: clang-format $version is not the 14 the style was set with"
    exit 0
  fi
  clang-format --dry-run --Werror "${files[@]}"
  echo "format check: ${#files[@]} files as .clang-format says"
  exit 0
fi
clang-format -i "${files[@]}"
