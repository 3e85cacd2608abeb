#include "objects/fuconditional.h"

#include <cmath>
#include <utility>
#include <new>

#include "formula/evalstate.h"
#include "formula/markset.h"
#include "formula/varman.h"
#include "objects/checkcomponent.h"
#include "objects/compositenames.h"

namespace {
const slotinfo conditionalslots[fuconditional::slots] = {
    {"Condition", "logical condition that decides which computation \n\rformula will be used \n\r", 'C', 'c',
     "@CONDITION"},
    {"Formula 1", "formula to be used when the condition is true \n\r", 'T', '1', "@ALTERTRUE"},
    {"Formula 2", "formula to be used when the condition is false \n\r", 'F', '2', "@ALTERFALSE"},
};

// The declarations of both branches, and what either uses.
void unite(markset& into, const markset& other)
{
    for (int i = 0; i < 52; i++)
        if (into.classes[i] == classundeclared)
            into.classes[i] = other.classes[i];
    into.merge(other, false);
}
}

fuconditional::fuconditional() : compositeslots(slots, conditionalslots, nullptr, condition, "012", "012") {}

fu1* fuconditional::clone() const
{
    return new (std::nothrow) fuconditional(*this);
}

void fuconditional::edittitle()
{
    seteditcaption("edit a 2-formula object");
}

bool fuconditional::makeslots()
{
    return askslots({condition, formula1, formula2});
}

int fuconditional::countvalues()
{
    nvalues = 0;
    if (!complete())
        return 0;
    int c = slot[condition]->countvalues(), one = slot[formula1]->countvalues(), two = slot[formula2]->countvalues();
    if (c == 1 && one != 0 && one == two)
        nvalues = int16_t(one);
    return nvalues;
}

// Each formula compiles with its own copy of the condition's marks: what
// one declares is no declaration for the other.
bool fuconditional::implement(uint8_t force, uint16_t)
{
    bool result;
    if (!beginimplement(force, result))
        return result;
    markset marks;
    if (marks.failed || !compileslot(condition, force, marks))
        return false;
    markset one(marks), two(marks);
    if (!slot[formula1]->compile(force, &one) || !slot[formula2]->compile(force, &two))
        return false;
    int counts[2] = {slot[formula1]->nvalues, slot[formula2]->nvalues};
    if (counts[0] != counts[1]) {
        checkcomponent(slot[formula2], 37, {0, {counts[0], counts[1]}});
        return false;
    }
    marks = one;
    unite(marks, two);
    nvalues = int16_t(counts[0]);
    endimplement(marks);
    return true;
}

slotcomp* fuconditional::chosen(double* args)
{
    if (!ready())
        return nullptr;
    double c = slot[condition]->value(args);
    if (shared.error != evalok)
        return nullptr;
    bool truth = c != 0.0 && !std::isnan(c);
    return slot[truth ? formula1 : formula2];
}

double fuconditional::tcalc(double* args)
{
    slotcomp* f = chosen(args);
    return f ? f->value(args) : 0.0;
}

double* fuconditional::mcalc(double* args)
{
    slotcomp* f = chosen(args);
    return f ? f->values(args) : args;
}

int fuconditional::show()
{
    if (!complete())
        return 0;
    return showslots({componentlabel(slot[condition]), componentlabel(slot[formula1]), componentlabel(slot[formula2])});
}
