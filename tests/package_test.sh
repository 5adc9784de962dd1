#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from the build (into a scratch folder, leaving
# the build's own files alone) and checks it as a distribution would: the
# control fields, the exact file list, lintian with no error and no
# hardening tag, the messages in Japanese under a Japanese locale, then each
# program extracted from it started under a virtual X server, its window
# found by title and by the class its desktop entry names, and ended from
# its main menu.
#
# usage: package_test.sh CPACK BUILD_DIR PACKAGE VERSION COMMAND_PREFIX ID_PREFIX FACES_H [PROGRAM LEAVE_KEYS]...
#   FACES_H is runtime/faces.h, whose font packages must all be depended on;
#   LEAVE_KEYS (replay's tokens) end PROGRAM from its main menu.
# Exit 77 (skipped) when a tool is missing: the package tools at once, lintian
# or the display tools after the rest is checked.

CPACK=${1:?usage: package_test.sh CPACK BUILD_DIR PACKAGE VERSION COMMAND_PREFIX ID_PREFIX FACES_H [PROGRAM LEAVE_KEYS]...}
BUILD=${2:?build directory}
PACKAGE=${3:?package name}
VERSION=${4:?version}
COMMAND_PREFIX=${5:?command prefix}
PREFIX_ID=${6:?desktop id prefix}
FACES_H=${7:?runtime/faces.h}
shift 7
# The PROGRAM LEAVE_KEYS pairs, ended by a mark.
set -- "$@" --

. "$(dirname "$0")/xvfb.sh"
need_tools dpkg-deb dpkg-shlibdeps file
skipped=

echo "== cpack"
"$CPACK" -G DEB -B "$WORK/cpack" --config "$BUILD/CPackConfig.cmake" >"$WORK/cpack.log" 2>&1 ||
    { cat "$WORK/cpack.log"; fail "cpack -G DEB failed"; }
debs=$(find "$WORK/cpack" -maxdepth 1 -name '*.deb')
[ "$(echo "$debs" | wc -w)" -eq 1 ] || fail "cpack made not one .deb but: $debs"
DEB=$debs
dpkg-deb --info "$DEB"

field() { dpkg-deb --field "$DEB" "$1"; }
expect_field() {
    [ "$(field "$1")" = "$2" ] || fail "$1 is '$(field "$1")', not '$2'"
}
expect_field Package "$PACKAGE"
expect_field Version "$VERSION"
expect_field Section education
expect_field Architecture "$(dpkg --print-architecture)"
field Maintainer | grep -q '^[^<>]*[^ <>] <[^@<> ]*@[^<> ]*\.[^<> ]*>$' ||
    fail "Maintainer '$(field Maintainer)' is not 'name <address>'"
# A summary, then a long description of more than one line.
[ -n "$(field Description | sed -n 1p)" ] || fail "no summary"
[ "$(field Description | sed -n '2,$p' | grep -c .)" -ge 2 ] || fail "no long description"
# Depends: each name alone, so "fonts-x" does not pass for "fonts-x-extra".
field Depends | tr ',|' '\n\n' | sed 's/^ *//; s/[ (].*//' | sort -u >"$WORK/depends"
need_package() {
    grep -qx "$1" "$WORK/depends" || fail "Depends lacks $1 ($2): $(field Depends)"
}
# The fonts, without which every program exits at once.
fonts=$(grep -o '"fonts-[^"]*"' "$FACES_H" | tr -d '"' | sort -u)
[ -n "$fonts" ] || fail "no font package found in $FACES_H"
for p in $fonts; do need_package "$p" "a font the lessons are drawn in"; done
# The libraries, computed from the programs.
for p in libc6 libsdl2-2.0-0 libcairo2; do need_package "$p" "a library the programs load"; done

# Exactly these files, under /usr, all root's.
{
    printf '%s\n' "usr/share/doc/$PACKAGE/copyright" "usr/share/doc/$PACKAGE/changelog.gz" \
        "usr/share/locale/ja/LC_MESSAGES/$PACKAGE.mo"
    for prog in $(printf '%s\n' "$@" | sed -n '1~2p' | grep -vx -- --); do
        id=$PREFIX_ID.$prog
        printf '%s\n' "usr/bin/$COMMAND_PREFIX$prog" "usr/libexec/$PACKAGE/$COMMAND_PREFIX$prog" "usr/share/man/man1/$COMMAND_PREFIX$prog.1.gz" \
            "usr/share/man/ja/man1/$COMMAND_PREFIX$prog.1.gz" \
            "usr/share/applications/$id.desktop" "usr/share/metainfo/$id.metainfo.xml" \
            "usr/share/icons/hicolor/scalable/apps/$id.svg"
    done
} | sort >"$WORK/expected"
dpkg-deb --contents "$DEB" >"$WORK/contents"
grep -v '^d' "$WORK/contents" | awk '{ print $6 }' | sed 's|^\./||' | sort >"$WORK/files"
diff "$WORK/expected" "$WORK/files" >"$WORK/files.diff" ||
    { cat "$WORK/files.diff"; fail "the package's files differ (< missing, > unexpected)"; }
awk '$2 != "root/root" { print; bad = 1 } END { exit bad }' "$WORK/contents" || fail "files not owned by root"
grep '^d' "$WORK/contents" | grep -v '^drwxr-xr-x ' && fail "directories not 0755"
grep -v '^d' "$WORK/contents" | grep ' \./usr/\(bin\|libexec\)/' | grep -v '^-rwxr-xr-x ' && fail "commands not 0755"
grep -v '^d' "$WORK/contents" | grep ' \./usr/share/' | grep -v '^-rw-r--r-- ' && fail "data files not 0644"

if command -v lintian >/dev/null 2>&1; then
    echo "== lintian"
    # Root is warned against, not refused; the package is only read.
    lintian --display-info --pedantic "$DEB" 2>&1 | grep -v 'running with root privileges' | tee "$WORK/lintian.log"
    grep -q '^E: ' "$WORK/lintian.log" && fail "lintian reports errors"
    # The build is hardened as Debian's own: no hardening tag on any command.
    grep -q ' hardening-' "$WORK/lintian.log" && fail "lintian finds a command not hardened"
else
    echo "SKIP (lintian): lintian is not installed"
    skipped=1
fi

dpkg-deb --extract "$DEB" "$WORK/root"
for prog in $(printf '%s\n' "$@" | sed -n '1~2p' | grep -vx -- --); do
    env -u LC_ALL -u LC_MESSAGES LANG=C.UTF-8 LANGUAGE=ja "$WORK/root/usr/bin/$COMMAND_PREFIX$prog" --help 2>&1 |
        grep -q "^使い方: $COMMAND_PREFIX$prog " || fail "$COMMAND_PREFIX$prog --help from the package is not Japanese"
done

if ! command -v Xvfb >/dev/null 2>&1 || ! command -v xdotool >/dev/null 2>&1; then
    echo "SKIP (programs): Xvfb or xdotool is not installed"
    exit 77
fi
start_xvfb 110 24
while [ "$1" != -- ]; do
    prog=$1
    leave=$2
    shift 2
    PROG=$prog
    command=$COMMAND_PREFIX$prog
    title=$(printf '%s' "$prog" | sed 's/^./\U&/')
    echo "== $command, extracted from the package"
    start_program "$WORK/root/usr/bin/$command" "$title"
    # The class a desktop matches the window to its menu entry by.
    class=$(sed -n 's/^StartupWMClass=//p' "$WORK/root/usr/share/applications/$PREFIX_ID.$prog.desktop")
    xdotool search --class "^$class\$" | grep -qx "$WID" || fail "the $title window's class is not '$class'"
    # shellcheck disable=SC2086
    press $leave
    wait_exit "after '$leave'"
done

[ -z "$skipped" ] || exit 77
echo "PASS"
