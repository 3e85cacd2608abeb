#include "plots/painting.h"

#include "plots/plot.h"

void plotenvkeys() {}

void paintperspective(plotpsp& perspective)
{
    perspective.paint(false);
}

bool perspectiveempty(const plotpsp&)
{
    return false;
}
