#include "plots/start.h"

#include "calculator/calcstart.h"
#include "calculator/hooks.h"
#include "plots/curvedialog.h"
#include "plots/fastplot.h"
#include "plots/fastplotwindow.h"
#include "plots/plotpanel.h"

namespace {

bool ready(const fastplot* p)
{
    return p->state() == 3;
}

uint16_t curves(const fastplot* p)
{
    return p->spec.curves();
}

bool update(fastplot* p)
{
    return p->updateflags();
}

void remove(fastplot* p)
{
    delete p;
}

}  // namespace

void startplots()
{
    startcalculator();
    calculatorhooks& h = calculatorhook();
    h.plotready = ready;
    h.plotcurves = curves;
    h.plotupdate = update;
    h.plotdraw = drawfastplotwindow;
    h.plotdelete = remove;
    startpanel();
    installcurverequests();
}
