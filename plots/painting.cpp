#include "plots/painting.h"

#include "plots/plot.h"

void paintperspective(plotpsp& perspective)
{
    perspective.paint(false);
}

bool perspectiveempty(const plotpsp& perspective)
{
    for (autoprint* e = perspective.consider.first(); e; e = static_cast<autoprint*>(e->next))
        if (e->shown(true))
            return false;
    return true;
}
