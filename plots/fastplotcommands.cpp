#include "plots/fastplotcommands.h"

#include <utility>

#include "calculator/calculator.h"
#include "plots/fastplot.h"

namespace {

void forget(fastplot*& p)
{
    delete p;
    p = nullptr;
}

}  // namespace

void removeplots(calculator& c)
{
    if (!c.isactive(true))
        return;
    forget(c.plot1);
    forget(c.plot2);
    c.plotnumber = 1;
    c.redraw();
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
    c.redraw();
}

void swapplots(calculator& c)
{
    if (c.plotcount() == 0 || c.plotnumber != 2 || !c.plot2)
        return;
    std::swap(c.plot1, c.plot2);
    c.plotnumber = 1;
    c.redraw();
}
