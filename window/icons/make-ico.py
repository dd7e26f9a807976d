#!/usr/bin/env python3
"""Writes the Windows icon: the 32 x 32 image in 16 colours (4 bits a pixel,
with its transparency mask), then each size Windows draws at some dpi in
true colour with alpha (16 to 64), and 256 x 256 as PNG.
Usage: make-ico.py OUT.ico 32-COLOURS.png 256.png TRUE-COLOUR.png...
(each true-colour PNG square, its size read from it)"""
import struct
import subprocess
import sys


def rgba(png, size):
    raw = subprocess.run(["convert", png, "-depth", "8", "rgba:-"],
                         capture_output=True, check=True).stdout
    assert len(raw) == size * size * 4, png
    return [tuple(raw[i:i + 4]) for i in range(0, len(raw), 4)]


def and_mask(pixels, size):
    row_bytes = (size + 31) // 32 * 4
    mask = bytearray()
    for y in reversed(range(size)):
        row = bytearray(row_bytes)
        for x in range(size):
            if pixels[y * size + x][3] < 128:
                row[x // 8] |= 0x80 >> (x % 8)
        mask += row
    return bytes(mask)


def dib_header(size, bits, colours=0):
    return struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, bits, 0, 0, 0, 0, colours, 0)


def sixteen_colours(png, size=32):
    pixels = rgba(png, size)
    palette = list(dict.fromkeys((r, g, b) for r, g, b, a in pixels if a >= 128))
    assert len(palette) <= 16, len(palette)
    palette += [(0, 0, 0)] * (16 - len(palette))
    bits = bytearray()
    for y in reversed(range(size)):
        row = bytearray(size // 2)
        for x in range(size):
            r, g, b, a = pixels[y * size + x]
            index = palette.index((r, g, b)) if a >= 128 else 0
            row[x // 2] |= index << (4 if x % 2 == 0 else 0)
        bits += row
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    return dib_header(size, 4, 16) + table + bits + and_mask(pixels, size)


def true_colour(png, size):
    pixels = rgba(png, size)
    bits = b"".join(struct.pack("<BBBB", b, g, r, a)
                    for y in reversed(range(size)) for r, g, b, a in pixels[y * size:(y + 1) * size])
    return dib_header(size, 32) + bits + and_mask(pixels, size)


def side(png):
    return int(subprocess.run(["identify", "-format", "%w", png],
                              capture_output=True, check=True, text=True).stdout)


out, png32, png256, *true_pngs = sys.argv[1:]
images = [(32, 16, 4, sixteen_colours(png32))]
images += [(side(png), 0, 32, true_colour(png, side(png))) for png in true_pngs]
images.append((256, 0, 32, open(png256, "rb").read()))
offset = 6 + 16 * len(images)
data = struct.pack("<HHH", 0, 1, len(images))
for size, colours, bits, image in images:
    data += struct.pack("<BBBBHHII", size % 256, size % 256, colours, 0, 1, bits, len(image), offset)
    offset += len(image)
with open(out, "wb") as f:
    f.write(data + b"".join(image for _, _, _, image in images))
