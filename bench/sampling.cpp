// The curve samplers: the explicit sampler on sin x over 1000 columns, a
// parametric walk of 10^5 points (the Lissajous curve at resolution 1000
// on a 20000-unit device square), and the evaluations per emitted point of
// the parametric walk on known curves.
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <numbers>
#include <vector>

#include "calculator/calcfunm.h"
#include "calculator/funm.h"
#include "formula/parser.h"
#include "math/valtable.h"
#include "plots/canplot.h"
#include "plots/curves.h"

namespace {
constexpr double pi = std::numbers::pi;

struct calling {
    parser first;  // the shared state
    calcfunm object;
    calling(const char* formula, const char* letters)
    {
        auto* f = new funm;
        f->setformula(formula, letters);
        object.setcalled(f);
        object.implement(1, 0);
    }
};

// A direct parametric curve that counts its evaluations and, when asked,
// keeps their parameters.
struct countedparam : directparam {
    uint64_t evaluations = 0;
    std::vector<double>* parameters = nullptr;
    using directparam::directparam;
    curvepoint pointat(double t, double tolerance) override
    {
        ++evaluations;
        if (parameters)
            parameters->push_back(t);
        return directparam::pointat(t, tolerance);
    }
};

samplerequest request(const drect& w, const screenrect& s, int resolution, double low, double high)
{
    samplerequest r;
    r.world = w;
    r.unit = {0, 1, 1, 0};
    r.screen = s;
    r.resolution = resolution;
    r.rangelow = low;
    r.rangehigh = high;
    r.component1 = 1;
    r.component2 = 2;
    r.plottedarg = 1;
    return r;
}

void explicitsine(benchmark::State& state)
{
    calling source("sin(x)", "x");
    directgraph g(static_cast<fastplot*>(nullptr), &source.object);
    samplerequest r = request({-pi, 1.5, pi, -1.5}, {0, 0, 999, 599}, 0, 0, 0);
    r.component2 = 1;
    sampleresult result;
    for (auto _ : state)
        benchmark::DoNotOptimize(g.sample(r, result));
    state.counters["commands"] = double(result.count() - 1);
}
BENCHMARK(explicitsine)->Unit(benchmark::kMicrosecond);

// A table of (t, x, y) with the curve tabulated at n parameters.
std::unique_ptr<valtable> tabulated(paramcurve& c, samplerequest& r, int n)
{
    auto table = std::make_unique<valtable>(3);
    table->startreplaceable = 1;
    table->flush();
    r.table = table.get();
    c.tabulate(n, r);
    return table;
}

// Many periods and one entry in the middle: a walk backwards and one
// forwards, each ending at its point limit of 100 x 1000; tabulated at 3
// parameters, the points not recorded.
struct lissajoussetup {
    calling source{"sin(3*t), sin(2*t)", "t"};
    countedparam c{static_cast<fastplot*>(nullptr), &source.object};
    samplerequest r = request({-1.2, 1.2, 1.2, -1.2}, {0, 0, 20000, 20000}, 1000, 0, 2000 * pi);
    std::unique_ptr<valtable> table = tabulated(c, r, 3);
    lissajoussetup() { r.norecord = 1; }
};

void lissajouswalk(benchmark::State& state)
{
    lissajoussetup l;
    auto& [source, c, r, table] = l;
    sampleresult result;
    c.evaluations = 0;
    for (auto _ : state) {
        result.clear();   // each run makes its lists afresh, as a new sample does
        benchmark::DoNotOptimize(c.sample(r, result));
    }
    state.counters["commands"] = double(result.count() - 1);
    state.counters["walks"] = 2;
    state.counters["evals/run"] = double(c.evaluations) / double(state.iterations());
}
BENCHMARK(lissajouswalk)->Unit(benchmark::kMillisecond);

// The bare evaluator on the parameters of one such walk, in its order: the
// time the walk cannot go below.
void lissajousbare(benchmark::State& state)
{
    lissajoussetup l;
    auto& [source, c, r, table] = l;
    std::vector<double> parameters;
    c.parameters = &parameters;
    sampleresult result;
    c.sample(r, result);
    double t = 0;
    double* args[] = {&t};
    for (auto _ : state)
        for (double x : parameters) {
            t = x;
            benchmark::DoNotOptimize(evalobject(&source.object, args));
        }
    state.counters["evals/run"] = double(parameters.size());
}
BENCHMARK(lissajousbare)->Unit(benchmark::kMillisecond);

// Evaluations per emitted command on a 400-unit target at resolution 400.
struct known {
    const char* name;
    const char* formula;
    double low, high;
    drect w;
};
const known curves[] = {
    {"circle", "cos(t), sin(t)", 0, 2 * pi, {-1.5, 1.5, 1.5, -1.5}},
    {"ellipse", "2*cos(t), sin(t)", 0, 2 * pi, {-2.5, 1.5, 2.5, -1.5}},
    {"Lissajous", "sin(3*t), sin(2*t)", 0, 2 * pi, {-1.2, 1.2, 1.2, -1.2}},
    {"cardioid", "(1-cos(t))*cos(t), (1-cos(t))*sin(t)", 0, 2 * pi, {-2.5, 1.5, 0.5, -1.5}},
    {"Archimedean", "t*cos(t), t*sin(t)", 0, 6 * pi, {-20, 20, 20, -20}},
    {"logspiral", "exp(0.15*t)*cos(t), exp(0.15*t)*sin(t)", -20, 14, {-9, 9, 9, -9}},
};

void evaluationsperpoint(benchmark::State& state)
{
    const known& k = curves[state.range(0)];
    state.SetLabel(k.name);
    calling source(k.formula, "t");
    countedparam c(static_cast<fastplot*>(nullptr), &source.object);
    samplerequest r = request(k.w, {0, 0, 400, 400}, 400, k.low, k.high);
    auto table = tabulated(c, r, 400);
    r.norecord = 1;
    sampleresult result;
    c.evaluations = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(c.sample(r, result));
    double runs = double(state.iterations());
    state.counters["commands"] = double(result.count() - 1);
    state.counters["evals/command"] = double(c.evaluations) / runs / double(result.count() - 1);
}
BENCHMARK(evaluationsperpoint)->DenseRange(0, 5)->Unit(benchmark::kMicrosecond);

}  // namespace
