// The calculator's fastplots.  Until the plots exist a calculator has no
// fastplot: both slots stay empty, nothing is drawn and no hot spot is
// made.  The fastplots replace this file.
#include "calculator/calculator.h"

int calculator::plotcount()
{
    return 0;
}

bool calculator::plotready() const
{
    return false;
}

bool calculator::canparametric() const
{
    return false;
}

bool calculator::canzoom() const
{
    return false;
}

void calculator::showplot() {}

void calculator::drawplot() {}

void calculator::drawzoomspot() {}

void calculator::dropplots()
{
    plot1 = plot2 = nullptr;
}
