// The evaluator's calls of user objects: every object that code calls is
// a fu1 (or a kind derived from it).
#include "formula/objectcalls.h"

#include <string>

#include "formula/evalstate.h"
#include "objects/fu1.h"
#include "objects/hooks.h"

namespace {
fu1* asfu1(fu* object)
{
    return static_cast<fu1*>(object);
}

double calltcalc(fu* object, double* args)
{
    return asfu1(object)->tcalc(args);
}

// A kind without several values answers null: the call fails, and the
// evaluator gets its own arguments back to copy instead.
double* callmcalc(fu* object, double* args)
{
    double* values = asfu1(object)->mcalc(args);
    if (values)
        return values;
    if (!shared.error)
        shared.error = evalinternal;
    return args;
}

const char* callfullname(const fu* object)
{
    static std::string text;
    text = object->fullname();
    return text.c_str();
}

const char* callname(const fu* object)
{
    return object->name;
}

short callargcount(const fu* object)
{
    return object->nargs;
}

}

void installobjectcalls()
{
    setobjectcalls({calltcalc, callmcalc, callfullname, callname, callargcount});
}
