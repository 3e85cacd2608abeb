#!/usr/bin/python3
"""Checks in an exported image of the sine fixture (decoded by Pillow),
whose green grid is synchronised with its main units, that no tick mark
stands beside a grid line:  ticksongrid.py IMAGE
The x axis is the row and the y axis the column with the most black
pixels; a tick is a black pixel two pixels off an axis (not on the
other axis); a grid line is a
row or column mostly of the grid's shades of green.  Prints "ok" or each
tick one pixel off a grid line that it misses."""
import sys

from PIL import Image

with Image.open(sys.argv[1]) as im:
    rgb = im.convert("RGB")
px = rgb.load()
W, H = rgb.size
BLACK = (0, 0, 0)


def green(x, y):
    """A line of the grid: pure green or one of its tints, not the tinted background."""
    r, g, b = px[x, y]
    return g == 255 and r == b and r < 220


axisrow = max(range(2, H - 2), key=lambda y: sum(px[x, y] == BLACK for x in range(W)))
axiscol = max(range(0, W - 2), key=lambda x: sum(px[x, y] == BLACK for y in range(H)))
columns = {x for x in range(W) if sum(green(x, y) for y in range(H)) > H / 2}
rows = {y for y in range(H) if sum(green(x, y) for x in range(W)) > W / 2}
faults = []
for along, count, tick, lines, axis in (("x", W, lambda i: px[i, axisrow - 2], columns, axiscol),
                                        ("y", H, lambda i: px[axiscol + 2, i], rows, axisrow)):
    ticks = [i for i in range(1, count - 1) if tick(i) == BLACK and i != axis]
    if len(ticks) < 10 or len(lines) < 10:
        faults.append("%d ticks and %d grid lines along %s" % (len(ticks), len(lines), along))
    faults += ["tick along %s at %d beside a grid line" % (along, i)
               for i in ticks if i not in lines and (i - 1 in lines or i + 1 in lines)]
print("\n".join(faults) if faults else "ok")
