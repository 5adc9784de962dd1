#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Each man page formats without a single warning, and its NAME line is what
# whatis and apropos index ("command \- summary").
#
# usage: man_pages_test.sh PAGE...
# Exit 77 (skipped) without groff.
command -v groff >/dev/null 2>&1 || { echo "SKIP: groff is not installed"; exit 77; }
status=0
for page in "$@"; do
    messages=$(groff -man -ww -z "$page" 2>&1)
    if [ -n "$messages" ]; then
        echo "FAIL: $page:"
        echo "$messages"
        status=1
    fi
    command=$(basename "$page" .1)
    sed -n '/^\.SH NAME/{n;p;}' "$page" | grep -q "^$command \\\\- ." ||
        { echo "FAIL: $page has no NAME line '$command \\- ...'"; status=1; }
done
[ $status -eq 0 ] && echo "PASS: $#"
exit $status
