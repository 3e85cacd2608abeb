#!/usr/bin/env python3
"""Reference quotients and absolute values of complex numbers, with mpmath.

The parts are doubles of random sign, mantissa and binary exponent over the
whole range, subnormal ones included, most of them beyond 2^+-500 where the
squares leave the double range; only points whose true value has a normal
magnitude are kept.  Rows: "div a.re a.im b.re b.im q.re q.im" and
"abs re im |z|", the values with 25 significant digits.  Run once; the table
is committed beside this script.
"""
import os
import random

import mpmath as mp

mp.mp.dps = 60
here = os.path.dirname(os.path.abspath(__file__))
rng = random.Random(20261211)
DBL_MIN, DBL_MAX = mp.mpf(2) ** -1022, mp.mpf(2) ** 1024 * (1 - mp.mpf(2) ** -53)


def part():
    r = rng.random()
    if r < 0.05:
        return 0.0
    e = rng.randint(-1074, 1023) if r < 0.45 else rng.choice([-1, 1]) * rng.randint(480, 1023)
    e = max(e, -1074)
    return rng.choice([-1.0, 1.0]) * float(mp.ldexp(mp.mpf(1) + mp.rand(), e))


def normal(v):
    return DBL_MIN <= abs(v) <= DBL_MAX


def nstr(v):
    return mp.nstr(v, 25, min_fixed=-1, max_fixed=-1)


def division():
    a, b = mp.mpc(part(), part()), mp.mpc(part(), part())
    if b == 0:
        return None
    q = a / b
    if not normal(abs(q)) or not all(normal(c) or c == 0 for c in (q.real, q.imag)):
        return None
    vals = [a.real, a.imag, b.real, b.imag]
    return "div " + " ".join(repr(float(v)) for v in vals) + " " + nstr(q.real) + " " + nstr(q.imag)


def absolute():
    z = mp.mpc(part(), part())
    v = abs(z)
    return None if not normal(v) else f"abs {float(z.real)!r} {float(z.imag)!r} {nstr(v)}"


def rows(count, make):
    out = []
    while len(out) < count:
        r = make()
        if r is not None:
            out.append(r)
    return out


with open(os.path.join(here, "complex.txt"), "w") as f:
    f.write("# op  operands  true value (mpmath, 60 digits, rounded to 25)\n")
    for line in rows(500, division) + rows(300, absolute):
        f.write(line + "\n")
