// The mapping queries of a plot: runs of consecutive curves that share a
// world window, and perspectives whose entries show a given window.
#include "plots/plot.h"

drect plotpsp::matchentry(const drect& f) const
{
    if (f.isempty())
        return nowindow;
    for (autoprint* e = consider.first(); e; e = static_cast<autoprint*>(e->next))
        if (e->curve && windowsmatch(e->mappedwindow(), f))
            return e->curve->world;
    return nowindow;
}

drect plot::findpspmapping(const drect& f, int& k) const
{
    int i = 0;
    for (plotpsp* p = perspectives.first(); p; p = static_cast<plotpsp*>(p->next)) {
        ++i;
        drect r = p->matchentry(f);
        if (!r.isempty()) {
            k = i;
            return r;
        }
    }
    return nowindow;
}

namespace {

// Counts the runs up to and with the first curve matching r (all runs
// without r); 0 when r is given and no curve matches.
uint32_t countruns(const plot& p, const drect* r)
{
    drect previous = nowindow;
    uint32_t n = 0;
    for (plotcurve* c = p.curves.first(); c; c = static_cast<plotcurve*>(c->next)) {
        if (!windowsmatch(c->world, previous))
            ++n;
        previous = c->world;
        if (r && windowsmatch(*r, c->world))
            return n;
    }
    return r ? 0 : n;
}

}  // namespace

uint32_t plot::countmappings() const
{
    return countruns(*this, nullptr);
}

uint32_t plot::mappingnumber(const drect& r) const
{
    return countruns(*this, &r);
}

drect plot::findmapping(const drect& f) const
{
    for (plotcurve* c = curves.first(); c; c = static_cast<plotcurve*>(c->next))
        if (windowsmatch(c->world, f))
            return c->world;
    return nowindow;
}
