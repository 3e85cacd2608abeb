// Exact curves through a plot's own world-to-pixel mapping, for the
// golden pictures of plots.
#pragma once

#include <functional>

#include "plots/curvecolor.h"
#include "plots/screenmap.h"
#include "screen/palette.h"
#include "tests/screen/goldenfiles.h"

using realfunction = std::function<double(double)>;

// The screen colour of curve colour k as 0xRRGGBB.
inline uint32_t curvergb(int k)
{
    const curvecolorentry* shown = curvecolor;
    makecurvecolors();
    uint32_t rgb = colorrgb(curvecolor[k].palette);
    curvecolor = shown;
    return rgb;
}

// (x(t), y(t)) for steps + 1 parameters from t0 to t1, mapped from world
// onto area, in the colour rgb (0xRRGGBB); a point the mapping leaves out
// breaks the curve.
inline goldencurve exactcurve(const drect& world, const screenrect& area, uint32_t rgb, const realfunction& x,
                              const realfunction& y, double t0, double t1, int steps)
{
    screenmap m(world, area);
    goldencurve c;
    c.colour = rgb;
    // Inside the edges: a sample on the window's border is not drawn.
    c.box = {int16_t(area.left + 1), int16_t(area.top + 1), int16_t(area.right - 1), int16_t(area.bottom - 1)};
    devicepiece piece;
    for (int i = 0; i <= steps; i++) {
        double t = t0 + (t1 - t0) * i / steps;
        int px = m.worldtox(x(t)), py = m.worldtoy(y(t));
        if (px && py) {
            piece.emplace_back(px, py);
        } else if (!piece.empty()) {
            c.pieces.push_back(piece);
            piece.clear();
        }
    }
    if (!piece.empty())
        c.pieces.push_back(piece);
    return c;
}

// The graph of f across the window, four points a pixel column.
inline goldencurve exactgraph(const drect& world, const screenrect& area, uint32_t rgb, const realfunction& f)
{
    return exactcurve(world, area, rgb, [](double x) { return x; }, f, world.left, world.right,
                      4 * (area.right - area.left));
}
