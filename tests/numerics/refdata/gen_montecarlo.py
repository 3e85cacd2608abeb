#!/usr/bin/env python3
"""Exact mean and population variance of the Monte Carlo test sequence.

The sequence y_i = 1e9 + fmod(i * g, 1), i = 1 .. 100000, g = 0.6180339887498949,
formed in double precision exactly as tests/numerics/montecarlo_test.cpp forms
it; mean and variance of those doubles in exact rational arithmetic, written
to 20 digits.  Run once; the table is committed beside this script.
"""
import math
import os
from fractions import Fraction

import mpmath as mp

here = os.path.dirname(os.path.abspath(__file__))
mp.mp.dps = 30

g = 0.6180339887498949
n = 100000
ys = [1e9 + math.fmod(i * g, 1.0) for i in range(1, n + 1)]
exact = [Fraction(y) for y in ys]
mean = sum(exact) / n
variance = sum((y - mean) ** 2 for y in exact) / n

with open(os.path.join(here, "montecarlo.txt"), "w") as out:
    out.write(f"weyl {n} {mp.nstr(mp.mpf(mean.numerator) / mean.denominator, 20)} "
              f"{mp.nstr(mp.mpf(variance.numerator) / variance.denominator, 20)}\n")
