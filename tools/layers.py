#!/usr/bin/env python3
"""The layer check: every include of the program's own headers points down.

    tools/layers.py              fails (status 1) on an include of a higher layer
    tools/layers.py --cycles     also prints the largest include cycle
    tools/layers.py --libs DIR   also fails when a layer's library in the build
                                 folder DIR uses a symbol that only a higher
                                 layer's library defines (a call up that
                                 bypasses the hooks without an include)

The layers, lowest first, are the folders of LAYERS; a file may include
headers of its own layer and of the layers below.  VEMDRAW is a second
stack: its one layer (DRAW) sits on DRAWBASE and the layers below it,
beside VEMO's layers above DRAWBASE; neither includes the other, and only
its program entry (DRAWMAIN) includes the fronts.  The two fronts sit on
platform/core beside the layers: only the application and the tests include
them.  A test folder tests/<layer> is held to that layer; tests may use the
fixtures of lower test folders.  Upward calls go through the hook table of
the lower layer (<layer>/hooks.h), which the layer above fills at start-up.
"""
import os
import re
import subprocess
import sys
from collections import defaultdict

LAYERS = ["base", "platform/core", "math", "formula", "screen", "objects",
          "calculator", "numerics", "plots", "revolver", "app"]
FRONTS = ["platform/headless", "platform/gtk"]
TOOLS = {"tools": "app", "bench": "app"}
DRAW, DRAWBASE, DRAWMAIN = "vemdraw", "math", "vemdraw/main.cpp"
DRAWTOOLS = ("bench/vemdraw", "tools/fuzzvemdraw")

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')
SOURCES = (".h", ".cpp", ".inc")


def layerof(path):
    """The layer (index into LAYERS) a path belongs to, or a front's name."""
    if path.startswith("tests/"):
        path = path[len("tests/"):]
    for front in FRONTS:
        if path.startswith(front + "/"):
            return front
    if path.startswith((DRAW + "/",) + DRAWTOOLS):
        return DRAW
    for i, layer in enumerate(LAYERS):
        if path.startswith(layer + "/"):
            return i
    top = path.split("/", 1)[0]
    if top in TOOLS:
        return LAYERS.index(TOOLS[top])
    if path.startswith("platform/"):   # tests/platform: core and the fronts
        return len(LAYERS)
    return None


def allowed(src, dst):
    a, b = layerof(src), layerof(dst)
    if a is None or b is None or a == b:
        return True
    if b == DRAW:                       # the second stack is nobody's base
        return False
    if a == DRAW:
        if isinstance(b, str):          # a front: the entry and the tests
            return src == DRAWMAIN or src.startswith("tests/")
        return b <= LAYERS.index(DRAWBASE)
    if isinstance(b, str):              # a front: the application, tests
        return a == LAYERS.index("app") or src.startswith("tests/") or a == len(LAYERS)
    if isinstance(a, str):              # a front includes platform/core only
        return b <= LAYERS.index("platform/core")
    return b <= a


def sources():
    for top in [l.split("/")[0] for l in LAYERS] + [DRAW, "tests", "tools", "bench"]:
        for folder, _, names in os.walk(os.path.join(ROOT, top)):
            for name in sorted(names):
                if name.endswith(SOURCES):
                    yield os.path.relpath(os.path.join(folder, name), ROOT)


def includes(path):
    with open(os.path.join(ROOT, path), errors="replace") as f:
        for number, line in enumerate(f, 1):
            m = INCLUDE.match(line)
            if m:
                yield number, m.group(1)


def check(files):
    bad = 0
    for path in files:
        for number, target in includes(path):
            if "/" in target and not allowed(path, target):
                print(f"{path}:{number}: includes {target}, a higher layer", file=sys.stderr)
                bad += 1
    return bad


def largestcycle(files):
    """The largest strongly connected set of modules (a header and its
    source file are one module) in the include graph of the program."""
    module = lambda p: re.sub(r"\.(h|cpp)$", "", p)
    graph = defaultdict(set)
    known = set(files)
    for path in files:
        if path.startswith(("tests/", "tools/", "bench/")):
            continue
        graph[module(path)]
        for _, target in includes(path):
            if target in known and module(target) != module(path):
                graph[module(path)].add(module(target))
    index, low, stack, onstack, best = {}, {}, [], set(), []
    for start in list(graph):       # Tarjan's algorithm, iterative
        if start in index:
            continue
        work = [(start, iter(graph[start]))]
        index[start] = low[start] = len(index)
        stack.append(start)
        onstack.add(start)
        while work:
            node, edges = work[-1]
            for nxt in edges:
                if nxt not in index:
                    index[nxt] = low[nxt] = len(index)
                    stack.append(nxt)
                    onstack.add(nxt)
                    work.append((nxt, iter(graph[nxt])))
                    break
                if nxt in onstack:
                    low[node] = min(low[node], index[nxt])
            else:
                work.pop()
                if work:
                    low[work[-1][0]] = min(low[work[-1][0]], low[node])
                if low[node] == index[node]:
                    part = []
                    while True:
                        top = stack.pop()
                        onstack.discard(top)
                        part.append(top)
                        if top == node:
                            break
                    if len(part) > len(best):
                        best = part
    return sorted(best)


def symbols(library):
    """The external symbols a static library defines and those it uses."""
    out = subprocess.run(["nm", "--defined-only", "--extern-only", "-j", library],
                         capture_output=True, text=True, check=True).stdout
    defined = {line for line in out.split() if line and not line.endswith(":")}
    out = subprocess.run(["nm", "--undefined-only", "-j", library],
                         capture_output=True, text=True, check=True).stdout
    used = {line for line in out.split() if line and not line.endswith(":")}
    return defined, used


def libraryof(build, layer):
    name = "vemo" + layer if "/" not in layer else "platform/lib" + layer.replace("/", "")
    return os.path.join(build, name if "/" in name else "lib" + name) + ".a"


def checklibraries(build):
    present = [(l, libraryof(build, l)) for l in LAYERS]
    tables = [(l, p) + symbols(p) for l, p in present if os.path.exists(p)]
    drawpath = libraryof(build, DRAW)
    draw = [(DRAW, drawpath) + symbols(drawpath)] if os.path.exists(drawpath) else []
    bad = 0
    for i, (layer, path, _, used) in enumerate(tables):
        below = set().union(*(d for _, _, d, _ in tables[:i + 1]))
        for upper, _, defined, _ in tables[i + 1:] + draw:
            for name in sorted((used & defined) - below):
                print(f"{path}: uses {name}, defined only in {upper}", file=sys.stderr)
                bad += 1
    base = LAYERS.index(DRAWBASE)
    for _, path, owned, used in draw:
        below = owned.union(*(d for l, _, d, _ in tables if LAYERS.index(l) <= base))
        for upper, _, defined, _ in tables:
            if LAYERS.index(upper) > base:
                for name in sorted((used & defined) - below):
                    print(f"{path}: uses {name}, defined only in {upper}", file=sys.stderr)
                    bad += 1
    return bad


def main():
    files = list(sources())
    bad = check(files)
    if "--libs" in sys.argv:
        bad += checklibraries(sys.argv[sys.argv.index("--libs") + 1])
    if "--cycles" in sys.argv:
        cycle = largestcycle(files)
        folders = sorted({os.path.dirname(m) for m in cycle})
        print(f"largest include cycle: {len(cycle)} modules in {', '.join(folders) or 'none'}")
        for m in cycle:
            print("  " + m)
    if bad:
        print(f"layer check: {bad} use(s) of a higher layer", file=sys.stderr)
        return 1
    print("layer check: every include points down")
    return 0


if __name__ == "__main__":
    sys.exit(main())
