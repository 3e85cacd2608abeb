// "Mi", "Ma", "n0" and "nn": the nonlinear minimizer and solver on the
// calculator's formula; afterwards the calculator computes at the
// arguments as they stand.
#include "calculator/calculator.h"
#include "numerics/nlwindow.h"
#include "revolver/toolrows.h"

namespace {

template <class Tool>
void nltool(calculator& c, Tool run)
{
    if (!c.cancompute(true) || !c.isdirectmode(true))
        return;
    run();
    if (c.isready())
        c.rechnen();
    c.redraw();
}

}  // namespace

void dsminimize(calculator& c)
{
    nltool(c, [&] { runminimizer(c, -1); });
}

void dsmaximize(calculator& c)
{
    nltool(c, [&] { runminimizer(c, 1); });
}

void solvezero(calculator& c)
{
    nltool(c, [&] { runsolver(c, false); });
}

void solvetargets(calculator& c)
{
    nltool(c, [&] { runsolver(c, true); });
}
