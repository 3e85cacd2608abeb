#include "plots/plotlist.h"

#include "plots/plot.h"

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
    delete plots;
    plots = nullptr;
}
