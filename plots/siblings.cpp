// Sibling curves: a new curve of a Runge-Kutta curve's equations through
// a point the pen clicked, set up in "  Creating a new Curve...".
#include <memory>
#include <new>

#include "calculator/rk.h"
#include "math/valtable.h"
#include "plots/clipper.h"
#include "plots/curves.h"
#include "plots/mousecreate.h"
#include "plots/plot.h"
#include "plots/envcommands.h"

namespace {

// The program-wide parameter range of a new curve.
constexpr double defaultlow = 0, defaulthigh = 0;

bool inside(const drect& w, double x, double y)
{
    return w.left < x && x < w.right && w.bottom < y && y < w.top;
}

// The entry's curve when graph may make its sibling, else null.
plotcurve* sourcecurve(canplot& graph, autoprint& entry)
{
    plotcurve* c = entry.curve;
    if (!graph.canmousecreate() || !c || !(c->owntable || c->fastplottable) || c->graph != &graph)
        return nullptr;
    return c;
}

// The dialog's record for a sibling of c through (x, y) with that default range.
mousecreaterecord siblingrecord(autoprint& entry, plotcurve& c, double x, double y, double low, double high)
{
    mousecreaterecord r;
    r.curvenumber = entry.perspective && entry.perspective->owner ? entry.perspective->owner->curvenumber(&c) : 0;
    r.x = x;
    r.y = y;
    r.lower = low;
    r.upper = high;
    r.window = entry.mappedwindow();
    r.colour = c.colour;
    r.hasclippers = r.copyclippers = c.clippers != nullptr;
    return r;
}

// Asks for the sibling and makes its curve: the source's copy with a
// table of its own that starts at the point (laid out by putstart in
// the first length cells); null for cancel or failure.
template <class startlayout>
plotcurve* makesibling(autoprint& entry, plotcurve& c, double x, double y, double low, double high,
                       uint32_t length, startlayout putstart)
{
    mousecreaterecord r = siblingrecord(entry, c, x, y, low, high);
    if (mousecreatedialog(r) != 13)
        return nullptr;
    std::unique_ptr<plotcurve> copy(new (std::nothrow) plotcurve(c));
    if (!copy)
        return nullptr;
    if (!r.copyclippers) {
        cliplistdestroy(copy->clippers);
        copy->clippers = nullptr;
    }
    const valtable& source = c.owntable ? *c.owntable : *c.fastplottable;
    copy->fastplottable.reset();
    copy->owntable = std::shared_ptr<valtable>(new (std::nothrow) valtable(source));
    if (!copy->owntable || !copy->owntable->startvector || copy->owntable->dimension < length)
        return nullptr;
    copy->rangelow = low;
    copy->rangehigh = high;
    if (!r.unrestricted && r.lower < r.upper) {
        copy->rangelow = r.lower;
        copy->rangehigh = r.upper;
    }
    copy->colour = r.colour;
    if (!inside(r.window, r.x, r.y)) {
        r.x = x;
        r.y = y;
    }
    // The point is a state of the solution: no later state replaces it.
    putstart(*copy->owntable, r.x, r.y);
    copy->owntable->startreplaceable = 0;
    if (!copy->owntable->flush())
        return nullptr;
    copy->owntable->unchecked = 1;
    return copy.release();
}

}  // namespace

bool rkgraph::canmousecreate()
{
    rkshape s;
    startpoint(s);
    return s.order == 1 && s.dimension == 1 && !s.arclength;
}

bool rkparam::canmousecreate()
{
    rkshape s;
    startpoint(s);
    return s.order == 1 && (s.arclength ? s.dimension == 1 : s.dimension == 2);
}

plotcurve* rkgraph::mousecreate(autoprint& entry, double x, double y)
{
    plotcurve* c = sourcecurve(*this, entry);
    if (!c)
        return nullptr;
    return makesibling(entry, *c, x, y, defaultlow, defaulthigh, 2, [](valtable& t, double a, double b) {
        t.startvector[0] = a;
        t.startvector[1] = b;
    });
}

plotcurve* rkparam::mousecreate(autoprint& entry, double x, double y)
{
    plotcurve* c = sourcecurve(*this, entry);
    if (!c)
        return nullptr;
    // x then y behind the parameter, unless y is the lower component.
    bool swapped = c->selection[1] < c->selection[0];
    return makesibling(entry, *c, x, y, c->rangelow, c->rangehigh, 3, [swapped](valtable& t, double a, double b) {
        t.startvector[0] = 0;
        t.startvector[1] = swapped ? b : a;
        t.startvector[2] = swapped ? a : b;
    });
}

bool plotpsp::mousecreate(double x, double y)
{
    autoprint* active = activeentry();
    if (!active || !active->curve || !active->curve->graph || !owner)
        return false;
    std::unique_ptr<plotcurve> curve(active->curve->graph->mousecreate(*active, x, y));
    if (!curve)
        return false;
    std::unique_ptr<autoprint> entry(new (std::nothrow) autoprint(*active));
    if (!entry)
        return false;
    entry->curve = curve.get();
    entry->perspective = this;
    entry->considered = 1;
    if (!entry->paint(true, 0))
        return false;
    owner->curves.append(curve.release());
    consider.append(entry.release());
    apnr = uint16_t(consider.count);
    return true;
}

bool mousecreatecmd(plotpsp& s, double x, double y)
{
    return s.mousecreate(x, y);
}
