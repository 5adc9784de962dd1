#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Idle CPU and peak memory of a program in a real window under Xvfb: at the
# main menu (the entry cursor blinking) and, when keys are given, at the wait
# those keys lead to.
#
# usage: tools/measure_window.sh [PROGRAM [KEYS]]
#   PROGRAM  kestrel (default), plover, tern or grebe, from build/bin
#   KEYS     xdotool key names typed after the first measurement, e.g.
#            "1 Return 1 Return" (a topic's first step wait in Kestrel)
# Environment: SCREEN (default 1366x768x24), SECONDS_IDLE (default 10).
set -eu
PROG=${1:-kestrel}
KEYS=${2:-}
SCREEN=${SCREEN:-1366x768x24}
IDLE=${SECONDS_IDLE:-10}
BIN=$(dirname "$0")/../build/bin
for tool in Xvfb xdotool; do
    command -v "$tool" >/dev/null 2>&1 || { echo "needs $tool"; exit 1; }
done

DISP=80
while [ -e "/tmp/.X11-unix/X$DISP" ] || [ -e "/tmp/.X$DISP-lock" ]; do DISP=$((DISP + 1)); done
Xvfb ":$DISP" -screen 0 "$SCREEN" -nolisten tcp >/dev/null 2>&1 &
XPID=$!
PID=
trap '[ -n "$PID" ] && kill "$PID" 2>/dev/null; kill "$XPID" 2>/dev/null' EXIT
export DISPLAY=":$DISP"
i=0
until xdotool getmouselocation >/dev/null 2>&1; do
    i=$((i + 1)); [ $i -gt 100 ] && { echo "Xvfb did not start"; exit 1; }; sleep 0.1
done

"$BIN/$PROG" >/dev/null 2>&1 &
PID=$!
sleep 2

# CPU seconds (user + system) the process has used so far.
cpu() { awk -v hz="$(getconf CLK_TCK)" '{ print ($14 + $15) / hz }' "/proc/$PID/stat"; }
measure() {
    before=$(cpu)
    sleep "$IDLE"
    after=$(cpu)
    awk -v a="$before" -v b="$after" -v s="$IDLE" -v what="$1" \
        'BEGIN { printf "idle CPU %s: %.2f %% of a core over %d s\n", what, (b - a) * 100 / s, s }'
}

measure "at the main menu"
if [ -n "$KEYS" ]; then
    WID=$(xdotool search --pid "$PID" 2>/dev/null | head -n 1)
    [ -n "$WID" ] && xdotool windowfocus "$WID" 2>/dev/null || true
    for k in $KEYS; do xdotool key "$k"; sleep 0.2; done
    sleep 1
    measure "after the keys"
fi
awk '/VmHWM/ { printf "peak RSS: %.1f MB\n", $2 / 1024 }' "/proc/$PID/status"
