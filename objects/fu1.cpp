#include "objects/fu1.h"

#include <cstring>
#include <istream>
#include <new>
#include <ostream>

#include "base/report.h"
#include "formula/compile.h"
#include "formula/destroyparser.h"
#include "formula/diagnostics.h"
#include "formula/evalstate.h"
#include "formula/markset.h"
#include "formula/parser.h"
#include "formula/recordio.h"
#include "formula/varman.h"
#include "objects/edithooks.h"
#include "objects/usagewarnings.h"
#include "screen/msgbox.h"

fu1::fu1() = default;

fu1::fu1(const fu1& source) : fu(source), viewable(source)
{
}

double fu1::value()
{
    return isimplemented() && myparser ? myparser->calc0() : 0.0;
}

bool fu1::implement(uint8_t force, uint16_t level)
{
    if (isimplemented() && force == 1)
        return true;
    if (!startimplement())
        return false;
    countvalues();
    stamp = 0;
    myparser->diag = diag;
    lendstore();
    markset marks;
    installmarkset(&marks);
    short type = myparser->compile(formula, argletters, force);
    ownvars = myparser->vars;   // made, kept, or dropped by a failed compile
    if (type != 0) {
        usagewarnings(marks, this);
        setimplemented();
        if (ownvars && ownvars->declarestatics(marks) == 0)
            replacestore(nullptr);
    }
    if (isimplemented())
        takevaluecount(nvalues);
    (void)level;
    return isimplemented();
}

fu1* fu1::clone() const
{
    return new (std::nothrow) fu1(*this);
}

bool fu1::ready()
{
    if (isimplemented() || implement(1, 0))
        return true;
    jitfailure(this);
    shared.error = evalinternal;
    return false;
}

double fu1::tcalc(double* args)
{
    return ready() ? myparser->calc(args) : 0.0;
}

double* fu1::mcalc(double* args)
{
    if (!ready())
        return args;
    myparser->calc(args);
    return shared.result;
}

void fu1::xcommands()
{
    setmsgtime(500);
    report(reportkind::message, "xcommands");
}

void fu1::setmark(char letter)
{
    nextserial();
    if (!letter) {
        std::memset(marks, 0, sizeof marks);
        return;
    }
    char kept[sizeof marks] = {};
    int n = 0;
    for (int i = 0; i < maxmarks && marks[i]; ++i)
        if (marks[i] != letter)
            kept[n++] = marks[i];
    if (n < maxmarks)
        kept[n] = letter;
    std::memcpy(marks, kept, sizeof marks);
}
