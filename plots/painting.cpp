#include "plots/painting.h"

void drawfastplotwindow(fastplot*) {}

void plotenvkeys() {}

void paintperspective(plotpsp&) {}

bool perspectiveempty(const plotpsp&)
{
    return false;
}
