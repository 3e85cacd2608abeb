"""Two renderings of a printed page show the curve (the blue pixels) in
the same place: each blue pixel of one has a blue pixel of the other
within 2 pixels.  Pillow decodes the images.  Usage: samecurve.py A.png B.png"""
import sys

from PIL import Image, ImageFilter


def blue(path):
    image = Image.open(path).convert("RGB")
    r, g, b = image.split()
    mask = Image.eval(b, lambda v: 255 if v > 0xC0 else 0)
    for other in (r, g):
        mask = Image.composite(mask, Image.new("L", image.size, 0), Image.eval(other, lambda v: 255 if v < 0x60 else 0))
    return mask


def covered(a, b):
    """Pixels of a without a pixel of b within 2 pixels."""
    near = b.filter(ImageFilter.MaxFilter(5))
    missing = Image.composite(a, Image.new("L", a.size, 0), Image.eval(near, lambda v: 255 - v))
    return sum(1 for v in missing.getdata() if v)


a, b = blue(sys.argv[1]), blue(sys.argv[2])
if abs(a.size[0] - b.size[0]) > 1 or abs(a.size[1] - b.size[1]) > 1:
    sys.exit(f"samecurve: sizes {a.size} and {b.size}")
# Pages of the same paper may round to a pixel more.
common = (0, 0, min(a.size[0], b.size[0]), min(a.size[1], b.size[1]))
a, b = a.crop(common), b.crop(common)
count = sum(1 for v in a.getdata() if v)
if count < 1000:
    sys.exit(f"samecurve: only {count} blue pixels")
lost = covered(a, b) + covered(b, a)
print(f"samecurve: {count} blue pixels, {lost} without a match")
sys.exit(1 if lost else 0)
