#include "plots/plotlist.h"

#include "plots/plot.h"
#include "plots/plotenv.h"
#include "screen/infowin.h"

namespace {
chainof<plot>* plots = nullptr;
}

chainof<plot>& plotlist()
{
    if (!plots)
        plots = new chainof<plot>;
    return *plots;
}

plot* currentplot()
{
    return plots && plots->cursor > 0 ? plots->current() : nullptr;
}

void dropplotlist()
{
    plotenvhelp().close();
    delete plots;
    plots = nullptr;
}
