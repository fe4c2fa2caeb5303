#!/usr/bin/env bash
# Draws Brellow's icon (a spoken phrase, a gap for the learner, the phrase
# again) with ImageMagick and writes res/icons/brellow-<size>.png. The PNGs
# are committed; run this again only to change the drawing.
set -euo pipefail
cd "$(dirname "$0")/.."

out=res/icons
mkdir -p "$out"
master=$(mktemp --suffix=.png)
trap 'rm -f "$master"' EXIT

# Bars of the phrase (white) and of its repetition (light blue), as
# "x height" pairs on a 256 canvas, centred on y = 128.
phrase=(44 70  70 120  96 160  122 96)
repeat=(170 70  196 120  222 84)

draw=(-fill '#1f5fa8' -draw 'roundrectangle 8,8 247,247 52,52'
      -fill '#2f7fd6' -draw 'roundrectangle 8,8 247,200 52,52')
bar() { # x height colour
    local x=$1 h=$2 top bottom
    top=$((128 - h / 2))
    bottom=$((128 + h / 2))
    draw+=(-fill "$3" -draw "roundrectangle $((x - 9)),$top $((x + 9)),$bottom 9,9")
}
for ((i = 0; i < ${#phrase[@]}; i += 2)); do bar "${phrase[i]}" "${phrase[i + 1]}" white; done
for ((i = 0; i < ${#repeat[@]}; i += 2)); do bar "${repeat[i]}" "${repeat[i + 1]}" '#9fd3ff'; done
# The pause between them: a thin line where the learner speaks.
draw+=(-fill '#9fd3ff' -draw 'rectangle 140,125 152,131')

convert -size 256x256 xc:none "${draw[@]}" "$master"

for size in 256 128 64 48 32 24 16; do
    convert "$master" -filter Lanczos -resize "${size}x${size}" -strip -depth 8 \
        -define png:color-type=6 "$out/brellow-$size.png"
done
echo "Wrote $out/brellow-{256,128,64,48,32,24,16}.png"
