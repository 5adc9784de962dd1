#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The keyboard in a real window, under a window manager: the window's icon;
# full-width digits and slash from a layout's keypad entered as half-width;
# F11 to fullscreen and back, never a key to the lesson; PageDown, Escape and
# F5 each step a key wait, a modifier alone does not; Ctrl+Q ends the program
# with status 0. Screens are compared with replay's pictures of the same keys
# while the window is fullscreen, where it has the picture's shape.
#
# usage: window_keys_test.sh BIN_DIR
# Exit 77 (skipped) when a tool is missing.
BIN=${1:?usage: window_keys_test.sh BIN_DIR}
PROG=kestrel
. "$(dirname "$0")/xvfb.sh"
need_tools Xvfb xdotool xprop xmodmap openbox import compare convert identify
start_xvfb 110 24
start_wm

# A layout whose keypad types full-width characters: 1, minus and slash on
# the keypad give U+FF11, U+FF0D and U+FF0F. Set before the program starts,
# so that it reads this layout from the beginning.
keycode_of() {
    xmodmap -pke | awk -v sym="$1" '$4 == sym { print $2; exit }'
}
KP1=$(keycode_of KP_End)
KPDIV=$(keycode_of KP_Divide)
[ -n "$KP1" ] && [ -n "$KPDIV" ] || fail "the server's keymap has no keypad"
xmodmap -e "keycode $KP1 = UFF11" -e "keycode $KPDIV = UFF0F" || fail "could not set the keypad's keys"

start_program "$BIN/$PROG" Kestrel

xprop -id "$WID" _NET_WM_ICON | grep -q "Icon (128 x 128)" || fail "the window shows no icon of its own"
echo "icon: 128 x 128"

wm_state() {
    xprop -id "$WID" _NET_WM_STATE
}
fullscreen() {
    wm_state | grep -q _NET_WM_STATE_FULLSCREEN
}
windowed() {
    ! fullscreen && wm_state | grep -q _NET_WM_STATE_MAXIMIZED
}
# F11 is the window's: it changes the window and no key reaches the lesson.
toggle_fullscreen() {
    what=$1
    shift
    xdotool key F11
    until_true "F11 did not $what" "$@"
}

toggle_fullscreen "fill the screen" fullscreen
geometry=$(xdotool getwindowgeometry "$WID" | sed -n 's/.*Geometry: //p')
[ "$geometry" = 1366x768 ] || fail "fullscreen, the window is $geometry, not the screen's 1366x768"
echo "F11: fullscreen, $geometry"

# SHOWN WHAT REPLAY_KEYS: the window's picture is replay's last after those keys.
shown() {
    rm -rf "$WORK/replay"
    "$BIN/replay" "$PROG" --keys "$2" --png "$WORK/replay" >/dev/null 2>&1
    last=$(ls "$WORK/replay" | sort | tail -n 1)
    [ -n "$last" ] || fail "replay wrote no picture for $1"
    import -window root "$WORK/shot.png" || fail "no screenshot"
    same_screen "$WORK/shot.png" "$WORK/replay/$last" "$1"
}

# Full-width "1/1" reads 1 and opens chapter 1; a dropped "/" would read 11,
# a dropped "1" nothing, and either leave the menu.
press UFF11 UFF0F UFF11 Enter
shown "full-width 1/1 at the menu" "1 / 1 Enter"

press 1 Enter
STEPS="1 / 1 Enter 1 Enter"
# Modifiers alone, then PageDown: one step, not five.
xdotool key Shift_L Control_L Alt_L Super_L
press Page_Down
STEPS="$STEPS PageDown"
shown "after modifiers and PageDown" "$STEPS"
press Escape
STEPS="$STEPS Escape"
shown "after Escape" "$STEPS"

# Back into the window and out again at the key wait: F11 steps nothing.
toggle_fullscreen "go back into the window" windowed
echo "F11: back in the window, maximised"
toggle_fullscreen "fill the screen again" fullscreen
press F5
STEPS="$STEPS F5"
shown "after F11 twice and F5" "$STEPS"

xdotool key ctrl+q
wait_exit "after Ctrl+Q"
echo "Ctrl+Q: ended with status 0"
echo "PASS"
