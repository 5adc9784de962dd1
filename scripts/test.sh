#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up and builds what is missing, runs every test, then builds again with
# AddressSanitizer and UndefinedBehaviorSanitizer (into build-asan/) and runs
# the headless tests there. --quick skips the sanitizer pass.
set -euo pipefail
cd "$(dirname "$0")/.."
WERROR=ON scripts/setup.sh --tests
(cd build && ctest --output-on-failure -j "$(nproc)")

[ "${1:-}" = "--quick" ] && exit 0

echo "== The headless tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSANITIZE=ON -DWERROR=ON >/dev/null
cmake --build build-asan -j "$(nproc)"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0"
cd build-asan
# The real windows and the package (the release build's) are tested in build/.
ctest --output-on-failure -j "$(nproc)" -E '_window|^package_deb$'
