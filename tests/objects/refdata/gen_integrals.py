#!/usr/bin/env python3
"""Reference values of the Romberg test integrals, computed with mpmath.

Each line: name, a, b, the integral to 25 significant digits.
Run once; the table is committed beside this script.
"""
import os

import mpmath as mp

here = os.path.dirname(os.path.abspath(__file__))
mp.mp.dps = 40

# name: (integrand, a, b); the integrands are those of romberg_test.cpp.
INTEGRALS = {
    "square": (lambda x: x**2, 0, 1),
    "exp": (mp.exp, 0, 1),
    "atan": (lambda x: 1 / (1 + x**2), 0, 1),
    "cos20": (lambda x: mp.cos(20 * x), 0, 1),
    "xsin30": (lambda x: x * mp.sin(30 * x), 0, 2),
    "sqrt": (mp.sqrt, 0, 1),
    "quartercircle": (lambda x: mp.sqrt(1 - x**2), 0, 1),
    "runge": (lambda x: 1 / (1 + 25 * x**2), -1, 1),
    "gauss": (lambda x: mp.exp(-x**2), -3, 2),
}

with open(os.path.join(here, "integrals.txt"), "w") as out:
    for name, (f, a, b) in INTEGRALS.items():
        points = [a, b] if name != "xsin30" else mp.linspace(a, b, 21)
        value = mp.quad(f, points)
        out.write(f"{name} {a} {b} {mp.nstr(value, 25)}\n")
