#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# How long a program takes to end when there is no display (it says so and
# exits 1): the median of several runs, per build folder given.
#
# usage: tools/measure_start.sh [BUILD_DIR ...]   (default: build)
#   e.g. tools/measure_start.sh build build-asan
# Environment: RUNS (default 9).
set -eu
RUNS=${RUNS:-9}
[ $# -gt 0 ] || set -- build
for dir in "$@"; do
    for prog in kestrel plover tern grebe; do
        bin=$dir/bin/$prog
        [ -x "$bin" ] || { echo "$bin is not built"; exit 1; }
        times=
        i=0
        while [ $i -lt "$RUNS" ]; do
            start=$(date +%s.%N)
            env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER "$bin" >/dev/null 2>&1 && {
                echo "$bin started without a display"
                exit 1
            }
            end=$(date +%s.%N)
            times="$times $(awk -v a="$start" -v b="$end" 'BEGIN { print b - a }')"
            i=$((i + 1))
        done
        median=$(printf '%s\n' $times | sort -n | sed -n "$(((RUNS + 1) / 2))p")
        printf '%s: no-display exit, median of %d: %.3f s\n' "$bin" "$RUNS" "$median"
    done
done
