#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Every way a program ends normally ends it with status 0 and no X error,
# every time: a close request (the window's close button), the main menu's
# exit item, SIGTERM and SIGINT; at the main menu, where the entry cursor
# blinks, at a step wait, where the window sleeps until an event, and (the
# signals) at the start, before any window. Each
# case runs ROUNDS times (default 10): a fault that strikes one close in a
# hundred still shows.
#
# usage: window_close_test.sh BIN_DIR CLOSE_REQUEST
# Exit 77 (skipped) when Xvfb or xdotool is missing.
BIN=${1:?usage: window_close_test.sh BIN_DIR CLOSE_REQUEST}
CLOSE=${2:?close_request tool}
ROUNDS=${ROUNDS:-10}
PROG=kestrel
. "$(dirname "$0")/xvfb.sh"
need_tools Xvfb xdotool
start_xvfb 70 24

# WHERE:HOW.
CASES="menu:close step:close menu:exit-item menu:SIGTERM step:SIGTERM menu:SIGINT step:SIGINT menu:ctrl-q step:ctrl-q"

# The program handles SIGTERM and SIGINT from its first code on (its signal
# mask shows both caught), long before SDL takes them over.
signals_caught() {
    mask=$(awk '/^SigCgt:/ { print $2 }' "/proc/$KPID/status" 2>/dev/null)
    [ -n "$mask" ] && [ $((0x$mask & 0x4002)) -eq $((0x4002)) ]
}
caught_or_gone() { signals_caught || program_gone; }

# end_at_start HOW: SIGTERM or SIGINT as soon as the program runs its own
# code, long before its window: status 0 all the same.
end_at_start() {
    : >"$WORK/$PROG.keys"
    env --default-signal=INT "$BIN/kestrel" >"$WORK/$PROG.log" 2>&1 &
    KPID=$!
    until_true "$PROG never caught its ending signals" caught_or_gone
    kill -s "${1#SIG}" "$KPID"
    wait_exit "after $1 at its start"
}

round=1
while [ "$round" -le "$ROUNDS" ]; do
    for c in $CASES; do
        end_at "${c%%:*}" "${c#*:}"
    done
    end_at_start SIGTERM
    end_at_start SIGINT
    round=$((round + 1))
done
echo "ended with status 0 each time: $ROUNDS rounds of $(($(echo $CASES | wc -w) + 2)) ways"
echo "PASS"
