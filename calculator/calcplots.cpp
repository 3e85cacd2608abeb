// The calculator's fastplots, reached through the calculator's hooks (the
// plots own the class).
#include "calculator/calculator.h"
#include "calculator/hooks.h"
#include "calculator/valuebox.h"
#include "formula/evalstate.h"
#include "screen/infowin.h"

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

void calculator::drawplot() {}

void calculator::drawzoomspot() {}

void calculator::dropplots()
{
    remove(plot1);
    remove(plot2);
    plotnumber = 1;
}
