#!/usr/bin/env python3
"""Reference tables for the special functions, computed with mpmath.

Every input is a double that is exactly representable (a multiple of a
power of two, written with repr, which round-trips); every output has 25
significant digits.  One file per function: one case per line, the inputs
then the reference value, separated by blanks.  Run once; the tables are
committed beside this script.
"""
import os
import random

import mpmath as mp

mp.mp.dps = 50
here = os.path.dirname(os.path.abspath(__file__))
rng = random.Random(20261210)


def grid(lo, hi, step=2.0 ** -10):
    """A random double in [lo, hi] on a grid of the given power of two."""
    return round(rng.uniform(lo, hi) / step) * step


def write(name, rows):
    with open(os.path.join(here, name + ".txt"), "w") as f:
        for *inputs, value in rows:
            f.write(" ".join(repr(float(x)) for x in inputs))
            f.write(" " + mp.nstr(value, 25, min_fixed=-1, max_fixed=-1) + "\n")


def cases(count, make):
    rows = []
    while len(rows) < count:
        row = make()
        if row is not None:
            rows.append(row)
    return rows


def nonwhole(x):
    return None if x == int(x) else x


def gamma_row():
    x = nonwhole(grid(-30, 160)) if rng.random() < 0.8 else nonwhole(grid(-1, 6, 2.0 ** -20))
    return None if x is None else (x, mp.gamma(mp.mpf(x)))


def polygamma_rows(k):
    def row():
        x = nonwhole(grid(-20, 100)) if rng.random() < 0.7 else grid(2.0 ** -10, 12, 2.0 ** -20)
        return None if not x else (x, mp.psi(k, mp.mpf(x)))
    return cases(300, row)


def lngam_row():
    x = grid(2.0 ** -20, 1000, 2.0 ** -20) if rng.random() < 0.7 else grid(2.0 ** -10, 5, 2.0 ** -20)
    return None if x <= 0 else (x, mp.loggamma(mp.mpf(x)))


def zeta_row():
    s = grid(-11, 40)
    return None if s == 1 else (s, mp.zeta(mp.mpf(s)))


def zm1_row():
    s = grid(-11, 60)
    return None if s == 1 else (s, mp.zeta(mp.mpf(s)) - 1)


def ellf_row():
    k = grid(-0.999, 0.999)
    phi = grid(-10, 10)
    return (k, phi, mp.ellipf(mp.mpf(phi), mp.mpf(k) ** 2))


def ellk_row():
    k = grid(-0.9999, 0.9999, 2.0 ** -16)
    return (k, mp.ellipk(mp.mpf(k) ** 2))


def argeo_row():
    a, b = grid(0, 1000), grid(0, 1000)
    return (a, b, mp.agm(mp.mpf(a), mp.mpf(b)))


def phi0_row():
    x = grid(-8.5, 8.5)
    return (x, mp.erf(mp.mpf(x) / mp.sqrt(2)) / 2)


def em1_row():
    x = grid(-5, 5, 2.0 ** -20) if rng.random() < 0.5 else grid(-0.25, 0.25, 2.0 ** -30)
    return None if x == 0 else (x, mp.expm1(mp.mpf(x)))


def ln1px_row():
    x = grid(-0.9, 5, 2.0 ** -20) if rng.random() < 0.5 else grid(-0.25, 0.25, 2.0 ** -30)
    return None if x == 0 else (x, mp.log1p(mp.mpf(x)))


def tsch_row():
    x, n = grid(-1, 1), rng.randint(0, 60)
    return (x, n, mp.chebyt(n, mp.mpf(x)))


def legendre_row():
    x, n = grid(-1, 1), rng.randint(0, 60)
    return (x, n, mp.legendre(n, mp.mpf(x)))


def ncr_row():
    if rng.random() < 0.6:
        n = rng.randint(0, 1000)
        k = rng.randint(0, n)
    else:
        n, k = grid(-20, 300, 2.0 ** -4), grid(-10, 100, 2.0 ** -4)
        if n - k == int(n - k) and n - k < 0 or k == int(k) and k < 0:
            return None
        if max(n, abs(k), abs(n - k)) >= 167 and min(k, n - k) <= -1:
            return None  # the logarithmic branch needs positive Gamma arguments
    value = mp.binomial(mp.mpf(n), mp.mpf(k))
    return None if abs(value) > mp.mpf("1e300") else (n, k, value)


def term_sum(terms):
    return mp.fsum(terms)


def binomial_row():
    n = rng.randint(1, 400)
    p = grid(0.001, 0.999)
    a, b = sorted((rng.randint(0, n), rng.randint(0, n)))
    terms = [mp.binomial(n, j) * mp.mpf(p) ** j * (1 - mp.mpf(p)) ** (n - j) for j in range(a, b + 1)]
    return (n, p, a, b, term_sum(terms))


def hgeo_row():
    big = rng.randint(1, 300)
    m, n = rng.randint(0, big), rng.randint(0, big)
    lo, hi = max(0, n - (big - m)), min(m, n)
    a, b = sorted((rng.randint(lo, hi), rng.randint(lo, hi)))
    total = mp.binomial(big, n)
    terms = [mp.binomial(m, j) * mp.binomial(big - m, n - j) / total for j in range(a, b + 1)]
    return (big, m, n, a, b, term_sum(terms))


def tangent(n):
    if n % 2 == 0:
        return mp.mpf(0)
    k = (n + 1) // 2
    return (-1) ** (k - 1) * 2 ** (2 * k) * (2 ** (2 * k) - 1) * mp.bernoulli(2 * k) / (2 * k)


write("gamma", cases(400, gamma_row))
write("lngam", cases(300, lngam_row))
for k, name in enumerate(["psi", "psi1", "psi2", "psi3"]):
    write(name, polygamma_rows(k))
write("zeta", cases(300, zeta_row))
write("zm1", cases(300, zm1_row))
write("ellF", cases(300, ellf_row))
write("ellK", cases(200, ellk_row))
write("argeo", cases(200, argeo_row))
write("phi0", cases(300, phi0_row))
write("em1", cases(300, em1_row))
write("ln1px", cases(300, ln1px_row))
write("Tsch", cases(300, tsch_row))
write("Legendre", cases(300, legendre_row))
write("ncr", cases(300, ncr_row))
write("Binomial", cases(200, binomial_row))
write("Hgeo", cases(200, hgeo_row))
write("Ber", [(n, mp.bernoulli(n)) for n in range(0, 187)])
write("Eul", [(n, mp.eulernum(n)) for n in range(0, 183)])
write("Tangent", [(n, tangent(n)) for n in range(0, 184)])


def gammatiny_rows():
    """Gamma left of -170.5, where it is a subnormal double or a tiny normal
    one (next to the poles), down to -185, where it underflows to 0."""
    local = random.Random(47)
    rows = []
    while len(rows) < 300:
        r = local.random()
        if r < 0.6:
            x = round(local.uniform(-185 if r < 0.1 else -178, -170.5) * 2 ** 10) / 2 ** 10
        else:
            n = local.randint(171, 185)
            x = -n + local.choice([-1, 1]) * local.randint(1, 2 ** 12) * 2.0 ** local.randint(-45, -12)
        if x == int(x) or x >= -170.5:
            continue
        rows.append((x, mp.gamma(mp.mpf(x))))
    return rows


write("gammatiny", gammatiny_rows())
