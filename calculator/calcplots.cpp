// The calculator's fastplots, reached through the calculator's hooks (the
// plots own the class).
#include "calculator/calculator.h"
#include "calculator/hooks.h"
#include "calculator/valuebox.h"
#include "formula/evalstate.h"
#include "screen/graphics.h"
#include "screen/hotspot.h"
#include "screen/infowin.h"
#include "screen/screen.h"
#include "screen/tgwscreen.h"

#include <atomic>

calculatorhooks& calculatorhook()
{
    static calculatorhooks table;
    return table;
}

namespace {

bool ready(const fastplot* p)
{
    return p && calculatorhook().plotready && calculatorhook().plotready(p);
}

void remove(fastplot*& p)
{
    if (p && calculatorhook().plotdelete)
        calculatorhook().plotdelete(p);
    p = nullptr;
}

}  // namespace

fastplot* calculator::currentplot() const
{
    return plotnumber >= 2 && plot2 ? plot2 : plot1;
}

int calculator::plotcount()
{
    if (!ready(plot1)) {
        if (plot2) {
            remove(plot2);
            plotnumber = 1;
        }
        return 0;
    }
    return ready(plot2) ? 2 : 1;
}

bool calculator::plotready() const
{
    return ready(currentplot());
}

bool calculator::canparametric() const
{
    return plotready() && valuecount() >= 2 && !fixed && boxoverplot;
}

bool calculator::canzoom() const
{
    return active && plotready() && status == calcstatus::valid && valuecount() > 1;
}

bool calculator::plotstale() const
{
    return plotstamp != shared.evalserial;
}

void calculator::showplot()
{
    fastplot* p = currentplot();
    calculatorhooks& h = calculatorhook();
    if (!isready() || !p || !h.plotupdate || !h.plotupdate(p))
        return;
    infohidden hidden;
    namedvaluebox* box = valuedisplay();
    bool editing = box && box->shown && box->calc == this;
    if (box)
        box->releasetext();
    if (h.plotdraw)
        h.plotdraw(p);
    if (editing)
        box->editline();
}

void calculator::drawplot()
{
    calculatorhooks& h = calculatorhook();
    if (!plotready()) {
        clearpane();
        return;
    }
    if (!active)
        return;
    if (plotshown == plotnumber && !plotredraw) {
        showplot();
        return;
    }
    if (namedvaluebox* box = valuedisplay(); box && box->shown && box->calc == this)
        box->hide();
    if (h.plotdraw)
        h.plotdraw(currentplot());
    if (owner)
        owner->panedrawn = 1;
    plotshown = plotnumber;
    plotredraw = 0;
}

void calculator::clearpane()
{
    if (!owner || !owner->panedrawn)
        return;
    if (namedvaluebox* box = valuedisplay(); box && box->shown)
        box->hide();
    int top = pixeltocelly(owner->fastplotrect.top - charheight());
    fillcells(1, top, screencols(), screenrows(), 7);
    owner->panedrawn = 0;
    plotshown = 0;
}

namespace {

// Set where the status line is drawn: the zoom pictogram answers while
// the calculator in front can zoom.
std::atomic<bool> zoomapplies{false};

int16_t altzspot(bool, bool press)
{
    if (!zoomapplies)
        return 0;
    return press ? -1 : 602;
}

}  // namespace

void calculator::drawzoomspot()
{
    static hotspot* spot = nullptr;
    zoomapplies = canzoom();
    if (!zoomapplies)
        return;
    int row = owner ? owner->statusrow : 7;
    pixelpoint cell = celltopixel(screencols(), row);
    int l = cell.x + 1, t = cell.y + 2, r = l + charwidth() - 3, b = t + charheight() - 5;
    int old = setdrawcolor(6);
    grectangle(l, t, r, b);
    setdrawcolor(14);
    gmoveto(l + 1, b - 1);
    glineto(l + 1, t + 1);
    glineto(r - 1, t + 1);
    gmoveto(l + 2, b - 2);
    glineto(r - 2, t + 2);
    setdrawcolor(old);
    flushcells();
    placepressspot(spot, altzspot, l, t, r, b);
}

void calculator::dropplots()
{
    remove(plot1);
    remove(plot2);
    plotnumber = 1;
}
