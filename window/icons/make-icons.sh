#!/usr/bin/env bash
# Renders the icon sizes from quintora.svg (rsvg-convert, ImageMagick). The
# 32 x 32 image is reduced to 16 colours; the Windows .ico holds it, 48 x 48
# and 256 x 256; 192 and 512 are for the web page.
set -euo pipefail
cd "$(dirname "$0")"
for s in 32 48 64 128 192 256 512; do
    rsvg-convert -w $s -h $s quintora.svg | convert - -depth 8 PNG32:quintora-$s.png
done
convert quintora-32.png +dither -colors 16 PNG8:quintora-32.png
python3 make-ico.py quintora.ico quintora-32.png quintora-48.png quintora-256.png
python3 icon-to-header.py quintora-32.png ../qt/icon_data.h
