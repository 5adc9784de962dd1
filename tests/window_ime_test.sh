#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# A Japanese input method switched on (ibus with Mozc, in Hiragana mode from
# the start, as a desktop has it) does not stand between the keyboard and a
# lesson: digits and Enter choose, a letter steps a key wait, each at once,
# and the screens are replay's for the same keys.
#
# Mozc does not run for root, so as root the test runs itself as nobody.
# usage: window_ime_test.sh BIN_DIR
# Exit 77 (skipped) when a tool is missing.
BIN=${1:?usage: window_ime_test.sh BIN_DIR}
if [ "$(id -u)" = 0 ]; then
    command -v setpriv >/dev/null 2>&1 || { echo "SKIP: setpriv is not installed"; exit 77; }
    id nobody >/dev/null 2>&1 || { echo "SKIP: no user nobody to run Mozc as"; exit 77; }
    exec setpriv --reuid=nobody --regid="$(id -g nobody)" --clear-groups sh "$0" "$@"
fi
PROG=kestrel
. "$(dirname "$0")/xvfb.sh"
need_tools Xvfb xdotool ibus-daemon ibus dbus-daemon import compare convert identify
[ -x /usr/lib/ibus-mozc/ibus-engine-mozc ] || { echo "SKIP: ibus-mozc is not installed"; exit 77; }

IMPID=
BUSPID=
# Mozc's server outlives the engine that started it: it is found by the
# test's own HOME in its environment.
stop_mozc_server() {
    for env in /proc/[0-9]*/environ; do
        pid=${env#/proc/}
        pid=${pid%/environ}
        case "$(tr '\0' ' ' 2>/dev/null <"/proc/$pid/cmdline")" in
        */mozc_server*) tr '\0' '\n' 2>/dev/null <"$env" | grep -qx "HOME=$HOME" && kill "$pid" 2>/dev/null ;;
        esac
    done
}
stop_im() {
    if [ -n "$IMPID" ]; then
        ibus exit >/dev/null 2>&1
        kill "$IMPID" 2>/dev/null
        stop_mozc_server
    fi
    [ -n "$BUSPID" ] && kill "$BUSPID" 2>/dev/null
}
trap 'stop_im; cleanup' EXIT

start_xvfb 130 24
export HOME="$WORK/home" NO_AT_BRIDGE=1 XMODIFIERS=@im=ibus
mkdir -p "$HOME/.config/mozc"
# Mozc in Hiragana mode as soon as it takes a window's keys.
cat >"$HOME/.config/mozc/ibus_config.textproto" <<'CONFIG'
engines {
  name : "mozc-jp"
  longname : "Mozc"
  layout : "default"
  layout_variant : ""
  layout_option : ""
  rank : 80
}
active_on_launch: True
CONFIG
dbus-daemon --session --nofork --print-address=3 3>"$WORK/bus" >/dev/null 2>&1 &
BUSPID=$!
until_true "the session bus did not start" test -s "$WORK/bus"
DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$WORK/bus")
export DBUS_SESSION_BUS_ADDRESS
ibus-daemon --xim --panel=disable >"$WORK/ibus.log" 2>&1 &
IMPID=$!
ibus_up() {
    ibus list-engine >/dev/null 2>&1
}
until_true "ibus did not start" ibus_up
ibus list-engine | grep -q "mozc-jp" || fail "ibus does not list Mozc"

start_program "$BIN/$PROG" Kestrel
# The engine is set for the focused window's input context.
mozc_on() {
    ibus engine mozc-jp >/dev/null 2>&1
    [ "$(ibus engine 2>/dev/null)" = mozc-jp ]
}
until_true "Mozc did not take the window's input" mozc_on
echo "input method: $(ibus engine)"

KEYS="1 Enter 1 Enter a a"
# shellcheck disable=SC2086
press $KEYS
import -window root "$WORK/shot.png" || fail "no screenshot"
"$BIN/replay" "$PROG" --keys "$KEYS" --png "$WORK/replay" >/dev/null 2>&1
last=$(ls "$WORK/replay" | sort | tail -n 1)
[ -n "$last" ] || fail "replay wrote no picture"
same_screen "$WORK/shot.png" "$WORK/replay/$last" "screen after $KEYS with Mozc on"

xdotool key ctrl+q
wait_exit "after Ctrl+Q with Mozc on"
echo "PASS"
