#!/usr/bin/env bash
# Renders the icon sizes from quintora.svg (ImageMagick). The 32 x 32 image
# is reduced to 16 colours; the .ico holds it and the 256 x 256 one.
set -euo pipefail
cd "$(dirname "$0")"
for s in 64 128 256; do
    convert -background none -density $((72 * s / 32)) quintora.svg -resize ${s}x${s} quintora-$s.png
done
convert -background none quintora.svg -resize 32x32 +dither -colors 16 PNG8:quintora-32.png
convert quintora-32.png quintora-256.png quintora.ico
python3 icon-to-header.py quintora-32.png ../qt/icon_data.h
