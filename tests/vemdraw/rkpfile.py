#!/usr/bin/env python3
"""An independent writer and reader of transfer files (".rkp") for the
tests: a stream of 6-byte units, each a record (code, a, b as 16-bit
little-endian, frame mark 0xFF) or a chunk of a number's text.

    rkpfile.py make DIR    writes the fixture files and, beside each one
                           that reads cleanly, its model as NAME.model
    rkpfile.py dump FILE   prints the model of a file
"""
import math
import os
import struct
import sys

FRAME = 0xFF


def record(code, a=0, b=0):
    return struct.pack("<BHHB", code, a, b, FRAME)


def text(t):
    """A number's text: head [21, length, 0], then length // 6 + 1 chunks,
    the last padded with zero bytes and ended by 0xFF."""
    data = t.encode("ascii")
    out = record(21, len(data), 0)
    full, rest = divmod(len(data), 6)
    for i in range(full):
        out += data[6 * i:6 * i + 6]
    tail = data[6 * full:]
    return out + tail + bytes(5 - len(tail)) + bytes([FRAME])


def number(v):
    return text("%.16g" % v)


def numbers(code, *values):
    return record(code) + b"".join(number(v) for v in values)


def point(code, x, y):
    """y as the plot holds it (downwards); the file stores 20000 - y."""
    return record(code, x, 20000 - y)


def pen(width, r, g, bl):
    return record(19, 0, width) + record(1, r + 256 * g, bl)


# --- reader ---------------------------------------------------------------

class ReadError(Exception):
    pass


class Diagram:
    def __init__(self):
        self.lines = [{"width": 20, "colour": 0, "points": []}]
        self.fields = {}

    def line(self):
        return self.lines[-1]


def read(data):
    """The model: a list of diagrams; ReadError for a malformed stream."""
    units = [data[i:i + 6] for i in range(0, len(data), 6)]
    diagrams = [Diagram()]
    pos = 0

    def take():
        nonlocal pos
        if pos >= len(units) or len(units[pos]) < 6:
            raise ReadError("end inside a unit")
        pos += 1
        return units[pos - 1]

    def readnum():
        head = take()
        if head[0] != 21:
            raise ReadError("no number head")
        length = head[1] | head[2] << 8
        chars = b""
        for _ in range(length // 6 + 1):
            chunk = take()
            body = chunk[:5] if chunk[5] == FRAME else chunk
            body = body.split(b"\0")[0]
            chars += body
            if len(body) < 6:
                break
        return float(chars.decode("ascii"))

    while pos < len(units):
        unit = take()
        if unit[5] != FRAME:
            raise ReadError("frame")
        code, a, b = unit[0], unit[1] | unit[2] << 8, unit[3] | unit[4] << 8
        d = diagrams[-1]
        f = d.fields
        if code in (1, 2, 3):
            d.line()["points"].append((code, a, 20000 - b))
        elif code == 19:
            if d.line()["points"]:
                d.lines.append(dict(d.line(), points=[]))
            d.line()["width"] = b
            colour = take()
            if colour[0] != 0:
                d.line()["colour"] = (colour[1] | colour[2] << 8) + 65536 * (colour[3] | colour[4] << 8)
        elif code == 20:
            diagrams.append(Diagram())
        elif code == 15 and a > 0 and b > 0:
            f["size"] = (a / 100, b / 100)
        elif code == 17 and a <= 2:
            f["interpretation"] = 2 - a
        elif code == 18:
            f["flags"] = a
        elif code == 25:
            f["grid"] = (a, b)
        elif code in (16, 28, 23, 24, 27):
            f[code] = (readnum(), readnum())
        elif code == 22:
            f[22] = tuple(readnum() for _ in range(4))
    return diagrams


def model(diagrams):
    """The canonical text of a model: the polylines of each diagram with
    their pen width, colour and points (code:x,y, y downwards)."""
    out = []
    for n, d in enumerate(diagrams, 1):
        out.append("diagram %d" % n)
        for line in d.lines:
            pts = " ".join("%d:%d,%d" % p for p in line["points"])
            out.append(("line %d %06x %s" % (line["width"], line["colour"], pts)).rstrip())
    return "\n".join(out) + "\n"


# --- fixtures ---------------------------------------------------------------

TRAILER = (numbers(22, -1, 3, 3, -2) + numbers(23, 0, 0) + numbers(24, 1, 1)
           + numbers(27, 120, 80) + record(17, 1) + record(25, 1, 3) + record(18, 0x0400 | 0x0200))

def sine():
    """sin x on 0..10 (window -1.25..1.25) in blue, 0.5 mm; a grid of three
    orders, thick, in green."""
    out = pen(50, 0, 0, 255)
    for i in range(401):
        x = i * 10 / 400
        y = 10000 - math.sin(x) * 8000
        out += point(1 if i == 0 else 2, round(x * 2000), round(y))
    return (out + numbers(22, 0, 1.25, 10, -1.25) + numbers(23, 0, 0) + numbers(24, 1, 0.1)
            + record(17, 0) + record(25, 2, 3) + record(18, 0x0008 | 0x0010))


FIXTURES = {
    "sine": sine(),
    "empty": b"",
    "points": pen(20, 255, 0, 0) + point(1, 0, 0) + point(2, 10000, 5000) + point(2, 20000, 20000),
    "wholerecord": point(1, 5, 5),
    "insiderecord": point(1, 5, 5) + record(2, 7, 7)[:4],
    "twopens": pen(40, 0, 255, 0) + pen(60, 0, 0, 255) + point(1, 1, 2) + point(2, 3, 4),
    "colourzero": pen(20, 255, 0, 0) + point(1, 0, 0) + record(19, 0, 30) + record(0, 0x1234, 0x56) + point(1, 9, 9),
    "fivechars": record(27) + text("12.25") + text("8.125"),
    "sixchars": record(27) + text("100000") + text("2e+02"),
    "zeroside": record(15, 0, 5000) + record(15, 12000, 0),
    "size": record(15, 12000, 9050),
    "flags0210": record(18, 0x0210),
    "flags0042": record(18, 0x0042),
    "trailer": pen(20, 0, 0, 0) + point(1, 0, 10000) + point(2, 20000, 10000) + TRAILER,
    "twodiagrams": point(1, 1, 1) + record(20) + pen(25, 1, 2, 3) + point(1, 2, 2) + point(3, 4, 4),
    "pointrange": point(1, 20001, 5),
    "shortnumber": record(16) + record(21, 3, 0) + b"0.5",
    "badnumberhead": record(23) + record(22, 0, 0),
    "nanwindow": numbers(22, 0, 1, 1, 0) + record(22) + text("nan") + number(1) + number(1) + number(0),
    "reversedwindow": numbers(22, 5, 1, 1, 0),
    "zerounits": numbers(24, 0, 2),
    "shortcolour": record(19, 0, 20) + record(1, 0, 0)[:3],
}


# Well-formed streams whose values a careful reader refuses or ignores.
UNSOUND = {"pointrange", "nanwindow", "reversedwindow", "zerounits"}


# Single numbers, as written.
NUMBERS = {"half": 0.5, "hundredthousand": 100000}


def make(folder):
    os.makedirs(folder, exist_ok=True)
    for name, value in NUMBERS.items():
        with open(os.path.join(folder, name + ".num"), "wb") as f:
            f.write(number(value))
    for name, data in FIXTURES.items():
        with open(os.path.join(folder, name + ".rkp"), "wb") as f:
            f.write(data)
        if name in UNSOUND:
            continue
        try:
            m = model(read(data))
        except (ReadError, ValueError):
            continue
        with open(os.path.join(folder, name + ".model"), "w") as f:
            f.write(m)


if __name__ == "__main__":
    if len(sys.argv) == 3 and sys.argv[1] == "make":
        make(sys.argv[2])
    elif len(sys.argv) == 3 and sys.argv[1] == "dump":
        with open(sys.argv[2], "rb") as f:
            sys.stdout.write(model(read(f.read())))
    else:
        sys.exit(__doc__)
