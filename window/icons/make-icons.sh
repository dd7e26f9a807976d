#!/usr/bin/env bash
# Renders the icon sizes from quintora.svg (rsvg-convert, ImageMagick). The
# 32 x 32 image is reduced to 16 colours; the Windows .ico holds it, every
# size Windows draws from 100 % to 200 % (16 to 64) in true colour, and
# 256 x 256; 192, 512 and the maskable 512 are for the web page.
set -euo pipefail
cd "$(dirname "$0")"
for s in 32 48 64 128 192 256 512; do
    rsvg-convert -w $s -h $s quintora.svg | convert - -depth 8 PNG32:quintora-$s.png
done
convert quintora-32.png +dither -colors 16 PNG8:quintora-32.png
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for s in 16 20 24 32 40 48 64; do
    rsvg-convert -w $s -h $s quintora.svg | convert - -depth 8 PNG32:"$work/$s.png"
done
python3 make-ico.py quintora.ico quintora-32.png quintora-256.png "$work"/{16,20,24,32,40,48,64}.png
python3 icon-to-header.py quintora-32.png ../qt/icon_data.h
# A phone crops a home-screen icon to its own shape: the maskable one keeps
# the drawing inside the middle 80 %, on the icon's own blue (its first fill).
rsvg-convert -w 384 -h 384 quintora.svg >"$work/maskable.png"
convert -size 512x512 xc:"$(grep -o 'fill="#[0-9a-f]*"' quintora.svg | head -1 | cut -d'"' -f2)" "$work/maskable.png" -gravity center -composite -depth 8 \
    PNG32:quintora-maskable-512.png
