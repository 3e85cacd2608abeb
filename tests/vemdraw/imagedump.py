#!/usr/bin/python3
"""Decodes a BMP or GIF with Pillow and prints what a test compares:
    WIDTH HEIGHT MODE
    PALETTE r,g,b r,g,b ...   (every entry of the file's palette)
    one line per image row: the pixel indices in hex, two digits each
"""
import sys

from PIL import Image

with Image.open(sys.argv[1]) as im:
    print(im.width, im.height, im.mode)
    raw = im.getpalette() or []
    entries = [raw[i:i + 3] for i in range(0, len(raw) - 2, 3)]
    print("PALETTE", " ".join("%d,%d,%d" % tuple(e) for e in entries))
    px = im.load()
    for y in range(im.height):
        print("".join("%02x" % px[x, y] for x in range(im.width)))
