#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# A program that cannot start on a working display (here: no usable font)
# says why on stderr and in a message box, and ends with status 1 by itself:
# the box closes after a while when nobody answers it, at once on SIGTERM or
# SIGINT, or on its OK. Each time the box is gone with the program; and when
# the program itself is killed (SIGKILL, SIGQUIT) no process of its box
# remains, nor the box.
#
# usage: window_box_test.sh BIN_DIR
# Exit 77 (skipped) when Xvfb, xdotool or xwininfo is missing.
BIN=${1:?usage: window_box_test.sh BIN_DIR}
PROG=kestrel
. "$(dirname "$0")/xvfb.sh"
need_tools Xvfb xdotool xwininfo
start_xvfb 100 24

# A font configuration without a single font.
cat >"$WORK/fonts.conf" <<CONF
<?xml version="1.0"?>
<fontconfig><cachedir>$WORK/fontcache</cachedir></fontconfig>
CONF

# The box carries the program's title; xdotool cannot read its UTF-8 name.
box_window() {
    xwininfo -root -children | awk '/"Kestrel"/ { print $1; exit }'
}
box_shown() { [ -n "$(box_window)" ]; }
box_gone() { ! box_shown; }

# box_ends HOW: starts kestrel, waits for its box, ends it HOW and checks
# that the program ends with status 1 and takes its box along.
box_ends() {
    # Without an answer or a signal: a delay short enough for a test.
    seconds=3600
    [ "$1" = "by itself" ] && seconds=2
    FONTCONFIG_FILE="$WORK/fonts.conf" LESSON_MESSAGE_BOX_SECONDS=$seconds \
        env --default-signal=INT "$BIN/kestrel" >"$WORK/$PROG.log" 2>&1 &
    KPID=$!
    # The short delay may run out before a loaded machine shows the box.
    [ "$1" = "by itself" ] || until_true "no message box appeared ($1)" box_shown
    case $1 in
    SIGTERM | SIGINT) kill -s "${1#SIG}" "$KPID" ;;
    OK)
        timeout "$WATCHDOG" xdotool windowfocus --sync "$(box_window)" || fail "the box did not take the focus"
        xdotool key Return
        ;;
    esac
    until_true "$PROG did not end ($1)" program_gone
    wait "$KPID"
    status=$?
    KPID=
    [ "$status" -eq 1 ] || fail "$PROG ended with status $status ($1)"
    grep -q 'the font "IPAexGothic" is missing.*install the Debian package fonts-ipaexfont-gothic' \
        "$WORK/$PROG.log" || fail "$PROG did not say which font is missing ($1)"
    until_true "the message box stayed after $PROG ended ($1)" box_gone
    echo "the box ended: $1"
}

# box_killed SIGNAL: the program showing its box is killed; the box and every
# process of it (the group the box's process leads) go too.
box_killed() {
    (
        ulimit -c 0
        FONTCONFIG_FILE="$WORK/fonts.conf" LESSON_MESSAGE_BOX_SECONDS=3600 exec env --default-signal=QUIT "$BIN/kestrel" \
            >"$WORK/$PROG.log" 2>&1
    ) &
    KPID=$!
    until_true "no message box appeared ($1)" box_shown
    BOXPID=$(pgrep -P "$KPID" | head -n 1)
    [ -n "$BOXPID" ] || fail "the box has no process of its own ($1)"
    kill -s "${1#SIG}" "$KPID"
    until_true "$PROG did not end ($1)" program_gone
    wait "$KPID"
    KPID=
    until_true "a process of the box stayed after $PROG was killed ($1)" box_group_gone "$BOXPID"
    until_true "the message box stayed after $PROG was killed ($1)" box_gone
    echo "the box ended with $PROG: $1"
}
box_group_gone() { ! pgrep -g "$1" >/dev/null; }

for how in "by itself" SIGTERM SIGINT OK; do
    box_ends "$how"
done
for sig in SIGKILL SIGQUIT; do
    box_killed "$sig"
done
echo "PASS"
