#include "formula/tokengroups.h"

#include "base/report.h"
#include "formula/parser.h"
#include "formula/tokenhandler.h"

namespace {
void invalidtoken(calcframe&)
{
    report(reportkind::unexpected, " parser::calc#0   Invalid token found in generated code ");
}

tokenhandler table[256];
bool installed = false;
}

void settokenhandler(int code, tokenhandler handler)
{
    table[code & 255] = handler ? handler : invalidtoken;
}

tokenhandler gettokenhandler(int code)
{
    return table[code & 255];
}

void installhandlers()
{
    if (installed)
        return;
    installed = true;
    for (tokenhandler& h : table)
        h = invalidtoken;
    registerelementary();
    registerlogic();
    registervectors();
    registerspecial();
    registermatrices();
}
