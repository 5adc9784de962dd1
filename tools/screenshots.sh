#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the README's pictures with replay, so they show what the programs
# draw today: each program's main menu and one topic's screen when its keys
# run out, shrunk to 800 pixels wide and 32 colours.
#
# usage: tools/screenshots.sh [BUILD_DIR]   (build/ unless named)
# Writes docs/screenshots/PROGRAM-menu.png and PROGRAM-topic.png.
set -eu
cd "$(dirname "$0")/.."
replay=${1:-build}/bin/replay
[ -x "$replay" ] || { echo "no $replay: build first (scripts/setup.sh)" >&2; exit 1; }
command -v convert >/dev/null 2>&1 || { echo "ImageMagick's convert is needed (apt-get install imagemagick)" >&2; exit 1; }
out=docs/screenshots
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# PROGRAM, then the keys from its main menu to a topic's last screen.
steps="a a a a a a a a a a a a a a a a a a a a a a a a a a a a a a"
while read -r program keys; do
    "$replay" "$program" --seed 1 --png "$work/$program-menu" >/dev/null
    "$replay" "$program" --seed 1 --keys "$keys $steps" --png "$work/$program-topic" >/dev/null
    for shot in menu topic; do
        last=$(ls "$work/$program-$shot" | sort | tail -n 1)
        convert "$work/$program-$shot/$last" -resize 800x -colors 32 +dither -strip "png8:$out/$program-$shot.png"
        echo "$out/$program-$shot.png"
    done
done <<'TABLE'
kestrel 5 Enter 1 Enter
plover 3 Enter 1 Enter
tern 3 Enter 1 Enter
grebe 1 Enter 1 Enter
TABLE
du -ch "$out"/*.png | tail -n 1
