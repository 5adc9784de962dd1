#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Line coverage of engine/ and lesson/ by the test suite, so that a change can
# show it left them no less tested. A Debug build with --coverage of its own
# (build-cov/ unless told), every test but the real windows, the package, the
# soak (they test the release build, and take long) and the format and SPDX
# checks (they read text, run no code), then one line a folder and the total:
#   engine     1507/1556    96.85%
# The lines are stable from run to run: keep one (> before.txt) and pass it to
# --compare after the change, which fails when a folder's share fell.
#
# usage: tools/coverage.sh [--build-dir DIR] [--compare FILE]
set -euo pipefail
cd "$(dirname "$0")/.."
src=$PWD

build="build-cov"
compare=
while (($#)); do
  case $1 in
  --build-dir) build=${2:?--build-dir needs a folder}; shift 2 ;;
  --compare) compare=${2:?--compare needs a file}; shift 2 ;;
  -h | --help) sed -n '3,12p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
  *) echo "coverage.sh: unknown argument: $1" >&2; exit 2 ;;
  esac
done
if [ -n "$compare" ]; then
  [ -r "$compare" ] || { echo "coverage.sh: cannot read $compare" >&2; exit 2; }
  compare=$(realpath "$compare")
fi
command -v gcovr >/dev/null || { echo "coverage.sh: gcovr is missing (scripts/setup.sh --tests installs it)" >&2; exit 2; }

log=$build/coverage.log
mkdir -p "$build"
echo "== Building into $build/ (log: $log)" >&2
if ! { cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DBUILD_TESTING=ON -DSANITIZE=OFF -DWERROR=OFF \
  -DCMAKE_CXX_FLAGS=--coverage -DCMAKE_EXE_LINKER_FLAGS=--coverage -DCMAKE_SHARED_LINKER_FLAGS=--coverage &&
  cmake --build "$build" -j "$(nproc)"; } >"$log" 2>&1; then
  tail -n 40 "$log" >&2
  echo "coverage.sh: the build failed" >&2
  exit 1
fi

# Counts from an earlier run would add to this one's.
find "$build" -name '*.gcda' -delete

echo "== Running the tests" >&2
tests_ok=1
(cd "$build" && ctest -j "$(nproc)" -E '_window|^package_deb$|soak|^format_check$|^spdx_check$' --output-on-failure >>coverage.log 2>&1) ||
  tests_ok=0

echo "== Counting lines" >&2
json=$build/coverage.json
# CMake's compiler probe was built with the flags too; it has no source left.
gcovr --root "$src" --object-directory "$build" -j "$(nproc)" --exclude-directories '.*/CMakeFiles/[0-9.]+$' \
  --filter "$src/engine/" --filter "$src/lesson/" --json-summary "$json" >/dev/null

summary=$(python3 - "$json" <<'EOF'
import json, sys
files = json.load(open(sys.argv[1]))["files"]
folders = {"engine": [0, 0], "lesson": [0, 0]}
for f in files:
    top = f["filename"].split("/", 1)[0]
    if top in folders:
        folders[top][0] += f["line_covered"]
        folders[top][1] += f["line_total"]
folders["total"] = [sum(v[0] for v in folders.values()), sum(v[1] for v in folders.values())]
for name, (covered, total) in folders.items():
    share = 100.0 * covered / total if total else 0.0
    print(f"{name:<8} {covered:>6}/{total:<6} {share:6.2f}%")
EOF
)
echo "$summary"

status=0
if [ -n "$compare" ]; then
  # A folder fails when its share, as printed, is below the earlier one; a
  # folder the earlier file lacks is new and passes.
  python3 - "$compare" "$summary" <<'EOF' || status=1
import sys
def read(text):
    out = {}
    for line in text.splitlines():
        parts = line.split()
        if len(parts) == 3 and parts[2].endswith("%"):
            out[parts[0]] = float(parts[2][:-1])
    return out
before = read(open(sys.argv[1]).read())
after = read(sys.argv[2])
fell = [f"{name}: {before[name]:.2f}% -> {share:.2f}%" for name, share in after.items()
        if name in before and share < before[name]]
if fell:
    print("coverage fell: " + "; ".join(fell), file=sys.stderr)
    sys.exit(1)
print("coverage did not fall", file=sys.stderr)
EOF
fi
if ((!tests_ok)); then
  echo "coverage.sh: some tests failed (see $log)" >&2
  status=1
fi
exit $status
