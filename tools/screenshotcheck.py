#!/usr/bin/env python3
"""Finds a PNG image inside an X window dump (xwd) and counts the pixels
that differ.  Usage: screenshotcheck.py SHOT.xwd IMAGE.png
Exit status 0 when the image appears in the dump pixel for pixel."""
import struct
import sys
import zlib


def readpng(path):
    data = open(path, 'rb').read()
    assert data[:8] == b'\x89PNG\r\n\x1a\n', 'not a PNG'
    pos, idat, w, h, ctype = 8, b'', 0, 0, 0
    while pos < len(data):
        n, kind = struct.unpack('>I4s', data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + n]
        if kind == b'IHDR':
            w, h, depth, ctype, _, _, interlace = struct.unpack('>IIBBBBB', body)
            assert depth == 8 and ctype in (2, 6) and interlace == 0, 'unsupported PNG'
        elif kind == b'IDAT':
            idat += body
        pos += 12 + n
    bpp = 3 if ctype == 2 else 4
    raw, stride = zlib.decompress(idat), w * bpp
    rows, prev = [], bytearray(stride)
    for y in range(h):
        f, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            a = line[i - bpp] if i >= bpp else 0
            b, c = prev[i], prev[i - bpp] if i >= bpp else 0
            if f == 1:
                line[i] = (line[i] + a) & 255
            elif f == 2:
                line[i] = (line[i] + b) & 255
            elif f == 3:
                line[i] = (line[i] + (a + b) // 2) & 255
            elif f == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                line[i] = (line[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
        rows.append([line[x * bpp] << 16 | line[x * bpp + 1] << 8 | line[x * bpp + 2] for x in range(w)])
        prev = line
    return w, h, rows


def readxwd(path):
    data = open(path, 'rb').read()
    head = struct.unpack('>25I', data[:100])
    hsize, w, h, order, bpp, bpl, ncolors = head[0], head[4], head[5], head[7], head[11], head[12], head[19]
    step = bpp // 8
    assert step in (3, 4) and bpl >= step * w, 'unsupported pixel format'
    pix = data[hsize + ncolors * 12:]
    rows = []
    for y in range(h):
        line = pix[y * bpl:y * bpl + step * w]
        if order == 0:  # least significant byte first: B, G, R
            rows.append([line[i + 2] << 16 | line[i + 1] << 8 | line[i] for i in range(0, step * w, step)])
        else:
            k = step - 3
            rows.append([line[i + k] << 16 | line[i + k + 1] << 8 | line[i + k + 2] for i in range(0, step * w, step)])
    return w, h, rows


def main():
    sw, sh, shot = readxwd(sys.argv[1])
    w, h, image = readpng(sys.argv[2])
    first = image[0]
    best = None
    for oy in range(sh - h + 1):
        row = shot[oy]
        for ox in range(sw - w + 1):
            if row[ox:ox + w] == first:
                differ = sum(a != b for y in range(h) for a, b in zip(shot[oy + y][ox:ox + w], image[y]))
                if best is None or differ < best[0]:
                    best = (differ, ox, oy)
    if best is None:
        print('the image was not found in the screenshot')
        return 1
    print('found at %d,%d: %d of %d pixels differ' % (best[1], best[2], best[0], w * h))
    return 0 if best[0] == 0 else 1


sys.exit(main())
