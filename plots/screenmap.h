// The mapping between a world window and a pixel rectangle of the main
// window.  World-to-pixel answers 0 for points outside the rectangle;
// callers treat 0 as "not visible".
#pragma once

#include "math/drect.h"

class screenmap {
public:
    screenmap(const drect& w, const screenrect& r);
    ~screenmap();
    screenmap(const screenmap&) = delete;
    screenmap& operator=(const screenmap&) = delete;

    void set(const drect& w, const screenrect& r);
    int worldtox(double x) const;
    int worldtoy(double y) const;
    double xtoworld(double p) const;
    double ytoworld(double p) const;

    drect world;
    screenrect pixels;
    double pixelwidth = 0, pixelheight = 0;
    double worldwidth = 0, worldheight = 0;
};

// A pixel position p (already rounded) when lo <= p <= hi, else 0; NaN and
// huge values never reach the integer conversion.
int pixelwithin(double p, int lo, int hi);
