#!/usr/bin/env bash
# Every C++ source follows the repository's .clang-format.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
mapfile -t files < <(find src tools tests bench fuzz -name '*.cpp' -o -name '*.h' 2>/dev/null | sort)
if clang-format --dry-run --Werror "${files[@]}"; then
    echo "${#files[@]} passed, 0 failed"
else
    echo "clang-format: run 'clang-format -i' on the files above"
    exit 1
fi
