#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Every C++ file git tracks obeys .clang-format. Skipped (77) without
# clang-format or outside a git checkout.
cd "$1" || exit 1
command -v clang-format >/dev/null 2>&1 || { echo "SKIP: clang-format is not installed"; exit 77; }
files=$(git ls-files '*.cpp' '*.h' 2>/dev/null) || { echo "SKIP: not a git checkout"; exit 77; }
[ -n "$files" ] || { echo "SKIP: no files"; exit 77; }
# shellcheck disable=SC2086
clang-format --dry-run --Werror $files
