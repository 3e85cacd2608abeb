// Copies of perspectives, curves and whole plots: registering a
// perspective in another plot, duplicating the current plot, copying the
// active curve of a perspective.
#include <cstdio>
#include <memory>
#include <new>

#include "plots/painting.h"
#include "plots/envcommands.h"
#include "plots/plot.h"
#include "plots/plotcommands.h"
#include "plots/plotlist.h"
#include "plots/smalldialogs.h"
#include "screen/msgbox.h"

namespace {

autoprint* nextentry(autoprint* e)
{
    return static_cast<autoprint*>(e->next);
}

plotpsp* nextpsp(plotpsp* p)
{
    return static_cast<plotpsp*>(p->next);
}

// A copy of the curve with its clippers; null on failure.
plotcurve* curvecopy(const plotcurve& c)
{
    auto* copy = new (std::nothrow) plotcurve(c);
    if (copy && c.clippers && !copy->clippers) {
        delete copy;
        return nullptr;
    }
    return copy;
}

// The current plot when it may be duplicated (a current perspective, the
// clipboard not shown), with that perspective.
plot* duplicable(plotpsp*& shown)
{
    plot* current = currentplot();
    shown = current ? current->activemapping() : nullptr;
    return shown && !current->clipboardshown ? current : nullptr;
}

// The new plot with the current plot's curves and copyover flag; null on
// failure.
std::unique_ptr<plot> plotwithcurves(const plot& source)
{
    std::unique_ptr<plot> made(new (std::nothrow) plot);
    if (!made || !made->copycurves(source))
        return nullptr;
    made->copyover = source.copyover;
    return made;
}

// Links the new plot at the end of the list, makes it current and paints
// its current perspective.
void takeplot(std::unique_ptr<plot> made)
{
    chainof<plot>& list = plotlist();
    plot* p = made.release();
    list.setcursor(list.append(p));
    if (plotpsp* s = p->activemapping())
        paintperspective(*s);
}

}  // namespace

plotpsp* plotpsp::registr(plot* target) const
{
    if (!target || target == owner) {
        unexpectederror(" plotpsp::registr 1 ");
        return nullptr;
    }
    std::unique_ptr<plotpsp> copy(new (std::nothrow) plotpsp(*this));
    if (!copy)
        return nullptr;
    copy->owner = target;
    for (autoprint* e = consider.first(); e; e = nextentry(e)) {
        if (!e->visible)
            continue;
        if (!e->curve || !e->curve->enabled || !owner) {
            tell("\n pointer %p to inactive autoplot in line consider (plotpsp::registr) \n", static_cast<void*>(e));
            return nullptr;
        }
        plotcurve* curve = target->enabledcurve(owner->curvenumber(e->curve));
        if (!curve) {
            unexpectederror(" plotpsp::registr 2 ");
            return nullptr;
        }
        auto* entry = new (std::nothrow) autoprint(*e);
        if (!entry)
            return nullptr;
        entry->perspective = copy.get();
        entry->curve = curve;
        copy->consider.append(entry);
    }
    copy->apnr = copy->consider.count ? 1 : 0;
    return copy.release();
}

bool plot::copycurves(const plot& source)
{
    // Graphs of the source and their copies here, pairwise.
    chain sources;
    struct graphpair : listnode {
        canplot* from = nullptr;
        canplot* to = nullptr;
    };
    for (plotcurve* c = source.curves.first(); c; c = static_cast<plotcurve*>(c->next)) {
        if (!c->enabled)
            continue;
        plotcurve* copy = curvecopy(*c);
        if (!copy)
            return false;
        curves.append(copy);
        if (!c->graph)
            continue;
        graphpair* pair = static_cast<graphpair*>(sources.head);
        while (pair && pair->from != c->graph)
            pair = static_cast<graphpair*>(pair->next);
        if (!pair) {
            canplot* made = c->graph->copyto(this);
            pair = made ? new (std::nothrow) graphpair : nullptr;
            if (!pair) {
                delete made;
                copy->graph = nullptr;
                return false;
            }
            pair->from = c->graph;
            pair->to = made;
            graphs.append(made);
            sources.append(pair);
        }
        copy->graph = pair->to;
    }
    numbergraphs();
    return true;
}

bool plotpsp::copycurve(std::string& message)
{
    autoprint* active = activeentry();
    if (!owner || !active || !active->curve || !active->curve->graph)
        return false;
    plotcurve* curve = curvecopy(*active->curve);
    if (!curve)
        return false;
    auto* entry = new (std::nothrow) autoprint(*active);
    if (!entry) {
        delete curve;
        return false;
    }
    entry->curve = curve;
    entry->perspective = this;
    owner->curves.append(curve);
    consider.append(entry);
    owner->numbergraphs();
    char text[80];
    std::snprintf(text, sizeof text, "A copy of curve #%u has been added as #%u", owner->curvenumber(active->curve),
                  owner->curvenumber(curve));
    message = text;
    return true;
}

bool duplicatevisible()
{
    plotpsp* shown = nullptr;
    plot* current = duplicable(shown);
    std::unique_ptr<plot> made = current ? plotwithcurves(*current) : nullptr;
    plotpsp* copy = made ? shown->registr(made.get()) : nullptr;
    if (!copy)
        return false;
    copy->number = 1;
    made->perspectives.append(copy);
    made->currentpsp = 1;
    takeplot(std::move(made));
    return true;
}

bool duplicateall()
{
    plotpsp* shown = nullptr;
    plot* current = duplicable(shown);
    std::unique_ptr<plot> made = current ? plotwithcurves(*current) : nullptr;
    if (!made)
        return false;
    // The copy of the current perspective becomes current; when that one
    // is empty and skipped, the last copy in front of it, else the first.
    uint16_t index = 0;
    bool passed = false;
    for (plotpsp* s = current->perspectives.first(); s; s = nextpsp(s)) {
        bool before = !passed;
        passed = passed || s == shown;
        if (perspectiveempty(*s))
            continue;
        plotpsp* copy = s->registr(made.get());
        if (!copy)
            return false;
        made->perspectives.append(copy);
        if (before || !index)
            index = uint16_t(made->perspectives.count);
    }
    if (!made->perspectives.count)
        return false;
    made->currentpsp = index;
    takeplot(std::move(made));
    return true;
}

bool duplicateplot()
{
    plot* current = currentplot();
    if (!current)
        return false;
    plotpsp* first = current->perspectives.first();
    if (current->perspectives.count <= 1 && (!first || first->number == 1))
        return duplicatevisible();
    switch (dupliplotdialog()) {
    case '2': return duplicateall();
    case '1': return duplicatevisible();
    default: return false;
    }
}

void duplicatecmd()
{
    duplicateplot();
}
