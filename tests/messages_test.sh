#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Each program speaks the user's language outside its lessons: --help, the
# usage error and a start-up failure (no display; no face) in Japanese under
# a Japanese locale, with the English beside a failure, and in English alone
# under LANG=C. A machine without the Japanese locale gets one compiled here
# (LOCPATH), from the locales package's sources.
#
# usage: messages_test.sh BIN_DIR PROGRAM...
# Exit 77 (skipped) when no Japanese locale can be had.
BIN=${1:?usage: messages_test.sh BIN_DIR PROGRAM...}
shift
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
status=0
fail() {
    echo "FAIL: $*"
    status=1
}

if ! locale -a 2>/dev/null | grep -qix 'ja_JP\.utf-\?8'; then
    command -v localedef >/dev/null 2>&1 || { echo "SKIP: no ja_JP.UTF-8 locale and no localedef"; exit 77; }
    mkdir -p "$WORK/locale"
    localedef -i ja_JP -f UTF-8 "$WORK/locale/ja_JP.UTF-8" >/dev/null 2>&1
    [ -d "$WORK/locale/ja_JP.UTF-8" ] ||
        { echo "SKIP: no ja_JP.UTF-8 locale, and none can be compiled (the package locales?)"; exit 77; }
    LOCPATH=$WORK/locale
    export LOCPATH
fi

# A font configuration without a single font.
printf '<?xml version="1.0"?>\n<fontconfig><cachedir>%s/fontcache</cachedir></fontconfig>\n' "$WORK" >"$WORK/fonts.conf"

# run LOCALE_ENV PROGRAM ARG...: the program's stdout and stderr in out and
# err, its status in code; no display, no message box.
run() {
    locale_env=$1
    shift
    # shellcheck disable=SC2086 # the locale's assignments, split on purpose
    env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER -u LC_ALL -u LC_MESSAGES -u LANGUAGE $locale_env \
        timeout 60 "$@" >"$WORK/out" 2>"$WORK/err"
    code=$?
    out=$(cat "$WORK/out")
    err=$(cat "$WORK/err")
}
has() { printf '%s\n' "$1" | grep -qF -- "$2"; }
japanese() { printf '%s' "$1" | grep -q '[ぁ-んァ-ン]'; }

for prog in "$@"; do
    for locale_env in "LANG=ja_JP.UTF-8" "LANG=C.UTF-8 LANGUAGE=ja" "LANG=C"; do
        ja=false
        [ "$locale_env" = LANG=C ] || ja=true
        at="$prog under $locale_env"

        run "$locale_env" "$BIN/$prog" --help
        [ "$code" -eq 0 ] || fail "$at: --help ends with $code: $err"
        if $ja; then
            has "$out" "使い方: $prog [--help | --version]" || fail "$at: --help has no Japanese usage: $out"
            has "$out" "キーボードだけで操作します" || fail "$at: --help does not say what the program is: $out"
            has "$out" "「何かキーを押して下さい。」で先へ進みます" || fail "$at: --help lists no keys: $out"
        else
            has "$out" "usage: $prog [--help | --version]" || fail "$at: --help has no usage: $out"
            has "$out" "used with the keyboard alone" || fail "$at: --help does not say what the program is: $out"
            japanese "$out" && fail "$at: --help is not English: $out"
        fi

        run "$locale_env" "$BIN/$prog" --no-such-thing
        [ "$code" -eq 2 ] || fail "$at: an unknown argument ends with $code"
        [ "$(printf '%s\n' "$err" | wc -l)" -eq 1 ] || fail "$at: the usage error is not one line: $err"
        if $ja; then
            has "$err" "は使えません。使い方: $prog" || fail "$at: the usage error is not Japanese: $err"
        else
            has "$err" "unknown argument" || fail "$at: the usage error is not English: $err"
        fi

        # No display: the reason in the user's language, then in English.
        run "$locale_env" "$BIN/$prog"
        [ "$code" -eq 1 ] || fail "$at: without a display the program ends with $code"
        if $ja; then
            has "$err" "画面に表示できません。環境変数 DISPLAY を設定するか" ||
                fail "$at: the no-display message is not Japanese: $err"
        else
            japanese "$err" && fail "$at: the no-display message is not English alone: $err"
        fi
        has "$err" "no display: set DISPLAY or run from a desktop session" ||
            fail "$at: the no-display message has no English: $err"

        # No face: which package to install, in both.
        run "$locale_env FONTCONFIG_FILE=$WORK/fonts.conf" "$BIN/$prog"
        [ "$code" -eq 1 ] || fail "$at: without fonts the program ends with $code"
        if $ja; then
            has "$err" "Debian パッケージ fonts-ipaexfont-gothic をインストールしてください" ||
                fail "$at: the missing face is not said in Japanese: $err"
        fi
        has "$err" "install the Debian package fonts-ipaexfont-gothic" ||
            fail "$at: the missing face is not said in English: $err"
    done
done
[ $status -eq 0 ] && echo "PASS: $#"
exit $status
