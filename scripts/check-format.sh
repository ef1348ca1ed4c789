#!/usr/bin/env bash
# Fails when a C++ file differs from what clang-format 15 makes of it (.clang-format: the
# layout and one brace rule, braces around every controlled statement). --fix rewrites them.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
mapfile -t sources < <(find core files ui tests bench fuzz main.cpp -name '*.cpp' -o -name '*.h' | sort)
if [[ ${1:-} == --fix ]]; then
    clang-format-15 -i "${sources[@]}"
else
    clang-format-15 --dry-run --Werror "${sources[@]}"
    echo "format: ${#sources[@]} files as clang-format 15 writes them"
fi
