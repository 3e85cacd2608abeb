// A mouse frame over the fastplot pane: plot #2 shows the chosen window.
#include "plots/fastplotwindow.h"

#include "calculator/calcowner.h"
#include "calculator/calculator.h"
#include "plots/fastplot.h"
#include "plots/windowcmds.h"
#include "screen/maus.h"
#include "screen/msgbox.h"

#include <new>

namespace {

// Plot #2 made (or emptied) with the current plot's spec and tables.
fastplot* secondplot(calculator& c, fastplot& from)
{
    if (!c.plot2)
        c.plot2 = new (std::nothrow) fastplot(&c);
    else
        c.plot2->clear();
    fastplot* two = c.plot2;
    if (!two || !two->spec.copy(from.spec))
        return nullptr;
    if (!two->sharedtable)
        two->sharedtable = from.sharedtable;
    two->table = from.table;
    return two;
}

}  // namespace

bool zoomfastplot(calculator& c, const screenrect& frame)
{
    fastplot* p = c.currentplot();
    if (!p || p->state() != 3 || !p->canactualize(0))
        return false;
    maus& m = frametracker();
    m.left = frame.left;
    m.top = frame.top;
    m.right = frame.right;
    m.bottom = frame.bottom;
    m.drawstored(0);
    drect w = zoomwindow(frame, c.owner->fastplotrect, p->world);
    m.releaseall();
    if (w.isempty())
        return false;
    p->checktable();
    fastplot* two = c.plotnumber == 2 && c.plot2 == p ? p : secondplot(c, *p);
    if (!two)
        return false;
    if (!two->isparametric()) {
        two->spec.rangelow = w.left;
        two->spec.rangehigh = w.right;
    }
    if (two->ini(w) && two->compute()) {
        c.plotnumber = 2;
        c.plotredraw = 1;
        return true;
    }
    msgfailed();
    c.plotnumber = 1;
    return false;
}
