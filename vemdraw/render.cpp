#include "vemdraw/render.h"

#include "vemdraw/messages.h"

#include "platform/core/draw.h"

#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr uint32_t whiteink = 0xFFFFFF, blackink = 0;
// Every walk ends after this many lines or steps, whatever the values.
constexpr long walklimit = 100000;

const double tickfactors[3] = {0.03, 0.02, 0.012};

}  // namespace

double firststep(const diagram& d, bool horizontal)
{
    const worldrect& w = d.window;
    if (d.gridsynchronised)
        return horizontal ? d.gridy : d.gridx;
    mmrect paper = d.paperrect();
    if (horizontal)
        return (w.top - w.bottom) * -10 / (paper.top - paper.bottom);
    return (w.right - w.left) * 10 / (paper.right - paper.left);
}

namespace {

// The first position of a finer order strictly above low, walking down
// from p in steps of s.
double firstabove(double p, double s, double low)
{
    if (!(s > 0) || !std::isfinite(p))
        return p;
    double n = std::floor((p - low) / s);
    if (n > 0)
        p -= n * s;
    for (int i = 0; i < 4 && p > low; ++i)
        p -= s;
    for (int i = 0; i < 4 && p <= low; ++i)
        p += s;
    return p;
}

// Positions a step apart on the lattice through the anchor, each from its
// index there: summed steps drift, and a tick mark would stand a pixel
// beside the grid line of the same place.
class ladder {
public:
    // Starting at the lattice's position nearest first.
    ladder(double anchor, double step, double first)
        : anchor_(anchor), step_(step), index_(std::round((first - anchor) / step))
    {
    }
    double at() const { return anchor_ + index_ * step_; }
    void next() { index_ += 1; }
    // One step past the lattice's position nearest position.
    void from(double position) { index_ = std::round((position - anchor_) / step_) + 1; }

private:
    double anchor_, step_;
    double index_;   // whole
};

struct gridwalk {
    gdi& g;
    const viewmap& map;
    bool horizontal;
    long lines = 0;

    bool line(const gdipen* pen, double at)
    {
        if (++lines > walklimit)
            return false;
        if (!pen)
            return true;
        g.select(*pen);
        const pixelbox& r = map.device();
        if (horizontal) {
            int y = map.worldy(at);
            g.moveto(r.left, y);
            g.lineto(r.right, y);
        } else {
            int x = map.worldx(at);
            g.moveto(x, r.top);
            g.lineto(x, r.bottom);
        }
        return true;
    }
};

void setdrawn(const diagram& d, bool drawn[2][3], uint32_t colours[3], uint32_t& background, bool& tint,
              const viewmap& m1, const viewmap& m2, const double steps[2])
{
    double w[2] = {std::fabs(m1.devicewidth(1)), std::fabs(m1.deviceheight(1))};
    double p[2] = {std::fabs(m2.devicewidth(1)), std::fabs(m2.deviceheight(1))};
    const uint32_t* factors[2] = {d.factorsx, d.factorsy};
    for (int axis = 0; axis < 2; ++axis) {
        int level = 0;
        double divisors[3] = {1.0, double(factors[axis][0]), double(factors[axis][1])};
        double s = steps[axis];
        for (uint32_t k = 0; k < d.griddensity && k < 3; ++k) {
            if (!(divisors[k] * printergate * p[axis] < s))
                continue;
            double r = std::min(1.0, divisors[k] * w[axis] / s);
            if (r < 1.0 / 3) {
                drawn[axis][k] = true;
            } else {
                background = blendcolor(colours[k], r, background, 1 - r);
                tint = true;
                level = std::max(level, 3 - int(k));
            }
        }
        if (level == 1 && colours[1] == colours[2])
            drawn[axis][1] = false;
        if (level == 1 && colours[0] == colours[2])
            drawn[axis][0] = false;
        if (level == 2 && colours[0] == colours[1])
            drawn[axis][0] = false;
    }
}

}  // namespace

viewmap mapof(const diagram& d, const pixelbox& r)
{
    viewmap m;
    m.set(d.window, r);
    return m;
}

pixelbox screenwindow(int width, int height)
{
    if (width <= 0 || height <= 0) {
        bugbox("printerdate::screenwindow");
        return {};
    }
    return {uint32_t(0.02 * width), uint32_t(0.02 * height), uint32_t(0.98 * width), uint32_t(0.98 * height)};
}

pixelbox printerrect(const diagram& d)
{
    if (!d.printer)
        return {};
    mmrect paper = d.paperrect(), mm = d.printer->printablemm();
    pixelbox px = d.printer->printablepixels();
    return topixels({paper.left / mm.right * px.right, paper.top / mm.bottom * px.bottom,
                     paper.right / mm.right * px.right, paper.bottom / mm.bottom * px.bottom});
}

double firstgridvalue(double anchor, double step, double low, double high)
{
    step = std::fabs(step);
    if (step == 0 || !std::isfinite(step))
        return 0.0;
    double k = std::ceil((low - anchor) / step);
    if (k > 1e16)
        return (low + high) / 2;
    double v = anchor + k * step;
    for (int i = 0; i < 4 && v <= low; ++i)
        v += step;
    for (int i = 0; i < 4 && v - step > low; ++i)
        v -= step;
    return v;
}

uint32_t gridshade(uint32_t colour, int n)
{
    if (n <= 0)
        return blendcolor(colour, 0.25, whiteink, 0.75);
    if (n == 1)
        return blendcolor(colour, 0.5, whiteink, 0.5);
    return colour;
}

gdipen penbystyle(uint32_t style, uint32_t colour)
{
    if (style == 2)
        return {2, colour, false};
    return {1, colour, style != 1};
}

void drawgrid(const diagram& d, gdi& g, const viewmap& map, const gdipen* pens[3], const uint32_t* brush,
              bool horizontal)
{
    const pixelbox& r = map.device();
    if (brush)
        g.fillrect(r.left, r.top, r.right, r.bottom, *brush);
    if (!pens[0])
        return;
    const worldrect& w = d.window;
    const uint32_t* f = horizontal ? d.factorsy : d.factorsx;
    double s1 = std::fabs(firststep(d, horizontal));
    double low = horizontal ? std::min(w.top, w.bottom) : w.left;
    double high = horizontal ? std::max(w.top, w.bottom) : w.right;
    double anchor = horizontal ? d.anchory : d.anchorx;
    if (!(s1 > 0) || !std::isfinite(s1) || f[0] == 0 || f[1] == 0)
        return;
    double s2 = s1 / f[0], s3 = s1 / f[1];
    ladder p1{anchor, s1, firstgridvalue(anchor, s1, low, high)};
    ladder p2{anchor, s2, firstabove(p1.at(), s2, low)};
    ladder p3{anchor, s3, firstabove(p2.at(), s3, low)};
    gridwalk walk{g, map, horizontal};
    // Finer lines first, then the coarser line at the same place.
    while (p1.at() < high) {
        do {
            for (; pens[2] && p3.at() + s3 / 2 < p2.at(); p3.next())
                if (!walk.line(pens[2], p3.at()))
                    return;
            p3.from(p2.at());
            if (!walk.line(pens[1], p2.at()))
                return;
            p2.next();
        } while (p2.at() - s2 / 2 < p1.at());
        p2.from(p1.at());
        if (!walk.line(pens[0], p1.at()))
            return;
        p1.next();
    }
    // Beyond the last first-order line, up to the far edge.
    if (!pens[1])
        return;
    for (uint32_t n = f[1] / f[0];;) {
        for (uint32_t i = 1; i < n; ++i, p3.next())
            if (p3.at() > high || !walk.line(pens[2], p3.at()))
                return;
        p3.from(p2.at());
        if (p2.at() > high || !walk.line(pens[1], p2.at()))
            return;
        p2.next();
    }
}

void paintdiagram(const diagram& d, gdi& g, const pixelbox& area)
{
    if (!d.griddrawable() || d.griddensity == 0)
        return;
    viewmap m1 = mapof(d, area), m2 = mapof(d, printerrect(d));
    double steps[2] = {firststep(d, false), firststep(d, true)};
    steps[0] = std::fabs(steps[0]);
    steps[1] = std::fabs(steps[1]);
    int st = int(d.gridstyle);
    uint32_t colours[3] = {gridshade(d.gridcolour, st), gridshade(d.gridcolour, st - 1),
                           gridshade(d.gridcolour, st - 2)};
    uint32_t background = whiteink;
    bool tint = false, drawn[2][3] = {};
    setdrawn(d, drawn, colours, background, tint, m1, m2, steps);
    gdipen pens[3];
    for (int k = 0; k < 3; ++k)
        pens[k] = penbystyle(1, colours[k]);
    for (int axis = 0; axis < 2; ++axis) {
        const gdipen* chosen[3];
        for (int k = 0; k < 3; ++k)
            chosen[k] = drawn[axis][k] ? &pens[k] : nullptr;
        drawgrid(d, g, m1, chosen, axis == 0 && tint ? &background : nullptr, axis == 1);
    }
}

void drawticks(const diagram& d, gdi& g, const viewmap& map, bool alongx, double position, double step,
               double length)
{
    const worldrect& w = d.window;
    double spacing = std::fabs(alongx ? map.worldwidth(step) : map.worldheight(step));
    if (spacing < 5)
        return;
    double across = std::fabs(alongx ? map.worldheight(length) : map.worldwidth(length));
    if (1.4 * spacing < across)
        length *= 1.4 * spacing / across;
    double from = alongx ? std::max(w.bottom, position - length / 2) : std::max(w.left, position - length / 2);
    double to = alongx ? std::min(w.top, position + length / 2) : std::min(w.right, position + length / 2);
    double low = alongx ? w.left : w.bottom, high = alongx ? w.right : w.top;
    double anchor = alongx ? d.anchorx : d.anchory;
    ladder tick{anchor, step, firstgridvalue(anchor, step, low, high)};
    for (long n = 0; n < walklimit && tick.at() < high; ++n, tick.next()) {
        double at = tick.at();
        if (alongx) {
            g.moveto(map.worldx(at), map.worldy(from));
            g.lineto(map.worldx(at), map.worldy(to));
        } else {
            g.moveto(map.worldx(from), map.worldy(at));
            g.lineto(map.worldx(to), map.worldy(at));
        }
    }
}

void drawboxaxes(const diagram& d, gdi& g, const viewmap& map, const gdipen& pen1, const gdipen& pen2)
{
    if (!d.box && !d.axisinside())
        return;
    const pixelbox& r = map.device();
    const worldrect& w = d.window;
    g.select(pen1);
    if (d.box) {
        g.moveto(r.left, r.bottom);
        g.lineto(r.left, r.top);
        g.lineto(r.right, r.top);
        g.lineto(r.right, r.bottom);
        g.lineto(r.left, r.bottom);
    }
    if (!d.anchorsgiven)
        return;
    int xa = map.worldx(d.anchorx), ya = map.worldy(d.anchory);
    bool ydrawn = d.yaxis && d.yaxisinside(), xdrawn = d.xaxis && d.xaxisinside();
    if (ydrawn) {
        g.moveto(xa, r.bottom);
        g.lineto(xa, r.top);
    }
    if (xdrawn) {
        g.moveto(r.left, ya);
        g.lineto(r.right, ya);
    }
    if (!d.ticksdrawable() || !d.tickmarks)
        return;
    for (int axis = 0; axis < 2; ++axis) {
        bool alongx = axis == 0;
        if (!(alongx ? xdrawn : ydrawn) && !d.box)
            continue;
        double position = alongx ? (xdrawn ? d.anchory : w.bottom) : (ydrawn ? d.anchorx : w.left);
        double unit = alongx ? d.unitx : d.unity, extent = alongx ? w.top - w.bottom : w.right - w.left;
        const uint32_t* f = alongx ? d.factorsx : d.factorsy;
        double divisors[3] = {1.0, double(f[0]), double(f[1])};
        for (int k = 0; k < 3; ++k) {
            if (!d.tickorders[k] || divisors[k] == 0)
                continue;
            g.select(k == 0 ? pen1 : pen2);
            drawticks(d, g, map, alongx, position, unit / divisors[k], extent * tickfactors[k]);
        }
    }
}

void paintboxaxes(const diagram& d, gdi& g, const pixelbox& area)
{
    gdipen pen{1, blackink, false};
    drawboxaxes(d, g, mapof(d, area), pen, pen);
}

bool paintcurve(gdi& g, const polyline& line, const viewmap& square)
{
    g.select({1, line.linepen.colour & 0xFFFFFF, false});
    drawpoints(g, line, square);
    return true;
}

void drawpoints(gdi& g, const polyline& line, const viewmap& square)
{
    for (size_t i = 1; i < line.points.size(); ++i) {
        const plotpoint& p = line.points[i];
        int x = todevice(square.devicex(p.x)), y = todevice(square.devicey(p.y));
        if (p.code == 1)
            g.moveto(x, y);
        else if (p.code == 2 || p.code == 3)
            g.lineto(x, y);
    }
}

bool paintdiag(cairo_t* cr, const diagram* d, const pixelbox& area)
{
    if (!d)
        return bugbox("paintdiag");
    gdi g(cr);
    drawdiag(*d, g, area);
    return true;
}

void drawdiag(const diagram& d, gdi& g, const pixelbox& area)
{
    paintdiagram(d, g, area);
    paintboxaxes(d, g, area);
    viewmap square;
    square.set(torect(area), {0, 0, devicesize, devicesize});
    for (listnode* n = d.polylines.first(); n; n = n->next)
        paintcurve(g, *static_cast<polyline*>(n), square);
}

void centredtext(cairo_t* cr, const char* text, double x, double y, double width, double height, const char* font)
{
    PangoLayout* layout = pango_cairo_create_layout(cr);
    PangoFontDescription* description = pango_font_description_from_string(font);
    pango_layout_set_font_description(layout, description);
    pango_layout_set_text(layout, text, -1);
    int w, h;
    pango_layout_get_pixel_size(layout, &w, &h);
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_move_to(cr, x + int((width - w) / 2), y + int((height - h) / 2));
    pango_cairo_show_layout(cr, layout);
    pango_font_description_free(description);
    g_object_unref(layout);
}
