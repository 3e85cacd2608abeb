// From Enter (the argument taken) to the value shown: one computation of
// a calculator and the redraw of its window, for a simple formula and for
// a Runge-Kutta calculator (y' = y from t = 0 to 1, its value table
// emptied each time, so that every run integrates).
#include <benchmark/benchmark.h>

#include <algorithm>

#include "benchsetup.h"
#include "calculator/calculator.h"
#include "calculator/rk.h"
#include "calculator/rksetup.h"
#include "calculator/valuebox.h"
#include "formula/parser.h"
#include "math/valtable.h"

namespace {
void simpleformula(benchmark::State& state)
{
    screenup screen;
    parser first;
    ring r;
    makevalueboxes(r.activestore);
    {
        calculator c(&r);
        c.setformula("sin(x)*exp(-x/3) + x^2", "x");
        c.calctask();
        r.store.setvalue('x', 1.5);
        for (auto _ : state) {
            c.rechnen();
            if (state.range(0))
                c.redraw();
        }
        if (c.status != calcstatus::valid)
            state.SkipWithError("no value");
    }
    dropvalueboxes();
}
// Argument 0: the computation alone; 1: with the redraw.
BENCHMARK(simpleformula)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void rungekutta(benchmark::State& state)
{
    screenup screen;
    parser first;
    ring r;
    makevalueboxes(r.activestore);
    {
        calculator c(&r);
        c.setup = new rksetup;
        c.setup->shape = {1, 1, 't', false};
        c.setup->setformula("f.1");
        c.setup->zerostart();
        c.setup->start[1] = 1;
        c.setup->setallgiven();
        c.makemyrk();
        c.calctask();
        r.store.setvalue('t', 1);
        for (auto _ : state) {
            c.initvalues->reset();
            c.rechnen();
            if (state.range(0))
                c.redraw();
        }
        if (c.status != calcstatus::valid)
            state.SkipWithError("no value");
    }
    dropvalueboxes();
}
BENCHMARK(rungekutta)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
}  // namespace
