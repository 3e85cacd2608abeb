#!/usr/bin/python3
"""Prints the horizontal centre of each item of a window's menu bar, one
a line, from a picture of the window (decoded by Pillow): the labels'
dark pixels in the bar's top 24 rows, split where a gap is wider than a
blank between words.  Usage: menuitems.py WINDOW.png"""
import sys

from PIL import Image

with Image.open(sys.argv[1]) as im:
    rgb = im.convert("RGB")
px = rgb.load()
dark = [x for x in range(rgb.width) if any(sum(px[x, y]) < 300 for y in range(2, 22))]
items, gap = [], 8
for x in dark:
    if items and x - items[-1][1] <= gap:
        items[-1][1] = x
    else:
        items.append([x, x])
for left, right in items:
    print((left + right) // 2)
