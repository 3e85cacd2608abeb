#include "objects/compositefu.h"

#include "base/report.h"

double* compositefu::mcalc(double*)
{
    report(reportkind::unexpected, " mcalc() called for a composite class without \n\r mcalc()-functionality! ");
    return nullptr;
}
