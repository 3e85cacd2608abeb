// The editors of constants and vectors.
#include "objects/edithooks.h"
#include "objects/fuconst.h"
#include "objects/fuvector.h"
#include "ui/winstring.h"

int fuconst::edit()
{
    newversion();
    double v = winreadnumber(val, " enter a constant or an expression: ");
    if (winreadstate != readstate::number)
        return false;
    val = v;
    implement(0, 0);
    return true;
}

int fuvector::edit()
{
    newversion();
    if (nvalues < 1 || !elements)
        return 0;
    editnumbers(elements, nvalues, " edit a vector ");
    return 1;
}
