#include "math/hooks.h"

#include <algorithm>
#include <cstdarg>

#include "base/checksumcell.h"
#include "base/limits.h"
#include "math/funcerror.h"
#include "math/mathlib.h"

mathhooks& mathhook()
{
    static mathhooks hooks;
    return hooks;
}

int matherr(mathexception* e)
{
    return mathhook().matherr ? mathhook().matherr(e) : 0;
}

void reportfuncerrorlist(int kind, const char* name, const char* text, int n, const double* args)
{
    if (mathhook().funcerror)
        mathhook().funcerror(kind, name, text, n, args);
}

void reportfuncerror(int kind, const char* name, const char* text, int n, ...)
{
    constexpr int most = limits::screenrows - 7;  // as many as an error box shows
    double args[most];
    va_list list;
    va_start(list, n);
    for (int i = 0; i < std::min(n, most); i++)
        args[i] = va_arg(list, double);
    va_end(list);
    reportfuncerrorlist(kind, name, text, n, args);
}

bool evaluationfailed()
{
    return mathhook().evaluationfailed && mathhook().evaluationfailed();
}

bool evaluationbroken()
{
    return mathhook().evaluationbroken && mathhook().evaluationbroken();
}

void internalerror()
{
    if (mathhook().internalerror)
        mathhook().internalerror();
}

bool stampsmatch(const checksumcell& stamp, const checksumcell& fill)
{
    return mathhook().stampsmatch ? mathhook().stampsmatch(stamp, fill) : samecell(stamp, fill);
}
