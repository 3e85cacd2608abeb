#include "vemdraw/geometry.h"

#include "vemdraw/messages.h"

#include <cmath>
#include <utility>

namespace {

// Every walk of this file ends after this many rounds, whatever the
// values (a step below the spacing of doubles never moves).
constexpr int walklimit = 2000;

// Main units given in device units (not only in world units).
bool deviceunits(const diagram& d)
{
    return d.unitsgiven && d.deviceunitx > 0 && d.deviceunity > 0;
}

// The world window from the device values when the file gave none.
void deriveworld(diagram& d)
{
    double w = deviceunits(d) ? double(devicesize) / d.deviceunitx : devicesize;
    double h = deviceunits(d) ? double(devicesize) / d.deviceunity : devicesize;
    if (!d.anchorsgiven) {
        d.deviceanchorx = 0;
        d.deviceanchory = devicesize;
    }
    d.window.left = -w * d.deviceanchorx / devicesize;
    d.window.right = d.window.left + w;
    d.window.top = h * d.deviceanchory / devicesize;
    d.window.bottom = d.window.top - h;
}

void deviceanchors(diagram& d)
{
    const worldrect& w = d.window;
    d.anchorx = double(d.deviceanchorx) / devicesize * (w.right - w.left) + w.left;
    d.anchory = w.top - double(d.deviceanchory) / devicesize * (w.top - w.bottom);
    if (deviceunits(d)) {
        d.unitx = double(d.deviceunitx) / devicesize * (w.right - w.left);
        d.unity = double(d.deviceunity) / devicesize * (w.top - w.bottom);
    }
}

void defaultmargins(diagram& d)
{
    double leftright, topbottom;
    d.printer->defaultmargins(d.printer->orientation, leftright, topbottom);
    d.marginleft = d.marginright = leftright;
    d.margintop = d.marginbottom = topbottom;
}

// The scales of one orientation, or (0, 0) when its margins do not fit.
bool orientationfit(diagram& d, uint32_t o, double& sx, double& sy)
{
    sx = sy = 0;
    const printerdate& p = *d.printer;
    if (!marginsvalid(p, d.marginleft, d.margintop, d.marginright, d.marginbottom, o))
        return false;
    mmrect a = diagramrect(p, o, 2, d.margins().data(), d.width, d.height);
    nicefit(sx, sy, a.width(), a.height(), d.window.right - d.window.left, d.window.top - d.window.bottom);
    return true;
}

}  // namespace

void stepdown(step& s)
{
    switch (s.mantissa) {
    case 10: s.mantissa = 8; break;
    case 8: s.mantissa = 5; break;
    case 5: s.mantissa = 4; break;
    case 4: s.mantissa = 2; break;
    default: s.mantissa = 10; s.decade *= 0.1; break;
    }
}

void stepup(step& s)
{
    switch (s.mantissa) {
    case 2: s.mantissa = 4; break;
    case 4: s.mantissa = 5; break;
    case 5: s.mantissa = 8; break;
    case 8: s.mantissa = 10; break;
    default: s.mantissa = 2; s.decade *= 10; break;
    }
}

void axstep(double low, double high, double& unit, double& anchor, double n)
{
    if (low > high)
        std::swap(low, high);
    double range = high - low, limit = std::sqrt(10.0) * n;
    unit = 1.0;
    for (int i = 0; i < walklimit && range / unit < limit; ++i)
        unit /= 10;
    for (int i = 0; i < walklimit && range / unit > limit; ++i)
        unit *= 10;
    if (low * high < 0) {
        anchor = 0.0;
        return;
    }
    anchor = (std::floor(low / unit) - 1) * unit;
    for (int i = 0; i < 4 && anchor <= low; ++i)
        anchor += unit;
}

bool setaxcoords(const worldrect& w, double& anchorx, double& anchory, double& unitx, double& unity)
{
    if (w.left == w.right || w.bottom == w.top)
        return false;
    axstep(w.bottom, w.top, unity, anchory, 12.0);
    axstep(w.left, w.right, unitx, anchorx, 12.0);
    if (w.bottom <= anchory && anchory <= w.top && w.left <= anchorx && anchorx <= w.right)
        return true;
    return bugbox(" setaxcoords() ");
}

void nicesteps(double aw, double ah, double ww, double wh, step& x, step& y)
{
    for (int i = 0; i < walklimit && ww / x.value() < aw && wh / y.value() < ah; ++i) {
        stepdown(x);
        stepdown(y);
    }
    for (int i = 0; i < walklimit && (ww / x.value() > aw || wh / y.value() > ah); ++i) {
        stepup(x);
        stepup(y);
    }
}

void nicefit(double& scalex, double& scaley, double aw, double ah, double ww, double wh)
{
    step x1, y1, x2, y2;
    double ratio = (wh / ww) / (ah / aw);
    for (int i = 0; i < walklimit && ratio < 1; ++i) {
        y1.decade *= 0.1;
        y2.decade *= 0.1;
        ratio *= 10;
    }
    nicesteps(aw, ah, ww, wh, x1, y1);
    double first = x1.value() * y1.value();
    y2.decade *= 10;
    nicesteps(aw, ah, ww, wh, x2, y2);
    double second = x2.value() * y2.value();
    if (first >= second) {
        scalex = x2.value();
        scaley = y2.value();
    } else {
        scalex = x1.value();
        scaley = y1.value();
    }
}

void autosize(diagram& d)
{
    double px, py, qx, qy;
    bool p = orientationfit(d, orientation::portrait, px, py);
    bool l = orientationfit(d, orientation::landscape, qx, qy);
    if (!p && !l)
        return;
    uint32_t& o = d.printer->orientation;
    if (d.largershape && p && l)
        o = qx * qy >= px * py ? orientation::portrait : orientation::landscape;
    else if (d.largershape && !p)
        o = orientation::landscape;
    else if (d.largershape)
        o = orientation::portrait;
    bool valid = o == orientation::landscape ? l : p;
    double sx = o == orientation::landscape ? qx : px, sy = o == orientation::landscape ? qy : py;
    if (!valid || !(sx > 0 && sy > 0))
        return;
    double width = (d.window.right - d.window.left) / sx, height = (d.window.top - d.window.bottom) / sy;
    if (std::isfinite(width) && std::isfinite(height)) {
        d.width = width;
        d.height = height;
        d.interpretation = 0;
    }
}

bool applysettings(diagram* dp)
{
    if (!dp)
        return false;
    diagram& d = *dp;
    if (!d.unitsgiven && d.devicegridgiven) {
        d.unitsgiven = true;
        d.deviceunitx = d.devicegridx;
        d.deviceunity = d.devicegridy;
    }
    if (!d.windowgiven)
        deriveworld(d);
    if (d.windowgiven && !d.anchorsgiven)
        setaxcoords(d.window, d.anchorx, d.anchory, d.unitx, d.unity);
    else if (!d.windowgiven && d.anchorsgiven)
        deviceanchors(d);
    if (d.autosize && d.printer)
        autosize(d);
    // Without printer data no margin can be judged: they stay as they are.
    if (d.printer && d.printer->valid
        && !marginsvalid(*d.printer, d.marginleft, d.margintop, d.marginright, d.marginbottom,
                         d.printer->orientation)) {
        errorbox("Ignoring invalid margins as submitted by input file", "Info");
        defaultmargins(d);
    }
    d.gridx = d.unitx;
    d.gridy = d.unity;
    return true;
}

double paperlength(const printerdate& p, uint32_t o)
{
    return o == orientation::portrait ? p.scale(p.paperheight) : p.scale(p.paperwidth);
}
