// Terms per second of a direct sum of 1/k^2: the bare loop of evaluations,
// the summation engine on the formula object, and the engine through the
// wrapper that "+" puts around a calculator.
#include <benchmark/benchmark.h>

#include "benchsetup.h"
#include "calculator/calcfunm.h"
#include "calculator/calculator.h"
#include "calculator/funm.h"
#include "calculator/fuwrapper.h"
#include "formula/parser.h"
#include "math/seriesterm.h"
#include "objects/sumrecord.h"
#include "objects/sumrun.h"

namespace {

constexpr int terms = 100000;

struct futerm : seriesterm {
    fu* f;
    explicit futerm(fu* f) : f(f) {}
    double calcx(double x) override { return f->calcx(x); }
};

void rate(benchmark::State& state)
{
    state.counters["terms/s"] = benchmark::Counter(double(state.iterations()) * terms, benchmark::Counter::kIsRate);
}

// A finite direct sum from 1 to the number of terms.
double enginesum(seriesterm& term)
{
    sumrecord r;
    r.infinite = false;
    r.accel = false;
    r.last = terms;
    r.reset();
    sumrun(&term, &r, nullptr);
    return r.result.re;
}

// The summand as a formula object, with the screen and the shared state
// it needs.
struct summand {
    screenup screen;
    parser first;
    funm f;
    summand()
    {
        f.setformula("1/k^2", "k");
        f.implement(1, 0);
    }
};

void bareloop(benchmark::State& state)
{
    summand formula;
    funm& f = formula.f;
    for (auto _ : state) {
        double s = 0;
        for (int k = 1; k <= terms; ++k)
            s += f.calcx(k);
        benchmark::DoNotOptimize(s);
    }
    rate(state);
}

void engine(benchmark::State& state)
{
    summand formula;
    futerm term(&formula.f);
    for (auto _ : state)
        benchmark::DoNotOptimize(enginesum(term));
    rate(state);
}

void wrapped(benchmark::State& state)
{
    screenup screen;
    parser first;
    ring r;
    {
        calculator c(&r);
        c.setformula("1/k^2", "k");
        c.calctask();
        bindargs(c.calling->called->argletters, &c.binding, c.argstore());
        c.calling->argvector = c.binding.cells;
        fuwrapper w(c.calling);
        if (!w.attach()) {
            state.SkipWithError("the wrapper does not attach");
            return;
        }
        futerm term(&w);
        for (auto _ : state)
            benchmark::DoNotOptimize(enginesum(term));
    }
    rate(state);
}

}  // namespace

BENCHMARK(bareloop)->Unit(benchmark::kMillisecond);
BENCHMARK(engine)->Unit(benchmark::kMillisecond);
BENCHMARK(wrapped)->Unit(benchmark::kMillisecond);
