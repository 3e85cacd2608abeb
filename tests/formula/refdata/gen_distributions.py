#!/usr/bin/env python3
"""Sweeps of the cumulative binomial and hypergeometric distributions,
Binomial(n, p, a, b) = P(a <= X <= b) and Hgeo(N, m, n, a, b), in the format
of gen_sweep.py (sweep/NAME.txt), with relative errors (no floor).

n and N are spread logarithmically up to 3000, p is a random double, the
bounds random within the support, a third of them from 0.  Binomial's sums
run in mpmath at 60 digits, Hgeo's in exact integers.  Only points whose
true value is a normal double are kept.  Run once; the files are committed.
"""
import math
import os
import random

import mpmath as mp

mp.mp.dps = 60
here = os.path.join(os.path.dirname(os.path.abspath(__file__)), "sweep")
rng = random.Random(3700)
tiny = mp.mpf(2) ** -1022
COUNT = 600


def binomial_sum(n, p, a, b):
    p = mp.mpf(p)
    q = 1 - p
    t = mp.binomial(n, a) * p ** a * q ** (n - a)
    s = t
    for j in range(a, b):
        t = t * (n - j) / (j + 1) * p / q
        s += t
    return s


def binomial_row():
    n = int(math.exp(rng.uniform(0, math.log(3000))))
    p = rng.random()
    a, b = sorted((rng.randint(0, n), rng.randint(0, n)))
    if rng.random() < 0.3:
        a = 0
    return (n, p, a, b), binomial_sum(n, p, a, b)


def hgeo_row():
    big = int(math.exp(rng.uniform(0, math.log(3000))))
    m, n = rng.randint(0, big), rng.randint(0, big)
    lo, hi = max(0, n - (big - m)), min(m, n)
    a, b = sorted((rng.randint(lo, hi), rng.randint(lo, hi)))
    if rng.random() < 0.3:
        a = lo
    total = sum(math.comb(m, j) * math.comb(big - m, n - j) for j in range(a, b + 1))
    return (big, m, n, a, b), mp.mpf(total) / math.comb(big, n)


def sweep(name, formula, row):
    rows = []
    while len(rows) < COUNT:
        args, v = row()
        if tiny <= abs(v) <= 1:
            rows.append((args, v))
    with open(os.path.join(here, name + ".txt"), "w") as f:
        f.write("# formula %s\n# bound 4\n" % formula)
        for args, v in rows:
            f.write(" ".join(repr(float(x)) for x in args) + " " + mp.nstr(v, 25, min_fixed=-1, max_fixed=-1) + "\n")


sweep("Binomial", "npab|Binomial(n,p,a,b)", binomial_row)
sweep("Hgeo", "tmnab|Hgeo(t,m,n,a,b)", hgeo_row)
