// Queries and steps on a perspective's consider list: which entries are
// shown, the active entry and its neighbours by curve number.
#include <cstdint>

#include "plots/curveeditor.h"
#include "plots/paint.h"
#include "plots/plot.h"
#include "plots/plotpanel.h"
#include "screen/msgbox.h"

namespace {

autoprint* following(const autoprint* e)
{
    return static_cast<autoprint*>(e->next);
}

autoprint* entryat(const plotpsp& p, uint32_t position)
{
    return position >= 1 && position <= uint32_t(p.consider.count) ? p.consider.at(int(position)) : nullptr;
}

// The position fixapnr would choose from a, 0 for none.
uint32_t findshown(const plotpsp& p, uint32_t a, bool includehidden)
{
    if (p.consider.count == 0)
        return 0;
    if (!entryat(p, a))
        a = 1;
    if (entryat(p, a)->shown(includehidden))
        return a;
    return p.stepentry(a, 0, includehidden);
}

}  // namespace

bool autoprint::shown(bool includehidden) const
{
    return curve && curve->enabled && considered && (visible || includehidden);
}

uint32_t plotpsp::indexof(const autoprint* entry) const
{
    uint32_t i = 0;
    for (autoprint* e = consider.first(); e; e = following(e)) {
        ++i;
        if (e == entry)
            return i;
    }
    return 0;
}

uint32_t plotpsp::numberofentry(uint32_t position) const
{
    autoprint* e = entryat(*this, position);
    return e && owner ? owner->curvenumber(e->curve) : 0;
}

autoprint* plotpsp::entryofcurve(const plotcurve* curve) const
{
    for (autoprint* e = consider.first(); e; e = following(e))
        if (curve && e->curve == curve)
            return e;
    return nullptr;
}

autoprint* plotpsp::entryofnumber(uint32_t n) const
{
    return owner ? entryofcurve(owner->enabledcurve(n)) : nullptr;
}

uint32_t plotpsp::countshown() const
{
    uint32_t n = 0;
    for (autoprint* e = consider.first(); e; e = following(e))
        n += e->shown(false) ? 1 : 0;
    return n;
}

uint32_t plotpsp::stepentry(uint32_t from, int direction, bool includehidden) const
{
    if (direction == 0) {
        uint32_t below = stepentry(from, -1, includehidden);
        return below ? below : stepentry(from, 1, includehidden);
    }
    int64_t count = owner ? owner->countenabled() : 0;
    for (int64_t n = int64_t(numberofentry(from)) + direction; n >= 1 && n <= count; n += direction) {
        autoprint* e = entryofnumber(uint32_t(n));
        if (e && e->shown(includehidden))
            return indexof(e);
    }
    return 0;
}

bool plotpsp::fixapnr(bool includehidden)
{
    uint32_t a = findshown(*this, apnr, includehidden);
    if (!a)
        return true;
    apnr = uint16_t(a);
    return false;
}

bool plotpsp::noshown(bool includehidden) const
{
    return findshown(*this, apnr, includehidden) == 0;
}

bool plotpsp::isempty()
{
    if (!fixapnr(false))
        return false;
    if (fixapnr(true))
        return true;
    activeentry()->visible = 1;
    return false;
}

void plotpsp::stepactive(int direction)
{
    if (uint32_t k = stepentry(indexof(activeentry()), direction, false))
        apnr = uint16_t(k);
    redrawpanel();
}

void plotpsp::stepcurve(int direction)
{
    int64_t count = owner ? owner->countenabled() : 0;
    int64_t n = int64_t(editornumber) + direction;
    if (n < 0)
        n = count;
    else if (n > count)
        n = 0;
    editornumber = uint32_t(n);
    editorselection = n ? entryofnumber(uint32_t(n)) : nullptr;
}

bool plotpsp::togglevisible()
{
    autoprint* a = activeentry();
    if (!a || !a->curve || !a->curve->enabled)
        return false;
    if (!a->visible) {
        a->visible = 1;
    } else if (consider.count >= 2) {
        a->visible = 0;
    } else {
        msgstyle(1);
        tell("\n Cannot remove the only remaining graph! \n");
        msgstyle(0);
        return false;
    }
    paintedit(0);
    return true;
}

bool plotpsp::removeentry()
{
    autoprint* a = activeentry();
    uint32_t removed = indexof(a);
    uint32_t other = a ? stepentry(removed, 0, true) : 0;
    if (!other)
        return false;
    a->curve->enabled = 0;
    consider.erase(a);
    apnr = uint16_t(other > removed ? other - 1 : other);
    editorselection = activeentry();
    editornumber = editorselection && owner ? owner->curvenumber(editorselection->curve) : 0;
    paintedit(0);
    return true;
}
