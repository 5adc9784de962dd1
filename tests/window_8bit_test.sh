#!/bin/sh
# A program on an 8-bit X screen, whose visuals SDL has no pixel format for:
# the main menu must show in the window, close to the headless picture (an
# 8-bit TrueColor visual keeps 3 bits of red and green and 2 of blue).
#
# usage: window_8bit_test.sh BIN_DIR PROGRAM
# Exit 77 (skipped) when Xvfb, xdotool or ImageMagick is missing.

BIN=${1:?usage: window_8bit_test.sh BIN_DIR PROGRAM}
PROG=${2:?program name}
TITLE=$(printf '%s' "$PROG" | sed 's/^./\U&/')
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
    [ -s "$WORK/$PROG.log" ] && sed 's/^/  program: /' "$WORK/$PROG.log"
    exit 1
}

DISP=120
while [ -e "/tmp/.X11-unix/X$DISP" ] || [ -e "/tmp/.X$DISP-lock" ]; do DISP=$((DISP + 1)); done
Xvfb ":$DISP" -screen 0 1366x768x8 -nolisten tcp >"$WORK/xvfb.log" 2>&1 &
XPID=$!
export DISPLAY=":$DISP"
i=0
until xdotool getmouselocation >/dev/null 2>&1; do
    i=$((i + 1))
    [ $i -gt 100 ] && fail "Xvfb did not start"
    sleep 0.1
done

"$BIN/$PROG" >"$WORK/$PROG.log" 2>&1 &
KPID=$!
WID=
i=0
while [ -z "$WID" ]; do
    kill -0 "$KPID" 2>/dev/null || fail "$PROG ended instead of opening its window"
    WID=$(xdotool search --name "^$TITLE\$" 2>/dev/null | head -n 1)
    i=$((i + 1))
    [ $i -gt 100 ] && fail "no $TITLE window appeared"
    sleep 0.1
done
sleep 1.5

# The window itself: the root of this screen has a palette visual, and its
# picture would read the window's pixels through the wrong colours.
import -window "$WID" "$WORK/menu.png" || fail "no screenshot"
"$BIN/replay" "$PROG" --png "$WORK/headless" >/dev/null 2>&1
[ -f "$WORK/headless/0001.png" ] || fail "replay wrote no picture of the menu"
size=$(identify -format '%wx%h' "$WORK/menu.png")
convert "$WORK/headless/0001.png" -resize "$size!" "$WORK/scaled.png"
convert "$WORK/menu.png" -alpha off "$WORK/shot.png"
diff=$(compare -metric RMSE "$WORK/shot.png" "$WORK/scaled.png" null: 2>&1 | sed -n 's/.*(\([0-9.e+-]*\)).*/\1/p')
[ -n "$diff" ] || fail "compare gave no result"
echo "main menu on an 8-bit screen: RMSE (0..1) $diff"
# A black or empty window is far off (about 0.5); quantising to 8 bits is not.
awk -v d="$diff" 'BEGIN { exit !(d < 0.1) }' || fail "the window's menu differs from the headless picture ($diff)"
grep -q "unavailable" "$WORK/$PROG.log" && fail "the program reported no window surface"
echo "PASS"
