#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Puts the licence's SPDX line at the top of every source, script and build
# file git tracks that lacks it, in that file's comment syntax and after a
# shebang or an XML declaration. Running it again changes nothing.
#
# usage: tools/spdx.sh [--check] [SOURCE_DIR]
#   --check changes nothing: it names the files that lack the line and fails
#   if there are any. Exit 77 (skipped) outside a git checkout.

LINE="SPDX-License-Identifier: GPL-3.0-or-later"
check=
if [ "${1:-}" = "--check" ]; then
    check=1
    shift
fi
cd "${1:-$(dirname "$0")/..}" || exit 1
files=$(git ls-files 2>/dev/null) || { echo "SKIP: not a git checkout"; exit 77; }

# The comment that carries the line in FILE, empty when FILE is not a source,
# script or build file (documents, pictures, the licence itself). Templates
# whose own format has no comment take a # line, which configure_template()
# in CMakeLists.txt leaves out of what it makes.
comment_for() {
    case $1 in
    *.cpp | *.cc | *.h | *.hpp | *.h.in | *.cpp.in) echo '// %s' ;;
    *.xml | *.xml.in | *.svg | *.svg.in) echo '<!-- %s -->' ;;
    *.[1-8] | *.[1-8].in) echo '.\\" %s' ;;
    CMakeLists.txt | */CMakeLists.txt | *.cmake | *.sh | *.py | *.supp | .clang-format | */.clang-format | *.in)
        echo '# %s'
        ;;
    *) head -c 2 "$1" | grep -q '^#!' && echo '# %s' ;;
    esac
}

missing=0
for f in $files; do
    [ -f "$f" ] || continue
    format=$(comment_for "$f")
    [ -n "$format" ] || continue
    head -n 5 "$f" | grep -q 'SPDX-License-Identifier:' && continue
    if [ -n "$check" ]; then
        echo "$f: no '$LINE' in its first lines (tools/spdx.sh adds it)"
        missing=1
        continue
    fi
    # shellcheck disable=SC2059
    text=$(printf "$format" "$LINE")
    # The first line stays first when it must: a shebang, an XML declaration.
    awk -v text="$text" 'NR == 1 && /^(#!|<\?xml)/ { print; print text; next }
                         NR == 1 { print text } { print }' "$f" >"$f.spdx" &&
        cat "$f.spdx" >"$f" && rm -f "$f.spdx" || exit 1
    echo "added to $f"
done
exit $missing
