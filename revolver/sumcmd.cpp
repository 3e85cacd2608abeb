// "+": the summation menu on the current calculator.
#include "numerics/summation.h"
#include "revolver/revolver.h"
#include "revolver/toolrows.h"

void summation(calculator& c)
{
    runsummation(c, [&c] { return rev1 && rev1->currentcalc() == &c; });
}
