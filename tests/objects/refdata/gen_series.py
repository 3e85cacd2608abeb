#!/usr/bin/env python3
"""Reference limits of the test series, and what mpmath's nsum needs for them.

Each line: name, the limit to 25 significant digits (closed form where one
exists, else nsum at 40 digits), then the terms that nsum evaluates at
double precision (15 digits) and the correct digits of that result.
Run once; the table is committed beside this script.
"""
import os

import mpmath as mp

here = os.path.dirname(os.path.abspath(__file__))

# name: (term of index k, first index, closed form or None)
SERIES = {
    "ln2": (lambda k: (-1) ** k / (k + 1), 0, lambda: mp.log(2)),
    "pi2over12": (lambda k: (-1) ** (k + 1) / k**2, 1, lambda: mp.pi**2 / 12),
    "zeta2": (lambda k: 1 / k**2, 1, lambda: mp.zeta(2)),
    "zeta3": (lambda k: 1 / k**3, 1, lambda: mp.zeta(3)),
    "altlog": (lambda k: (-1) ** k / mp.log(k), 2, None),
    "cos1overk": (lambda k: mp.cos(k) / k, 1, lambda: -mp.log(2 * mp.sin(mp.mpf(1) / 2))),
    "sin1overk": (lambda k: mp.sin(k) / k, 1, lambda: (mp.pi - 1) / 2),
}


def reference(term, first, closed):
    mp.mp.dps = 40
    if closed:
        return closed()
    return mp.nsum(term, [first, mp.inf])


def bydouble(term, first):
    """nsum at 15 digits and the number of terms it evaluated."""
    calls = [0]

    def counted(k):
        calls[0] += 1
        return term(k)

    mp.mp.dps = 15
    value = mp.nsum(counted, [first, mp.inf])
    return value, calls[0]


with open(os.path.join(here, "series.txt"), "w") as out:
    for name, (term, first, closed) in SERIES.items():
        ref = reference(term, first, closed)
        value, calls = bydouble(term, first)
        mp.mp.dps = 40
        error = abs(value - ref) / abs(ref)
        digits = 17.0 if error == 0 else min(17.0, float(-mp.log10(error)))
        out.write("%s %s %d %.1f\n" % (name, mp.nstr(ref, 25, min_fixed=-1, max_fixed=-1), calls, digits))
