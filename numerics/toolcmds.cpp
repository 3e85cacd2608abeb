#include "numerics/toolcmds.h"

#include "calculator/calcfunm.h"
#include "calculator/calculator.h"
#include "calculator/fuwrapper.h"
#include "calculator/valuebox.h"
#include "formula/evalstate.h"
#include "numerics/mcstat.h"
#include "numerics/montecarlo.h"
#include "screen/inputdialogs.h"

fu* toolfunction(calculator& c, std::unique_ptr<fuwrapper>& holder)
{
    if (c.isempty())
        return nullptr;
    if (c.isdirectmode()) {
        bindargs(c.calling->called->argletters, &c.binding, c.argstore());
        c.calling->argvector = c.binding.cells;
        if (c.onevalue)
            return c.calling;
        holder = std::make_unique<fuwrapper>(c.calling);
    } else {
        holder = std::make_unique<fuwrapper>();
        holder->wrapfu(c.solver, c.valueindex());
    }
    return holder->attach() ? holder.get() : nullptr;
}

void adoptargument(calculator& c, double x)
{
    arcvaluebox* box = argumentbox();
    if (box && box->calc == &c && box->letter() == c.argchar()) {
        box->setvalue(x);
        box->storevalues();
    } else {
        c.setargvalue(x);
    }
}

void integratecmd(calculator& c)
{
    if (!c.cancompute(true))
        return;
    std::unique_ptr<fuwrapper> holder;
    fu* f = toolfunction(c, holder);
    if (!f)
        return;
    c.argwarning();
    bool ok = false;
    double result = numintegration(*f, integrationtrace, ok);
    holder.reset();
    if (!ok)
        return;
    c.fixedvalue = result;
    c.fixedlabel = " numeric integration result: ";
    c.diffoperator(8);
    c.redraw();
}

namespace {
void searchcmd(calculator& c, bool value)
{
    if (!c.cancompute(true))
        return;
    c.argwarning();
    double target = 0;
    if (value) {
        target = inputdouble(0.0, " requested value ? ");
        if (inputstate != inputstates::taken)
            return;
    }
    zerosearch(c, target);
    c.diffoperator(-1);
    c.proceed(false);
}

void goldencmd(calculator& c, int sense)
{
    if (!c.cancompute(true))
        return;
    c.argwarning();
    goldensession(c, sense);
    c.diffoperator(-1);
    c.proceed(false);
}
}

void searchzero(calculator& c)
{
    searchcmd(c, false);
}

void searchvalue(calculator& c)
{
    searchcmd(c, true);
}

void goldenmin(calculator& c)
{
    goldencmd(c, -1);
}

void goldenmax(calculator& c)
{
    goldencmd(c, 1);
}

void montecarlocmd(calculator& c)
{
    if (!c.cancompute(true) || !c.isdirectmode(true))
        return;
    std::unique_ptr<fuwrapper> holder;
    fu* f = toolfunction(c, holder);
    if (!f)
        return;
    auto* stats = static_cast<mcstat*>(c.mcsettings);
    bool ran = montecarlo(*f, c.argvalue(), stats);
    c.mcsettings = stats;
    holder.reset();
    // A run without a single sample leaves the calculator as it was.
    if (!ran || !stats || stats->isempty())
        return;
    c.fixedvalue = stats->mean;
    c.fixedlabel = "Mean value of random function: ";
    c.diffoperator(8);
    c.redraw();
}
