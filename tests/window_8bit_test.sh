#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# A program on an 8-bit X screen, whose visuals SDL has no pixel format for:
# the main menu must show in the window, close to the headless picture (an
# 8-bit TrueColor visual keeps 3 bits of red and green and 2 of blue).
#
# usage: window_8bit_test.sh BIN_DIR PROGRAM
# Exit 77 (skipped) when Xvfb, xdotool or ImageMagick is missing.

BIN=${1:?usage: window_8bit_test.sh BIN_DIR PROGRAM}
PROG=${2:?program name}
TITLE=$(printf '%s' "$PROG" | sed 's/^./\U&/')
. "$(dirname "$0")/xvfb.sh"
need_tools Xvfb xdotool import compare
start_xvfb 120 8
start_program "$BIN/$PROG" "$TITLE"

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
