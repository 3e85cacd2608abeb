#!/usr/bin/python3
"""The README's tour, run headless as the README writes it.

The tour's keys are the README's code blocks marked ```tour NAME (typed into
VEMO, a screen dump after each) and ```tour-vemdraw NAME (given to the
VEMDRAW that VEMO starts on the printed plot).  VEMO runs from a copy
beside a starter named vemdraw, where it looks for VEMDRAW first; the
starter runs the built VEMDRAW headless on the VEMDRAW blocks.

    tour.py check BUILD_DIR            runs the tour and checks what each
                                       step shows; status 1 with faults
    tour.py pictures BUILD_DIR DOCS    runs it and writes the README's
                                       pictures into DOCS
"""
import math
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

from PIL import Image

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
README = os.path.join(ROOT, "README.md")
BLOCK = re.compile(r"^```(tour|tour-vemdraw) (\w+)\n(.*?)^```", re.M | re.S)


def steps():
    """The tour's blocks in order: (program, name, items)."""
    with open(README, encoding="utf-8") as f:
        text = f.read()
    return [(m.group(1), m.group(2), "".join(m.group(3).split("\n"))) for m in BLOCK.finditer(text)]


def run(build, folder):
    """Runs the tour in folder; VEMO's exit status."""
    bindir = os.path.join(folder, "bin")
    for d in ("bin", "work", "vemo", "vemdraw"):
        os.makedirs(os.path.join(folder, d))
    shutil.copy(os.path.join(build, "bin", "vemo"), bindir)
    # A dump after each step, but the last of VEMO's: it quits.
    blocks = steps()
    last = max(i for i, b in enumerate(blocks) if b[0] == "tour")
    vemoscript, drawscript = "", "<dump diagram>"
    for i, (program, name, items) in enumerate(blocks):
        if program == "tour":
            vemoscript += items + ("" if i == last else "<dump %s>" % name)
        else:
            drawscript += items + "<dump %s>" % name
    write(os.path.join(folder, "vemo.txt"), vemoscript)
    write(os.path.join(folder, "vemdraw.txt"), drawscript)
    starter = os.path.join(bindir, "vemdraw")
    write(starter, '#!/bin/sh\necho "$*" >> %s/started\nexec %s/bin/vemdraw --headless --script %s/vemdraw.txt '
          '--out %s/vemdraw --timeout 30 "$@"\n' % (folder, os.path.abspath(build), folder, folder))
    os.chmod(starter, 0o755)
    done = subprocess.run([os.path.join(bindir, "vemo"), "--headless", "--script", os.path.join(folder, "vemo.txt"),
                           "--out", os.path.join(folder, "vemo"), "--timeout", "30"],
                          cwd=os.path.join(folder, "work"), stdout=subprocess.DEVNULL)
    # VEMDRAW runs on after VEMO has quit: wait for its last dump.
    drawn = [name for program, name, _ in blocks if program == "tour-vemdraw"][-1:]
    for _ in range(600):
        if not drawn or os.path.exists(os.path.join(folder, "vemdraw", drawn[0] + ".txt")):
            break
        time.sleep(0.05)
    return done.returncode


def write(path, text):
    with open(path, "w", encoding="utf-8") as f:
        f.write(text)


def read(path):
    try:
        with open(path, encoding="utf-8", errors="replace") as f:
            return f.read()
    except OSError:
        return ""


def pixels(png, colour, box=None):
    """Pixels of about that colour (each channel within 40)."""
    image = Image.open(png).convert("RGB")
    if box:
        image = image.crop(box)
    return sum(1 for p in image.getdata() if all(abs(a - b) <= 40 for a, b in zip(p, colour)))


# The curves: red on paper, red and cyan on the text screen.
RED, SCREENRED, CYAN = (255, 0, 0), (255, 64, 64), (0, 255, 255)


def number(text, before):
    """The number written after the text before, or None."""
    m = re.search(re.escape(before) + r"\s*([-+0-9.eE]+)", text)
    return float(m.group(1)) if m else None


# Each step's check: (folder, what the dumps hold) -> faults.
def computed(f, dump):
    # sin(2)*2, as the value line shows 15 digits.
    return [] if "%.15g" % (math.sin(2) * 2) in dump("computed") else ["no value sin(2)*2 on the screen"]


def turned(f, dump):
    return [] if dump("turned").startswith("Calculator 2") else ["the ring did not turn to calculator 2"]


def back(f, dump):
    return [] if dump("back").startswith("Calculator 1") else ["the ring did not turn back"]


def integrated(f, dump):
    # The integral of x sin x from 0 to pi is pi.
    value = number(dump("integrated"), "numeric integration result:")
    return [] if value is not None and abs(value - math.pi) < 1e-13 else ["integral %s, not pi" % value]


def fastplot(f, dump):
    # The curve's colour in the pane below the value line, and not before.
    box = (0, 130, 800, 540)
    before = pixels(os.path.join(f, "vemo", "integrated.png"), CYAN, box)
    after = pixels(os.path.join(f, "vemo", "fastplot.png"), CYAN, box)
    return [] if before == 0 and after > 500 else ["fastplot: %d curve pixels, %d before" % (after, before)]


def designer(f, dump):
    faults = [] if "panel 1 at" in dump("designer") and "panel 2 at" in dump("designer") else ["no plot panels"]
    red = pixels(os.path.join(f, "vemo", "designer.png"), SCREENRED)
    return faults + ([] if red > 300 else ["designer plot: %d red pixels" % red])


def printed(f, dump):
    rkp = os.path.join(f, "work", "TOUR.RKP")
    if not os.path.isfile(rkp):
        return ["no TOUR.RKP written"]
    faults = []
    check = subprocess.run([sys.executable, os.path.join(ROOT, "tests", "vemdraw", "rkpfile.py"), "check", rkp],
                           capture_output=True, text=True)
    if check.stdout != "ok\n":
        faults.append("TOUR.RKP: " + check.stdout)
    if read(os.path.join(f, "started")) != rkp + "\n":
        faults.append("VEMDRAW started with: %r" % read(os.path.join(f, "started")))
    shown = read(os.path.join(f, "vemdraw", "diagram.txt"))
    if not shown.startswith("title: Vemdraw  " + rkp + "\n"):
        faults.append("VEMDRAW shows: %r" % shown)
    red = pixels(os.path.join(f, "vemdraw", "diagram.png"), RED)
    return faults + ([] if red > 300 else ["VEMDRAW's diagram: %d red pixels" % red])


def exported(f, dump):
    gif = os.path.join(f, "work", "TOUR.GIF")
    try:
        image = Image.open(gif)
        image.load()
    except OSError as e:
        return ["TOUR.GIF: %s" % e]
    log = read(os.path.join(f, "vemdraw", "dialogs.txt"))
    size = (number(log, "1057="), number(log, "1049="))
    faults = [] if image.format == "GIF" and image.size == size else ["GIF %s %s, asked %s" % (image.format, image.size, size)]
    red = pixels(gif, RED)
    return faults + ([] if red > 300 else ["TOUR.GIF: %d red pixels" % red])


def quit(f, dump):
    rev = read(os.path.join(f, "work", "vemo.rev"))
    return [] if rev.startswith("VE REVOLVERFILE") and "sin(x)*x" in rev else ["vemo.rev without the formula"]


CHECKS = {c.__name__: c for c in (computed, turned, back, integrated, fastplot, designer, printed, exported, quit)}


def check(build):
    with tempfile.TemporaryDirectory() as folder:
        status = run(build, folder)
        faults = [] if status == 0 else ["VEMO ended with status %d" % status]
        names = [name for _, name, _ in steps()]
        faults += ["step %s: no check" % n for n in names if n not in CHECKS]
        faults += ["no step %s in the README" % n for n in CHECKS if n not in names]
        for name in names:
            if name in CHECKS:
                faults += ["%s: %s" % (name, fault) for fault in CHECKS[name](folder, lambda n: dumptext(folder, n))]
        for fault in faults:
            print("tour:", fault)
        return 1 if faults else 0


def dumptext(folder, name):
    return read(os.path.join(folder, "vemo", name + ".txt"))


def pictures(build, docs):
    with tempfile.TemporaryDirectory() as folder:
        if run(build, folder) != 0:
            print("tour: VEMO failed")
            return 1
        os.makedirs(docs, exist_ok=True)
        for source, target in (("vemo/fastplot.png", "vemo.png"), ("vemo/designer.png", "plot.png"),
                               ("vemdraw/diagram.png", "vemdraw.png")):
            Image.open(os.path.join(folder, source)).save(os.path.join(docs, target), optimize=True)
            print("tour: %s, %d bytes" % (target, os.path.getsize(os.path.join(docs, target))))
    return 0


if __name__ == "__main__":
    if len(sys.argv) == 3 and sys.argv[1] == "check":
        sys.exit(check(sys.argv[2]))
    if len(sys.argv) == 4 and sys.argv[1] == "pictures":
        sys.exit(pictures(sys.argv[2], sys.argv[3]))
    sys.exit(__doc__)
