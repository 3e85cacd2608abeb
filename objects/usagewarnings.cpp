#include "objects/usagewarnings.h"

#include <new>

#include "formula/diagnostics.h"
#include "formula/markset.h"
#include "objects/fu.h"

namespace {
diagnostics* collector(fu* object)
{
    if (!object->diag)
        object->diag = new (std::nothrow) diagnostics;
    return object->diag;
}

template <class... Args>
char warn(fu* object, char letter, int code, const char* format, Args... args)
{
    diagnostics* dia = letter ? collector(object) : nullptr;
    if (dia) {
        dia->set(code, diagstate::warning, -1, format, args...);
        dia->shown = object->text();
    }
    return letter;
}

const char* nameofclass(const markset& marks, char letter)
{
    return markset::classname(char(marks.classof(letter)));
}
}

char warnstaticundefined(const markset& marks, fu* object)
{
    char c = marks.unassignedstatic();
    return warn(object, c, 61, "\n The #static-Variable \"%c\" is referenced, but never defined! \n", c);
}

char warnunreferenced(const markset& marks, fu* object)
{
    char c = marks.unreadvariable();
    return warn(object, c, 59, "\n The type-#%s-variable \"%c\" has been defined, but never referenced! \n",
                c ? nameofclass(marks, c) : "", c);
}

char warnunusedarg(const markset& marks, fu* object)
{
    char c = marks.unreferencedargument();
    return warn(object, c, 57, "\n \"%c\", which is declared as an argument, is never used ! \n", c);
}

char warnunusedtyped(const markset& marks, fu* object)
{
    char c = marks.unusedvariable();
    return warn(object, c, 60, "\n \"%c\", which is declared as a type \"#%s\"-variable, \n\r is never used! \n",
                c, c ? nameofclass(marks, c) : "");
}

bool usagewarnings(const markset& marks, fu* object)
{
    return warnstaticundefined(marks, object) || warnunreferenced(marks, object)
        || warnunusedarg(marks, object) || warnunusedtyped(marks, object);
}
