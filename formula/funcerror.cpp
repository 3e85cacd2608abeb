#include "math/funcerror.h"
#include "formula/runtimeerror.h"

#include <algorithm>
#include <string>

#include "base/limits.h"
#include "base/report.h"
#include "formula/appendf.h"
#include "formula/evalstate.h"
#include "formula/stophook.h"

namespace {
constexpr int esc = 27;
// Arguments an error box shows; a warning shows two fewer for its key help.
constexpr int errorrows = limits::screenrows - 7;
constexpr int warningrows = limits::screenrows - 9;

const char* kindtext(int kind, const char* text)
{
    switch (kind) {
    case funcdomain: return " domain error! ";
    case funcsingular: return " domain error - singularity! ";
    case funcoverflow: return "Overflow! ";
    case funccapacity: return "Sorry, this goes beyond the program's capacity! ";
    case funcestimate: return "the result can only be estimated! ";
    case functext:
    case functextwarning: return text ? text : "";
    case funcnonsense: return "this argument collection doesn't make sense:";
    default: return "unknown error code ";
    }
}

bool iswarning(int kind)
{
    return kind == funcestimate || kind == functextwarning || kind == funcnonsense;
}

std::string funcbox(int kind, const char* name, const char* text, int n, const double* args)
{
    bool warning = iswarning(kind);
    int shown = warning ? warningrows : errorrows;
    std::string box;
    appendf(box, "\n %s \n\n\r", kindtext(kind, text));
    appendf(box, " Function \"%s\" was called with argument(s): ", name);
    for (int i = 0; i < n && i < shown; i++)
        appendf(box, "\n\r %25.15g ", args[i]);
    if (n > shown)
        box += " and more. ";
    if (warning)
        box += "\n\r <enter> resume computation\n\r <esc>   abort";
    box += "\n";
    return box;
}
}

void reportfuncerrorbox(int kind, const char* name, const char* text, int n, const double* args)
{
    int key = 0;
    if (shared.reportswitch != 0) {
        --shared.reportswitch;
        disablestop();
        key = report(reportkind::message, funcbox(kind, name, text, n, args),
                     iswarning(kind) ? " W A R N I N G " : " E R R O R ", anykeyfooter);
    }
    if (!iswarning(kind) || key == esc)
        shared.error = evalruntime;
}
