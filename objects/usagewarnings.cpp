#include "objects/usagewarnings.h"

#include <new>

#include "formula/diagnostics.h"
#include "formula/markset.h"
#include "objects/fu.h"

namespace {
// The object's collector for a hit (made when it has none); null without
// a hit or memory.
diagnostics* collector(fu* object, char letter)
{
    if (letter && !object->diag)
        object->diag = new (std::nothrow) diagnostics;
    return letter ? object->diag : nullptr;
}

// A warning shows the whole formula, no position.
void showformula(diagnostics* dia, const fu* object)
{
    dia->shown = object->text();
}

const char* nameofclass(const markset& marks, char letter)
{
    return markset::classname(char(marks.classof(letter)));
}
}

char warnstaticundefined(const markset& marks, fu* object)
{
    char c = marks.unassignedstatic();
    if (diagnostics* dia = collector(object, c)) {
        dia->set(61, diagstate::warning, -1, "\n The #static-Variable \"%c\" is referenced, but never defined! \n", c);
        showformula(dia, object);
    }
    return c;
}

char warnunreferenced(const markset& marks, fu* object)
{
    char c = marks.unreadvariable();
    if (diagnostics* dia = collector(object, c)) {
        dia->set(59, diagstate::warning, -1, "\n The type-#%s-variable \"%c\" has been defined, but never referenced! \n",
                 nameofclass(marks, c), c);
        showformula(dia, object);
    }
    return c;
}

char warnunusedarg(const markset& marks, fu* object)
{
    char c = marks.unreferencedargument();
    if (diagnostics* dia = collector(object, c)) {
        dia->set(57, diagstate::warning, -1, "\n \"%c\", which is declared as an argument, is never used ! \n", c);
        showformula(dia, object);
    }
    return c;
}

char warnunusedtyped(const markset& marks, fu* object)
{
    char c = marks.unusedvariable();
    if (diagnostics* dia = collector(object, c)) {
        dia->set(60, diagstate::warning, -1, "\n \"%c\", which is declared as a type \"#%s\"-variable, \n\r is never used! \n",
                 c, nameofclass(marks, c));
        showformula(dia, object);
    }
    return c;
}

bool usagewarnings(const markset& marks, fu* object)
{
    return warnstaticundefined(marks, object) || warnunreferenced(marks, object)
        || warnunusedarg(marks, object) || warnunusedtyped(marks, object);
}
