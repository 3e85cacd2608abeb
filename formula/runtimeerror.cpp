#include "formula/runtimeerror.h"

#include <cmath>
#include <string>

#include "base/report.h"
#include "formula/appendf.h"
#include "formula/evalstate.h"
#include "formula/objectcalls.h"
#include "formula/parser.h"
#include "formula/stophook.h"

namespace {
constexpr int esc = 27;

const char* mathtext(int type)
{
    switch (type) {
    case mathdomain: return " domain error! ";
    case mathsingular: return " \"argument singularity!\" ";
    case mathoverflow: return " overflow! ";
    case mathtotalloss: return " \"total loss of significance!\" ";
    case mathpartialloss: return " \"partial loss of significance!\" ";
    default: return nullptr;
    }
}
}

int reportmatherr(mathexception* e)
{
    if (e->type == mathunderflow) {
        e->retval = 0.0;
        return 1;
    }
    shared.error = evalruntime;
    shared.errorcode = short(e->type);
    if (shared.reportswitch > 0) {
        --shared.reportswitch;
        std::string box;
        appendf(box, " runtime error: \n\r Call to function %s with argument %.15g \n\n\r", e->name,
                e->arg1);
        if (const char* text = mathtext(e->type))
            box += text;
        else
            appendf(box, " error code %d! ", e->type);
        disablestop();
        report(reportkind::message, box);
    }
    e->retval = HUGE_VAL;
    return 1;
}

void reportassert(const parser& p, double value)
{
    if (shared.reportswitch == 0)
        return;
    std::string box;
    if (p.owner)
        appendf(box,
                "\n Assert-condition violated in: \n\r %s \n\r Call level: %d. \n\r Value passed to "
                "assert: %.15g \n\r Computation aborted \n\r",
                fullnameof(p.owner), shared.calllevel, value);
    else
        appendf(box, "\n Assert-condition violated. Value was: %.15g \n\r Computation aborted \n",
                value);
    report(reportkind::message, box);
}

void reportbadargs(const parser& p, const double* args)
{
    if (shared.reportswitch == 0)
        return;
    if (!p.owner) {
        report(reportkind::error, "\n User defined formula called with invalid arguments ! \n");
        return;
    }
    std::string page;
    appendf(page, "\n in call to user function %s() on level %d. \n\n\r", fullnameof(p.owner),
            shared.calllevel);
    page += " Called with the following arguments: \n\r";
    for (int i = 0, n = objectcall().argcount(p.owner); i < n; i++)
        appendf(page, "  %.15g\n\r", args[i]);
    page += "\n\r";
    report(reportkind::page, page, " Domain Error ");
}

void reportstackspace(const char* name)
{
    if (shared.reportswitch <= 0)
        return;
    std::string box;
    appendf(box, "\n \"%s\" runs out of computation stackspace \n\r                    (computation aborted)\n",
            name);
    report(reportkind::message, box, " E R R O R ", anykeyfooter);
}

void reportsingular()
{
    if (shared.reportswitch <= 0)
        return;
    report(reportkind::error,
           "\n \"inv##\" or \"solve##\" called for a singular matrix \n\r                  "
           "(Computation aborted)\n",
           " E R R O R ", anykeyfooter);
}

void reportcalllevel(int limit, const char* name)
{
    if (shared.reportswitch <= 0)
        return;
    std::string box;
    appendf(box,
            "\n Call level rises above the limit %d \n\r (happened during execution of %s). \n\r "
            "Computation aborted to avoid stack overflow \n",
            limit, name);
    report(reportkind::message, box, nullptr, anykeyfooter);
}

void reportcalltrace(const parser& p, const double* args)
{
    if (shared.reportswitch <= 0 || !p.owner || !*objectcall().name(p.owner)
        || shared.error == evalbreak)
        return;
    std::string box;
    appendf(box, "\n ...called by function \"%s\" on level %d \n\r whose arguments were: \n\r",
            fullnameof(p.owner), shared.calllevel);
    for (int i = 0, n = objectcall().argcount(p.owner); i < n; i++)
        appendf(box, "%20.15g\n\r", args[i]);
    box += "\n <esc> will skip all further messages\n";
    if (report(reportkind::message, box, nullptr, anykeyfooter) == esc)
        shared.reportswitch = 0;
}
