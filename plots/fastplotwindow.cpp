#include "plots/fastplotwindow.h"

#include <atomic>
#include <cstdio>
#include <memory>

#include "calculator/calculator.h"
#include "calculator/rknames.h"
#include "plots/axisscales.h"
#include "plots/fastplot.h"
#include "plots/paint.h"
#include "plots/screenmap.h"
#include "screen/graphics.h"
#include "screen/host.h"
#include "screen/hotspot.h"
#include "screen/infowin.h"
#include "screen/maus.h"
#include "screen/palette.h"
#include "screen/screen.h"
#include "screen/tgwscreen.h"

namespace {

// The pane drawn last shows two ready plots: the switch box answers
// (read by the window thread).
std::atomic<bool> twoshown{false};

std::unique_ptr<maus> bar, zoom;

int twoplots(const calculator* c)
{
    return c && const_cast<calculator*>(c)->plotcount() == 2;
}

void fill(int colour, int left, int top, int right, int bottom)
{
    int previous = setdrawcolor(colour);
    grectangle(left, top, right, bottom);
    setdrawcolor(previous);
}

void outline(int colour, int left, int top, int right, int bottom)
{
    int previous = setdrawcolor(colour);
    gmoveto(left, top);
    glineto(right, top);
    glineto(right, bottom);
    glineto(left, bottom);
    glineto(left, top);
    setdrawcolor(previous);
}

hotspot* switchbox = nullptr;
hotspot* closebox = nullptr;

// The name of 1-based table column n with the primes of its derivative
// order in Direct mode.
std::string columnname(const calculator& c, int n, const plotstamp& stamp)
{
    if (c.mode != calcmode::direct)
        return rkcolname(n - 1, c.shape(), 3);
    if (n <= 1)
        return std::string(1, c.argchar());
    std::string name = c.valuecount() > 1 ? "f." + std::to_string(n - 1) : "f";
    for (int k = 1; k <= 3 && k <= stamp.derivative; k++)
        name += '\'';
    return name;
}

// The table column of a pair's component: in Direct mode the argument
// comes first, the Runge-Kutta state holds its parameter itself.
int paircolumn(const calculator& c, uint16_t component)
{
    return c.mode == calcmode::direct ? component + 1 : component;
}

std::string argumentname(const calculator& c)
{
    return c.mode == calcmode::arclength ? "arc" : std::string(1, c.argchar());
}

// The labels end within the frame bands.
scalestyle panestyle(const fastplot& p)
{
    auto r = [&](int role) { return uint8_t(colorof(p.current ? role : 53)); };
    return {int16_t(smallcharheight()), int16_t(smallcharheight() / 2), int16_t(1.6 * smallcharheight()),
            int16_t(smallcharwidth()), int16_t(0.6 * smallcharwidth()), r(64), r(65), r(55), r(56), r(53),
            int16_t(p.screen.right + p.marginright), int16_t(p.screen.bottom + p.marginbottom)};
}

}  // namespace

maus& bartracker()
{
    if (!bar)
        bar = std::make_unique<maus>(uint8_t(colorof(58)));
    return *bar;
}

maus& frametracker()
{
    if (!zoom)
        zoom = std::make_unique<maus>(uint8_t(colorof(59)));
    return *zoom;
}

void maketrackers()
{
    bartracker();
    frametracker();
}

void droptrackers()
{
    bar.reset();
    zoom.reset();
}

int16_t tabspot(bool, bool press)
{
    if (!twoshown)
        return 0;
    return press ? -1 : 9;
}

int16_t altyspot(bool, bool press)
{
    return press ? -1 : 601;
}

std::string fastplot::paramname() const
{
    return calc ? argumentname(*calc) : std::string();
}

namespace {

// Curve k's name on one axis.
std::string curvename(const fastplot& f, uint16_t k, bool abscissa)
{
    const calculator* c = f.calc;
    if (!c || k >= f.spec.curves())
        return {};
    if (!f.isparametric())
        return abscissa ? argumentname(*c) : columnname(*c, c->valueindex1() + 1, f.stamp);
    uint16_t x = 0, y = 0;
    f.pairof(k, x, y);
    return columnname(*c, paircolumn(*c, abscissa ? x : y), f.stamp);
}

}  // namespace

std::string fastplot::xname(uint16_t k) const
{
    return curvename(*this, k, true);
}

std::string fastplot::yname(uint16_t k) const
{
    return curvename(*this, k, false);
}

std::string fastplot::title() const
{
    std::string t;
    if (!calc)
        return t;
    if (isparametric() && spec.curves() > 1) {
        t = "Parametric Plot of " + std::to_string(spec.curves()) + " Curves";
    } else if (isparametric()) {
        std::string p = paramname();
        t = yname(0) + "(" + p + ") over " + xname(0) + "(" + p + ")";
    } else {
        t = yname(0) + " over " + xname(0);
    }
    if (sampleflag)
        t += "  (Sample)";
    return t;
}

int fastplot::barx() const
{
    double v = calc ? calc->argvalue() : 0;
    if (!(world.left < v && v < world.right))
        return -10;
    screenmap m(world, screen);
    return m.worldtox(v);
}

void fastplot::showbar()
{
    if (!calc || !calc->isready() || isparametric())
        return;
    bartracker().move(barx(), screen.top, screen.bottom, uint8_t(colorof(61)));
}

void fastplot::frame()
{
    int colour = 19;
    if (current)
        colour = calc && calc->mode == calcmode::direct ? 9 : 2;
    drawframe(colour);
}

void fastplot::drawframe(int colour)
{
    int x0 = screen.left, y0 = screen.top, x1 = screen.right, y1 = screen.bottom;
    int left = x0 - marginleft, right = x1 + marginright, top = y0 - margintop, bottom = y1 + marginbottom;
    fill(colour, left, y0, x0 - 1, y1);
    fill(colour, x1 + 1, y0, right, y1);
    fill(colour, left, y1 + 1, right, bottom);
    int bar = colour == 19 ? 19 : 16;
    fill(bar, left, top, right, y0 - 1);
    std::string t = title();
    gtextout(x0 + ((x1 - x0) - gtextextent(t.c_str())) / 2, top + 1, 7, bar, t.c_str());
    bool two = twoplots(calc);
    twoshown = two;
    if (two) {
        int sx = x0 - 1, sy = top + 1;
        outline(14, sx, sy, sx + 2 * smallcharheight(), sy + smallcharwidth());
        placepressspot(switchbox, tabspot, sx, sy, sx + 2 * smallcharheight(), sy + smallcharwidth());
    }
    int side = margintop - 5, cr = right - 2, ct = top + 2, cl = cr - side, cb = ct + side;
    outline(6, cl, ct, cr, cb);
    outline(14, cl, cb, cl, ct);
    int previous = setdrawcolor(14);
    glineto(cr, ct);
    setdrawcolor(15);
    gmoveto(cl + 3, ct + 2);
    glineto(cr - 2, cb - 3);
    gmoveto(cr - 3, ct + 2);
    glineto(cl + 2, cb - 3);
    setdrawcolor(previous);
    placepressspot(closebox, altyspot, cl, ct, cr, cb);
    char label[8];
    std::snprintf(label, sizeof label, "#%1d", calc ? calc->plotnumber : 1);
    gtextout(x0, top + 2, two ? 15 : 7, two ? 6 : bar, label);
}

void fastplot::clearpane()
{
    fill(7, 1, screen.top - margintop, screenpixwidth(), screenpixheight());
    bartracker().release();
    fill(colorof(52), screen.left, screen.top, screen.right, screen.bottom);
    frame();
}

void drawfastplotwindow(fastplot* p)
{
    if (!p || p->state() != 3)
        return;
    {
        infohidden hidden;
        tofront();
        makevisible(0, p->screen.top, screenpixwidth(), screenpixheight(), false);
        p->updateflags();
        p->clearpane();
        drawaxisscales(p->world, p->screen, panestyle(*p));
        screenplotter(p->result.points, colorof(p->current ? 57 : 67));
        if (p->bar)
            p->showbar();
    }
    flushcells();
}
