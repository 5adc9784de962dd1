#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Each man page, English or Japanese, formats without a single warning, its
# NAME line is what whatis and apropos index ("command \- summary"), and it
# names -h and the usage error's exit status 2.
#
# usage: man_pages_test.sh PAGE...
# Exit 77 (skipped) without groff.
command -v groff >/dev/null 2>&1 || { echo "SKIP: groff is not installed"; exit 77; }
status=0
for page in "$@"; do
    # UTF-8 read as such (-k), set for a terminal as man does.
    messages=$(groff -k -Tutf8 -man -ww -z "$page" 2>&1)
    if [ -n "$messages" ]; then
        echo "FAIL: $page:"
        echo "$messages"
        status=1
    fi
    command=$(basename "$page" .1)
    sed -n '/^\.SH \(NAME\|名前\)$/{n;p;}' "$page" | grep -q "^$command \\\\- ." ||
        { echo "FAIL: $page has no NAME line '$command \\- ...'"; status=1; }
    grep -q '^\.BR \\-h ", " \\-\\-help$' "$page" || { echo "FAIL: $page does not name -h"; status=1; }
    grep -q '^\.B 2$' "$page" ||
        { echo "FAIL: $page gives no exit status 2"; status=1; }
done
[ $status -eq 0 ] && echo "PASS: $#"
exit $status
