#include "math/drect.h"

#include <utility>

const drect zerowindow{};

bool drect::inside(const drect& a, const drect& b)
{
    return a.left >= b.left && a.right <= b.right && a.top <= b.top && a.bottom >= b.bottom;
}

drect mapcorners(const drect& w, const drect& f)
{
    if (w.isempty() || f.isempty())
        return zerowindow;
    double dx = rectwidth(w), dy = rectheight(w);
    return {w.left + f.left * dx, w.bottom + f.top * dy, w.left + f.right * dx, w.bottom + f.bottom * dy};
}

drect relcorners(const drect& a, const drect& b)
{
    if (a.isempty() || b.isempty())
        return zerowindow;
    double dx = rectwidth(b), dy = rectheight(b);
    return {(a.left - b.left) / dx, (a.top - b.bottom) / dy, (a.right - b.left) / dx, (a.bottom - b.bottom) / dy};
}

drect unmapcorners(const drect& w, const drect& f)
{
    if (w.isempty() || f.isempty())
        return zerowindow;
    double kx = rectwidth(w) / rectwidth(f), ky = rectheight(w) / rectheight(f);
    double left = w.left - kx * f.left, bottom = w.bottom - ky * f.bottom;
    return {left, bottom + ky, left + kx, bottom};
}

bool isshifted(const drect& a, const drect& b)
{
    return (a.left - b.left) * (a.right - b.right) > 0 || (a.top - b.top) * (a.bottom - b.bottom) > 0;
}

drect shiftframe(const drect& f, const drect& v)
{
    drect r = f;
    if ((f.left - v.left) * (f.right - v.right) > 0) {
        if (f.left >= v.left)
            r.right = f.left + rectwidth(v);
        else
            r.left = f.right - rectwidth(v);
    } else {
        r.left = v.left;
        r.right = v.right;
    }
    if ((f.top - v.top) * (f.bottom - v.bottom) > 0) {
        if (f.top <= v.top)
            r.bottom = f.top - rectheight(v);
        else
            r.top = f.bottom + rectheight(v);
    } else {
        r.top = v.top;
        r.bottom = v.bottom;
    }
    return r;
}

drect keepaxes(const drect& old, const drect& now, int mode)
{
    drect r = now;
    if (mode == 2) {
        r.left = old.left;
        r.right = old.right;
    } else if (mode == 3) {
        r.top = old.top;
        r.bottom = old.bottom;
    }
    return r;
}

drect todrect(const screenrect& r)
{
    return {double(r.left), -double(r.top), double(r.right), -double(r.bottom)};
}

bool normalize(screenrect& r)
{
    if (r.left > r.right)
        std::swap(r.left, r.right);
    if (r.top > r.bottom)
        std::swap(r.top, r.bottom);
    return !isempty(r);
}

bool isempty(const screenrect& r)
{
    return r.bottom <= r.top || r.right <= r.left;
}
