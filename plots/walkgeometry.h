// The measures of the parametric walk: lengths in resolution units of a
// target, the strict window tests and the step judge.  A resolution unit
// is a device unit divided by the scale divisor f.
#pragma once

#include "base/rects.h"
#include "math/drect.h"

struct curvepoint {
    double x = 0, y = 0;
};

// The world window and the target rectangle of one walk, and f.
struct walkframe {
    drect world;
    screenrect screen;
    double f = 1;

    // sqrt((Wd dx / Ww)^2 + (Hd dy / Hw)^2) / f; 0 when the window or
    // the rectangle is empty.
    double length(double dx, double dy) const;
    double length(const curvepoint& p, const curvepoint& q) const { return length(q.x - p.x, q.y - p.y); }
    bool empty() const;
};

// Strictly inside: left < x < right and bottom < y < top.
bool pointinside(const curvepoint& p, const drect& w);
// Whether the segment P0 P1 passes through the inside of the window: an
// end inside, or a crossing of one of the four edges strictly between its
// corners.
bool segmentmeets(const curvepoint& p0, const curvepoint& p1, const drect& w);

// The tolerance g of the step judge, in resolution units.
constexpr double curvaturetolerance = 0.3;

// The verdict on the two steps P0 P1 P2: -1 too large, 0 keep, 1 may
// grow.  hint -1 forbids growing, 1 forbids shrinking; pairs that span
// more than a tenth of the target's height never grow.
int stepjudge(const curvepoint& p0, const curvepoint& p1, const curvepoint& p2, const walkframe& frame,
              int hint);
