// Choosing the perspective and window of a new curve, and the pending
// insertion that is either committed or undone as a whole.
#include "plots/insertion.h"

#include "plots/curvecolor.h"
#include "plots/plot.h"
#include "screen/keys.h"
#include "screen/msgbox.h"
#include "screen/msgbuffer.h"
#include "screen/uiutil.h"

#include <cctype>
#include <new>

drect mappingdialog(plot& p, int mode, const drect& f, plotpsp*& a)
{
    drect g = p.currentmapping();
    long m = long(p.mappingnumber(g));
    msgbuffer b(0, 0, 0, 0, 2048);
    if (mode == 2)
        b.addf("\n The mapping would have matched the fastplot window. \n\r So what shall I do ? \n\n\r");
    else
        b.addf("\n This perspective is new. What shall I do ? \n\n\r <a>dapt      Use the selected mapping nr. %ld "
               "\n\r",
               m);
    b.addf(" <d>efine     Create a new perspective that will let the \n\r              curve look as in the "
           "fastplot under mapping %ld \n\r <c>opyover   Paste the curve above the existing picture \n\r       "
           "       disregarding all coordinates \n\r <esc>        Cancel\n\r",
           m);
    int k = std::tolower(b.show());
    b.hide();
    if (k == 'a')
        return g;
    if (k == 'c') {
        p.copyover = 1;
        return a ? unmapcorners(f, a->mapping) : nowindow;
    }
    if (k != 'd')
        return nowindow;
    plotpsp* made = p.newpsp(relcorners(f, g), nullptr, false);
    if (!made)
        return nowindow;
    delete plot::pendingpsp;
    plot::pendingpsp = a = made;
    return g;
}

namespace {

// The user's answers to "use mapping" and "switch to perspective" for
// the window r found in the perspective at position k.
drect askmapping(plot& p, const drect& f, drect r, int k, uint32_t n, plotpsp*& a)
{
    plotpsp* b = p.perspectives.at(k);
    bool use = true;
    if (n >= 2) {
        use = isyes(tell("\n Use mapping nr. %ld  (y/n) ? \n", long(p.mappingnumber(r))));
    }
    if (!use)
        return mappingdialog(p, 2, f, a);
    if (isyes(tell("\n Switch to perspective %ld (y/n) ? \n", long(b ? b->number : 0))))
        a = b;
    return r;
}

}  // namespace

bool choosemapping(plot& p, const drect& f)
{
    drect r = nowindow;
    plotpsp* a = p.activemapping();
    drect g = p.currentmapping();
    if (f.isempty()) {
        r = g;
        if (g.isempty())
            return false;
    }
    if (!a) {
        a = plot::pendingpsp = p.newpsp(identitymapping, nullptr, false);
        if (!a)
            return false;
    }
    if (r.isempty() && p.nopsp())
        r = f;
    if (r.isempty() && windowsmatch(f, p.mappedwindow()))
        r = g;
    uint32_t n = p.countmappings();
    if (r.isempty() && n >= 2)
        r = p.activemapping()->matchentry(f);
    if (r.isempty()) {
        int k = 0;
        r = p.findpspmapping(f, k);
        r = r.isempty() ? mappingdialog(p, 3, f, a) : askmapping(p, f, r, k, n, a);
    }
    if (r.isempty())
        r = p.findmapping(f);
    if (r.isempty())
        return false;
    auto* curve = new (std::nothrow) plotcurve;
    auto* entry = curve ? new (std::nothrow) autoprint(a, curve) : nullptr;
    int colour = -1;
    if (entry) {
        curve->world = r;
        colour = choosecolor(" Choose a color please: ");
    }
    if (colour < 0) {
        delete entry;
        delete curve;
        return false;
    }
    curve->colour = uint16_t(colour);
    plot::pendingcurve = curve;
    plot::pendingentry = entry;
    return true;
}

void plot::undoinsert()
{
    delete pendinggraph;
    delete pendingpsp;
    pendinggraph = nullptr;
    pendingpsp = nullptr;
    while (listnode* c = pendingcurve) {
        pendingcurve = static_cast<plotcurve*>(c->next);
        delete c;
    }
    while (listnode* e = pendingentry) {
        pendingentry = static_cast<autoprint*>(e->next);
        delete e;
    }
}

namespace {

// Appends each element of the linked run to the chain.
template <class T>
void appendrun(chain& to, T*& run)
{
    while (listnode* e = run) {
        run = static_cast<T*>(e->next);
        e->next = nullptr;
        to.append(e);
    }
}

}  // namespace

void plot::commitinsert()
{
    if (pendingpsp)
        perspectives.append(pendingpsp);
    if (pendingentry) {
        int at = perspectives.indexof(pendingentry->perspective);
        if (at > 0)
            currentpsp = uint16_t(at);
    }
    if (plotpsp* a = activemapping()) {
        appendrun(a->consider, pendingentry);
        a->apnr = uint16_t(a->consider.count);
    }
    appendrun(curves, pendingcurve);
    if (pendinggraph)
        graphs.append(pendinggraph);
    pendinggraph = nullptr;
    pendingpsp = nullptr;
    pendingentry = nullptr;
}
