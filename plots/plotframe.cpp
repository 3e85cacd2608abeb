// New perspectives: made with the entries of the plot's curves or of
// another perspective, and from a mouse frame over the shown one.
#include "plots/fastplotwindow.h"
#include "plots/paint.h"
#include "plots/plot.h"
#include "plots/plotpanel.h"
#include "plots/plotservices.h"
#include "plots/windowcmds.h"
#include "screen/boxsettings.h"
#include "screen/maus.h"
#include "screen/msgbox.h"

#include <new>

namespace {

autoprint* nextentry(const autoprint* e)
{
    return static_cast<autoprint*>(e->next);
}

// The entry showing the curve becomes active, else the first shown one.
bool selectgraph(plotpsp& s, const plotcurve* curve)
{
    int position = 0, firstshown = 0;
    for (autoprint* e = s.consider.first(); e; e = nextentry(e)) {
        ++position;
        if (!e->shown(false))
            continue;
        if (e->curve == curve) {
            s.apnr = uint16_t(position);
            return true;
        }
        if (!firstshown)
            firstshown = position;
    }
    s.apnr = uint16_t(firstshown);
    return firstshown != 0;
}

}  // namespace

bool plotpsp::considerupdate(const chainof<autoprint>* source, bool includehidden)
{
    if (!owner)
        return false;
    if (!source) {
        for (plotcurve* c = owner->curves.first(); c; c = static_cast<plotcurve*>(c->next)) {
            if (!c->enabled)
                continue;
            auto* e = new (std::nothrow) autoprint(this, c);
            if (!e)
                return false;
            consider.append(e);
        }
        return true;
    }
    for (autoprint* s = source->first(); s; s = nextentry(s)) {
        if (!(s->visible || includehidden) || !s->curve || !s->curve->enabled)
            continue;
        auto* e = new (std::nothrow) autoprint(*s);
        if (!e)
            return false;
        e->perspective = this;
        consider.append(e);
    }
    return true;
}

plotpsp* plot::newpsp(const drect& mapping, const chainof<autoprint>* source, bool includehidden)
{
    auto* made = new (std::nothrow) plotpsp(this);
    if (!made)
        return nullptr;
    made->mapping = mapping;
    if (!made->considerupdate(source, includehidden)) {
        delete made;
        return nullptr;
    }
    return made;
}

bool plot::aaktion(const screenrect& frame)
{
    plotpsp* shown = shownpsp();
    if (!shown)
        return false;
    maus& tracker = frametracker();
    tracker.drawstored(0);
    drect w = framewindow(todrect(frame), todrect(plotarea()), shown->mapping);
    bool grows = !drect::inside(shown->mapping, w);
    autoprint* active = shown->activeentry();
    plotcurve* remembered = active ? active->curve : nullptr;
    plotpsp* made = w.isempty() ? nullptr : newpsp(w, &shown->consider, false);
    bool shows = made && made->anyvisible(grows);
    tracker.releaseall();
    if (!made)
        return false;
    if (!shows) {
        delete made;
        if (!breakrequested()) {
            msgstyle(1);
            setboxtitle(" Command aborted ");
            setfootercode(10);
            msgbox("\n Curve(s) not visible in window ! \n");
        }
        return false;
    }
    delete clipboard;
    clipboard = made;
    clipboardshown = 1;
    insertbefore = 0;
    made->paint(grows);
    if (!selectgraph(*made, remembered))
        unexpectederror("selectgraph() fails in plot::aaktion()");
    redrawpanel();
    return true;
}
