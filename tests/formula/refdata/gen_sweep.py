#!/usr/bin/env python3
"""Sweeps of the built-in functions over their whole domains, with values
from mpmath at 40 digits.

Each file sweep/NAME.txt starts with comment lines: "# formula LETTERS|TEXT"
is what the evaluator computes, "# bound B" the largest error allowed in
units in the last place, "# floor F" (optional) a magnitude below which the
error is counted in units of F's last place (functions that oscillate
through zeros, where no method keeps the relative error).  Then one point a
line: the arguments, then the true value.  Points are random doubles (full
53-bit inputs) over the domain and its hard regions: near zeros and poles,
tiny and huge arguments.  Only points whose true value is a normal double
are kept.  Run once; the files are committed beside this script.  Names
on the command line write only those files: the tables after the reseed
at the end come out the same either way.
"""
import math
import os
import random
import sys

import mpmath as mp

mp.mp.dps = 40
here = os.path.join(os.path.dirname(os.path.abspath(__file__)), "sweep")
rng = random.Random(20261225)
tiny, huge = 2.2250738585072014e-308, 1.7976931348623157e308


def u(lo, hi):
    return rng.uniform(lo, hi)


def logu(lo, hi, signed=False):
    x = math.exp(rng.uniform(math.log(lo), math.log(hi)))
    return -x if signed and rng.random() < 0.5 else x


def near(x0, lo=1e-16, hi=0.1):
    return x0 + logu(lo, hi, signed=True)


def pick(*choices):
    """One of the generators, chosen by weight: pick((w, f), ...)."""
    total = sum(w for w, _ in choices)
    r = rng.uniform(0, total)
    for w, f in choices:
        r -= w
        if r <= 0:
            return f()
    return choices[-1][1]()


def normal(v):
    return v is not None and mp.isfinite(v) and tiny <= abs(v) <= huge


# Bounds beyond 4 units: the library's Bessel functions of order n.  The
# three-term recurrences run in long double: 2 units.
bounds = {"Bjn": 64, "Byn": 512, "Tsch": 2, "Legendre": 2}


only = set(sys.argv[1:])


def sweep(name, formula, bound, count, args, value, floor=None):
    if only and name not in only:
        return
    bound = bounds.get(name, bound)
    rows, seen = [], set()
    tries = 0
    while len(rows) < count and tries < 20 * count:
        tries += 1
        xs = args()
        if xs is None or xs in seen or not all(math.isfinite(x) for x in xs):
            continue
        try:
            v = value(*[mp.mpf(x) for x in xs])
        except (ValueError, ZeroDivisionError, mp.libmp.NoConvergence):
            continue
        if v is None or mp.im(v) != 0 or not normal(mp.re(v)):
            continue
        seen.add(xs)
        rows.append((xs, mp.re(v)))
    with open(os.path.join(here, name + ".txt"), "w") as f:
        f.write("# formula %s\n# bound %g\n" % (formula, bound))
        if floor is not None:
            f.write("# floor %g\n" % floor)
        for xs, v in rows:
            f.write(" ".join(repr(x) for x in xs) + " " + mp.nstr(v, 25, min_fixed=-1, max_fixed=-1) + "\n")


def one(f):
    return lambda: (f(),)


def nonwhole(x):
    return None if x == math.floor(x) else x


def one_nonwhole(f):
    def g():
        x = f()
        return None if x == math.floor(x) else (x,)
    return g


wide = lambda: logu(1e-300, 1e300)
wide_signed = lambda: logu(1e-300, 1e300, True)

# Elementary functions.
sweep("sqr", "x|sqr(x)", 4, 600, one(wide), mp.sqrt)
sweep("exp", "x|exp(x)", 4, 600, one(lambda: pick((3, lambda: u(-708, 709)), (1, lambda: logu(1e-300, 1, True)))), mp.exp)
for name, fn in (("ln", mp.log), ("log", mp.log10)):
    sweep(name, "x|%s(x)" % name, 4, 600, one(lambda: pick((3, wide), (1, lambda: near(1.0)))), fn)
trig_arg = lambda: pick((3, lambda: u(-10, 10)), (1, lambda: logu(1e-300, 1e6, True)),
                        (1, lambda: near(rng.randint(-20, 20) * math.pi / 2, 1e-12, 1e-3)))
sweep("sin", "x|sin(x)", 4, 600, one(trig_arg), mp.sin)
sweep("cos", "x|cos(x)", 4, 600, one(trig_arg), mp.cos)
sweep("tan", "x|tan(x)", 4, 600, one(trig_arg), mp.tan)
unit = lambda: pick((2, lambda: u(-1, 1)), (1, lambda: logu(1e-300, 1, True)),
                    (1, lambda: math.copysign(1 - logu(1e-16, 0.1), rng.random() - 0.5)))
sweep("asn", "x|asn(x)", 4, 600, one(unit), mp.asin)
sweep("acs", "x|acs(x)", 4, 600, one(unit), mp.acos)
sweep("atn", "x|atn(x)", 4, 600, one(wide_signed), mp.atan)
hyp = lambda: pick((2, lambda: u(-710, 710)), (2, lambda: logu(1e-300, 5, True)))
sweep("sinh", "x|sinh(x)", 4, 600, one(hyp), mp.sinh)
sweep("cosh", "x|cosh(x)", 4, 600, one(hyp), mp.cosh)
sweep("tanh", "x|tanh(x)", 4, 600, one(lambda: pick((2, lambda: u(-20, 20)), (2, lambda: logu(1e-300, 5, True)))), mp.tanh)
sweep("acsh", "x|acsh(x)", 4, 800, one(lambda: pick((1, lambda: 1 + logu(1e-16, 1)), (1, lambda: 1 + logu(1, 1e300)))), mp.acosh)
sweep("asnh", "x|asnh(x)", 4, 800, one(wide_signed), mp.asinh)
sweep("atnh", "x|atnh(x)", 4, 800, one(lambda: pick((1, lambda: logu(1e-300, 0.5, True)),
                                                 (1, lambda: math.copysign(1 - logu(1e-16, 0.5), rng.random() - 0.5)))), mp.atanh)
sweep("cur", "x|cur(x)", 4, 600, one(wide_signed), mp.cbrt)
sweep("em1", "x|em1(x)", 4, 800, one(lambda: pick((1, lambda: u(-50, 709)), (2, lambda: logu(1e-300, 2, True)))), mp.expm1)
sweep("ln1px", "x|ln1px(x)", 4, 800, one(lambda: pick((1, lambda: -1 + logu(1e-16, 1)), (2, lambda: logu(1e-300, 2, True)),
                                                  (1, lambda: logu(1, 1e300)))), mp.log1p)
sweep("phi0", "x|phi0(x)", 4, 800, one(lambda: pick((2, lambda: u(-9, 9)), (1, lambda: logu(1e-300, 1, True)))),
      lambda x: mp.erf(x / mp.sqrt(2)) / 2)

# Gamma family.
x0 = float(mp.findroot(mp.digamma, 1.46))
gam_arg = lambda: pick((4, lambda: u(-170, 167.9)), (1, lambda: logu(6e-309, 1, True)),
                       (1, lambda: near(rng.randint(-170, 0), 1e-14, 0.3)), (1, lambda: near(rng.randint(1, 3), 1e-16, 0.3)))
sweep("gam", "x|gam(x)", 4, 1000, one_nonwhole(gam_arg), mp.gamma)
sweep("fact", "x|fact(x)", 4, 600, one_nonwhole(lambda: gam_arg() - 1), lambda x: mp.gamma(x + 1))
lngam_arg = lambda: pick((2, lambda: logu(1e-300, 1e305)), (2, lambda: u(0, 200)),
                         (1, lambda: near(1.0, 1e-16, 0.5)), (1, lambda: near(2.0, 1e-16, 0.5)))
sweep("lngam", "x|lngam(x)", 4, 1000, one(lngam_arg), mp.loggamma)
sweep("lnfac", "x|lnfac(x)", 4, 600, one(lambda: lngam_arg() - 1), lambda x: mp.loggamma(x + 1))
psi_arg = lambda: pick((3, lambda: u(-200, 200)), (1, lambda: logu(1e-300, 1e300)),
                       (1, lambda: near(x0, 1e-16, 0.2)), (1, lambda: -logu(1e5, 1e15) - 0.5))
sweep("psi", "x|psi(x)", 4, 1000, one_nonwhole(psi_arg), mp.digamma)
def harmonic(x):
    with mp.workprec(1300):  # x + 1 exact for tiny x
        return +(mp.digamma(x + 1) + mp.euler)


sweep("harm", "x|harm(x)", 4, 600, one_nonwhole(lambda: pick((3, lambda: u(-0.99, 1000)), (1, lambda: logu(1e-300, 1, True)))),
      harmonic)
pg_arg = lambda: pick((3, lambda: u(-50, 100)), (1, lambda: logu(1e-100, 1e100)))
for k in (1, 2, 3):
    sweep("psi%d" % k, "x|psi%d(x)" % k, 4, 600, one_nonwhole(pg_arg), lambda x, k=k: mp.psi(k, x))
gd_arg = lambda: pick((3, lambda: u(-20, 160)), (1, lambda: near(x0, 1e-16, 0.2)))
sweep("gam1", "x|gam1(x)", 4, 600, one_nonwhole(gd_arg), lambda x: mp.diff(mp.gamma, x))
sweep("gam2", "x|gam2(x)", 4, 400, one_nonwhole(lambda: u(-20, 160)), lambda x: mp.diff(mp.gamma, x, 2))
sweep("gam3", "x|gam3(x)", 4, 400, one_nonwhole(lambda: u(-20, 160)), lambda x: mp.diff(mp.gamma, x, 3))


def ncr_args():
    r = rng.random()
    if r < 0.4:
        n = float(rng.randint(0, 2000))
        return (n, float(rng.randint(0, int(n))))
    if r < 0.7:
        n = float(int(logu(10, 1e15)))
        return (n, float(rng.randint(0, 40)))
    if r < 0.8:
        return (u(-300, 1e6), float(rng.randint(0, 200)))
    n, k = u(-30, 166), u(-20, 150)
    if (n - k == math.floor(n - k) and n - k < 0) or (k == math.floor(k) and k < 0) or abs(n - k) >= 166:
        return None
    return (n, k)


def binomial(n, k):
    """Beyond the range of Gamma, ncr refuses results from 1e300 on."""
    v = mp.binomial(n, k)
    large = max(n, abs(k), abs(n - k)) >= 167
    return None if large and abs(v) >= mp.mpf("1e300") else v


sweep("ncr", "nk|ncr(n,k)", 4, 1000, ncr_args, binomial)
# Neither k nor n - k whole, beyond the range of Gamma.
sweep("ncrfrac", "nk|ncr(n,k)", 4, 400, lambda: (u(167, 1000), u(-20, 500)), binomial)

# Zeta family.
zeta_arg = lambda: pick((3, lambda: u(-260, 60)), (1, lambda: near(1.0, 1e-16, 0.5)), (1, lambda: logu(1e-300, 1, True)),
                        (1, lambda: near(-2.0 * rng.randint(1, 120), 1e-14, 0.3)))
sweep("zeta", "s|zeta(s)", 4, 1000, one(zeta_arg), mp.zeta)
def zetaminus1(s):
    with mp.workdps(40 + int(max(0, s))):  # zeta(s) - 1 is about 2^-s
        return +(mp.zeta(s) - 1)


sweep("zm1", "s|zm1(s)", 4, 1000, one(lambda: pick((4, zeta_arg), (1, lambda: u(60, 1070)))), zetaminus1)

# Elliptic integrals and the AGM.
kk = lambda: pick((2, lambda: u(-1, 1)), (1, lambda: math.copysign(1 - logu(1e-16, 0.1), rng.random() - 0.5)),
                  (1, lambda: logu(1e-300, 1e-3, True)))
phi = lambda: pick((2, lambda: u(-20, 20)), (1, lambda: logu(1e-300, 1, True)), (1, lambda: near(math.pi / 2, 1e-16, 0.1)))
sweep("ellF", "kp|ellF(k,p)", 4, 1000, lambda: (kk(), phi()), lambda k, p: mp.ellipf(p, k * k))
sweep("ellK", "k|ellK(k)", 4, 800, one(kk), lambda k: mp.ellipk(k * k))
sweep("argeo", "ab|argeo(a,b)", 4, 1000, lambda: (logu(1e-300, 1e308), logu(1e-300, 1e308)), mp.agm)

# Bessel functions: their values oscillate through zeros; the error is
# counted against the envelope's last place (floor) as well.
bx = lambda: pick((3, lambda: u(0, 100)), (1, lambda: logu(1e-300, 1e6)))
sweep("Bj0", "x|Bj0(x)", 4, 800, one(bx), lambda x: mp.besselj(0, x), floor=0.01)
sweep("Bj1", "x|Bj1(x)", 4, 800, one(bx), lambda x: mp.besselj(1, x), floor=0.01)
sweep("By0", "x|By0(x)", 4, 800, one(bx), lambda x: mp.bessely(0, x), floor=0.01)
sweep("By1", "x|By1(x)", 4, 800, one(bx), lambda x: mp.bessely(1, x), floor=0.01)
nx = lambda: (float(rng.randint(-60, 200)), u(0, 300))
sweep("Bjn", "nx|Bjn(n,x)", 8, 600, nx, lambda n, x: mp.besselj(n, x), floor=0.01)
sweep("Byn", "nx|Byn(n,x)", 8, 600, lambda: (float(rng.randint(-60, 200)), u(0.5, 300)),
      lambda n, x: mp.bessely(n, x), floor=0.01)

# Orthogonal polynomials: on [-1, 1] bounded by 1, with zeros all over.
tx = lambda: pick((3, lambda: u(-1, 1)), (1, lambda: u(-3, 3)))
sweep("Tsch", "xn|Tsch(x,n)", 8, 800, lambda: (tx(), float(rng.randint(0, 2000))), lambda x, n: mp.chebyt(n, x), floor=1)
sweep("Legendre", "xn|Legendre(x,n)", 8, 800, lambda: (tx(), float(rng.randint(0, 600))),
      lambda x, n: mp.legendre(n, x), floor=1)

# Hard regions on their own, each table from a seed of its own.
def reseed(name):
    global rng
    rng = random.Random(name)


# ln Gamma(1 + x) for small x, where forming 1 + x loses x's low bits.
def lnfactorial(x):
    with mp.workprec(1300):  # x + 1 exact for tiny x
        return +mp.loggamma(x + 1)


reseed("lnfacsmall")
sweep("lnfacsmall", "x|lnfac(x)", 4, 400,
      one(lambda: pick((2, lambda: logu(1e-300, 1e-3, True)), (1, lambda: u(-0.5, 2)))),
      lnfactorial)


# ncr beyond the long double Gamma: n, k or n - k from 1700 up to 1e300,
# neither k nor n - k whole.  The binomial in enough digits that n - k is
# exact.
def ncr_large_args():
    big = lambda: logu(1700, 1e300, True)
    r = rng.random()
    if r < 0.4:
        n, k = big(), u(-30, 60)
    elif r < 0.7:
        n = logu(1700, 1e15, True)
        k = n - u(-30, 60)
    else:
        n, k = u(-30, 30), big()
    return None if k == math.floor(k) or n - k == math.floor(n - k) else (n, k)


def binomial_large(n, k):
    with mp.workdps(60 + int(mp.log10(max(abs(n), abs(k))))):
        return +mp.binomial(n, k)


reseed("ncrlarge")
sweep("ncrlarge", "nk|ncr(n,k)", 4, 600, ncr_large_args, binomial_large)


# J0, J1, Y0, Y1 next to their first 100 zeros (x up to about 315), counted
# against the value's own last place: from the double nearest to a zero
# out to a unit away, where the library's values take over again.
def nearzero_args(zero):
    zeros = {}

    def args():
        s = rng.randint(1, 100)
        if s not in zeros:
            zeros[s] = float(zero(s))
        z = zeros[s]
        return (z,) if rng.random() < 0.05 else (z + logu(1e-16 * z, 1, True),)
    return args


def nearzerovalue(f, order, x):
    with mp.workdps(100):  # the value is what is left of the envelope
        return +f(order, x)


for name, order, zero, f in (("Bj0", 0, mp.besseljzero, mp.besselj), ("Bj1", 1, mp.besseljzero, mp.besselj),
                             ("By0", 0, mp.besselyzero, mp.bessely), ("By1", 1, mp.besselyzero, mp.bessely)):
    reseed(name + "zeros")
    sweep(name + "zeros", "x|%s(x)" % name, 4, 400, nearzero_args(lambda s, order=order, zero=zero: zero(order, s)),
          lambda x, order=order, f=f: nearzerovalue(f, order, x))
