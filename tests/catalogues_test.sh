#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Each catalogue translates every message the sources mark (N_("...")) and
# holds none they no longer have: a message added in the code and not in a
# catalogue would silently stay English.
#
# usage: catalogues_test.sh SOURCE_DIR LANGUAGE...
# Exit 77 (skipped) without xgettext and msgcmp (the package gettext).
SRC=${1:?usage: catalogues_test.sh SOURCE_DIR LANGUAGE...}
shift
for tool in xgettext msgcmp msgattrib; do
    command -v $tool >/dev/null 2>&1 || { echo "SKIP: $tool is not installed"; exit 77; }
done
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
(cd "$SRC" && xgettext --from-code=UTF-8 --language=C++ --keyword= --keyword=N_ \
    -o "$WORK/messages.pot" runtime/*.cpp runtime/*.h programs/*.cpp programs/*.h) || exit 1
[ -s "$WORK/messages.pot" ] || { echo "FAIL: no marked message found"; exit 1; }
status=0
for language in "$@"; do
    po="$SRC/po/$language.po"
    # Every marked message is there...
    msgcmp "$po" "$WORK/messages.pot" || status=1
    # ... translated and not fuzzy, and no message is there that the code lost.
    untranslated=$(msgattrib --untranslated --no-obsolete "$po" | grep -c '^msgid "..*"')
    fuzzy=$(msgattrib --only-fuzzy "$po" | grep -c '^msgid "..*"')
    stale=$(msgcmp --use-untranslated "$WORK/messages.pot" "$po" 2>&1 >/dev/null | grep -c 'this message is used but not defined')
    [ "$untranslated" -eq 0 ] || { echo "FAIL: $po: $untranslated messages untranslated"; status=1; }
    [ "$fuzzy" -eq 0 ] || { echo "FAIL: $po: $fuzzy fuzzy messages"; status=1; }
    [ "$stale" -eq 0 ] || { echo "FAIL: $po: $stale messages no source has"; status=1; }
done
[ $status -eq 0 ] && echo "PASS: $#"
exit $status
