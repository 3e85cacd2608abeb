#include "objects/usagewarnings.h"

#include <new>

#include "formula/diagnostics.h"
#include "formula/markset.h"
#include "objects/fu.h"

namespace {
// Where a warning goes: an object's collector (made on the first hit), or
// a given collector with the formula text it shows.
struct warntarget {
    fu* object = nullptr;
    diagnostics* dia = nullptr;
    const char* text = nullptr;

    // The collector for a hit; null without a hit or memory.
    diagnostics* collector(char letter)
    {
        if (!letter)
            return nullptr;
        if (object && !object->diag)
            object->diag = new (std::nothrow) diagnostics;
        return object ? object->diag : dia;
    }
    // A warning shows the whole formula, no position.
    void showformula(diagnostics* d) const { d->shown = object ? object->text() : text ? text : ""; }
};

const char* nameofclass(const markset& marks, char letter)
{
    return markset::classname(char(marks.classof(letter)));
}

char staticundefined(const markset& marks, warntarget t)
{
    char c = marks.unassignedstatic();
    if (diagnostics* dia = t.collector(c)) {
        dia->set(61, diagstate::warning, -1, "\n The #static-Variable \"%c\" is referenced, but never defined! \n", c);
        t.showformula(dia);
    }
    return c;
}

char unreferenced(const markset& marks, warntarget t)
{
    char c = marks.unreadvariable();
    if (diagnostics* dia = t.collector(c)) {
        dia->set(59, diagstate::warning, -1, "\n The type-#%s-variable \"%c\" has been defined, but never referenced! \n",
                 nameofclass(marks, c), c);
        t.showformula(dia);
    }
    return c;
}

char unusedarg(const markset& marks, warntarget t)
{
    char c = marks.unreferencedargument();
    if (diagnostics* dia = t.collector(c)) {
        dia->set(57, diagstate::warning, -1, "\n \"%c\", which is declared as an argument, is never used ! \n", c);
        t.showformula(dia);
    }
    return c;
}

char unusedtyped(const markset& marks, warntarget t)
{
    char c = marks.unusedvariable();
    if (diagnostics* dia = t.collector(c)) {
        dia->set(60, diagstate::warning, -1, "\n \"%c\", which is declared as a type \"#%s\"-variable, \n\r is never used! \n",
                 c, nameofclass(marks, c));
        t.showformula(dia);
    }
    return c;
}
}

char warnstaticundefined(const markset& marks, fu* object)
{
    return staticundefined(marks, {object});
}

char warnunreferenced(const markset& marks, fu* object)
{
    return unreferenced(marks, {object});
}

char warnunusedarg(const markset& marks, fu* object)
{
    return unusedarg(marks, {object});
}

char warnunusedtyped(const markset& marks, fu* object)
{
    return unusedtyped(marks, {object});
}

bool usagewarnings(const markset& marks, fu* object)
{
    return warnstaticundefined(marks, object) || warnunreferenced(marks, object)
        || warnunusedarg(marks, object) || warnunusedtyped(marks, object);
}

bool systemwarnings(markset& marks, diagnostics& dia, const char* formula, char independent)
{
    warntarget t{nullptr, &dia, formula};
    if (staticundefined(marks, t) || unreferenced(marks, t) || unusedtyped(marks, t))
        return true;
    marks.markreferenced(independent);
    return unusedarg(marks, t) != 0;
}
