// The editors of constants and vectors.
#include "objects/edithooks.h"
#include "objects/fuconst.h"
#include "objects/fuvector.h"
#include "screen/inputdialogs.h"

int fuconst::edit()
{
    newversion();
    double v = inputdouble(val, " enter a constant or an expression: ");
    if (inputstate != inputstates::taken || lastinputkey != key::enter)
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
