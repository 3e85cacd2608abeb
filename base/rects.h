// Rectangles of the plots: a pixel rectangle of four 16-bit edges and a
// world rectangle of four doubles.
#pragma once

#include <cstdint>

struct rect {
    int16_t left = 0, top = 0, right = 0, bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
};

struct worldrect {
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};

inline double rectwidth(const worldrect& r)
{
    return r.x1 - r.x0;
}

inline double rectheight(const worldrect& r)
{
    return r.y1 - r.y0;
}
