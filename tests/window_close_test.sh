#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# A close request (the window's close button) ends a program at once with
# status 0: at the main menu, where the entry cursor blinks, and at a step
# wait, where the window sleeps until an event.
#
# usage: window_close_test.sh BIN_DIR CLOSE_REQUEST
# Exit 77 (skipped) when Xvfb or xdotool is missing.
BIN=${1:?usage: window_close_test.sh BIN_DIR CLOSE_REQUEST}
CLOSE=${2:?close_request tool}
PROG=kestrel
. "$(dirname "$0")/xvfb.sh"
need_tools Xvfb xdotool
start_xvfb 70 24

# Starts kestrel, types the keys, sends a close request and checks that the
# program is gone within a second with status 0.
close_at() {
    what=$1
    shift
    start_program "$BIN/kestrel" Kestrel
    sleep 1
    for key in "$@"; do xdotool key "$key"; sleep 0.15; done
    sleep 1
    "$CLOSE" "$WID" || fail "could not send the close request"
    i=0
    while kill -0 "$KPID" 2>/dev/null; do
        i=$((i + 1)); [ $i -gt 20 ] && fail "still running a second after a close request $what"
        sleep 0.05
    done
    wait "$KPID"
    status=$?
    KPID=
    [ "$status" -eq 0 ] || fail "ended with status $status after a close request $what"
    echo "closed $what"
}
close_at "at the main menu"
close_at "at a step wait" 1 Return 1 Return
echo "PASS"
