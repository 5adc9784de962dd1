#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Every way a program ends normally ends it with status 0 and no X error,
# every time: a close request (the window's close button), the main menu's
# exit item, SIGTERM and SIGINT; at the main menu, where the entry cursor
# blinks, and at a step wait, where the window sleeps until an event. Each
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

round=1
while [ "$round" -le "$ROUNDS" ]; do
    for c in $CASES; do
        end_at "${c%%:*}" "${c#*:}"
    done
    round=$((round + 1))
done
echo "ended with status 0 each time: $ROUNDS rounds of $(echo $CASES | wc -w) ways"
echo "PASS"
