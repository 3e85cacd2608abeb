#!/usr/bin/python3
"""Compares an exported image with a part of a window dump, both decoded by
Pillow:  samepixels.py EXPORT DUMP LEFT TOP
Prints "same" or the first pixel that differs."""
import sys

from PIL import Image

left, top = int(sys.argv[3]), int(sys.argv[4])
with Image.open(sys.argv[1]) as e, Image.open(sys.argv[2]) as d:
    a = e.convert("RGB")
    b = d.convert("RGB").crop((left, top, left + a.width, top + a.height))
    if b.size != a.size:
        print("dump too small", d.size, "for", a.size, "at", left, top)
        sys.exit(0)
    pa, pb = a.load(), b.load()
    for y in range(a.height):
        for x in range(a.width):
            if pa[x, y] != pb[x, y]:
                print("differ at", x, y, pa[x, y], pb[x, y], "of", a.size)
                sys.exit(0)
    print("same")
