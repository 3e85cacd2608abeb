#!/usr/bin/env python3
"""Reference points of the search tests, computed with mpmath.

zeros.txt: name, the zero (or target point) to 25 digits.
extrema.txt: name, the extremal point and the value there to 25 digits.
The functions are those of tests/numerics/searches_test.cpp.  Run once;
the tables are committed beside this script.
"""
import os

import mpmath as mp

here = os.path.dirname(os.path.abspath(__file__))
mp.mp.dps = 40

# name: (function, a start for findroot)
ZEROS = {
    "wallis": (lambda x: x**3 - 2 * x - 5, 2),
    "cubic123": (lambda x: (x - 1) * (x - 2) * (x - 3), 1.9),
    "cosfix": (lambda x: mp.cos(x) - x, 0.7),
    "sinpi": (mp.sin, 3),
    "omega": (lambda x: x * mp.exp(x) - 1, 0.5),
    "sqrt2": (lambda x: x**2 - 2, 1.4),
    "bigroot": (lambda x: x**2 - 1e10, 1e5),
}

# name: (function, a start for findroot of the derivative); the flat ones
# (a multiple root of the derivative) take their closed-form point.
EXTREMA = {
    "parabola": (lambda x: x**2 - 2 * x + 3, 1),
    "sinmax": (mp.sin, 1.5),
    "xexp": (lambda x: x * mp.exp(-x), 1),
    "quartic": (lambda x: x**4 - 3 * x**3 + 2, 2.2),
    "flat4": (lambda x: (x - 1) ** 4 + 0.5, 1),
    "coshflat": (lambda x: mp.cosh(x) - x**2 / 2, 0),
}

with open(os.path.join(here, "zeros.txt"), "w") as out:
    for name, (f, start) in ZEROS.items():
        out.write(f"{name} {mp.nstr(mp.findroot(f, start), 25)}\n")

with open(os.path.join(here, "extrema.txt"), "w") as out:
    for name, (f, start) in EXTREMA.items():
        x = mp.findroot(lambda t: mp.diff(f, t), start, tol=mp.mpf(10) ** -30) if name not in ("flat4", "coshflat") else mp.mpf(start)
        out.write(f"{name} {mp.nstr(x, 25)} {mp.nstr(f(x), 25)}\n")
