// The evaluator side by side with muParser on the usual expression-parser
// set, a Horner polynomial, a Gauss curve and a 50-term sum, each written
// in both languages, and native C++ as the floor.  x and y change on every
// call.  After the runs a table gives per formula the nanoseconds per
// evaluation, the ratio to muParser, its geometric mean and the
// nanoseconds per token of the compiled code (the best of the repetitions).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <muParser.h>
#include <string>
#include <vector>

#include "formula/evalstate.h"
#include "formula/parser.h"
#include "formula/start.h"
#include "formula/tokens.h"

namespace {
constexpr double pi = 3.141592653589793;

struct formulacase {
    const char* name;
    const char* vemo;
    const char* muparser;
    double (*native)(double, double);
};

double le(double a, double b) { return a <= b; }

std::string fiftyterms(const char* term)
{
    std::string s = term;
    for (int i = 1; i < 50; ++i)
        s += std::string("+") + term;
    return s;
}
const std::string sum50 = fiftyterms("x");

const formulacase cases[] = {
    {"y+x", "(y+x)", "(y+x)", [](double x, double y) { return y + x; }},
    {"2(y+x)", "2*(y+x)", "2*(y+x)", [](double x, double y) { return 2 * (y + x); }},
    {"2y+2x", "(2*y+2*x)", "(2*y+2*x)", [](double x, double y) { return 2 * y + 2 * x; }},
    {"x^2/y", "((1.23*x^2)/y)-123.123", "((1.23*x^2)/y)-123.123",
     [](double x, double y) { return 1.23 * x * x / y - 123.123; }},
    {"quotients", "(y+x/y)*(x-y/x)", "(y+x/y)*(x-y/x)", [](double x, double y) { return (y + x / y) * (x - y / x); }},
    {"nested/", "x/((x+y)+(x-y))/y", "x/((x+y)+(x-y))/y", [](double x, double y) { return x / ((x + y) + (x - y)) / y; }},
    {"1-xy-3", "1-((x*y)+(y/x))-3", "1-((x*y)+(y/x))-3", [](double x, double y) { return 1 - ((x * y) + (y / x)) - 3; }},
    {"products", "(5.5+x)+(2*x-2/3*y)*(x/3+y/4)+(y+7.7)", "(5.5+x)+(2*x-2/3*y)*(x/3+y/4)+(y+7.7)",
     [](double x, double y) { return (5.5 + x) + (2 * x - 2.0 / 3 * y) * (x / 3 + y / 4) + (y + 7.7); }},
    {"powers", "1.1*x^1+2.2*y^2-3.3*x^3+4.4*y^15-5.5*x^23+6.6*y^55",
     "1.1*x^1+2.2*y^2-3.3*x^3+4.4*y^15-5.5*x^23+6.6*y^55",
     [](double x, double y) {
         return 1.1 * x + 2.2 * y * y - 3.3 * x * x * x + 4.4 * std::pow(y, 15) - 5.5 * std::pow(x, 23) + 6.6 * std::pow(y, 55);
     }},
    {"sin+cos", "sin(2*x)+cos(pi/y)", "sin(2*x)+cos(pi/y)", [](double x, double y) { return std::sin(2 * x) + std::cos(pi / y); }},
    {"1-sin+cos", "1-sin(2*x)+cos(pi/y)", "1-sin(2*x)+cos(pi/y)",
     [](double x, double y) { return 1 - std::sin(2 * x) + std::cos(pi / y); }},
    {"sqrt(trig)", "sqr(111.111-sin(2*x)+cos(pi/y)/333.333)", "sqrt(111.111-sin(2*x)+cos(pi/y)/333.333)",
     [](double x, double y) { return std::sqrt(111.111 - std::sin(2 * x) + std::cos(pi / y) / 333.333); }},
    {"x^2/sin", "(x^2/sin(2*pi/y))-x/2", "(x^2/sin(2*pi/y))-x/2",
     [](double x, double y) { return x * x / std::sin(2 * pi / y) - x / 2; }},
    {"cos(y-sin)", "x+(cos(y-sin(2/x*pi))-sin(x-cos(2*y/pi)))-y", "x+(cos(y-sin(2/x*pi))-sin(x-cos(2*y/pi)))-y",
     [](double x, double y) { return x + (std::cos(y - std::sin(2 / x * pi)) - std::sin(x - std::cos(2 * y / pi))) - y; }},
    {"clamp", "max(-1.0, min(sin(2*pi*x)+cos(y/2*pi), 1.0))", "max(-1.0, min(sin(2*pi*x)+cos(y/2*pi), 1.0))",
     [](double x, double y) { return std::fmax(-1.0, std::fmin(std::sin(2 * pi * x) + std::cos(y / 2 * pi), 1.0)); }},
    {"max(min)", "max(3.33, min(sqr(1-sin(2*x)+cos(pi/y)/3), 1.11))", "max(3.33, min(sqrt(1-sin(2*x)+cos(pi/y)/3), 1.11))",
     [](double x, double y) { return std::fmax(3.33, std::fmin(std::sqrt(1 - std::sin(2 * x) + std::cos(pi / y) / 3), 1.11)); }},
    {"select", "LE(y+x*2.2, x+y+1.1)*(x-y)+(1-LE(y+x*2.2, x+y+1.1))*(x*y)+2*pi/x",
     "((y+x*2.2)<=(x+y+1.1))*(x-y)+(1-((y+x*2.2)<=(x+y+1.1)))*(x*y)+2*pi/x",
     [](double x, double y) { return le(y + x * 2.2, x + y + 1.1) * (x - y) + (1 - le(y + x * 2.2, x + y + 1.1)) * (x * y) + 2 * pi / x; }},
    {"x^2+y^2", "x^2+y^2", "x^2+y^2", [](double x, double y) { return x * x + y * y; }},
    {"horner", "((((2*x+3)*x-4)*x+5)*x-6)*x+7", "((((2*x+3)*x-4)*x+5)*x-6)*x+7",
     [](double x, double) { return ((((2 * x + 3) * x - 4) * x + 5) * x - 6) * x + 7; }},
    {"gauss", "exp(-x*x/2)/sqr(2*pi)", "exp(-x*x/2)/sqrt(2*pi)",
     [](double x, double) { return std::exp(-x * x / 2) / std::sqrt(2 * pi); }},
    {"sum50", sum50.c_str(), sum50.c_str(), [](double x, double) {
         double s = x;
         for (int i = 1; i < 50; ++i)
             s += x;
         return s;
     }},
};

// x walks through [0.5, 1.5), y through [1.1, 2.1), so that nothing is
// constant between calls.
struct walk {
    double x = 0.5, y = 1.1;
    void next()
    {
        x += 0.000123;
        x = x >= 1.5 ? x - 1.0 : x;
        y += 0.000321;
        y = y >= 2.1 ? y - 1.0 : y;
    }
};

int tokencount(const parser& p)
{
    int n = 0;
    for (const unsigned char* t = p.code.tokens + 1; *t != tk::END; ++t)
        ++n;
    return n;
}

std::map<std::string, int> tokens;

void vemo(benchmark::State& state, const formulacase& c)
{
    parser p;
    shared.reportswitch = 0;
    if (p.compile(c.vemo, "xy", 3) == 0) {
        state.SkipWithError("does not compile");
        return;
    }
    tokens[c.name] = tokencount(p);
    walk w;
    for (auto _ : state) {
        double args[] = {w.x, w.y};
        benchmark::DoNotOptimize(*p.calcarray(args, 2));
        w.next();
    }
}

// optimize: muParser's bytecode optimizer, which folds constants and fuses
// operations.
void muparser(benchmark::State& state, const formulacase& c, bool optimize)
{
    mu::Parser p;
    walk w;
    p.EnableOptimizer(optimize);
    p.DefineConst("pi", pi);
    p.DefineVar("x", &w.x);
    p.DefineVar("y", &w.y);
    p.SetExpr(c.muparser);
    for (auto _ : state) {
        benchmark::DoNotOptimize(p.Eval());
        w.next();
    }
}

void native(benchmark::State& state, const formulacase& c)
{
    walk w;
    for (auto _ : state) {
        benchmark::DoNotOptimize(c.native(w.x, w.y));
        w.next();
    }
}

// Both evaluators agree with C++ before they are timed.
bool agree()
{
    for (const formulacase& c : cases) {
        parser p;
        mu::Parser m;
        double x = 0.75, y = 1.3;
        m.DefineConst("pi", pi);
        m.DefineVar("x", &x);
        m.DefineVar("y", &y);
        m.SetExpr(c.muparser);
        p.compile(c.vemo, "xy", 3);
        double args[] = {x, y};
        double want = c.native(x, y), got = *p.calcarray(args, 2), mu = m.Eval();
        double tolerance = 1e-12 * (1 + std::fabs(want));
        if (std::fabs(got - want) > tolerance || std::fabs(mu - want) > tolerance) {
            std::fprintf(stderr, "%s: vemo %.17g muparser %.17g C++ %.17g\n", c.name, got, mu, want);
            return false;
        }
    }
    return true;
}

// Keeps the best time of every run and prints the comparison at the end.
class summary : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs) {
            if (r.run_type != Run::RT_Iteration || r.error_occurred)
                continue;
            double ns = r.GetAdjustedCPUTime();
            auto [it, fresh] = best.try_emplace(r.run_name.function_name, ns);
            if (!fresh && ns < it->second)
                it->second = ns;
        }
    }
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        std::printf("\n%-12s %7s %7s %7s %7s %7s %7s %6s %8s\n", "formula", "vemo", "mu", "mu-opt0", "native",
                    "vemo/mu", "/opt0", "tokens", "ns/token");
        double logs = 0, logsfast = 0, logsunopt = 0;
        int n = 0, nfast = 0;
        for (const formulacase& c : cases) {
            double v = best["vemo/" + std::string(c.name)], m = best["muparser/" + std::string(c.name)];
            double u = best["unoptimized/" + std::string(c.name)], f = best["native/" + std::string(c.name)];
            if (v == 0 || m == 0)
                continue;
            int t = tokens[c.name];
            std::printf("%-12s %7.1f %7.1f %7.1f %7.1f %7.2f %7.2f %6d %8.2f\n", c.name, v, m, u, f, v / m, v / u, t,
                        t ? v / t : 0.0);
            logs += std::log(v / m);
            logsunopt += std::log(v / u);
            if (std::string(c.name) != "sum50") {
                logsfast += std::log(v / m);
                ++nfast;
            }
            ++n;
        }
        if (n)
            std::printf("geometric mean vemo/muparser %.2f (without sum50 %.2f), vemo/unoptimized %.2f\n",
                        std::exp(logs / n), std::exp(logsfast / std::max(nfast, 1)), std::exp(logsunopt / n));
    }

private:
    std::map<std::string, double> best;
};

int registerall()
{
    for (const formulacase& c : cases) {
        auto add = [&](const char* engine, auto fn, auto... extra) {
            benchmark::RegisterBenchmark((std::string(engine) + "/" + c.name).c_str(), fn, c, extra...)
                ->Iterations(2000000);
        };
        add("vemo", vemo);
        add("muparser", muparser, true);
        add("unoptimized", muparser, false);
        add("native", native);
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
    summary reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
