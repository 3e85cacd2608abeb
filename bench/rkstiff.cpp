// The Runge-Kutta solver on two stiff systems beside GSL's rk4 with its
// standard step control: Robertson's chemical kinetics to t = 40 and van
// der Pol's oscillator with mu = 1000 to t = 3000.  Counters: derivative
// evaluations, the largest relative error of the end state against the
// implicit solvers' values of tests/formula/refdata/stiff.txt, and
// whether the run reached its end.  Explicit steps get through these
// systems only at their stability limit: the evaluations, not the
// tolerance, tell the cost.  GSL is linked here only.
#include <benchmark/benchmark.h>

#include <gsl/gsl_errno.h>
#include <gsl/gsl_odeiv2.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "calculator/rk.h"
#include "formula/compile.h"
#include "formula/evalstate.h"
#include "formula/parser.h"
#include "math/valtable.h"

namespace {

struct problem {
    const char* formula;
    int order, dimension;
    std::vector<double> start;      // the parameter, then the state
    std::vector<double> reference;  // the end, then the state there
    gsl_odeiv2_system system;
};

long gslevaluations = 0;

int robertson(double, const double y[], double dydt[], void*)
{
    ++gslevaluations;
    dydt[0] = -0.04 * y[0] + 1e4 * y[1] * y[2];
    dydt[1] = 0.04 * y[0] - 1e4 * y[1] * y[2] - 3e7 * y[1] * y[1];
    dydt[2] = 3e7 * y[1] * y[1];
    return GSL_SUCCESS;
}

int vanderpol(double, const double y[], double dydt[], void*)
{
    ++gslevaluations;
    dydt[0] = y[1];
    dydt[1] = 1000 * (1 - y[0] * y[0]) * y[1] - y[0];
    return GSL_SUCCESS;
}

const problem problems[] = {
    {"-0.04*f.1+1e4*f.2*f.3,0.04*f.1-1e4*f.2*f.3-3e7*f.2^2,3e7*f.2^2", 1, 3, {0, 1, 0, 0},
     {40.0, 0.7158270687194047, 9.18553476455777e-06, 0.28416374574583}, {robertson, nullptr, 3, nullptr}},
    {"1000*(1-f.1^2)*f.1'-f.1", 2, 1, {0, 2, 0}, {3000.0, -1.5106069367440862, 0.0011783800007309617},
     {vanderpol, nullptr, 2, nullptr}},
};

double worsterror(const double* y, const std::vector<double>& reference)
{
    double worst = 0;
    for (size_t i = 1; i < reference.size(); ++i) {
        double e = std::fabs(y[i - 1] - reference[i]) / std::fabs(reference[i]);
        if (!(e <= worst))
            worst = e;  // a NaN too
    }
    return worst;
}

// range(0): the problem; range(1): the tolerance's exponent, 0 for the
// solver's own tolerances (those of the calculator).
void vemo(benchmark::State& state)
{
    const problem& p = problems[state.range(0)];
    parser first;  // the shared state
    RK rk;
    rk.shape = {uint16_t(p.order), uint16_t(p.dimension), 't', false};
    rk.setformula(p.formula);
    auto table = std::make_shared<valtable>(uint32_t(p.start.size()));
    std::copy(p.start.begin(), p.start.end(), table->startvector);
    rk.table = table;
    if (!rk.compile(compilemode::normal, nullptr, nullptr, nullptr))
        std::abort();
    if (state.range(1) > 0) {
        rk.incrementtolerance = std::pow(10.0, -double(state.range(1)));
        rk.statetolerance = rk.incrementtolerance * 1e-3;
    }
    double error = 0;
    bool reached = false;
    uint64_t before = rk.evaluations;
    for (auto _ : state) {
        table->reset();
        const double* y = rk.integrate(p.reference[0], 0.0);
        reached = rk.status == RK::reached && y[0] == p.reference[0];
        error = worsterror(y + 1, p.reference);
    }
    state.counters["evals"] = double(rk.evaluations - before) / double(state.iterations());
    state.counters["error"] = error;
    state.counters["reached"] = reached;
}
BENCHMARK(vemo)->ArgsProduct({{0, 1}, {0, 6, 9}})->Unit(benchmark::kMillisecond)->Iterations(1);

// GSL's rk4 (step doubling too) under the standard control on the
// relative error 10^-range(1), from the first step 2^-range(2).  From
// 2^-6, the solver's first step, it accepts the overflow on Robertson's
// system: a NaN end state.
void gslrk4(benchmark::State& state)
{
    const problem& p = problems[state.range(0)];
    const size_t n = p.system.dimension;
    const double end = p.reference[0];
    double error = 0;
    bool reached = false;
    long evaluations = 0;
    for (auto _ : state) {
        gsl_odeiv2_step* s = gsl_odeiv2_step_alloc(gsl_odeiv2_step_rk4, n);
        gsl_odeiv2_control* c = gsl_odeiv2_control_y_new(1e-12, std::pow(10.0, -double(state.range(1))));
        gsl_odeiv2_evolve* e = gsl_odeiv2_evolve_alloc(n);
        double t = 0, h = std::ldexp(1.0, -int(state.range(2)));
        std::vector<double> y(p.start.begin() + 1, p.start.end());
        gslevaluations = 0;
        while (t < end)
            if (gsl_odeiv2_evolve_apply(e, c, s, &p.system, &t, end, &h, y.data()) != GSL_SUCCESS)
                break;
        evaluations = gslevaluations;
        reached = t == end;
        error = worsterror(y.data(), p.reference);
        gsl_odeiv2_evolve_free(e);
        gsl_odeiv2_control_free(c);
        gsl_odeiv2_step_free(s);
    }
    state.counters["evals"] = double(evaluations);
    state.counters["error"] = error;
    state.counters["reached"] = reached;
}
BENCHMARK(gslrk4)->ArgsProduct({{0, 1}, {6, 9, 12}, {6, 20}})->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
