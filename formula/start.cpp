#include "formula/start.h"

#include "formula/evalstate.h"
#include "formula/fingerprint.h"
#include "formula/runtimeerror.h"
#include "math/hooks.h"

void startformula()
{
    mathhooks& m = mathhook();
    m.matherr = reportmatherr;
    m.funcerror = reportfuncerrorbox;
    m.evaluationfailed = [] { return shared.error != evalok; };
    m.evaluationbroken = [] { return shared.error == evalbreak; };
    m.internalerror = [] { shared.error = evalinternal; };
    m.stampsmatch = [](const checksumcell& stamp, const checksumcell& fill) {
        return shared.print ? shared.print->matches(stamp, fill) : samecell(stamp, fill);
    };
}
