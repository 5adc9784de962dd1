#!/bin/sh
# A close request (the window's close button) ends a program at once with
# status 0: at the main menu, where the entry cursor blinks, and at a step
# wait, where the window sleeps until an event.
#
# usage: window_close_test.sh BIN_DIR CLOSE_REQUEST
# Exit 77 (skipped) when Xvfb or xdotool is missing.
BIN=${1:?usage: window_close_test.sh BIN_DIR CLOSE_REQUEST}
CLOSE=${2:?close_request tool}
for tool in Xvfb xdotool; do
    command -v "$tool" >/dev/null 2>&1 || { echo "SKIP: $tool is not installed"; exit 77; }
done
XPID=
PID=
cleanup() {
    [ -n "$PID" ] && kill "$PID" 2>/dev/null
    [ -n "$XPID" ] && kill "$XPID" 2>/dev/null
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*"
    exit 1
}

DISP=70
while [ -e "/tmp/.X11-unix/X$DISP" ] || [ -e "/tmp/.X$DISP-lock" ]; do DISP=$((DISP + 1)); done
Xvfb ":$DISP" -screen 0 1366x768x24 -nolisten tcp >/dev/null 2>&1 &
XPID=$!
export DISPLAY=":$DISP"
i=0
until xdotool getmouselocation >/dev/null 2>&1; do
    i=$((i + 1)); [ $i -gt 100 ] && fail "Xvfb did not start"; sleep 0.1
done

# Starts kestrel, types the keys, sends a close request and checks that the
# program is gone within a second with status 0.
close_at() {
    what=$1
    shift
    "$BIN/kestrel" >/dev/null 2>&1 &
    PID=$!
    WID=
    i=0
    while [ -z "$WID" ]; do
        WID=$(xdotool search --name '^Kestrel$' 2>/dev/null | head -n 1)
        i=$((i + 1)); [ $i -gt 100 ] && fail "no window appeared"; sleep 0.1
    done
    xdotool windowfocus --sync "$WID" 2>/dev/null || xdotool windowfocus "$WID"
    sleep 1
    for key in "$@"; do xdotool key "$key"; sleep 0.15; done
    sleep 1
    "$CLOSE" "$WID" || fail "could not send the close request"
    i=0
    while kill -0 "$PID" 2>/dev/null; do
        i=$((i + 1)); [ $i -gt 20 ] && fail "still running a second after a close request $what"
        sleep 0.05
    done
    wait "$PID"
    status=$?
    PID=
    [ "$status" -eq 0 ] || fail "ended with status $status after a close request $what"
    echo "closed $what"
}
close_at "at the main menu"
close_at "at a step wait" 1 Return 1 Return
echo "PASS"
