// The evaluator side by side with muParser on the same formulas, each
// written in both languages, and native C++ as the floor.  Nanoseconds per
// evaluation; summarise with tools/benchsummary.py.
#include <benchmark/benchmark.h>

#include <cmath>
#include <functional>
#include <muParser.h>

#include "formula/evalstate.h"
#include "formula/parser.h"
#include "formula/start.h"

namespace {
struct formulacase {
    const char* name;
    const char* vemo;
    const char* muparser;
    double (*native)(double);
};

const formulacase cases[] = {
    {"variable", "x", "x", [](double x) { return x; }},
    {"arithmetic", "(x+1)*(x-1)/(x*x+2) - x/3", "(x+1)*(x-1)/(x*x+2) - x/3",
     [](double x) { return (x + 1) * (x - 1) / (x * x + 2) - x / 3; }},
    {"horner", "((((2*x+3)*x-4)*x+5)*x-6)*x+7", "((((2*x+3)*x-4)*x+5)*x-6)*x+7",
     [](double x) { return ((((2 * x + 3) * x - 4) * x + 5) * x - 6) * x + 7; }},
    {"powers", "x^3 - 2*x^2 + 0.5*x - 1", "x^3 - 2*x^2 + 0.5*x - 1",
     [](double x) { return std::pow(x, 3) - 2 * std::pow(x, 2) + 0.5 * x - 1; }},
    {"trigonometric", "sin(x)^2 + cos(x)^2 + atn(x)", "sin(x)^2 + cos(x)^2 + atan(x)",
     [](double x) { return std::pow(std::sin(x), 2) + std::pow(std::cos(x), 2) + std::atan(x); }},
    {"gauss", "exp(-x*x/2)/sqr(2*pi)", "exp(-x*x/2)/sqrt(2*_pi)",
     [](double x) { return std::exp(-x * x / 2) / std::sqrt(2 * M_PI); }},
    {"logarithmic", "ln(1 + abs(x)) * tanh(x) + sqr(x*x + 1)", "ln(1 + abs(x)) * tanh(x) + sqrt(x*x + 1)",
     [](double x) { return std::log(1 + std::fabs(x)) * std::tanh(x) + std::sqrt(x * x + 1); }},
};

// The argument walks through [0.5, 1.5) so that nothing is constant-folded.
double next(double x)
{
    x += 0.000123;
    return x >= 1.5 ? x - 1.0 : x;
}

void vemo(benchmark::State& state, const formulacase& c)
{
    parser p;
    shared.reportswitch = 0;
    if (p.compile(c.vemo, "x", 3) == 0) {
        state.SkipWithError("does not compile");
        return;
    }
    double x = 0.5;
    for (auto _ : state) {
        benchmark::DoNotOptimize(p.calc1(x));
        x = next(x);
    }
}

// optimize: muParser's bytecode optimizer, which folds constants and fuses
// operations; the evaluator runs the code as compiled.
void muparser(benchmark::State& state, const formulacase& c, bool optimize)
{
    mu::Parser p;
    double x = 0.5;
    p.EnableOptimizer(optimize);
    p.DefineVar("x", &x);
    p.SetExpr(c.muparser);
    for (auto _ : state) {
        benchmark::DoNotOptimize(p.Eval());
        x = next(x);
    }
}

void native(benchmark::State& state, const formulacase& c)
{
    double x = 0.5;
    for (auto _ : state) {
        benchmark::DoNotOptimize(c.native(x));
        x = next(x);
    }
}

// Both evaluators agree with C++ before they are timed.
bool agree()
{
    parser p;
    for (const formulacase& c : cases) {
        mu::Parser m;
        double x = 0.75;
        m.DefineVar("x", &x);
        m.SetExpr(c.muparser);
        p.compile(c.vemo, "x", 3);
        double want = c.native(x);
        if (std::fabs(p.calc1(x) - want) > 1e-12 * (1 + std::fabs(want)) || std::fabs(m.Eval() - want) > 1e-12 * (1 + std::fabs(want)))
            return false;
    }
    return true;
}

int registerall()
{
    for (const formulacase& c : cases) {
        benchmark::RegisterBenchmark((std::string("vemo/") + c.name).c_str(), vemo, c);
        benchmark::RegisterBenchmark((std::string("muparser/") + c.name).c_str(), muparser, c, true);
        benchmark::RegisterBenchmark((std::string("unoptimized/") + c.name).c_str(), muparser, c, false);
        benchmark::RegisterBenchmark((std::string("native/") + c.name).c_str(), native, c);
    }
    return 0;
}
const int registered = registerall();
}

int main(int argc, char** argv)
{
    startformula();
    if (!agree()) {
        std::fprintf(stderr, "vsmuparser: the evaluators disagree with C++\n");
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
