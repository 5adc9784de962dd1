#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts and ends a program in a real window many times over on one virtual X
# server and counts what went wrong: no window, an exit status other than 0,
# an X error on stderr. Each cycle ends the program another way: a close
# request at the main menu and at a step wait, the menu's exit item, SIGTERM
# at a step wait, SIGINT at the main menu.
#
# usage: tools/window_cycles.sh CYCLES [BIN_DIR [CLOSE_REQUEST]]
#   BIN_DIR (default build/bin) holds kestrel and close_request.
# Environment: LOAD=N runs N busy loops beside it (ended with it), to see
# what a loaded machine does.
CYCLES=${1:?usage: window_cycles.sh CYCLES [BIN_DIR [CLOSE_REQUEST]]}
BIN=${2:-$(dirname "$0")/../build/bin}
CLOSE=${3:-$BIN/close_request}
PROG=kestrel
. "$(dirname "$0")/../tests/xvfb.sh"
need_tools Xvfb xdotool
start_xvfb 150 24

BUSY=
for _ in $(seq "${LOAD:-0}"); do
    (while :; do :; done) &
    BUSY="$BUSY $!"
done
trap 'for p in $BUSY; do kill "$p" 2>/dev/null; done; cleanup' EXIT

# One cycle in a subshell, so a failure ends only the cycle; the program's
# id is in $WORK/$PROG.pid for the clean-up after a failure.
cycle() {
    (
        end_at "${1%%:*}" "${1#*:}"
    ) >"$WORK/cycle.out" 2>&1
}

KINDS="menu:close step:close menu:exit-item step:SIGTERM menu:SIGINT"
fails=0
nowindow=0
xerror=0
badstatus=0
i=0
while [ "$i" -lt "$CYCLES" ]; do
    for kind in $KINDS; do
        [ "$i" -lt "$CYCLES" ] || break
        i=$((i + 1))
        : >"$WORK/$PROG.pid"
        if ! cycle "$kind"; then
            fails=$((fails + 1))
            if grep -qi "X error" "$WORK/cycle.out"; then
                xerror=$((xerror + 1))
            elif grep -q "ended with status" "$WORK/cycle.out"; then
                badstatus=$((badstatus + 1))
            elif grep -q "instead of opening\|no .* window appeared" "$WORK/cycle.out"; then
                nowindow=$((nowindow + 1))
            fi
            echo "cycle $i ($kind) failed:"
            sed 's/^/  /' "$WORK/cycle.out"
            pid=$(cat "$WORK/$PROG.pid")
            [ -n "$pid" ] && kill -KILL "$pid" 2>/dev/null
        fi
    done
done
echo "cycles $CYCLES, load ${LOAD:-0}: failed $fails (no window $nowindow, status not 0 $badstatus, X error $xerror)"
