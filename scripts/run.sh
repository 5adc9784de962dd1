#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up and builds what is missing, then starts one program (Kestrel unless
# another is named): scripts/run.sh [kestrel|plover|tern|grebe]. Installs and
# builds nothing only the tests need (scripts/test.sh does).
set -euo pipefail
cd "$(dirname "$0")/.."
program="$(echo "${1:-kestrel}" | tr '[:upper:]' '[:lower:]')"
case "$program" in
  kestrel|plover|tern|grebe) ;;
  *) echo "usage: scripts/run.sh [kestrel|plover|tern|grebe]" >&2; exit 2 ;;
esac
# The test command's build in build/ holds every program: right after it,
# starting one builds nothing. Otherwise the programs are built apart, in
# build-run/, without the tests and with warnings as warnings, so that
# neither command rebuilds what the other built.
dir=build-run
grep -qs '^BUILD_TESTING:BOOL=ON$' build/CMakeCache.txt && dir=build
scripts/setup.sh --dir "$dir" --target "$program"
exec "$dir/bin/$program"
