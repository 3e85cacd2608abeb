#include "objects/compositefu.h"

#include "ui/msgbox.h"

double* compositefu::mcalc(double* args)
{
    unexpectederror(" mcalc() called for a composite class without \n\r mcalc()-functionality! ");
    return nullptr;
}
