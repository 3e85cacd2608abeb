#include "calculator/calcvars.h"

#include <cstring>
#include <new>
#include <string>
#include <vector>

#include "calculator/argorder.h"
#include "calculator/calcfunm.h"
#include "calculator/calculator.h"
#include "calculator/rk.h"
#include "formula/evalstate.h"
#include "formula/parser.h"
#include "formula/usagerefs.h"
#include "formula/varman.h"
#include "objects/varedit.h"
#include "objects/varlist.h"
#include "screen/inputdialogs.h"
#include "screen/msgbox.h"

namespace {
constexpr int refslimit = 80;

bool hasvalue(char letter)
{
    return shared.globals && shared.globals->classof(letter);
}
}

bool globalsdefined(const calculator& c)
{
    if (!c.globals)
        return true;
    for (const char* p = c.globals; *p; ++p)
        if (!hasvalue(*p))
            return false;
    return true;
}

void referencedglobals(calculator& c)
{
    const varreflist& refs = usagerefs();
    if (refs.count() >= refslimit)
        return;
    std::string letters;
    for (int i = 0; i < refs.count(); i++) {
        const varref& r = refs.at(i);
        if (r.varclass == classglobal && r.referenced && letters.find(r.letter) == std::string::npos)
            letters += r.letter;
    }
    delete[] c.globals;
    c.globals = nullptr;
    if (letters.empty())
        return;
    c.globals = new (std::nothrow) char[letters.size() + 1];
    if (!c.globals)
        return;
    std::strcpy(c.globals, letters.c_str());
    sortargs(c.globals);
}

// The list is made from the calculator's own letters, so that it cannot
// show what another formula's implementation left in the usage references.
bool showundefinedglobals(calculator& c)
{
    std::vector<varref> records;
    for (const char* p = c.globals; p && *p; ++p)
        if (!hasvalue(*p))
            records.push_back({*p, true, false, classglobal, nullptr});
    showrecords(records, " List of undefined #global Dependencies ", nullptr, showdependencyhelp);
    return globalsdefined(c);
}

void showvariableusage(calculator& c)
{
    if (c.isempty())
        return;
    int32_t status = c.status;
    c.reimplement();   // fresh references
    c.setstatus(status);
    c.implement();
    if (!c.isimplemented()) {
        showglobalvariables();
    } else {
        addglobals(usagerefs());
        std::vector<varref> records = sortedrefs(usagerefs());
        if (!showrecords(records, " Variable Usage Reference ", c.formulaaux(), showreflisthelp))
            msgbox("\n Implementation uses no #global, #static or #const variables ! \n");
    }
    c.proceed(false);
}

bool inputvaredit(calculator& c)
{
    if (c.isempty() || !c.isready())
        return false;
    int k = msgbox(" Input a variable: \n\n\r Which one ?");
    if (k <= 0 || k >= 128 || varman::letternumber(char(k)) < 0)
        return true;
    inputparser().answer = c.shownvalue();
    if (c.isdirectmode())
        varedit(char(k), c.calling->called);
    else
        vareditstore(char(k), c.solver->vars);
    return true;
}
