#include "plots/walkgeometry.h"

#include <algorithm>
#include <cmath>

namespace {
// A crossing of the line y = edge at an abscissa strictly between lo
// and hi.
bool crossesrow(const curvepoint& p0, const curvepoint& p1, double edge, double lo, double hi)
{
    double ymin = std::min(p0.y, p1.y), ymax = std::max(p0.y, p1.y);
    if (!(ymin < edge && edge < ymax))
        return false;
    double x = p0.x + (edge - p0.y) * (p1.x - p0.x) / (p1.y - p0.y);
    return lo < x && x < hi;
}

curvepoint swapped(const curvepoint& p)
{
    return {p.y, p.x};
}

// The length of (x, y): the plain root, hypot only where the squares
// overflow (hypot costs the walk as much as a simple formula's values).
double norm(double x, double y)
{
    double s = x * x + y * y;
    return std::isfinite(s) ? std::sqrt(s) : std::hypot(x, y);
}
}

bool walkframe::empty() const
{
    return world.isempty() || screen.width() <= 0 || screen.height() <= 0;
}

double walkframe::length(double dx, double dy) const
{
    if (empty())
        return 0;
    double a = screen.width() * dx / rectwidth(world), b = screen.height() * dy / rectheight(world);
    return std::sqrt(a * a + b * b) / f;
}

bool pointinside(const curvepoint& p, const drect& w)
{
    return w.left < p.x && p.x < w.right && w.bottom < p.y && p.y < w.top;
}

bool segmentmeets(const curvepoint& p0, const curvepoint& p1, const drect& w)
{
    if (pointinside(p0, w) || pointinside(p1, w))
        return true;
    return crossesrow(p0, p1, w.top, w.left, w.right) || crossesrow(p0, p1, w.bottom, w.left, w.right)
           || crossesrow(swapped(p0), swapped(p1), w.left, w.bottom, w.top)
           || crossesrow(swapped(p0), swapped(p1), w.right, w.bottom, w.top);
}

int stepjudge(const curvepoint& p0, const curvepoint& p1, const curvepoint& p2, const walkframe& frame, int hint)
{
    if (frame.empty())
        return 0;
    double sx = frame.screen.width() / (rectwidth(frame.world) * frame.f);
    double sy = frame.screen.height() / (rectheight(frame.world) * frame.f);
    double ax = (p1.x - p0.x) * sx, ay = (p1.y - p0.y) * sy;
    double bx = (p2.x - p1.x) * sx, by = (p2.y - p1.y) * sy;
    double l = norm(ax, ay) + norm(bx, by);
    if (frame.screen.height() < 10 * l)
        hint = -1;
    const double g = curvaturetolerance;
    int verdict = 0;
    if (l < 5 * g) {
        verdict = 1;
    } else {
        double d = std::fabs(ax * by - ay * bx) / l;
        verdict = d > g ? -1 : d < g / 10 ? 1 : 0;
    }
    return verdict * hint < 0 ? 0 : verdict;
}
