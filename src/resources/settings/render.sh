#!/bin/sh
# Renders the settings dialog's artwork from these drawings, once as drawn and once twice as large
# for screens of two device pixels per pixel and more. The PNG files are committed; run this after
# changing a drawing.
set -e
cd "$(dirname "$0")"
for picture in side_picture continue_glyph; do
    rsvg-convert "$picture.svg" -o "$picture.png"
    rsvg-convert -z 2 "$picture.svg" -o "$picture@2x.png"
done
# Strip metadata so that a re-render of an unchanged drawing gives the same bytes.
for png in *.png; do
    convert "$png" -strip "$png"
done
