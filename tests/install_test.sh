#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a fresh prefix and checks what a desktop and a
# reader of man pages see: the exact tree, each entry's command and icon, the
# metainfo against its entry, icons that render and differ; then starts each
# installed program, away from the source and build trees, and compares its
# main menu with replay's picture of it (window_test.sh with no topic keys).
#
# usage: install_test.sh CMAKE BUILD_DIR ID_PREFIX COMMAND_PREFIX PACKAGE REPLAY WINDOW_TEST [PROGRAM LEAVE_KEYS]...
#   PROGRAM is installed as the command COMMAND_PREFIX PROGRAM; LEAVE_KEYS end
#   it from its main menu. REPLAY is the build's (replay is not installed).
# Exit 77 (skipped) when the tree is right but a tool for the rest is missing.

CMAKE=${1:?usage: install_test.sh CMAKE BUILD_DIR ID_PREFIX COMMAND_PREFIX PACKAGE REPLAY WINDOW_TEST [PROGRAM LEAVE_KEYS]...}
BUILD=${2:?build directory}
PREFIX_ID=${3:?desktop id prefix}
COMMAND_PREFIX=${4:?command prefix}
PACKAGE=${5:?package name}
REPLAY=${6:?replay}
WINDOW_TEST=${7:?window_test.sh}
shift 7

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
P=$WORK/prefix
fail() {
    echo "FAIL: $*"
    exit 1
}
skipped=

"$CMAKE" --install "$BUILD" --prefix "$P" >"$WORK/install.log" 2>&1 || { cat "$WORK/install.log"; fail "cmake --install failed"; }

# The tree holds exactly these files: no libraries, headers, test programs
# or developer's tools.
printf '%s\n' "share/doc/$PACKAGE/copyright" "share/doc/$PACKAGE/changelog.gz" \
    "share/locale/ja/LC_MESSAGES/$PACKAGE.mo" >"$WORK/expected"
programs=
while [ $# -ge 2 ]; do
    programs="$programs $1"
    printf '%s %s\n' "$1" "$2" >>"$WORK/leave_keys"
    id=$PREFIX_ID.$1
    printf '%s\n' "bin/$COMMAND_PREFIX$1" "libexec/$PACKAGE/$COMMAND_PREFIX$1" "share/man/man1/$COMMAND_PREFIX$1.1.gz" \
        "share/man/ja/man1/$COMMAND_PREFIX$1.1.gz" "share/applications/$id.desktop" \
        "share/metainfo/$id.metainfo.xml" "share/icons/hicolor/scalable/apps/$id.svg" >>"$WORK/expected"
    shift 2
done
sort -o "$WORK/expected" "$WORK/expected"
(cd "$P" && find . -type f -o -type l | sed 's|^\./||' | sort) >"$WORK/installed"
diff "$WORK/expected" "$WORK/installed" >"$WORK/tree.diff" || { cat "$WORK/tree.diff"; fail "the installed tree differs (< missing, > unexpected)"; }

for f in "$P"/bin/* "$P/libexec/$PACKAGE"/*; do
    [ -x "$f" ] || fail "$f is not executable"
    # A run path would tie the program to the build tree.
    if readelf -d "$f" 2>/dev/null | grep -q 'R.*PATH'; then fail "$f carries a run path"; fi
done

# Each entry starts its own command and shows its own icon; the metainfo
# names that command.
for prog in $programs; do
    desktop=$P/share/applications/$PREFIX_ID.$prog.desktop
    exec_=$(sed -n 's/^Exec=//p' "$desktop")
    icon=$(sed -n 's/^Icon=//p' "$desktop")
    [ "$exec_" = "$COMMAND_PREFIX$prog" ] || fail "$desktop starts '$exec_', not $COMMAND_PREFIX$prog"
    grep -q "<binary>$COMMAND_PREFIX$prog</binary>" "$P/share/metainfo/$PREFIX_ID.$prog.metainfo.xml" ||
        fail "the $prog metainfo does not provide the command $COMMAND_PREFIX$prog"
    [ -f "$P/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "$desktop names icon '$icon', which is not installed"
    # The installed command finds the installed catalogue.
    env -u LC_ALL -u LC_MESSAGES LANG=C.UTF-8 LANGUAGE=ja "$P/bin/$COMMAND_PREFIX$prog" --help 2>&1 |
        grep -q "^使い方: $COMMAND_PREFIX$prog " || fail "the installed $COMMAND_PREFIX$prog --help is not Japanese"
done

if command -v rsvg-convert >/dev/null 2>&1; then
    for prog in $programs; do
        rsvg-convert -w 48 -h 48 -o "$WORK/$prog.png" "$P/share/icons/hicolor/scalable/apps/$PREFIX_ID.$prog.svg" ||
            fail "the $prog icon does not render"
    done
    same=$(cd "$WORK" && md5sum ./*.png | sort | uniq -w 32 -D | sed 's|.*\./||; s|\.png$||' | tr '\n' ' ')
    [ -z "$same" ] || fail "these icons look the same at 48 px: $same"
else
    echo "SKIP (icons): rsvg-convert is not installed"
    skipped=1
fi

if command -v appstreamcli >/dev/null 2>&1; then
    # Checks each metainfo file against the desktop entry it launches.
    appstreamcli validate-tree --no-net "$P" || fail "appstreamcli validate-tree"
else
    echo "SKIP (metainfo): appstreamcli is not installed"
    skipped=1
fi

# The programs, run from an empty folder, as from a desktop's menu. The
# window test finds a program and replay side by side under their short
# names.
mkdir "$WORK/elsewhere" "$WORK/bin"
ln -s "$REPLAY" "$WORK/bin/replay"
while read -r prog keys; do
    echo "== $prog, installed"
    ln -s "$P/bin/$COMMAND_PREFIX$prog" "$WORK/bin/$prog"
    (cd "$WORK/elsewhere" && sh "$WINDOW_TEST" "$WORK/bin" "$prog" "" "$keys") </dev/null
    case $? in
    0) ;;
    77) skipped=1 ;;
    *) fail "installed $prog" ;;
    esac
done <"$WORK/leave_keys"

[ -z "$skipped" ] || exit 77
echo "PASS"
