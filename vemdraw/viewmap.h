// The mapping between a world rectangle (y upwards) and a device
// rectangle (y downwards), and small conversions of rectangles.
#pragma once

#include "vemdraw/model.h"

// A double to a whole device unit, truncated, held inside the int range.
int todevice(double v);

class viewmap {
public:
    void set(const worldrect& world, const pixelbox& device);
    // World to device: a world x outside the window gives 0.
    int worldx(double x) const;
    int worldy(double y) const;
    // Device to world, unrounded.
    double devicex(double u) const;
    double devicey(double v) const;
    double devicewidth(double u) const;
    double deviceheight(double v) const;
    int worldwidth(double w) const;
    int worldheight(double h) const;
    const worldrect& world() const { return world_; }
    const pixelbox& device() const { return device_; }

private:
    worldrect world_;
    pixelbox device_;
    double devwidth_ = 0, devheight_ = 0, worldwidth_ = 0, worldheight_ = 0;
};

worldrect torect(const pixelbox& r);
// Truncated, negative values made 0.
pixelbox topixels(const worldrect& r);
// The rectangle at fractions f of r (f.top and f.bottom measured upwards
// from r.bottom); zeros for a degenerate r or f.
worldrect placerect(const worldrect& r, const worldrect& f);
worldrect fractionsof(const worldrect& a, const worldrect& r);
