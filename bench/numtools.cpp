// The numeric tools beside GSL and beside the bare evaluator.
//  - Romberg: evaluations and errors of the program's integrator (15
//    digits) beside gsl_integration_romberg at epsrel 1e-15 and QAGS at
//    its smallest tolerance on the same integrands (closed-form values as
//    reference).
//  - Zero search: evaluations of scan plus bisection from a start point,
//    and of the bisection alone, beside GSL's Brent on the bracket that
//    the scan found.
//  - Monte Carlo: evaluations per second of a random formula through the
//    run loop (mciterate) and through a bare loop of calcx.
// GSL is linked here only.
#include <benchmark/benchmark.h>

#include <gsl/gsl_errno.h>
#include <gsl/gsl_integration.h>
#include <gsl/gsl_roots.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <istream>
#include <numbers>

#include "calculator/funm.h"
#include "formula/evalstate.h"
#include "formula/parser.h"
#include "numerics/mcstat.h"
#include "numerics/montecarlo.h"
#include "numerics/zerosearch.h"
#include "objects/hooks.h"
#include "objects/romberg.h"

namespace {

// A user object of a C++ function that counts its calls.
struct counted : fu {
    std::function<double(double)> f;
    long calls = 0;
    explicit counted(std::function<double(double)> fn) : f(std::move(fn)) {}
    double calcx(double x) override
    {
        ++calls;
        return f(x);
    }
    bool implement(uint8_t, uint16_t) override { return true; }
    void save(std::ostream&) override {}
    bool learn(std::istream&) override { return false; }
};

struct integral {
    const char* name;
    double (*f)(double);
    double a, b, value;
};

const integral integrals[] = {
    {"exp", [](double x) { return std::exp(x); }, 0, 1, std::numbers::e - 1},
    {"atan", [](double x) { return 1 / (1 + x * x); }, 0, 1, std::numbers::pi / 4},
    {"cos20", [](double x) { return std::cos(20 * x); }, 0, 1, std::sin(20.0) / 20},
    {"runge", [](double x) { return 1 / (1 + 25 * x * x); }, -1, 1, 0.4 * std::atan(5.0)},
    {"sqrt", [](double x) { return std::sqrt(x); }, 0, 1, 2.0 / 3},
};

double gslcall(double x, void* p)
{
    return static_cast<counted*>(p)->calcx(x);
}

double relerror(double x, double ref)
{
    return std::fabs((x - ref) / ref);
}

void rombergtable()
{
    // QAGS refuses a relative tolerance below 50 epsilon.
    constexpr double qagsrel = 1.2e-14;
    std::printf("Romberg (15 digits, blocks up to 2^20) beside GSL's romberg (20 levels, epsrel 1e-15) and QAGS "
                "(epsrel %g)\n", qagsrel);
    std::printf("%-8s %10s %10s %10s %10s %10s %10s\n", "", "evals", "error", "gsl-romb", "error", "qags",
                "error");
    gsl_set_error_handler_off();
    for (const integral& c : integrals) {
        counted ours(c.f), theirs(c.f), qags(c.f);
        romberg r(1u << 20, 15, 1u << 20);
        double x = r.integrate(ours, c.a, c.b, nullptr, false);
        gsl_function g{gslcall, &theirs};
        gsl_integration_romberg_workspace* w = gsl_integration_romberg_alloc(20);
        double y = 0;
        size_t n = 0;
        gsl_integration_romberg(&g, c.a, c.b, 0, 1e-15, &y, &n, w);
        gsl_integration_romberg_free(w);
        gsl_function q{gslcall, &qags};
        gsl_integration_workspace* qw = gsl_integration_workspace_alloc(1000);
        double z = 0, err = 0;
        gsl_integration_qags(&q, c.a, c.b, 0, qagsrel, 1000, qw, &z, &err);
        gsl_integration_workspace_free(qw);
        std::printf("%-8s %10ld %10.2e %10ld %10.2e %10ld %10.2e\n", c.name, ours.calls, relerror(x, c.value),
                    theirs.calls, relerror(y, c.value), qags.calls, relerror(z, c.value));
    }
}

struct zero {
    const char* name;
    double (*f)(double);
    double x0, root;
};

const zero zeros[] = {
    {"wallis", [](double x) { return x * x * x - 2 * x - 5; }, 2, 2.0945514815423265},
    {"cosfix", [](double x) { return std::cos(x) - x; }, 0, 0.7390851332151607},
    {"sinpi", [](double x) { return std::sin(x); }, 3, std::numbers::pi},
    {"omega", [](double x) { return x * std::exp(x) - 1; }, 0.1, 0.5671432904097838},
};

void zerotable()
{
    std::printf("\nZero search (scan + bisection to the last midpoint) beside GSL's Brent on the scan's bracket "
                "(epsabs 0, epsrel 1e-15)\n");
    std::printf("%-8s %8s %8s %10s %8s %10s\n", "", "total", "bisect", "error", "brent", "error");
    for (const zero& c : zeros) {
        counted scan(c.f), bisect(c.f), brent(c.f);
        double found = 0, other = 0, x = 0;
        zeroscan(scan, c.x0, &found, &other, 0, 0, 0);
        long scancalls = scan.calls;
        findzero(bisect, c.x0, &x, 0, 0, 0);
        double lo = std::min(found, other), hi = std::max(found, other);
        gsl_function g{gslcall, &brent};
        gsl_root_fsolver* s = gsl_root_fsolver_alloc(gsl_root_fsolver_brent);
        gsl_root_fsolver_set(s, &g, lo, hi);
        brent.calls = 0;
        double r = lo;
        for (int i = 0; i < 200; ++i) {
            gsl_root_fsolver_iterate(s);
            r = gsl_root_fsolver_root(s);
            if (gsl_root_test_interval(gsl_root_fsolver_x_lower(s), gsl_root_fsolver_x_upper(s), 0, 1e-15)
                == GSL_SUCCESS)
                break;
        }
        gsl_root_fsolver_free(s);
        std::printf("%-8s %8ld %8ld %10.2e %8ld %10.2e\n", c.name, bisect.calls, bisect.calls - scancalls,
                    relerror(x, c.root), brent.calls, relerror(r, c.root));
    }
    std::printf("\n");
}

// A random formula through the run loop and through a bare loop.
struct randomformula {
    parser first;   // the shared state
    funm f;
    randomformula()
    {
        startobjects();
        f.setformula("x + rand(1)*rand(1)", "x");
        if (!f.implement(1, 0))
            std::abort();
    }
};

void montecarlorun(benchmark::State& state)
{
    randomformula r;
    mcstat* s = newmcstat();
    for (auto _ : state) {
        s->reset();
        mciterate(r.f, 0.5, *s, 100000);
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * 100000);
    std::free(s);
}
BENCHMARK(montecarlorun)->Unit(benchmark::kMillisecond);

void bareloop(benchmark::State& state)
{
    randomformula r;
    for (auto _ : state) {
        double sum = 0;
        for (int i = 0; i < 100000; ++i)
            sum += r.f.calcx(0.5);
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * 100000);
}
BENCHMARK(bareloop)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    rombergtable();
    zerotable();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
