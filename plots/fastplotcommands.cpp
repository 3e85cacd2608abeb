#include "plots/fastplotcommands.h"

#include <new>
#include <utility>

#include "calculator/calculator.h"
#include "math/valtable.h"
#include "plots/autowindow.h"
#include "plots/axisassign.h"
#include "plots/fastplot.h"
#include "plots/windowcmds.h"
#include "screen/boxsettings.h"
#include "screen/infowin.h"
#include "screen/msgbox.h"

namespace {

void forget(fastplot*& p)
{
    delete p;
    p = nullptr;
}

// Plot #1, new or emptied; null without memory.
fastplot* freshplot(calculator& c)
{
    if (c.plot1)
        c.plot1->clear();
    else
        c.plot1 = new (std::nothrow) fastplot(&c);
    return c.plot1;
}

// The plots were made, replaced or deleted: the pane is drawn anew.
void replotted(calculator& c)
{
    c.plotredraw = 1;
    c.redraw();
}

void notvisible()
{
    msgstyle(1);
    setfootercode(10);
    msgbox("\n Curve not visible in window ! \n\r (Command aborted) \n\r");
}

// A failed recomputation falls back to plot #1.
void recomputed(calculator& c, fastplot& p)
{
    if (p.compute()) {
        c.plotredraw = 1;
        return;
    }
    msgfailed();
    c.plotnumber = 1;
}

// The span of the solver's table; 0 .. 0 without one.
void tablerange(const calculator& c, double& lo, double& hi)
{
    const valtable* t = c.initvalues.get();
    lo = t ? t->firstx : 0;
    hi = t ? t->lastx : 0;
}

// The parameter range of a Runge-Kutta plot by arc length: the solver
// table's, else asked.
bool arcrange(calculator& c, double& lo, double& hi)
{
    tablerange(c, lo, hi);
    if (isemptyrange(lo, hi))
        paramrange(lo, hi);
    return !isemptyrange(lo, hi);
}

}  // namespace

void removeplots(calculator& c)
{
    if (!c.isactive(true))
        return;
    forget(c.plot1);
    forget(c.plot2);
    c.plotnumber = 1;
    replotted(c);
}

void closecurrentplot(calculator& c)
{
    int n = c.plotcount();
    if (n == 0)
        return;
    if (n == 1) {
        removeplots(c);
        return;
    }
    if (c.plotnumber == 2) {
        forget(c.plot2);
    } else {
        forget(c.plot1);
        c.plot1 = std::exchange(c.plot2, nullptr);
    }
    c.plotnumber = 1;
    replotted(c);
}

void swapplots(calculator& c)
{
    if (c.plotcount() == 0 || c.plotnumber != 2 || !c.plot2)
        return;
    std::swap(c.plot1, c.plot2);
    c.plotnumber = 1;
    replotted(c);
}

void simpleplot(calculator& c, drect window)
{
    double lo = window.left, hi = window.right;
    if (c.mode == calcmode::arclength) {
        if (!arcrange(c, lo, hi))
            return;
    } else if (!(hi > lo)) {
        c.argwindow(lo, hi);
    }
    fastplot* p = freshplot(c);
    if (!p)
        return;
    p->spec.type = plottype::simple;
    p->spec.rangelow = lo;
    p->spec.rangehigh = hi;
    if (!p->ini(window))
        return;
    if (!p->compute())
        notvisible();
    c.plotnumber = 1;
    c.plotredraw = 1;
    c.proceed(false);
}

void enterwindowplot(calculator& c)
{
    if (!c.cancompute(true))
        return;
    drect w;
    if (inputwindow(w))
        simpleplot(c, w);
}

void parametricplot(calculator& c)
{
    if (!c.cancompute(true) || c.valuecount() < 2)
        return;
    fastplot* now = c.plotready() ? c.currentplot() : nullptr;
    drect w = now ? now->world : drect{};
    double lo = 0, hi = 0;
    if (c.mode != calcmode::direct) {
        tablerange(c, lo, hi);
    } else if (now) {
        lo = now->spec.rangelow;
        hi = now->spec.rangehigh;
    }
    plotspec spec;
    if (parametricsetup(c, spec, w) && paramrange(lo, hi) && !isemptyrange(lo, hi)) {
        forget(c.plot2);
        c.plotnumber = 1;
        if (fastplot* p = freshplot(c)) {
            p->spec.take(spec);
            p->spec.rangelow = lo;
            p->spec.rangehigh = hi;
            if (p->ini(w) && p->compute())
                c.plotredraw = 1;
        }
    }
    infoclose("whelpparaplot");
    replotted(c);
    c.proceed(false);
}

void refreshfastplot(calculator& c)
{
    fastplot* p = c.currentplot();
    if (!c.cancompute(true) || !c.plotready() || !p->canactualize(99))
        return;
    p->checktable();
    recomputed(c, *p);
    replotted(c);
    c.proceed(false);
}

void msgtwopoints(double low, double high)
{
    tell("\n Less than two points available for plotting in \n\r parameter interval [%g,%g].\n\r Could "
         "not create a curve ! \n\r",
         low, high);
}

namespace {

// The sample's window, curve by curve; false when a simple plot has no
// sample.
bool fitwindow(fastplot& p, drect& w)
{
    uint32_t n = uint32_t(p.width() + 1);
    if (!p.isparametric()) {
        bool ok = p.sample(n, 0) > 0 && autowindow(p.ordinates.get(), int(n), w.bottom, w.top);
        p.ordinates.reset();
        p.samplecount = 0;
        return ok;
    }
    uint16_t curves = p.spec.curves();
    std::unique_ptr<double[]> xr(new (std::nothrow) double[2u * curves]());
    std::unique_ptr<double[]> yr(new (std::nothrow) double[2u * curves]());
    if (!xr || !yr)
        return false;
    for (uint16_t k = 0; k < curves; ++k) {
        if (p.sample(n, k) < 2) {
            msgtwopoints(p.spec.rangelow, p.spec.rangehigh);
        } else {
            autowindow(p.abscissae.get(), int(n), xr[2u * k], xr[2u * k + 1]);
            autowindow(p.ordinates.get(), int(n), yr[2u * k], yr[2u * k + 1]);
        }
        p.ordinates.reset();
        p.abscissae.reset();
        p.samplecount = 0;
    }
    rangeofintervals(xr.get(), curves, w.left, w.right);
    rangeofintervals(yr.get(), curves, w.bottom, w.top);
    return true;
}

}  // namespace

void adaptwindow(calculator& c)
{
    fastplot* p = c.currentplot();
    if (!c.plotready() || !c.cancompute(true) || !p->canactualize(0))
        return;
    p->checktable();
    drect w = p->world;
    if (!fitwindow(*p, w) || w.isempty())
        return;
    p->world = w;
    if (p->compute())
        c.plotredraw = 1;
    else
        msgfailed();
    replotted(c);
}

void setplotwindow(calculator& c, drect window)
{
    fastplot* p = c.currentplot();
    if (window.isempty() || !c.plotready() || !p->canactualize(0))
        return;
    p->checktable();
    p->world = window;
    if (!p->isparametric()) {
        p->spec.rangelow = window.left;
        p->spec.rangehigh = window.right;
    }
    if (!p->compute()) {
        notvisible();
        c.plotnumber = 1;
    }
    replotted(c);
}
