#include "objects/checkcomponent.h"

#include <new>

#include "formula/diagnostics.h"
#include "objects/fu.h"
#include "objects/slotcomp.h"

namespace {
diagnostics* ownercollector(slotcomp* c)
{
    fu* owner = c->owner;
    if (!owner)
        return nullptr;
    if (!owner->diag)
        owner->diag = new (std::nothrow) diagnostics;
    return owner->diag;
}

void branches(diagnostics& d, const componentfacts& f)
{
    if (f.action > 0)
        d.set(37, diagstate::valuecount, -1,
              "\n All action formulae of a n-formula object must return \n\r the same number of values. This requirement has been \n\r violated in action %ld, which returns %d values, while \n\r action 1 returns %d values.\n",
              f.action, f.counts[0], f.counts[1]);
    else
        d.set(37, diagstate::valuecount, -1,
              "\n The computation formulae of a two-formula-object \n\r must return the same number of values. But, the current \n\r formulae return: \n\r %d values, if the condition is true\n\r %d values, if the condition is false\n",
              f.counts[0], f.counts[1]);
}
}

void checkcomponent(slotcomp* c, int code, const componentfacts& f)
{
    diagnostics* d = ownercollector(c);
    if (!d)
        return;
    switch (code) {
    case 34:
        d->set(code, diagstate::valuecount, -1,
               "\n Component \"%s\" must return a single value. \n\r But its current formula has %d return values ! \n",
               c->caption() ? c->caption() : "", int(c->nvalues));
        break;
    case 35:
        d->set(code, diagstate::semantic, -1,
               "\n The integration parameter %c must not be declared or used \n\r as a variable. Instead, it should be used in (and only in) \n\r the integrand without declaration. ",
               f.letter);
        break;
    case 36:
        d->set(code, diagstate::semantic, -1,
               "\n The summation index %c must not be declared or used \n\r as a variable. Instead, it should be used in (and only in) \n\r the summation term without declaration. ",
               f.letter);
        break;
    case 37:
        branches(*d, f);
        break;
    case 55:
        d->set(code, diagstate::warning, -1,
               "\n The integration parameter \"%c\" is not mentioned \n\r in the integrand formula !\n\r", f.letter);
        break;
    case 56:
        d->set(code, diagstate::warning, -1,
               "\n The summation index \"%c\" is not mentioned \n\r in the summation term's formula !\n\r", f.letter);
        break;
    case 69:
        d->set(code, diagstate::valuecount, -1,
               "\n This formula has %d values. However, by the current setting of \n\r 'Order', 'Dimension' and 'Arclength mode', it should return\n\r %d initial values ! \n",
               int(c->nvalues), f.required);
        break;
    case 70:
        d->set(code, diagstate::warning, -1,
               "\n The independent variable '%c' should not occur in the formula \n\r computing the initial values ! \n\r",
               f.letter);
        break;
    default:
        d->code = code;
        d->position = -1;
        d->shown = c->formula();
        return;
    }
    d->shown = code == 37 ? "" : c->formula();
}
