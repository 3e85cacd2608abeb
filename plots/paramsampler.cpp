// Parametric curves: the sampler looks through the curve's value table for
// places where the curve enters the window and walks the curve from each
// in both directions with an adaptive parameter step (unishot) that keeps
// every drawn segment short and nearly straight at the target's
// resolution.
#include "plots/paramsampler.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <new>

#include "formula/evalstate.h"
#include "formula/services.h"
#include "math/valbase.h"
#include "math/valtable.h"
#include "plots/clipper.h"
#include "plots/curves.h"
#include "plots/plotservices.h"
#include "plots/runclippers.h"
#include "screen/keys.h"
#include "screen/menustate.h"
#include "screen/msgbox.h"
#include "screen/statushidden.h"

namespace {
constexpr double g = curvaturetolerance;

// An empty list: position 0 only.
void resetlist(plotcmdlist& list)
{
    list.setcount(1);
    list[0] = plotcmd{};
}

// The first entry of the table whose parameter lies above x.  Entries are
// looked up afresh each time: recording points during a walk may thin the
// table under a walking cursor.
const double* entryabove(valtable* table, double x)
{
    if (!table || table->count() == 0 || !valbase)
        return nullptr;
    table->position(x);
    valcursor c = table->upper.node ? table->upper : table->lower;
    while (c.node && !(c.values[0] > x))
        c = valbase->cursor(c.node->next());
    return c.node ? c.values : nullptr;
}

// A bracket of parameters whose points lie outside the window.
struct entrybracket {
    double t0 = 0, t1 = 0, step = 0;
    bool found = false;
};

// One sampling run of a parametric curve.
class paramrun {
public:
    paramrun(paramcurve& curve, samplerequest& request, sampleresult& result, int r)
        : curve(curve), request(request), result(result), r(r)
    {
    }
    bool walkpieces(plotcmdlist& temporary);

    walkframe frame;

private:
    bool unishot(bool forward, double& t, double h, plotcmdlist& list);
    bool entrysearch(entrybracket& bracket);
    bool findstart(double& cursor, double lo, double hi, double& start, double& s);
    bool interrupted(const plotcmdlist& list, double covered);

    curvepoint point(double t, double tolerance) { return curve.pointat(t, tolerance); }
    bool defined() const { return curve.status == canplot::defined; }
    bool masked(bool forward) { return curve.runclippers->maskvalue(curve.work, forward) > 0; }
    curvepoint entrypoint(const double* e) const { return {e[curve.xposition], e[curve.yposition]}; }

    paramcurve& curve;
    samplerequest& request;
    sampleresult& result;
    const int r;
    valtable* walktable = nullptr;
    double piecestart = 0;
    uint32_t pointsbefore = 0;
};

// The commands of one walk: a move to its first point, then a line to
// each further point that maps to another device point.
class walkwriter {
public:
    walkwriter(plotcmdlist& list, const screenmap& map, sampleresult& result)
        : list(list), map(map), result(result)
    {
    }
    bool start(const curvepoint& p) { return put(plotcmd::move, p); }
    bool emit(const curvepoint& p) { return put(plotcmd::line, p); }
    bool end()
    {
        if (!list.append(plotcmd::end, uint16_t(std::max(lastx, 0)), 0))
            result.failed = 1;
        return !result.failed;
    }
    bool drew = false;

private:
    bool put(uint32_t kind, const curvepoint& p)
    {
        // Only points of the closed window have a device point.
        const drect& w = map.world;
        if (!(p.x >= w.left && p.x <= w.right && p.y >= w.bottom && p.y <= w.top))
            return true;
        int a = map.worldtox(p.x), b = map.worldtoy(p.y);
        if (lastx < 0)
            kind = plotcmd::move;
        if (kind == plotcmd::line && a == lastx && b == lasty) {
            drew = true;
            return true;
        }
        if (!list.append(kind, uint16_t(a), uint16_t(b))) {
            result.failed = 1;
            return false;
        }
        lastx = a;
        lasty = b;
        drew = drew || kind == plotcmd::line;
        return true;
    }

    plotcmdlist& list;
    const screenmap& map;
    sampleresult& result;
    int lastx = -1, lasty = -1;
};

bool paramrun::interrupted(const plotcmdlist& list, double covered)
{
    if (!breakrequested() || !isidle())
        return false;
    menus().disablestop();
    statushidden hidden;
    flushkeys();
    int at = int(list.count + pointsbefore);
    double percent = (std::fabs(piecestart - request.rangelow) + covered) * 100
                     / (request.rangehigh - request.rangelow);
    int key = tell("\n Plotting of parametric curve interrupted at point %d, \n\r after covering %6.1f %% of the "
                   "parameter range. \n\n\r <Esc>  abort\n\r <r>    resume \n\r",
                   at, percent);
    if (key != 'r' && key != 'R')
        return false;
    menus().resetbusy();
    return true;
}

bool paramrun::unishot(bool forward, double& t, double h, plotcmdlist& list)
{
    const double sgn = forward ? 1 : -1;
    const double entry = t;
    resetlist(list);
    if (h == 0)
        return false;
    double t0 = t;
    // The break check: false when the walk is to end.
    auto goon = [&] { return !breakrequested() || interrupted(list, std::fabs(t0 - entry)); };
    curvepoint p0 = point(t0, std::fabs(t0) / 1e14);
    if (!goon() || !defined() || masked(forward))
        return false;

    // The first step: halved until its point is defined and the bend of
    // two steps is within the tolerance, doubled while it is flat.
    curvepoint p1, p2;
    int v = 0, pass = 0;
    for (;; ++pass) {
        if (pass >= 100) {
            unexpectederror(" Starter loop exceeds safety limit in unishot() ");
            return false;
        }
        if (v > 0) {
            h *= 2;
            p1 = p2;
        } else if (v < 0) {
            h /= 2;
            p2 = p1;
        }
        if (v <= 0) {
            p1 = point(t0 + sgn * h, h / 1000);
            if (!goon())
                return false;
            bool halved = false;
            for (; curve.status == canplot::undefined && pass < 100; halved = true) {
                ++pass;
                h /= 2;
                p1 = point(t0 + sgn * h, h / 1000);
            }
            curve.runclippers->start(curve.work, forward);
            if (halved) {
                v = -1;
                continue;
            }
        }
        if (v >= 0) {
            p2 = point(t0 + 2 * sgn * h, h / 1000);
            if (!goon())
                return false;
            if (!defined() || masked(forward)) {
                v = -1;
                continue;
            }
        }
        v = stepjudge(p0, p1, p2, frame, v);
        if ((v < 0 && frame.length(p0, p2) < g) || v == 0)
            break;
    }

    walkwriter writer(list, curve.map, result);
    if (!writer.start(p0))
        return false;
    p1 = point(t0 + sgn * h, h / 1000);
    double laststep = h;
    if (!goon() || !defined())
        return false;
    bool stop = false, maskedend = masked(forward);
    double tsaved = 0;
    auto ended = [&] {
        t = t0;
        return writer.end() && writer.drew;
    };
    if (!maskedend && !writer.emit(p1))
        return false;
    p2 = p1;
    p1 = p0;
    uint32_t count = 0;
    while (!maskedend && !stop) {
        p0 = p1;
        p1 = p2;
        t0 += sgn * laststep;
        if (++count > curve.pointlimit)
            return ended();
        for (;;) {
            p2 = point(t0 + sgn * h, h / 1000);
            laststep = h;
            if (!goon())
                return ended();
            if (!defined()) {
                stop = true;
                tsaved = t0;
                if (curve.status == canplot::undefined) {
                    p2 = curve.toundefined(t0, sgn * h, h / 1e12);
                } else if (curve.status == canplot::domainend && curve.table) {
                    const valtable& table = *curve.table;
                    if (forward && table.upperon)
                        t0 = table.upperlimit;
                    else if (!forward && table.loweron)
                        t0 = table.lowerlimit;
                    p2 = point(t0, h / 1000);
                }
                if (!goon())
                    return ended();
                break;
            }
            v = stepjudge(p0, p1, p2, frame, 0);
            if (v > 0)
                h *= 2;
            if (v >= 0)
                break;
            h /= 2;
            if (!(h > 0)) {
                stop = true;
                break;
            }
            if (frame.length(p1, p2) < 1.0)
                break;
        }
        if (!curve.norecord && writer.drew)
            curve.record(curve.work, h / 2);
        maskedend = masked(forward);
        if (!maskedend && !writer.emit(p2))
            return false;
    }
    if (maskedend) {
        if (stop) {
            h = std::fabs(t0 - tsaved);
            t0 = tsaved;
        }
        p2 = curve.toclipper(t0, sgn * h, h / 10000);
        if (!goon())
            return ended();
        if (!writer.emit(p2))
            return false;
    }
    return ended();
}

bool paramrun::entrysearch(entrybracket& b)
{
    curvepoint p0 = point(b.t0, 0);
    if (!defined())
        return false;
    curvepoint p1 = point(b.t1, 0);
    if (!defined() || !segmentmeets(p0, p1, frame.world))
        return false;
    for (;;) {
        double tm = (b.t0 + b.t1) / 2;
        // Parameters that no longer differ end the search too.
        if (frame.length(p0, p1) <= 0.5 || b.t1 - b.t0 <= 1e-13 || !(b.t0 < tm && tm < b.t1))
            return false;
        curvepoint pm = point(tm, 0);
        if (!defined())
            return false;
        if (pointinside(pm, frame.world)) {
            b.t0 = tm;
            b.found = true;
            return true;
        }
        b.step /= 2;
        if (segmentmeets(p0, pm, frame.world)) {
            b.t1 = tm;
            p1 = pm;
        } else {
            b.t0 = tm;
            p0 = pm;
        }
    }
}

// The next place above the cursor where the curve enters the window: an
// entry inside it, or a bracket of two entries whose segment meets it.
bool paramrun::findstart(double& cursor, double lo, double hi, double& start, double& s)
{
    // An entry at the range's end starts nothing new: its backward walk
    // would draw the last piece again.
    const double* e = entryabove(walktable, std::max(cursor, lo));
    if (!e || !(e[0] < request.rangehigh))
        return false;
    curvepoint p = entrypoint(e);
    double tp = cursor = e[0];
    for (;;) {
        if (pointinside(p, frame.world)) {
            start = tp;
            s = (hi - lo) / r;
            return true;
        }
        const double* next = entryabove(walktable, cursor);
        if (!next || !(next[0] < request.rangehigh))
            return false;
        curvepoint q = entrypoint(next);
        cursor = next[0];
        if (!pointinside(q, frame.world) && segmentmeets(p, q, frame.world)) {
            entrybracket b{tp, cursor, cursor - tp};
            if (entrysearch(b)) {
                start = b.t0;
                s = b.step;
                return true;
            }
        }
        p = q;
        tp = cursor;
    }
}

bool paramrun::walkpieces(plotcmdlist& temporary)
{
    walktable = request.walktable ? request.walktable : request.table;
    double lo = request.rangelow, hi = request.rangehigh;
    double cursor = -std::numeric_limits<double>::infinity();
    piecestart = lo;
    plotcmdlist& sample = *result.points;
    while (lo < hi && !breakrequested()) {
        double start = 0, s = 0;
        if (!findstart(cursor, lo, hi, start, s))
            break;
        bool drew = false, forwarddrew = false;
        auto take = [&](bool walked) {
            if (!walked)
                return;
            request.visible = 1;
            drew = true;
            if (!appendcommands(sample, temporary))
                result.failed = 1;
            pointsbefore = sample.count;
        };
        if (lo < start) {
            lo = start;
            shared.reportswitch = 0;
            double t = start;
            take(unishot(false, t, s / 100, temporary));
            if (drew)
                piecestart = lo;
        }
        if (start < request.rangehigh) {
            lo = start;
            shared.reportswitch = 0;
            double t = start;
            forwarddrew = unishot(true, t, s / 100, temporary);
            take(forwarddrew);
            lo = t;
        }
        result.arcs += drew;
        if (result.failed || (forwarddrew && clipperstop))
            break;
    }
    return request.visible;
}
}

bool appendcommands(plotcmdlist& destination, const plotcmdlist& source)
{
    uint32_t end = 1;
    while (end < source.count && source.at(end).kind != plotcmd::end)
        ++end;
    if (end >= source.count)
        return false;
    uint32_t at = destination.count > 1 ? destination.count - 1 : destination.count;
    if (!destination.setcount(at + end))
        return false;
    std::copy(source.entries + 1, source.entries + end + 1, destination.entries + at);
    return true;
}

bool paramcurve::sampler(samplerequest& request, sampleresult& result)
{
    busyscope busy;
    request.visible = 0;
    bool visible = walk(request, result);
    if (!visible)
        result.droppoints();
    return visible;
}

bool paramcurve::walk(samplerequest& request, sampleresult& result)
{
    // A request without a resolution samples at the target's width.
    const int r = request.resolution > 0 ? request.resolution : std::max(1, request.screen.width());
    scaledivisor = std::max(1.0, double(request.screen.height()) / (2.0 * r + 1));
    pointlimit = uint32_t(std::min<uint64_t>(100 * uint64_t(r), UINT32_MAX));
    norecord = request.norecord;
    if (!prepare(request) || !implement())
        return false;
    xcomponent = request.component1;
    ycomponent = request.component2;
    if (!componentsfit() || !plotted)
        return false;
    world = mapcorners(request.world, request.unit);
    screen = request.screen;
    map.set(world, screen);
    const uint32_t m = uint32_t(std::max(0, screen.width())) + 10;
    if (!result.points)
        result.points = new (std::nothrow) plotcmdlist(m);
    if (!result.points) {
        result.failed = 1;
        return false;
    }
    std::unique_ptr<plotcmdlist> temporary(new (std::nothrow) plotcmdlist(m));
    if (!temporary)
        return false;
    resetlist(*result.points);
    result.arcs = 0;
    std::unique_ptr<clipper> rect(new (std::nothrow) rectclipper(world, uint16_t(argcount + xcomponent - 1),
                                                                 uint16_t(argcount + ycomponent - 1)));
    std::unique_ptr<clipper> bound(new (std::nothrow) boundclipper(plottedarg - 1u, request.rangelow, request.rangehigh));
    if (!rect || !bound)
        return false;
    runchain chain(*this, request.extraclippers, std::move(rect), std::move(bound));
    runclippers->check(clipper::checkall, argsymbols());
    if (!prepare(request))
        return false;
    paramrun run(*this, request, result, r);
    run.frame = {world, screen, scaledivisor};
    return run.walkpieces(*temporary) && !result.failed;
}
