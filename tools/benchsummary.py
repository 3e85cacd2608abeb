#!/usr/bin/env python3
"""Summarises bench_vsmuparser: ns per evaluation for each formula, the
ratio of the evaluator to muParser and to native C++, and their geometric
means.  Usage: bench_vsmuparser --benchmark_format=json | tools/benchsummary.py"""
import json
import math
import sys

times = {}
for b in json.load(sys.stdin)["benchmarks"]:
    engine, case = b["name"].split("/", 1)
    times.setdefault(case, {})[engine] = b["cpu_time"]

print(f"{'formula':15} {'vemo ns':>9} {'muparser':>9} {'native':>8} {'vemo/mu':>8} {'vemo/native':>11}")
ratios, floors = [], []
for case, t in times.items():
    r, f = t["vemo"] / t["muparser"], t["vemo"] / t["native"]
    ratios.append(r)
    floors.append(f)
    print(f"{case:15} {t['vemo']:9.1f} {t['muparser']:9.1f} {t['native']:8.1f} {r:8.2f} {f:11.2f}")
geo = lambda xs: math.exp(sum(map(math.log, xs)) / len(xs))
print(f"{'geometric mean':15} {'':9} {'':9} {'':8} {geo(ratios):8.2f} {geo(floors):11.2f}")
