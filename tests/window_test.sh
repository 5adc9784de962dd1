#!/bin/sh
# Kestrel in a real window under a virtual X server: open chapter 1, step
# through its first topic, leave by the menu's exit item, and check that the
# program ends by itself and that the window showed the same menu as the
# headless runtime draws.
#
# usage: window_test.sh BIN_DIR   (the folder holding kestrel and replay)
# Exit 77 (skipped) when Xvfb or xdotool is missing.

BIN=${1:?usage: window_test.sh BIN_DIR}
for tool in Xvfb xdotool import compare; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIP: $tool is not installed"
        exit 77
    fi
done

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
    exit 1
}

# A free display number.
DISP=90
while [ -e "/tmp/.X11-unix/X$DISP" ] || [ -e "/tmp/.X$DISP-lock" ]; do DISP=$((DISP + 1)); done

# The screen has the size of the lesson's view, so the window shows it unscaled.
Xvfb ":$DISP" -screen 0 1366x768x24 -nolisten tcp >"$WORK/xvfb.log" 2>&1 &
XPID=$!
export DISPLAY=":$DISP"
i=0
until xdotool getmouselocation >/dev/null 2>&1; do
    i=$((i + 1))
    [ $i -gt 100 ] && fail "Xvfb did not start"
    sleep 0.1
done

"$BIN/kestrel" >"$WORK/kestrel.log" 2>&1 &
KPID=$!

WID=
i=0
while [ -z "$WID" ]; do
    WID=$(xdotool search --name '^Kestrel$' 2>/dev/null | head -n 1)
    i=$((i + 1))
    [ $i -gt 100 ] && fail "no Kestrel window appeared"
    sleep 0.1
done
xdotool windowfocus --sync "$WID" 2>/dev/null || xdotool windowfocus "$WID"
sleep 1.5

press() {
    for key in "$@"; do
        xdotool key "$key"
        sleep 0.15
    done
    sleep 0.4
}

# The main menu as the window shows it.
import -window root "$WORK/window_menu.png" || fail "no screenshot"

# The same screen headless: the first picture is taken at the menu's wait.
"$BIN/replay" kestrel --png "$WORK/headless" >/dev/null 2>&1
[ -f "$WORK/headless/0001.png" ] || fail "replay wrote no picture of the menu"

# Compares a screenshot with a headless picture of the same screen: scaled
# to the screenshot's size when they differ. The blinking entry cursor may
# differ, hence a tolerance.
same_screen() {
    shot=$1
    headless=$2
    what=$3
    size=$(identify -format '%wx%h' "$shot")
    convert "$headless" -resize "$size!" "$WORK/scaled.png"
    convert "$shot" -alpha off "$WORK/shot_rgb.png"
    diff=$(compare -metric RMSE "$WORK/shot_rgb.png" "$WORK/scaled.png" null: 2>&1 |
        sed -n 's/.*(\([0-9.e+-]*\)).*/\1/p')
    [ -n "$diff" ] || fail "compare gave no result for $what"
    echo "$what: RMSE (0..1) $diff"
    awk -v d="$diff" 'BEGIN { exit !(d < 0.015) }' || fail "the window's $what differs from the headless picture ($diff)"
}
same_screen "$WORK/window_menu.png" "$WORK/headless/0001.png" "main menu"

# Chapter 1, its first topic stepped through to its end (15 steps), back to
# the main menu by the sub-menu's last item, then the exit item.
press 1 Return
press 1 Return
for step in 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15; do press space; done
sleep 0.5
import -window root "$WORK/window_topic.png" || fail "no screenshot"
"$BIN/replay" kestrel --keys "1 Enter 1 Enter a a a a a a a a a a a a a a a" --png "$WORK/topic" >/dev/null 2>&1
[ -f "$WORK/topic/0018.png" ] || fail "replay wrote no picture of the finished topic"
same_screen "$WORK/window_topic.png" "$WORK/topic/0018.png" "finished topic"
press 3 Return
press 9 Return

i=0
while kill -0 "$KPID" 2>/dev/null; do
    i=$((i + 1))
    [ $i -gt 100 ] && fail "kestrel did not end after the exit item"
    sleep 0.1
done
wait "$KPID"
status=$?
KPID=
[ "$status" -eq 0 ] || fail "kestrel ended with status $status"
echo "PASS"
