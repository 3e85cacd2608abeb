#!/usr/bin/env python3
"""An independent writer and reader of transfer files (".rkp") for the
tests: a stream of 6-byte units, each a record (code, a, b as 16-bit
little-endian, frame mark 0xFF) or a chunk of a number's text.

    rkpfile.py make DIR    writes the fixture files and, beside each one
                           that reads cleanly, its model as NAME.model;
                           the files VEMO wrote for known curves
                           (tests/plots/golden/transfer-*.rkp) go there too
    rkpfile.py dump FILE   prints the model of a file
    rkpfile.py check FILE  checks a file as VEMO must write it: prints each
                           fault, "ok" when there is none (status 1 with
                           faults)
"""
import glob
import math
import os
import re
import shutil
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


# --- checker of VEMO's output -------------------------------------------------

# Numbers as "%.16g" writes them in the C locale.
NUMBERTEXT = re.compile(r"-?[0-9]+(\.[0-9]+)?(e[+-][0-9]{2,3})?\Z")
FLAGBITS = {0x2, 0x8, 0x10, 0x20, 0x40, 0x100, 0x200, 0x400, 0x800, 0x1000, 0x2000, 0x4000}
DENSITY = (0x8, 0x100, 0x400, 0x800)
TRAILER_ORDER = [22, 23, 24, 27, 16, 28, 17, 25, 18]


def check(data):
    """The faults of a file against what VEMO writes: the stream, the
    numbers, the pens and points, and the trailer with its flag word."""
    faults = []
    if len(data) % 6:
        faults.append("length %d is not a multiple of 6" % len(data))
    units = [data[i:i + 6] for i in range(0, len(data) - len(data) % 6, 6)]
    pos = 0
    records = []   # (code, a, b, numbers)

    def number(at):
        head = units[at]
        if head[0] != 21 or head[5] != FRAME or (head[3] | head[4] << 8) != 0:
            faults.append("unit %d: not a number head" % at)
            return None, at + 1
        length = head[1] | head[2] << 8
        count = length // 6 + 1
        chunks = units[at + 1:at + 1 + count]
        if len(chunks) < count:
            faults.append("unit %d: number cut short" % at)
            return None, len(units)
        raw = b"".join(chunks[:-1]) + chunks[-1][:length % 6]
        tail = chunks[-1][length % 6:]
        if tail != bytes(5 - length % 6) + bytes([FRAME]):
            faults.append("unit %d: last chunk not padded with zeros and 0xFF" % at)
        if b"\0" in raw:
            faults.append("unit %d: zero byte inside a number" % at)
        text = raw.decode("ascii", "replace")
        if not NUMBERTEXT.match(text) or not math.isfinite(float(text)):
            faults.append("unit %d: %r is no finite number" % (at, text))
            return None, at + 1 + count
        return float(text), at + 1 + count

    counts = {16: 2, 22: 4, 23: 2, 24: 2, 27: 2, 28: 2}
    while pos < len(units):
        unit = units[pos]
        if unit[5] != FRAME:
            faults.append("unit %d: frame mark %#x" % (pos, unit[5]))
        code, a, b = unit[0], unit[1] | unit[2] << 8, unit[3] | unit[4] << 8
        pos += 1
        values = []
        for _ in range(counts.get(code, 0)):
            if pos >= len(units):
                faults.append("record %d ends before its numbers" % code)
                break
            v, pos = number(pos)
            values.append(v)
        if code == 19:
            if pos >= len(units) or units[pos][0] != 1 or units[pos][5] != FRAME:
                faults.append("unit %d: pen without a colour record" % (pos - 1))
            else:
                colour = units[pos]
                if (colour[3] | colour[4] << 8) > 255:
                    faults.append("unit %d: blue above 255" % pos)
                pos += 1
        records.append((code, a, b, values))

    trailer = next((i for i, r in enumerate(records) if r[0] == 22), len(records))
    curves, tail = records[:trailer], records[trailer:]
    afterpen = False
    for code, a, b, _ in curves:
        if code == 19:
            afterpen = True
        elif code in (1, 2):
            if a > 20000 or b > 20000:
                faults.append("point %d,%d outside the square" % (a, b))
            if afterpen and code != 1:
                faults.append("first point after a pen is no move")
            afterpen = False
        else:
            faults.append("record %d among the curves" % code)
    if curves and curves[0][0] != 19:
        faults.append("points before the first pen")

    codes = [r[0] for r in tail]
    if not codes or codes[-1] != 18:
        faults.append("the flag word is not the last record")
    order = [c for c in TRAILER_ORDER if c in codes]
    if codes != order:
        faults.append("trailer order %s" % codes)
    fields = {r[0]: r for r in tail}
    flags = fields.get(18, (18, 0, 0, []))[1]
    if (27 in fields) == bool(flags & 0x4000):
        faults.append("size record and automatic size flag disagree")
    if (16 in fields) != (28 in fields):
        faults.append("margins come in one record only")
    for code in (22, 23, 24):
        if code not in fields:
            faults.append("record %d missing" % code)
    window = fields.get(22, (0, 0, 0, [None] * 4))[3]
    if None in window or not (window[0] < window[2] and window[3] < window[1]):
        faults.append("world window %s is empty" % (window,))
    units_ = fields.get(24, (0, 0, 0, [None, None]))[3]
    if None in units_ or not all(u > 0 for u in units_):
        faults.append("main units %s not positive" % (units_,))
    if fields.get(17, (17, 9))[1] > 2:
        faults.append("interpretation out of range")
    style = fields.get(25, (25, 9, 0))
    if style[1] > 2 or not 1 <= style[2] <= 6:
        faults.append("grid style %d colour %d" % (style[1], style[2]))
    if flags & ~sum(FLAGBITS):
        faults.append("flag word %#x has bits VEMO never sets" % flags)
    if sum(1 for d in DENSITY if flags & d) != 1:
        faults.append("flag word %#x: not one density bit" % flags)
    if not flags & 0x210:
        faults.append("flag word %#x: no orientation" % flags)
    axes = flags & (0x40 | 0x2 | 0x1000)
    if axes and (not axes & 0x40 or axes == 0x40 | 0x2 | 0x1000):
        faults.append("flag word %#x: axis bits disagree" % flags)
    return faults


# --- fixtures ---------------------------------------------------------------

TRAILER = (numbers(22, -1, 3, 3, -2) + numbers(23, 0, 0) + numbers(24, 1, 1)
           + numbers(27, 120, 80) + record(17, 1) + record(25, 1, 3) + record(18, 0x0400 | 0x0200))

def sine(margins=b""):
    """sin x on 0..10 (window -1.25..1.25) in blue, 0.5 mm; a grid of three
    orders, thick, in green; the page's margins when given."""
    out = pen(50, 0, 0, 255)
    for i in range(401):
        x = i * 10 / 400
        y = 10000 - math.sin(x) * 8000
        out += point(1 if i == 0 else 2, round(x * 2000), round(y))
    return (out + numbers(22, 0, 1.25, 10, -1.25) + numbers(23, 0, 0) + numbers(24, 1, 0.1) + margins
            + record(17, 0) + record(25, 2, 3) + record(18, 0x0008 | 0x0010))


FIXTURES = {
    "sine": sine(),
    "sinemargins": sine(numbers(16, 20, 20) + numbers(28, 20, 20)),   # 20 mm all round
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
    golden = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "plots", "golden")
    for path in glob.glob(os.path.join(golden, "transfer-*.rkp")):
        name = "vemo-" + os.path.basename(path)[len("transfer-"):-4]
        shutil.copyfile(path, os.path.join(folder, name + ".rkp"))
        with open(path, "rb") as f:
            m = model(read(f.read()))
        with open(os.path.join(folder, name + ".model"), "w") as f:
            f.write(m)


if __name__ == "__main__":
    if len(sys.argv) == 3 and sys.argv[1] == "make":
        make(sys.argv[2])
    elif len(sys.argv) == 3 and sys.argv[1] == "dump":
        with open(sys.argv[2], "rb") as f:
            sys.stdout.write(model(read(f.read())))
    elif len(sys.argv) == 3 and sys.argv[1] == "check":
        with open(sys.argv[2], "rb") as f:
            found = check(f.read())
        print("\n".join(found) if found else "ok")
        sys.exit(1 if found else 0)
    else:
        sys.exit(__doc__)
