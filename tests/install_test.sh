#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a fresh prefix and checks what a desktop sees: the
# exact tree, each entry's program and icon, the metainfo against its entry,
# icons that render and differ; then starts each installed program, away from
# the source and build trees, and compares its main menu with the installed
# replay's picture of it (window_test.sh with no topic keys).
#
# usage: install_test.sh CMAKE BUILD_DIR ID_PREFIX WINDOW_TEST [PROGRAM LEAVE_KEYS]...
#   LEAVE_KEYS end PROGRAM from its main menu.
# Exit 77 (skipped) when the tree is right but a tool for the rest is missing.

CMAKE=${1:?usage: install_test.sh CMAKE BUILD_DIR ID_PREFIX WINDOW_TEST [PROGRAM LEAVE_KEYS]...}
BUILD=${2:?build directory}
PREFIX_ID=${3:?desktop id prefix}
WINDOW_TEST=${4:?window_test.sh}
shift 4

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
P=$WORK/prefix
fail() {
    echo "FAIL: $*"
    exit 1
}
skipped=

"$CMAKE" --install "$BUILD" --prefix "$P" >"$WORK/install.log" 2>&1 || { cat "$WORK/install.log"; fail "cmake --install failed"; }

# The tree holds exactly these files: no libraries, headers or test programs.
echo bin/replay >"$WORK/expected"
programs=
while [ $# -ge 2 ]; do
    programs="$programs $1"
    printf '%s %s\n' "$1" "$2" >>"$WORK/leave_keys"
    id=$PREFIX_ID.$1
    printf '%s\n' "bin/$1" "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml" \
        "share/icons/hicolor/scalable/apps/$id.svg" >>"$WORK/expected"
    shift 2
done
sort -o "$WORK/expected" "$WORK/expected"
(cd "$P" && find . -type f -o -type l | sed 's|^\./||' | sort) >"$WORK/installed"
diff "$WORK/expected" "$WORK/installed" >"$WORK/tree.diff" || { cat "$WORK/tree.diff"; fail "the installed tree differs (< missing, > unexpected)"; }

for f in "$P"/bin/*; do
    [ -x "$f" ] || fail "$f is not executable"
    # A run path would tie the program to the build tree.
    if readelf -d "$f" 2>/dev/null | grep -q 'R.*PATH'; then fail "$f carries a run path"; fi
done

# Each entry starts its own program and shows its own icon.
for prog in $programs; do
    desktop=$P/share/applications/$PREFIX_ID.$prog.desktop
    exec_=$(sed -n 's/^Exec=//p' "$desktop")
    icon=$(sed -n 's/^Icon=//p' "$desktop")
    [ "$exec_" = "$prog" ] || fail "$desktop starts '$exec_', not $prog"
    [ -f "$P/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "$desktop names icon '$icon', which is not installed"
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

# The programs, run from an empty folder, as from a desktop's menu.
mkdir "$WORK/elsewhere"
while read -r prog keys; do
    echo "== $prog, installed"
    (cd "$WORK/elsewhere" && sh "$WINDOW_TEST" "$P/bin" "$prog" "" "$keys") </dev/null
    case $? in
    0) ;;
    77) skipped=1 ;;
    *) fail "installed $prog" ;;
    esac
done <"$WORK/leave_keys"

[ -z "$skipped" ] || exit 77
echo "PASS"
