#!/usr/bin/env bash
# Renders the pictures of the secondary windows and the splash window with ImageMagick.
# The PNG and GIF files are committed; run this again only after changing a drawing.
set -euo pipefail
cd "$(dirname "$0")"

FONT=DejaVu-Sans-Bold
MAROON='#800000'
SAND='#EED9A8'
BROWN='#B85C1E'

# smiley CX CY R: draw primitives of a yellow face with eyes and a smile.
smiley() {
    local cx=$1 cy=$2 r=$3
    local ex=$((r * 36 / 100)) ey=$((r * 28 / 100)) er=$((r * 13 / 100 + 1))
    local mr=$((r * 55 / 100))
    echo "fill #FFD21F stroke #7A4A00 stroke-width $((r / 12 + 1)) circle $cx,$cy $((cx + r)),$cy"
    echo "fill #3A2400 stroke none circle $((cx - ex)),$((cy - ey)) $((cx - ex + er)),$((cy - ey))"
    echo "fill #3A2400 stroke none circle $((cx + ex)),$((cy - ey)) $((cx + ex + er)),$((cy - ey))"
    echo "fill none stroke #3A2400 stroke-width $((r / 10 + 1)) arc $((cx - mr)),$((cy - mr)) $((cx + mr)),$((cy + mr)) 25,155"
}

# sparkle CX CY R COLOUR: a four-pointed star.
sparkle() {
    local cx=$1 cy=$2 r=$3 c=$4 s=$(($3 / 4 + 1))
    echo "fill $c stroke none polygon $cx,$((cy - r)) $((cx + s)),$((cy - s)) $((cx + r)),$cy $((cx + s)),$((cy + s)) $cx,$((cy + r)) $((cx - s)),$((cy + s)) $((cx - r)),$cy $((cx - s)),$((cy - s))"
}

# Program icon, 32 x 32.
convert -size 32x32 xc:none -draw "$(smiley 15 17 13)" -draw "$(sparkle 27 5 5 '#FF9A1F')" icon32.png

# About logo, 66 x 65.
convert -size 66x65 xc:none -draw "$(smiley 31 35 26)" -draw "$(sparkle 56 10 9 '#FF9A1F')" \
    -draw "$(sparkle 9 9 5 '#E0B000')" logo.png

# About side picture, 71 x 108: an envelope with a smiley leaving it.
convert -size 71x108 xc:white \
    -draw "fill #FFF6DF stroke $BROWN stroke-width 2 rectangle 4,56 66,102" \
    -draw "fill none stroke $BROWN stroke-width 2 polyline 4,56 35,82 66,56" \
    -draw "fill none stroke $BROWN stroke-width 1 line 4,102 28,78 line 66,102 42,78" \
    -draw "$(smiley 35 30 21)" -draw "$(sparkle 62 8 7 '#FF9A1F')" -draw "$(sparkle 9 16 4 '#E0B000')" \
    about_side.png

# Animated icon, 32 x 32: a smiley that winks while a sparkle circles it.
frames=()
for i in 0 1 2 3 4 5 6 7; do
    angle=$(awk -v i="$i" 'BEGIN { print i * 45 * 3.14159265 / 180 }')
    sx=$(awk -v a="$angle" 'BEGIN { printf "%d", 16 + 12 * cos(a) }')
    sy=$(awk -v a="$angle" 'BEGIN { printf "%d", 16 + 12 * sin(a) }')
    face="$(smiley 16 16 10)"
    if [ "$i" = 4 ] || [ "$i" = 5 ]; then
        # wink: the right eye becomes a short line
        face="$(smiley 16 16 10 | sed '3d')
fill none stroke #3A2400 stroke-width 2 line 18,13 22,13"
    fi
    convert -size 32x32 xc:white -draw "$face" -draw "$(sparkle "$sx" "$sy" 4 '#FF8A00')" "frame$i.png"
    frames+=("frame$i.png")
done
convert -delay 15 -loop 0 -dispose background "${frames[@]}" anicon.gif
rm -f "${frames[@]}"

# Glyphs, 16 x 16.
convert -size 16x16 xc:none -draw "fill #2E8B3A stroke none polygon 1,6 9,6 9,2 15,8 9,14 9,10 1,10" arrow_right.png
convert -size 16x16 xc:none -draw "fill none stroke #1F8A2E stroke-width 3 polyline 2,8 6,12 14,3" yes.png
convert -size 16x16 xc:none -draw "fill none stroke #C0262B stroke-width 3 line 3,3 13,13 line 13,3 3,13" no.png
convert -size 16x16 xc:none -draw "fill #2A5DB0 stroke none rectangle 1,12 14,14" \
    -draw "fill #2A5DB0 stroke none polygon 5,1 10,1 10,5 13,5 7.5,10 2,5 5,5" taskbar.png
convert -size 16x16 xc:none -draw "fill #C0262B stroke none polygon 1,8 8,1 15,8" \
    -draw "fill #F4E3C0 stroke $BROWN stroke-width 1 rectangle 3,8 12,14" \
    -draw "fill $BROWN stroke none rectangle 6,10 9,14" home.png
convert -size 16x16 xc:none -draw "fill #FFFFFF stroke #2A5DB0 stroke-width 1 rectangle 1,3 14,12" \
    -draw "fill none stroke #2A5DB0 stroke-width 1 polyline 1,3 7.5,9 14,3" mail.png

# Question dialog strip, 71 x 173.
convert -size 71x173 gradient:"$SAND"-white \
    -font "$FONT" -pointsize 64 -fill "$BROWN" -gravity north -annotate +0+18 '?' \
    -draw "$(sparkle 56 14 7 '#FF9A1F')" question_strip.png

# Welcome banner, 467 x 41 (the window shows its left 455 pixels).
convert -size 467x41 gradient:'#FFFFFF'-"$SAND" -rotate 90 -resize '467x41!' \
    -draw "fill $BROWN stroke none rectangle 0,38 467,41" \
    -draw "$(smiley 20 19 14)" -draw "$(sparkle 40 8 6 '#FF9A1F')" \
    -font "$FONT" -pointsize 22 -fill "$MAROON" -annotate +52+28 'Glimmora' \
    -draw "$(smiley 380 19 10)" -draw "$(smiley 406 19 10)" -draw "$(smiley 432 19 10)" \
    welcome_banner.png

# Welcome picture, 120 x 45: a mail window with a smiley inserted.
convert -size 120x45 xc:white \
    -draw "fill #F7F7F7 stroke #7F8FA6 stroke-width 1 rectangle 1,1 118,43" \
    -draw "fill #2A5DB0 stroke none rectangle 1,1 118,8" \
    -draw "fill none stroke #9AA5B5 stroke-width 2 line 8,17 70,17 line 8,25 58,25 line 8,33 80,33" \
    -draw "$(smiley 96 27 11)" welcome_picture.png

# Splash picture, 383 x 205.
convert -size 383x205 gradient:'#FFFFFF'-"$SAND" \
    -draw "fill none stroke $BROWN stroke-width 3 rectangle 1,1 381,203" \
    -draw "$(smiley 70 60 40)" -draw "$(sparkle 120 16 10 '#FF9A1F')" \
    -draw "$(smiley 44 150 22)" -draw "$(smiley 96 162 16)" \
    -draw "$(sparkle 20 100 5 '#E0B000')" -draw "$(sparkle 250 178 8 '#FF9A1F')" \
    -draw "$(sparkle 368 20 5 '#E0B000')" \
    -font DejaVu-Sans -pointsize 11 -fill "$MAROON" -annotate +300+190 'Version 3.5' \
    splash.png

# No creation dates in the files, so that rendering again changes only what was redrawn.
mogrify -strip -define png:exclude-chunks=date,time,tIME ./*.png
