#!/usr/bin/env python3
"""Summarises bench_vsmuparser: ns per evaluation for each formula, the
ratio of the evaluator to muParser (with and without its optimizer) and to
native C++, and their geometric means.  Usage: bench_vsmuparser --benchmark_format=json | tools/benchsummary.py"""
import json
import math
import sys

times = {}
for b in json.load(sys.stdin)["benchmarks"]:
    engine, case = b["name"].split("/", 1)
    times.setdefault(case, {})[engine] = b["cpu_time"]

print(f"{'formula':15} {'vemo ns':>8} {'muparser':>8} {'unopt.':>8} {'native':>8}"
      f" {'vemo/mu':>8} {'vemo/unopt.':>11} {'vemo/native':>11}")
ratios, plain, floors = [], [], []
for case, t in times.items():
    r, u, f = t["vemo"] / t["muparser"], t["vemo"] / t["unoptimized"], t["vemo"] / t["native"]
    ratios.append(r)
    plain.append(u)
    floors.append(f)
    print(f"{case:15} {t['vemo']:8.1f} {t['muparser']:8.1f} {t['unoptimized']:8.1f} {t['native']:8.1f}"
          f" {r:8.2f} {u:11.2f} {f:11.2f}")
geo = lambda xs: math.exp(sum(map(math.log, xs)) / len(xs))
print(f"{'geometric mean':15} {'':8} {'':8} {'':8} {'':8} {geo(ratios):8.2f} {geo(plain):11.2f} {geo(floors):11.2f}")
