// World windows: left, top, right, bottom in the coordinates of a curve,
// y growing upward.  A window is empty unless left < right and
// bottom < top; failed computations answer the zero window.  Fraction
// windows give the corners of one window as fractions of another (0 at
// its left or bottom edge, 1 at its right or top edge).
#pragma once

#include "base/rects.h"

struct drect {
    double left = 0, top = 0, right = 0, bottom = 0;
    void set(double l, double t, double r, double b)
    {
        left = l;
        top = t;
        right = r;
        bottom = b;
    }
    bool isempty() const { return !(left < right && bottom < top); }
    // A inside B.
    static bool inside(const drect& a, const drect& b);
};

extern const drect zerowindow;

inline double rectwidth(const drect& r)
{
    return r.right - r.left;
}

inline double rectheight(const drect& r)
{
    return r.top - r.bottom;
}

// The low bound not below the high one; a NaN bound counts as empty.
inline bool isemptyrange(double lo, double hi)
{
    return !(lo < hi);
}

inline double span(double a, double b)
{
    return b - a;
}

// The part of W that the fractions F describe.
drect mapcorners(const drect& w, const drect& f);
// A as fractions of B.
drect relcorners(const drect& a, const drect& b);
// The window G with mapcorners(G, F) = W.
drect unmapcorners(const drect& w, const drect& f);
// In one direction both edges of A lie on the same side of B's edges.
bool isshifted(const drect& a, const drect& b);
// F moved rather than resized: it takes V's size, keeping the edge that
// it was pushed away from; without a shift in a direction V's edges.
drect shiftframe(const drect& f, const drect& v);
// The new window; mode 2 keeps the old left and right, 3 top and bottom.
drect keepaxes(const drect& old, const drect& now, int mode);

// Pixel rectangles handled as windows: (left, -top, right, -bottom).
drect todrect(const screenrect& r);
// Edges put in order; true when the result is not empty.
bool normalize(screenrect& r);
bool isempty(const screenrect& r);
