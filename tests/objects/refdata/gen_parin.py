#!/usr/bin/env python3
"""Reference values of the parameter integrals of the composite-object tests.

Each line: object name, its arguments (comma-separated), and the integral
to 20 significant digits by mpmath's quad at 40 digits.  The integrands
are those of the records in tests/objects/compositeintegrals_test.cpp.
Run once; the table is committed beside this script.
"""
import os

import mpmath as mp

mp.mp.dps = 40
here = os.path.dirname(os.path.abspath(__file__))


def poly(x):
    """The finite sum called by the nested integrand: x^0 + ... + x^4."""
    return mp.fsum(x**k for k in range(5))


# name: (integrand of the arguments and the parameter, limits, argument tuples)
INTEGRALS = {
    "expa": (lambda a, x: mp.exp(a * x), lambda a: (0, 1), [(1,), (2.5,), (-3,)]),
    "gauss": (lambda b, x: mp.exp(-x * x), lambda b: (0, b), [(0.5,), (1,), (2,)]),
    "besj": (lambda n, z, t: mp.cos(n * t - z * mp.sin(t)) / mp.pi, lambda n, z: (0, mp.pi),
             [(0, 1.5), (1, 1.5), (2, 4)]),
    "arct": (lambda x: 1 / (1 + x * x), lambda: (0, 1), [()]),
    "nested": (lambda a, x: poly(x) + (mp.exp(x) if a != 0 else mp.cos(x)), lambda a: (0, 1), [(1,), (0,)]),
}

with open(os.path.join(here, "parin.txt"), "w") as out:
    out.write("# name|arguments|integral (mpmath quad, 40 digits)\n")
    for name, (f, limits, argsets) in INTEGRALS.items():
        for args in argsets:
            a, b = limits(*args)
            value = mp.quad(lambda x: f(*args, x), [a, b])
            out.write("%s|%s|%s\n" % (name, ",".join(str(v) for v in args), mp.nstr(value, 20)))
