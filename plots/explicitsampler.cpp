// Explicit curves column by column: one sample per screen column (or per
// resolution step) between the range's bounds, each sample tested
// against the window's vertical extent and the clippers, with the
// crossings of the top and bottom edges interpolated.
#include <algorithm>
#include <cmath>
#include <new>

#include "formula/evalstate.h"
#include "platform/core/pausegate.h"
#include "formula/services.h"
#include "plots/breakdialogs.h"
#include "plots/clipper.h"
#include "plots/curves.h"
#include "plots/plotservices.h"
#include "plots/runclippers.h"
#include "screen/menustate.h"

// The commands of one run, written sample by sample.  A run enters the
// window with a move (to the crossing of the edge it came through) and
// continues with lines; a crossing found on entry waits for the next
// sample, which decides whether the curve really went on inwards.
class columnwriter {
public:
    columnwriter(plotcmdlist& list, const screenmap& map, double dx) : list(list), map(map), dx(dx) {}

    // The next sample; visible means defined, unmasked and strictly
    // between the window's bottom and top.
    void take(double x, double y, bool masked, bool visible, uint8_t& seen)
    {
        const drect& w = map.world;
        const bool rising = y > prevy;
        if (prevvisible && visible) {
            lineafterentry(map.worldtox(x), map.worldtoy(y), rising);
        } else if (prevvisible) {
            if (prevrose && !masked && y > w.top)
                lineafterentry(map.worldtox(crossing(x, (w.top - y) * dx / (y - prevy))), map.pixels.top, rising);
            else if (!prevrose && !masked && y < w.bottom)
                lineafterentry(map.worldtox(crossing(x, (y - w.bottom) * dx / (prevy - y))), map.pixels.bottom,
                               rising);
            pending = false;
        } else if (visible) {
            seen = 1;
            if (!prevmasked && prevy < w.bottom)
                enter(crossing(x, (w.bottom - y) * dx / (y - prevy)), map.pixels.bottom, true);
            else if (!prevmasked && prevy > w.top)
                enter(crossing(x, (y - w.top) * dx / (prevy - y)), map.pixels.top, false);
            else
                put(plotcmd::move, map.worldtox(x), map.worldtoy(y));
        }
        prevrose = rising;
        prevy = y;
        prevvisible = visible;
        prevmasked = masked;
    }
    bool finish()
    {
        put(plotcmd::end, lastx, 0);
        return ok;
    }

private:
    // x + shift, kept between the previous sample and this one (a shift
    // that is no number puts the crossing at the sample).
    double crossing(double x, double shift) const { return std::isnan(shift) ? x : x + std::clamp(shift, -dx, 0.0); }
    void enter(double xc, int row, bool frombelow)
    {
        pending = true;
        entry = {plotcmd::move, uint16_t(map.worldtox(xc)), uint16_t(row)};
        entryside = frombelow;
    }
    // A line to (a, b); behind a pending entry when this step goes the
    // entry's way, else a move.
    void lineafterentry(int a, int b, bool rising)
    {
        uint32_t kind = plotcmd::line;
        if (pending) {
            if (rising == entryside)
                put(entry.kind, entry.a, entry.b);
            else
                kind = plotcmd::move;
            pending = false;
        }
        put(kind, a, b);
    }
    void put(uint32_t kind, int a, int b)
    {
        ok = list.append(kind, uint16_t(a), uint16_t(b)) && ok;
        if (kind != plotcmd::end)
            lastx = a;
    }

    plotcmdlist& list;
    const screenmap& map;
    const double dx;
    double prevy = 0;
    bool prevvisible = false, prevmasked = true, prevrose = false;
    bool pending = false, entryside = false;
    plotcmd entry;
    int lastx = 0;
    bool ok = true;
};

namespace {
// An empty list (position 0 only) with room for n commands.
bool resetlist(plotcmdlist& list, uint32_t n)
{
    bool ok = list.setcount(n);
    list.setcount(1);
    list[0] = plotcmd{};
    return ok;
}
}

bool graphcurve::sampler(samplerequest& request, sampleresult& result)
{
    busyscope busy;
    platform::checkpoint();   // a pause or a script's hold may park the run here
    request.visible = 0;
    bool drawn = columns(request, result);
    if (!drawn)
        result.droppoints();
    return drawn;
}

bool graphcurve::columns(samplerequest& request, sampleresult& result)
{
    plottedarg = request.component1;
    plottedvalue = request.component2;
    if (!implement() || plottedvalue < 1 || plottedvalue > valuecount)
        return false;
    int n = request.screen.right - request.screen.left + 1;
    if (request.resolution != 0 && request.resolution <= n)
        n = request.resolution;
    world = mapcorners(request.world, request.unit);
    screen = request.screen;
    screenmap map(world, screen);
    // Only abscissae inside both the range and the window are sampled.
    double low = world.left, high = world.right;
    if (!isemptyrange(request.rangelow, request.rangehigh)) {
        low = std::max(request.rangelow, world.left);
        high = std::min(request.rangehigh, world.right);
    }
    if (n < 1 || isemptyrange(low, high) || world.isempty())
        return false;
    if (!result.points)
        result.points = new (std::nothrow) plotcmdlist(uint32_t(n) + 10);
    if (!result.points) {
        result.failed = 1;
        return false;
    }
    runchain clippers(*this, request.extraclippers);
    if (!prepare(request))
        return false;
    if (runclippers)
        runclippers->check(clipper::checkall, argsymbols());
    result.failed = !resetlist(*result.points, uint32_t(n) + 10);
    if (result.failed)
        return false;
    shared.reportswitch = 0;
    columnwriter writer(*result.points, map, (high - low) / n);
    sweep(request, writer, low, (high - low) / n, n);
    result.failed = !writer.finish();
    return request.visible && !result.failed;
}

void graphcurve::sweep(samplerequest& request, columnwriter& writer, double low, double dx, int n)
{
    for (int i = 0; i < n; ++i) {
        const double x = low + (i + 0.5) * dx;
        const double y = valueat(x, 0);
        if (breakrequested()) {
            if (!plotbreakdialog(i, n)) {
                request.visible = 0;
                return;
            }
            menus().resetbusy();
            --i;
            continue;
        }
        bool masked = status != defined || (runclippers && runclippers->maskvalue(work, true) > 0);
        bool visible = !masked && world.bottom < y && y < world.top;
        writer.take(x, y, masked, visible, request.visible);
    }
}
