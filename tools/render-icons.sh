#!/bin/sh
# Renders the program icon from packaging/icons/merrowdale-results.svg into the files that
# the build and the packages use as they are, so that building never needs an SVG renderer:
#   packaging/icons/48x48/merrowdale-results.png    window and program icon: 48 x 48, PNG8
#                                                   (256-colour palette), 1-bit transparency
#   packaging/icons/256x256/merrowdale-results.png  large hicolor icon, full alpha
#   packaging/windows/merrowdale-results.ico        the same 48 x 48 image, 8 bits per pixel
# Run it after changing the SVG and commit the results; the packaging tests check their
# format. Needs rsvg-convert (Debian librsvg2-bin) and ImageMagick's convert.
set -eu

here=$(cd "$(dirname "$0")/.." && pwd)
icons=$here/packaging/icons
svg=$icons/merrowdale-results.svg
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mkdir -p "$icons/48x48" "$icons/256x256"

rsvg-convert -w 48 -h 48 "$svg" -o "$work/48.png"
# Edge pixels of the round lens and handle are half transparent after rendering: make each
# one fully opaque or fully clear, then keep the palette at 8 bits even if few colours remain.
# -strip drops the time stamps, so an unchanged SVG gives byte-identical files.
convert "$work/48.png" -channel A -threshold 50% +channel -strip \
    -define png:bit-depth=8 -define png:color-type=3 \
    "PNG8:$icons/48x48/merrowdale-results.png"

# Read back, the PNG8 is a true-colour image to ImageMagick, and its icon writer would
# store 32 bits per pixel; PaletteMatte keeps it indexed (8 bits plus the AND mask), and
# +dither keeps the colours exactly those of the PNG.
convert "$icons/48x48/merrowdale-results.png" +dither -type PaletteMatte \
    "$here/packaging/windows/merrowdale-results.ico"

rsvg-convert -w 256 -h 256 "$svg" -o "$work/256.png"
convert "$work/256.png" -strip "PNG32:$icons/256x256/merrowdale-results.png"
