#include "numerics/summation.h"

#include <new>

#include "calculator/calcfunm.h"
#include "calculator/calculator.h"
#include "calculator/fuwrapper.h"
#include "numerics/sumenviron.h"
#include "objects/sumrecord.h"

void runsummation(calculator& c, std::function<bool()> stillcurrent)
{
    if (!c.isdirectmode(true) || !c.cancompute(true))
        return;
    c.argwarning();
    // A one-value calculator computes without its argument vector; the
    // wrapper reads the arguments through it.
    bindargs(c.calling->called->argletters, &c.binding, c.argstore());
    c.calling->argvector = c.binding.cells;
    fuwrapper wrapper(c.calling);
    if (!wrapper.attach())
        return;
    if (!c.sums && !(c.sums = new (std::nothrow) sumrecord))
        return;
    c.sums->ownercalc = &c;
    futerm term(&wrapper);
    sumcalc s;
    s.record = c.sums;
    s.term = &term;
    s.base = {c.formulatext(), c.argstring(), c.argchar(), c.valuecount()};
    s.afterinstall = [&] { return !c.isimplemented() ? 1 : stillcurrent && !stillcurrent() ? 2 : 0; };
    if (!sumenviron(s))
        return;
    c.fixedlabel = c.sums->label;
    c.fixedvalue = c.sums->current().re;
    c.diffoperator(8);
    if (!stillcurrent || stillcurrent())
        c.redraw();
}
