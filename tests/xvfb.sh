# SPDX-License-Identifier: GPL-3.0-or-later
# The set-up the real-window tests share, sourced by them: the tools checked
# (exit 77, skipped, when one is missing), a scratch folder, a virtual X
# server and the window of a program started on it. PROG names the program
# whose log fail() shows.

need_tools() {
    for tool in "$@"; do
        command -v "$tool" >/dev/null 2>&1 || { echo "SKIP: $tool is not installed"; exit 77; }
    done
}

WORK=$(mktemp -d)
XPID=
KPID=
cleanup() {
    [ -n "$KPID" ] && kill "$KPID" 2>/dev/null
    [ -n "$XPID" ] && kill "$XPID" 2>/dev/null
    rm -rf "$WORK"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*"
    [ -n "${PROG:-}" ] && [ -s "$WORK/$PROG.log" ] && sed 's/^/  program: /' "$WORK/$PROG.log"
    exit 1
}

# start_xvfb FIRST_DISPLAY DEPTH: a screen of the lesson's view size on the
# first free display from FIRST_DISPLAY, as DISPLAY.
start_xvfb() {
    DISP=$1
    while [ -e "/tmp/.X11-unix/X$DISP" ] || [ -e "/tmp/.X$DISP-lock" ]; do DISP=$((DISP + 1)); done
    Xvfb ":$DISP" -screen 0 "1366x768x$2" -nolisten tcp >"$WORK/xvfb.log" 2>&1 &
    XPID=$!
    export DISPLAY=":$DISP"
    i=0
    until xdotool getmouselocation >/dev/null 2>&1; do
        i=$((i + 1))
        [ $i -gt 100 ] && fail "Xvfb did not start"
        sleep 0.1
    done
}

# start_program COMMAND TITLE: runs it (its output in $WORK/$PROG.log) as KPID
# and waits for its window, WID, focused.
start_program() {
    "$1" >"$WORK/$PROG.log" 2>&1 &
    KPID=$!
    WID=
    i=0
    while [ -z "$WID" ]; do
        kill -0 "$KPID" 2>/dev/null || fail "$PROG ended instead of opening its window"
        WID=$(xdotool search --name "^$2\$" 2>/dev/null | head -n 1)
        i=$((i + 1))
        [ $i -gt 100 ] && fail "no $2 window appeared"
        sleep 0.1
    done
    xdotool windowfocus --sync "$WID" 2>/dev/null || xdotool windowfocus "$WID"
}
