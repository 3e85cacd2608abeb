// Putting a fastplot's curves, or a calculator's curve over a window,
// into a designer plot: private copies of the sources, a new graph, one
// plotcurve and entry per curve.
#include "calculator/calcfunm.h"
#include "calculator/calculator.h"
#include "calculator/rk.h"
#include "formula/fingerprint.h"
#include "formula/evalstate.h"
#include "math/valtable.h"
#include "plots/clipper.h"
#include "plots/curves.h"
#include "plots/fastplot.h"
#include "plots/insertion.h"
#include "plots/plot.h"

#include <new>

namespace {

// The registered copy of the calculator's source and a graph over it.
canplot* makegraph(plot& p, calculator& k, bool parametric)
{
    if (k.isdirectmode()) {
        calcfunm* s = p.registerfunction(k.calling);
        if (!s)
            return nullptr;
        return parametric ? static_cast<canplot*>(new (std::nothrow) directparam(&p, s))
                          : new (std::nothrow) directgraph(&p, s);
    }
    RK* s = p.registerrksolver(k.solver);
    if (!s)
        return nullptr;
    return parametric ? static_cast<canplot*>(new (std::nothrow) rkparam(&p, s)) : new (std::nothrow) rkgraph(&p, s);
}

// The graph's store, components, plotted argument and work vector (with
// the calculator's arguments in Direct mode).
bool shapegraph(plot& p, calculator& k, canplot& g)
{
    g.varstore = p.varstore();
    g.components = &p.components;
    g.plottedarg = k.argindex();
    g.argcount = uint16_t(k.argcount());
    g.valuecount = uint16_t(k.valuecount());
    if (!g.sizework())
        return false;
    if (k.isdirectmode())
        for (int i = 0; i < g.argcount && k.binding.cells[i]; ++i)
            g.work[i] = *k.binding.cells[i];
    return true;
}

// The private copy of a table, flushed and unchecked; the source table
// is shared as the curve's fastplot table while its stamps agree.
bool sharetables(plotcurve& c, const std::shared_ptr<valtable>& source, std::shared_ptr<valtable>& copy)
{
    if (!copy) {
        copy = std::shared_ptr<valtable>(new (std::nothrow) valtable(*source));
        if (!copy)
            return false;
        copy->flush();
        copy->unchecked = 1;
    }
    c.owntable = copy;
    if (shared.print && shared.print->matches(source->stamp, source->fillstamp))
        c.fastplottable = source;
    return true;
}

// The fastplot's table as a shared pointer: its own, else the solver's.
std::shared_ptr<valtable> tableof(fastplot& f)
{
    if (f.sharedtable && f.sharedtable.get() == f.table)
        return f.sharedtable;
    if (f.calc && f.calc->initvalues.get() == f.table)
        return f.calc->initvalues;
    return nullptr;
}

// A further curve and entry in front of the pending runs.
bool pushcurve(plot& p)
{
    auto* c = new (std::nothrow) plotcurve;
    auto* e = c ? new (std::nothrow) autoprint(plot::pendingentry->perspective, c) : nullptr;
    if (!e) {
        delete c;
        return false;
    }
    c->world = plot::pendingcurve->world;
    c->colour = plot::pendingcurve->colour;
    c->next = plot::pendingcurve;
    e->next = plot::pendingentry;
    plot::pendingcurve = c;
    plot::pendingentry = e;
    return true;
}

bool fail(plot& p)
{
    p.undoinsert();
    return false;
}

}  // namespace

bool plot::insertfastplot(fastplot& f)
{
    calculator& k = *f.calc;
    if (!choosemapping(*this, f.world))
        return false;
    pendingcurve->next = nullptr;
    pendingentry->next = nullptr;
    if (f.spec.type != plottype::simple && f.spec.type != plottype::parametric)
        return fail(*this);
    bool parametric = f.isparametric();
    pendinggraph = makegraph(*this, k, parametric);
    if (!pendinggraph || !shapegraph(*this, k, *pendinggraph))
        return fail(*this);
    std::shared_ptr<valtable> source = tableof(f), copy;
    clipper* clips = nullptr;
    uint16_t n = f.spec.curves();
    for (uint16_t i = 0; i < n; ++i) {
        plotcurve& c = *pendingcurve;
        c.graph = pendinggraph;
        c.argnumber = k.argindex();
        if (parametric) {
            c.rangelow = f.spec.rangelow;
            c.rangehigh = f.spec.rangehigh;
            f.pairof(i, c.selection[0], c.selection[1]);
        } else {
            c.selection[0] = k.argindex();
            c.selection[1] = k.valueindex();
        }
        if (f.spec.clippers && i == 0) {
            if (!(clips = cliplistcopy(f.spec.clippers)))
                return fail(*this);
            if (n == 1)
                c.clippers = clips;
            else
                while (clipper* e = clips) {
                    clips = e->following();
                    e->next = nullptr;
                    pendinggraph->ownclippers.append(e);
                }
        }
        if (source && !sharetables(c, source, copy))
            return fail(*this);
        pendingentry->curve = &c;
        if (i + 1 < n && !pushcurve(*this))
            return fail(*this);
    }
    if (!pendinggraph->firstimplement())
        return fail(*this);
    commitinsert();
    return true;
}

bool plot::insertcalculator(calculator& k, const drect& w)
{
    if (!choosemapping(*this, w))
        return false;
    pendingcurve->next = nullptr;
    pendingentry->next = nullptr;
    pendinggraph = makegraph(*this, k, false);
    if (!pendinggraph || !shapegraph(*this, k, *pendinggraph))
        return fail(*this);
    plotcurve& c = *pendingcurve;
    c.graph = pendinggraph;
    c.argnumber = k.argindex();
    c.selection[0] = k.argindex();
    c.selection[1] = k.valueindex();
    std::shared_ptr<valtable> copy;
    if (!k.isdirectmode() && k.initvalues && !sharetables(c, k.initvalues, copy))
        return fail(*this);
    pendingentry->curve = &c;
    if (!pendinggraph->firstimplement())
        return fail(*this);
    commitinsert();
    return true;
}
