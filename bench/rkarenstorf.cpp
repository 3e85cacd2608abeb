// The Runge-Kutta solver on the Arenstorf orbit (one period of a
// restricted three-body orbit, which closes on itself) at several
// tolerances beside GSL's rk4 with its standard step control: derivative
// evaluations and the end point's distance from the start.  Then states
// along the orbit with and without the value table's points.  What the
// solver costs beyond the evaluator shows in a profile of vemo/12 (perf
// record): the share of RK's own functions beside parser::calc and pow.
// GSL is linked here only.
#include <benchmark/benchmark.h>

#include <gsl/gsl_errno.h>
#include <gsl/gsl_odeiv2.h>

#include <cmath>
#include <memory>

#include "calculator/rk.h"
#include "formula/compile.h"
#include "formula/evalstate.h"
#include "formula/parser.h"
#include "math/valtable.h"

namespace {

constexpr double mu = 0.012277471, mu1 = 1 - mu;
constexpr double period = 17.0652165601579625588917206249;
constexpr double start[4] = {0.994, 0.0, 0.0, -2.00158510637908252240537862224};  // x, y, x', y'

const char* const formula =
    "f.1+2*f.2'-0.987722529*(f.1+0.012277471)/((f.1+0.012277471)^2+f.2^2)^1.5"
    "-0.012277471*(f.1-0.987722529)/((f.1-0.987722529)^2+f.2^2)^1.5,"
    "f.2-2*f.1'-0.987722529*f.2/((f.1+0.012277471)^2+f.2^2)^1.5"
    "-0.012277471*f.2/((f.1-0.987722529)^2+f.2^2)^1.5";

// Distance of the end point (x, y) from the start point.
double closure(double x, double y)
{
    return std::hypot(x - start[0], y - start[1]);
}

struct arenstorf {
    parser first;  // the shared state
    RK rk;
    std::shared_ptr<valtable> table = std::make_shared<valtable>(5);

    explicit arenstorf(double tolerance)
    {
        rk.shape = {2, 2, 't', false};
        rk.setformula(formula);
        table->startvector[0] = 0.0;
        for (int i = 0; i < 4; ++i)
            table->startvector[i + 1] = start[i];
        rk.table = table;
        if (!rk.compile(compilemode::normal, nullptr, nullptr, nullptr))
            std::abort();
        rk.incrementtolerance = tolerance;
        rk.statetolerance = tolerance * 1e-3;
    }
    // One period from the start; the table forgets the points of the
    // last run, so every run computes the whole orbit.
    double run()
    {
        table->reset();
        const double* y = rk.integrate(period, 0.0);
        return closure(y[1], y[2]);
    }
};

void vemo(benchmark::State& state)
{
    double tolerance = std::pow(10.0, -double(state.range(0)));
    arenstorf a(tolerance);
    double error = 0;
    uint64_t before = a.rk.evaluations;
    for (auto _ : state)
        error = a.run();
    double evaluations = double(a.rk.evaluations - before) / double(state.iterations());
    state.counters["evals"] = evaluations;
    state.counters["error"] = error;
    state.counters["ns_per_eval"] =
        benchmark::Counter(evaluations * double(state.iterations()), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(vemo)->DenseRange(6, 12, 2)->Unit(benchmark::kMillisecond);

// 32 states along the orbit, from a table that holds the points of an
// earlier run (cached) or from the start each time (fresh).
void targets(benchmark::State& state, bool cached)
{
    arenstorf a(1e-10);
    a.run();
    uint64_t before = a.rk.evaluations;
    for (auto _ : state)
        for (int i = 0; i < 32; ++i) {
            if (!cached)
                a.table->reset();
            benchmark::DoNotOptimize(a.rk.integrate(period * ((i * 13) % 32 + 0.5) / 32, 0.0));
        }
    state.counters["evals"] = double(a.rk.evaluations - before) / double(state.iterations());
}
BENCHMARK_CAPTURE(targets, cached, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(targets, fresh, false)->Unit(benchmark::kMillisecond);

long gslevaluations = 0;

int derivative(double, const double y[], double dydt[], void*)
{
    ++gslevaluations;
    double d1 = std::pow((y[0] + mu) * (y[0] + mu) + y[1] * y[1], 1.5);
    double d2 = std::pow((y[0] - mu1) * (y[0] - mu1) + y[1] * y[1], 1.5);
    dydt[0] = y[2];
    dydt[1] = y[3];
    dydt[2] = y[0] + 2 * y[3] - mu1 * (y[0] + mu) / d1 - mu * (y[0] - mu1) / d2;
    dydt[3] = y[1] - 2 * y[2] - mu1 * y[1] / d1 - mu * y[1] / d2;
    return GSL_SUCCESS;
}

// GSL's rk4 (its error estimate is step doubling too) under the standard
// control on the absolute error.
void gslrk4(benchmark::State& state)
{
    double tolerance = std::pow(10.0, -double(state.range(0)));
    gsl_odeiv2_system sys = {derivative, nullptr, 4, nullptr};
    double error = 0;
    long evaluations = 0;
    for (auto _ : state) {
        gsl_odeiv2_step* s = gsl_odeiv2_step_alloc(gsl_odeiv2_step_rk4, 4);
        gsl_odeiv2_control* c = gsl_odeiv2_control_y_new(tolerance, 0.0);
        gsl_odeiv2_evolve* e = gsl_odeiv2_evolve_alloc(4);
        double t = 0, h = 1.0 / 64, y[4] = {start[0], start[1], start[2], start[3]};
        gslevaluations = 0;
        while (t < period)
            if (gsl_odeiv2_evolve_apply(e, c, s, &sys, &t, period, &h, y) != GSL_SUCCESS)
                break;
        evaluations = gslevaluations;
        error = closure(y[0], y[1]);
        gsl_odeiv2_evolve_free(e);
        gsl_odeiv2_control_free(c);
        gsl_odeiv2_step_free(s);
    }
    state.counters["evals"] = double(evaluations);
    state.counters["error"] = error;
}
BENCHMARK(gslrk4)->DenseRange(4, 14, 1)->Unit(benchmark::kMillisecond);

}  // namespace
