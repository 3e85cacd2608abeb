#include "plots/plot.h"

#include <cmath>

#include "base/objcount.h"
#include "formula/varman.h"
#include "math/valtable.h"
#include "objects/fu1.h"
#include "plots/clipper.h"
#include "screen/msgbox.h"

const drect nowindow{};
const drect identitymapping{0.0, 1.0, 1.0, 0.0};

plotcurve* plot::pendingcurve = nullptr;
autoprint* plot::pendingentry = nullptr;
plotpsp* plot::pendingpsp = nullptr;
canplot* plot::pendinggraph = nullptr;

plotcurve::plotcurve()
{
    objcount(classnumber);
}

plotcurve::plotcurve(const plotcurve& source)
    : listnode(),
      graph(source.graph),
      graphnumber(source.graphnumber),
      world(source.world),
      enabled(source.enabled),
      colour(source.colour),
      rangelow(source.rangelow),
      rangehigh(source.rangehigh),
      fastplottable(source.fastplottable),
      owntable(source.owntable),
      selection{source.selection[0], source.selection[1]},
      argnumber(source.argnumber),
      clippers(cliplistcopy(source.clippers))
{
    objcount(classnumber);
}

plotcurve::~plotcurve()
{
    cliplistdestroy(clippers);
    objcount(-classnumber);
}

autoprint::autoprint(plotpsp* perspective, plotcurve* curve) : perspective(perspective), curve(curve)
{
    objcount(classnumber);
}

autoprint::autoprint(const autoprint& source)
    : listnode(),
      perspective(source.perspective),
      curve(source.curve),
      resolution(source.resolution),
      considered(source.considered),
      visible(source.visible),
      pen(source.pen)
{
    objcount(classnumber);
}

autoprint::~autoprint()
{
    sample.clear();
    objcount(-classnumber);
}

drect autoprint::mappedwindow() const
{
    if (!perspective || !curve) {
        unexpectederror(" autoprint::mappedwindow() ");
        return nowindow;
    }
    return mapcorners(curve->world, perspective->mapping);
}

uint32_t autoprint::siblingcount() const
{
    if (!curve || !perspective || !perspective->owner)
        return 0;
    plot& p = *perspective->owner;
    p.numbergraphs();
    return p.countcurvesofgraph(curve->graphnumber);
}

plotpsp::plotpsp(plot* owner) : owner(owner), number(owner ? owner->nextpspnumber() : 1)
{
    objcount(classnumber);
    objcount(namerecordclass);
    transfer.back = this;
}

plotpsp::plotpsp(const plotpsp& source)
    : listnode(), owner(source.owner), mapping(source.mapping), transfer(source.transfer), number(source.number)
{
    objcount(classnumber);
    objcount(namerecordclass);
    transfer.back = this;
}

plotpsp::~plotpsp()
{
    objcount(-namerecordclass);
    consider.clear();
    objcount(-classnumber);
}

autoprint* plotpsp::activeentry() const
{
    if (!apnr)
        return consider.first();
    return apnr <= consider.count ? consider.at(apnr) : nullptr;
}

drect plotpsp::mappedwindow() const
{
    autoprint* entry = activeentry();
    if (!entry) {
        unexpectederror(" plotpsp::mappedwindow() ");
        return nowindow;
    }
    return entry->mappedwindow();
}

plot::plot()
{
    objcount(classnumber);
    pendingcurve = nullptr;
    pendingentry = nullptr;
    pendingpsp = nullptr;
    pendinggraph = nullptr;
}

plot::~plot()
{
    // The graphs use the private copies: they go first.
    delete clipboard;
    perspectives.clear();
    curves.clear();
    graphs.clear();
    holders.clear();
    components.clear();
    solvers.clear();
    calcfunms.clear();
    objects.clear();
    varstores.clear();
    objcount(-classnumber);
}

plotpsp* plot::activemapping() const
{
    if (pendingpsp && pendingpsp->owner == this)
        return pendingpsp;
    return perspectives.at(currentpsp);
}

plotpsp* plot::shownpsp() const
{
    return clipboardshown && clipboard ? clipboard : activemapping();
}

int32_t plot::nextpspnumber() const
{
    int32_t highest = 0;
    for (plotpsp* p = perspectives.first(); p; p = static_cast<plotpsp*>(p->next))
        if (p->number > highest)
            highest = p->number;
    return highest + 1;
}

varman* plot::varstore() const
{
    return static_cast<varman*>(lastitem(varstores.head));
}

uint32_t plot::countenabled() const
{
    uint32_t n = 0;
    for (plotcurve* c = curves.first(); c; c = static_cast<plotcurve*>(c->next))
        n += c->enabled ? 1 : 0;
    return n;
}

plotcurve* plot::enabledcurve(uint32_t n) const
{
    if (n == 0)
        return nullptr;
    for (plotcurve* c = curves.first(); c; c = static_cast<plotcurve*>(c->next))
        if (c->enabled && --n == 0)
            return c;
    return nullptr;
}

uint32_t plot::curvenumber(const plotcurve* curve) const
{
    uint32_t n = 0;
    for (plotcurve* c = curves.first(); c; c = static_cast<plotcurve*>(c->next)) {
        if (c->enabled)
            ++n;
        if (c == curve)
            return c->enabled ? n : 0;
    }
    return 0;
}

void plot::numbergraphs()
{
    for (plotcurve* c = curves.first(); c; c = static_cast<plotcurve*>(c->next))
        if (c->graph)
            c->graphnumber = uint32_t(graphs.indexof(c->graph));
}

plotcurve* plot::curveofgraph(uint32_t k) const
{
    for (plotcurve* c = curves.first(); c; c = static_cast<plotcurve*>(c->next))
        if (c->graphnumber == k)
            return c;
    return nullptr;
}

uint32_t plot::countcurvesofgraph(uint32_t k) const
{
    uint32_t n = 0;
    for (plotcurve* c = curves.first(); c; c = static_cast<plotcurve*>(c->next))
        n += c->graphnumber == k ? 1 : 0;
    return n;
}

uint64_t plot::componentsize() const
{
    uint64_t n = 0;
    for (fu1* f = components.first(); f; f = static_cast<fu1*>(f->next))
        n += f->fpsize();
    return n;
}

void plot::valtablestats(uint32_t& count, uint64_t& bytes) const
{
    for (plotcurve* c = curves.first(); c; c = static_cast<plotcurve*>(c->next)) {
        if (c->owntable) {
            ++count;
            bytes += c->owntable->bytesize();
        }
    }
}

drect plot::mappedwindow() const
{
    plotpsp* p = activemapping();
    return p ? p->mappedwindow() : nowindow;
}

drect plot::shownwindow() const
{
    plotpsp* active = activemapping();
    if (!active)
        return nowindow;
    plotpsp* shown = shownpsp();
    drect w = shown ? shown->mappedwindow() : nowindow;
    return w.isempty() ? active->mappedwindow() : w;
}

drect plot::currentmapping() const
{
    plotpsp* active = activemapping();
    if (!active)
        return nowindow;
    autoprint* entry = active->activeentry();
    if (!entry || !entry->curve) {
        unexpectederror(" plot::currentmapping() ");
        return nowindow;
    }
    return entry->curve->world;
}

bool windowsmatch(const drect& a, const drect& b)
{
    double t = (a.right - a.left) * 1e-7, u = (a.top - a.bottom) * 1e-7;
    return std::fabs(b.right - a.right) <= t && std::fabs(b.left - a.left) <= t && std::fabs(b.top - a.top) <= u
           && std::fabs(b.bottom - a.bottom) <= u;
}
