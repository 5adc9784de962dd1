#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# A close request (the window's close button) ends a program with status 0
# and no X error: at the main menu, where the entry cursor blinks, and at a
# step wait, where the window sleeps until an event.
#
# usage: window_close_test.sh BIN_DIR CLOSE_REQUEST
# Exit 77 (skipped) when Xvfb or xdotool is missing.
BIN=${1:?usage: window_close_test.sh BIN_DIR CLOSE_REQUEST}
CLOSE=${2:?close_request tool}
PROG=kestrel
. "$(dirname "$0")/xvfb.sh"
need_tools Xvfb xdotool
start_xvfb 70 24

# Starts kestrel, types the keys, sends a close request and waits for the
# program to end.
close_at() {
    what=$1
    shift
    start_program "$BIN/kestrel" Kestrel
    press "$@"
    "$CLOSE" "$WID" || fail "could not send the close request"
    wait_exit "after a close request $what"
    echo "closed $what"
}
close_at "at the main menu"
close_at "at a step wait" 1 Enter 1 Enter
echo "PASS"
