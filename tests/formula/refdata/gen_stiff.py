#!/usr/bin/env python3
"""Reference end states of two stiff systems, computed with implicit solvers.

Robertson's chemical kinetics from (1, 0, 0) to t = 40, and van der Pol's
oscillator with mu = 1000 from y = 2, y' = 0 to t = 3000.  Each is solved
with scipy's Radau (order 5) at rtol 1e-13 and 1e-12 and with LSODA at
1e-12; the table holds the Radau values at 1e-13 and, as the last column of
each row, the largest relative difference between the runs, an estimate of
the reference's own error.  Run once (needs scipy: the Debian package python3-scipy); the
table is committed beside this script.
"""
import os

from scipy.integrate import solve_ivp

here = os.path.dirname(os.path.abspath(__file__))


def robertson(t, y):
    return [-0.04 * y[0] + 1e4 * y[1] * y[2],
            0.04 * y[0] - 1e4 * y[1] * y[2] - 3e7 * y[1] ** 2,
            3e7 * y[1] ** 2]


def robertson_jac(t, y):
    return [[-0.04, 1e4 * y[2], 1e4 * y[1]],
            [0.04, -1e4 * y[2] - 6e7 * y[1], -1e4 * y[1]],
            [0, 6e7 * y[1], 0]]


MU = 1000.0


def vanderpol(t, y):
    return [y[1], MU * (1 - y[0] ** 2) * y[1] - y[0]]


def vanderpol_jac(t, y):
    return [[0, 1], [-2 * MU * y[0] * y[1] - 1, MU * (1 - y[0] ** 2)]]


def solve(f, jac, y0, end, method, rtol):
    r = solve_ivp(f, (0, end), y0, method=method, jac=jac, rtol=rtol, atol=rtol * 1e-8)
    assert r.success, r.message
    return r.y[:, -1]


RUNS = (("Radau", 1e-13), ("Radau", 1e-12), ("LSODA", 1e-12))


def row(name, f, jac, y0, end):
    runs = [solve(f, jac, y0, end, m, tol) for m, tol in RUNS]
    best = runs[0]
    spread = max(abs(r[i] - best[i]) / abs(best[i]) for r in runs[1:] for i in range(len(best)))
    return name, end, best, spread


rows = [row("robertson", robertson, robertson_jac, [1.0, 0.0, 0.0], 40.0),
        row("vanderpol", vanderpol, vanderpol_jac, [2.0, 0.0], 3000.0)]
with open(os.path.join(here, "stiff.txt"), "w") as out:
    out.write("# system  end  state at the end ...  relative spread of the reference runs\n")
    for name, end, y, spread in rows:
        out.write(f"{name} {end!r} " + " ".join(repr(float(v)) for v in y) + f" {spread:.2e}\n")
