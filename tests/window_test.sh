#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# A program in a real window under a virtual X server: type the keys that
# open a topic and step it to its end, compare the window with the headless
# picture of the same screen, type the keys that leave the program, and check
# that it ends by itself. The menu is compared too.
#
# usage: window_test.sh BIN_DIR PROGRAM TOPIC_KEYS LEAVE_KEYS
#   BIN_DIR holds the program and replay; keys are replay's blank-separated
#   tokens ("1 Enter a a a"). Empty TOPIC_KEYS check the menu alone.
# Exit 77 (skipped) when Xvfb or xdotool is missing.

BIN=${1:?usage: window_test.sh BIN_DIR PROGRAM TOPIC_KEYS LEAVE_KEYS}
PROG=${2:?program name}
TOPIC_KEYS=${3?keys to a finished topic, or none}
LEAVE_KEYS=${4:?keys that end the program}
TITLE=$(printf '%s' "$PROG" | sed 's/^./\U&/')
. "$(dirname "$0")/xvfb.sh"
need_tools Xvfb xdotool import compare
# The screen has the size of the lesson's view, so the window shows it unscaled.
start_xvfb 90 24
start_program "$BIN/$PROG" "$TITLE"

# The main menu as the window shows it.
import -window root "$WORK/window_menu.png" || fail "no screenshot"

# The same screen headless: the first picture is taken at the menu's wait.
"$BIN/replay" "$PROG" --png "$WORK/headless" >/dev/null 2>&1
[ -f "$WORK/headless/0001.png" ] || fail "replay wrote no picture of the menu"

same_screen "$WORK/window_menu.png" "$WORK/headless/0001.png" "main menu"

# sh splits the key lists on blanks.
if [ -n "$TOPIC_KEYS" ]; then
    # shellcheck disable=SC2086
    press $TOPIC_KEYS
    import -window root "$WORK/window_topic.png" || fail "no screenshot"
    "$BIN/replay" "$PROG" --keys "$TOPIC_KEYS" --png "$WORK/topic" >/dev/null 2>&1
    last=$(ls "$WORK/topic" | sort | tail -n 1)
    [ -n "$last" ] || fail "replay wrote no picture of the finished topic"
    same_screen "$WORK/window_topic.png" "$WORK/topic/$last" "finished topic"
fi
# shellcheck disable=SC2086
press $LEAVE_KEYS
wait_exit "after the exit item"
echo "PASS"
