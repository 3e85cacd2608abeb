#include "formula/tokengroups.h"

#include "base/report.h"
#include "formula/parser.h"
#include "formula/tokenhandler.h"

namespace {
void invalidtoken(calcframe&)
{
    report(reportkind::unexpected, " parser::calc#0   Invalid token found in generated code ");
}

handlerentry table[256] = {};
bool installed = false;
}

void settokenhandler(int code, tokenhandler handler)
{
    settokenentry(code, handler);
}

void settokenentry(int code, const handlerentry& entry)
{
    handlerentry& e = table[code & 255];
    e = entry;
    if (!e.handler)
        e.handler = invalidtoken;
}

tokenhandler gettokenhandler(int code)
{
    return table[code & 255].handler;
}

const handlerentry& gettokenentry(int code)
{
    return table[code & 255];
}

void installhandlers()
{
    if (installed)
        return;
    installed = true;
    for (handlerentry& e : table)
        e = handlerentry(invalidtoken);
    registerelementary();
    registerlogic();
    registervectors();
    registerspecial();
    registermatrices();
}
