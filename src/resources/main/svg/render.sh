#!/bin/sh
# Renders the main window's artwork from these drawings into the PNG files beside this folder.
# The PNG files are committed; run this after changing a drawing.
set -e
cd "$(dirname "$0")"
for glyph in add-picture add-category remove settings information help quit homepage \
    balloon favourites favourite-add search recent; do
    rsvg-convert -w 32 -h 32 "$glyph.svg" -o "../$glyph.png"
    rsvg-convert -w 64 -h 64 "$glyph.svg" -o "../$glyph@2x.png"
done
for picture in header info tray-wink; do
    rsvg-convert "$picture.svg" -o "../$picture.png"
    # Twice as large for screens of two device pixels per pixel and more.
    rsvg-convert -z 2 "$picture.svg" -o "../$picture@2x.png"
done
# Strip metadata so that a re-render of an unchanged drawing gives the same bytes.
for png in ../*.png; do
    convert "$png" -strip "$png"
done
