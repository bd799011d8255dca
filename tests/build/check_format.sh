#!/bin/sh
# The sources follow .clang-format.
cd "$1" || exit 1
files=$(git ls-files '*.cpp' '*.h' 2>/dev/null)
[ -n "$files" ] || files=$(find . -path ./build -prune -o \( -name '*.cpp' -o -name '*.h' \) -print)
clang-format --dry-run -Werror $files
