#include "numerics/toolpoint.h"

#include "formula/evalstate.h"
#include "objects/fu.h"
#include "objects/romberg.h"
#include "screen/menustate.h"

toolpoint evalat(fu& f, double x)
{
    if (shared.error != evalbreak)
        shared.error = evalok;
    double y = f.calcx(x);
    if (canproceed())
        return {y, pointstate::ok};
    if (menus().aborted() || shared.error == evalbreak) {
        shared.error = evalbreak;
        return {y, pointstate::stopped};
    }
    return {y, pointstate::failed};
}
