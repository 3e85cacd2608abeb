// The renderer's printer surface.
#include "vemdraw/messages.h"
#include "vemdraw/render.h"

#include <cmath>

namespace {

constexpr uint32_t black = 0;

}  // namespace

void printdiagram(const diagram& d, gdi& g, const pixelbox& area)
{
    if (!d.griddrawable() || d.griddensity == 0)
        return;
    viewmap map = mapof(d, area);
    double perpixel[2] = {std::fabs(map.devicewidth(1)), std::fabs(map.deviceheight(1))};
    int st = int(d.gridstyle);
    for (int axis = 0; axis < 2; ++axis) {
        double s = std::fabs(firststep(d, axis == 1));
        const uint32_t* f = axis == 0 ? d.factorsx : d.factorsy;
        double divisors[3] = {1.0, double(f[0]), double(f[1])};
        gdipen pens[3];
        const gdipen* chosen[3] = {};
        for (int k = 0; k < 3 && k < int(d.griddensity); ++k) {
            if (!(divisors[k] * printergate * perpixel[axis] < s))
                continue;
            pens[k] = penbystyle(uint32_t(st - k), d.gridcolour);   // below 0: dotted
            chosen[k] = &pens[k];
        }
        drawgrid(d, g, map, chosen, nullptr, axis == 1);
    }
}

void printboxaxes(const diagram& d, gdi& g, const pixelbox& area)
{
    gdipen pen1{int(d.axisdiameter), black, false}, pen2{int(d.axisdiameter / 2), black, false};
    drawboxaxes(d, g, mapof(d, area), pen1, pen2);
}

bool printcurve(gdi& g, polyline& line, const viewmap& square, uint32_t dpi)
{
    penwidthpixels(line.linepen, dpi);
    g.select({line.linepen.pixels, line.linepen.colour & 0xFFFFFF, false});
    drawpoints(g, line, square);
    return true;
}

bool printdiag(cairo_t* cr, const diagram* d)
{
    if (!d || !d->printer)
        return bugbox("printdiag");
    pixelbox area = printerrect(*d);
    gdi g(cr);
    printdiagram(*d, g, area);
    printboxaxes(*d, g, area);
    viewmap square;
    square.set(torect(area), {0, 0, devicesize, devicesize});
    for (listnode* n = d->polylines.first(); n; n = n->next)
        printcurve(g, *static_cast<polyline*>(n), square, d->printer->dpiy);
    return true;
}
