// What is derived after loading: world window, anchors and main units
// from device values where the file gave none, the automatic size and
// orientation, margins that fit the paper.
#pragma once

#include "vemdraw/model.h"

// A step of the series 2, 4, 5, 8, 10 times a power of ten.
struct step {
    unsigned mantissa = 2;
    double decade = 0.5;
    double value() const { return mantissa * decade; }
};
// One place down (10 to 8 to 5 to 4 to 2 to a tenth of 10) or up the series.
void stepdown(step& s);
void stepup(step& s);

// False only for a missing diagram.
bool applysettings(diagram* d);
// Anchors and main units of a world window; false for a degenerate one.
bool setaxcoords(const worldrect& w, double& anchorx, double& anchory, double& unitx, double& unity);
// One axis: a power of ten giving N / sqrt(10) to N x sqrt(10) units, the
// anchor 0 when the range holds it, else the first multiple above low.
void axstep(double low, double high, double& unit, double& anchor, double n);
void autosize(diagram& d);
// The scales (world units per mm) that fit the world into the area.
void nicefit(double& scalex, double& scaley, double aw, double ah, double ww, double wh);
void nicesteps(double aw, double ah, double ww, double wh, step& x, step& y);
double paperlength(const printerdate& p, uint32_t o);
