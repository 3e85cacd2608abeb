#include "objects/diagshow.h"

#include "formula/diagnostics.h"
#include "formula/parser.h"
#include "objects/fu.h"
#include "ui/tellthem.h"

bool showdiagnosis(fu& object)
{
    diagnostics* d = object.diag ? object.diag : object.myparser ? object.myparser->diag : nullptr;
    if (!d || d->state == diagstate::none || d->code == 0)
        return false;
    tellthem(d);
    return true;
}
