#!/usr/bin/env python3
"""References of the recognizer tests: mpmath's findpoly on the doubles.

Each line: name, the double (17 digits), then the integer coefficients of
the minimal polynomial of degree 1 or 2 that mpmath.findpoly finds for the
double at 15 digits (highest degree first, leading coefficient positive),
or "none" where it finds none with coefficients up to 10^4 (the near
misses), and mpmath.identify's closed form for the record.  Run once; the
table is committed beside this script.
"""
import os

import mpmath as mp

here = os.path.dirname(os.path.abspath(__file__))

VALUES = {
    "threequarters": 0.75,
    "minusthreequarters": -0.75,
    "two": 2.0,
    "seventh": 1 / 7,
    "seventhirds": 7 / 3,
    "milu": 355 / 113,
    "sqrt2": 2**0.5,
    "golden": (1 + 5**0.5) / 2,
    "threesqrt7": (3 + 7**0.5) / 4,
    "minussqrt3half": -(3**0.5) / 2,
    "twominussqrt2": 2 - 2**0.5,
    "sqrt13third": 13**0.5 / 3,
    "pi": 3.141592653589793,
    "e": 2.718281828459045,
    "nearquarter": 0.7501234,
    "decimal": 1.4146,
    "nearsqrt2": 2**0.5 + 1.2345678e-4,
    "ln2": 0.6931471805599453,
}

mp.mp.dps = 15
with open(os.path.join(here, "recognizer.txt"), "w") as out:
    for name, x in VALUES.items():
        v = mp.mpf(x)
        poly = None
        for degree in (1, 2):
            poly = mp.findpoly(v, degree, maxcoeff=10**4)
            if poly:
                break
        if poly and poly[0] < 0:
            poly = [-c for c in poly]
        ident = mp.identify(v) or "-"
        coeffs = " ".join(str(int(c)) for c in poly) if poly else "none"
        out.write(f"{name} {x!r} {coeffs} # {ident.replace(' ', '')}\n")
