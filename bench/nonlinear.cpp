// The nonlinear minimizer and solver beside GSL on the same problems:
// function evaluations to the end and the final accuracy (distance from
// the known optimum or solution), printed as counters.  GSL's minimizers
// (BFGS with the analytic gradient, the simplex without) and its
// least-squares solver (trust region with Levenberg-Marquardt steps and a
// finite-difference Jacobian) stop on their usual tolerances.  A final
// pair measures the engines' own cost beside the evaluator: a run on a
// native function (nearly free) against the same number of evaluations of
// the formula through the evaluator.  GSL is linked here only.
#include <benchmark/benchmark.h>

#include <gsl/gsl_blas.h>
#include <gsl/gsl_multifit_nlinear.h>
#include <gsl/gsl_multimin.h>

#include <chrono>
#include <cmath>
#include <functional>
#include <vector>

#include "formula/parser.h"
#include "numerics/nlminimizer.h"
#include "numerics/nlsolver.h"

namespace {

using objectivefn = std::function<double(const double*)>;
using gradientfn = std::function<void(const double*, double*)>;
using residualfn = std::function<void(const double*, double*)>;

long counted = 0;

struct problem {
    const char* name;
    int n;
    objectivefn f;
    gradientfn g;
    std::vector<double> start, optimum;
};

double rosenbrock(const double* x) { return 100 * std::pow(x[1] - x[0] * x[0], 2) + std::pow(1 - x[0], 2); }
void rosenbrockgrad(const double* x, double* g)
{
    g[0] = -400 * x[0] * (x[1] - x[0] * x[0]) - 2 * (1 - x[0]);
    g[1] = 200 * (x[1] - x[0] * x[0]);
}

double beale(const double* x)
{
    double a = 1.5 - x[0] + x[0] * x[1], b = 2.25 - x[0] + x[0] * x[1] * x[1],
           c = 2.625 - x[0] + x[0] * x[1] * x[1] * x[1];
    return a * a + b * b + c * c;
}
void bealegrad(const double* x, double* g)
{
    double y = x[1], a = 1.5 - x[0] + x[0] * y, b = 2.25 - x[0] + x[0] * y * y,
           c = 2.625 - x[0] + x[0] * y * y * y;
    g[0] = 2 * a * (y - 1) + 2 * b * (y * y - 1) + 2 * c * (y * y * y - 1);
    g[1] = 2 * a * x[0] + 4 * b * x[0] * y + 6 * c * x[0] * y * y;
}

void powellres(const double* x, double* r)
{
    r[0] = x[0] + 10 * x[1];
    r[1] = std::sqrt(5.0) * (x[2] - x[3]);
    r[2] = std::pow(x[1] - 2 * x[2], 2);
    r[3] = std::sqrt(10.0) * std::pow(x[0] - x[3], 2);
}
double powell(const double* x)
{
    double r[4];
    powellres(x, r);
    return r[0] * r[0] + r[1] * r[1] + r[2] * r[2] + r[3] * r[3];
}
void powellgrad(const double* x, double* g)
{
    double r[4];
    powellres(x, r);
    double d2 = 2 * (x[1] - 2 * x[2]), d3 = 2 * std::sqrt(10.0) * (x[0] - x[3]);
    g[0] = 2 * r[0] + 2 * r[3] * d3;
    g[1] = 20 * r[0] + 2 * r[2] * d2;
    g[2] = 2 * std::sqrt(5.0) * r[1] - 4 * r[2] * d2;
    g[3] = -2 * std::sqrt(5.0) * r[1] - 2 * r[3] * d3;
}

// Rosenbrock's chain in 10 dimensions.
double chain(const double* x)
{
    double s = 0;
    for (int i = 0; i < 9; i++)
        s += 100 * std::pow(x[i + 1] - x[i] * x[i], 2) + std::pow(1 - x[i], 2);
    return s;
}
void chaingrad(const double* x, double* g)
{
    for (int i = 0; i < 10; i++)
        g[i] = 0;
    for (int i = 0; i < 9; i++) {
        double t = x[i + 1] - x[i] * x[i];
        g[i] += -400 * x[i] * t - 2 * (1 - x[i]);
        g[i + 1] += 200 * t;
    }
}

const problem problems[] = {
    {"rosenbrock", 2, rosenbrock, rosenbrockgrad, {-1.2, 1}, {1, 1}},
    {"beale", 2, beale, bealegrad, {1, 1}, {3, 0.5}},
    {"powell", 4, powell, powellgrad, {3, -1, 0, 1}, {0, 0, 0, 0}},
    {"chain10", 10, chain, chaingrad, std::vector<double>(10, -1.2), std::vector<double>(10, 1.0)},
};

double distance(const double* x, const std::vector<double>& y)
{
    double s = 0;
    for (size_t i = 0; i < y.size(); i++)
        s += (x[i] - y[i]) * (x[i] - y[i]);
    return std::sqrt(s);
}

// The counters of a comparison: evaluations to the end and the distance
// from the known optimum or solution.
void counters(benchmark::State& state, long evaluations, double error)
{
    state.counters["evals"] = double(evaluations);
    state.counters["error"] = error;
}

// An engine's distance from the known point, in the user's coordinates.
double finalerror(nliter& e, const std::vector<double>& known)
{
    return distance(e.unscaled() + 1, known);
}

class minimizer : public NLminimizer {
public:
    minimizer(const problem& p) : NLminimizer(p.n), fn(p.f), buffer(p.n) {}
    double objective(const double* x) override
    {
        for (int i = 1; i <= n; i++)
            buffer[i - 1] = x[i] * scale[i];
        return fn(buffer.data());
    }
    objectivefn fn;
    std::vector<double> buffer;
};

// Steps to a state, then the report decides (it may confirm success).
double runminimizer(const problem& p, long& evaluations)
{
    minimizer e(p);
    e.ini(p.start.data());
    while (e.state == nlrunning && e.counter < 10000)
        e.singlestep();
    evaluations = e.evaluations;
    return finalerror(e, p.optimum);
}

void vemominimize(benchmark::State& state, const problem& p)
{
    long evaluations = 0;
    double error = 0;
    for (auto _ : state)
        error = runminimizer(p, evaluations);
    counters(state, evaluations, error);
}

double gslf(const gsl_vector* v, void* data)
{
    counted++;
    return static_cast<const problem*>(data)->f(v->data);
}
void gsldf(const gsl_vector* v, void* data, gsl_vector* g)
{
    counted++;
    static_cast<const problem*>(data)->g(v->data, g->data);
}
void gslfdf(const gsl_vector* v, void* data, double* f, gsl_vector* g)
{
    *f = gslf(v, data);
    gsldf(v, data, g);
    counted--;   // one evaluation of both
}

// BFGS with the analytic gradient: "evals" counts f and gradient calls.
void gslbfgs(benchmark::State& state, const problem& p)
{
    double error = 0;
    long evaluations = 0;
    for (auto _ : state) {
        gsl_multimin_function_fdf fn{gslf, gsldf, gslfdf, size_t(p.n), const_cast<problem*>(&p)};
        gsl_vector* x = gsl_vector_alloc(p.n);
        for (int i = 0; i < p.n; i++)
            gsl_vector_set(x, i, p.start[i]);
        gsl_multimin_fdfminimizer* s = gsl_multimin_fdfminimizer_alloc(gsl_multimin_fdfminimizer_vector_bfgs2, p.n);
        counted = 0;
        gsl_multimin_fdfminimizer_set(s, &fn, x, 0.01, 0.1);
        for (int k = 0; k < 10000; k++) {
            if (gsl_multimin_fdfminimizer_iterate(s))
                break;
            if (gsl_multimin_test_gradient(s->gradient, 1e-10) != GSL_CONTINUE)
                break;
        }
        evaluations = counted;
        error = distance(s->x->data, p.optimum);
        gsl_multimin_fdfminimizer_free(s);
        gsl_vector_free(x);
    }
    counters(state, evaluations, error);
}

void gslsimplex(benchmark::State& state, const problem& p)
{
    double error = 0;
    long evaluations = 0;
    for (auto _ : state) {
        gsl_multimin_function fn{gslf, size_t(p.n), const_cast<problem*>(&p)};
        gsl_vector* x = gsl_vector_alloc(p.n);
        gsl_vector* step = gsl_vector_alloc(p.n);
        for (int i = 0; i < p.n; i++)
            gsl_vector_set(x, i, p.start[i]);
        gsl_vector_set_all(step, 0.5);
        gsl_multimin_fminimizer* s = gsl_multimin_fminimizer_alloc(gsl_multimin_fminimizer_nmsimplex2, p.n);
        counted = 0;
        gsl_multimin_fminimizer_set(s, &fn, x, step);
        for (int k = 0; k < 100000; k++) {
            if (gsl_multimin_fminimizer_iterate(s))
                break;
            if (gsl_multimin_test_size(gsl_multimin_fminimizer_size(s), 1e-10) != GSL_CONTINUE)
                break;
        }
        evaluations = counted;
        error = distance(s->x->data, p.optimum);
        gsl_multimin_fminimizer_free(s);
        gsl_vector_free(step);
        gsl_vector_free(x);
    }
    counters(state, evaluations, error);
}

BENCHMARK_CAPTURE(vemominimize, rosenbrock, problems[0]);
BENCHMARK_CAPTURE(gslbfgs, rosenbrock, problems[0]);
BENCHMARK_CAPTURE(gslsimplex, rosenbrock, problems[0]);
BENCHMARK_CAPTURE(vemominimize, beale, problems[1]);
BENCHMARK_CAPTURE(gslbfgs, beale, problems[1]);
BENCHMARK_CAPTURE(gslsimplex, beale, problems[1]);
BENCHMARK_CAPTURE(vemominimize, powell, problems[2]);
BENCHMARK_CAPTURE(gslbfgs, powell, problems[2]);
BENCHMARK_CAPTURE(gslsimplex, powell, problems[2]);
BENCHMARK_CAPTURE(vemominimize, chain10, problems[3]);
BENCHMARK_CAPTURE(gslbfgs, chain10, problems[3]);
BENCHMARK_CAPTURE(gslsimplex, chain10, problems[3]);

// Least squares.
struct lsproblem {
    const char* name;
    int m, n;
    residualfn r;
    std::vector<double> start, solution;
};

const double fitdata[8] = {2.01, 1.47, 1.11, 0.80, 0.61, 0.44, 0.33, 0.25};

const lsproblem lsproblems[] = {
    {"rosenbrock", 2, 2,
     [](const double* x, double* r) {
         r[0] = 10 * (x[1] - x[0] * x[0]);
         r[1] = 1 - x[0];
     },
     {-1.2, 1}, {1, 1}},
    {"expfit", 8, 2,
     [](const double* x, double* r) {
         for (int t = 0; t < 8; t++)
             r[t] = x[0] * std::exp(x[1] * t) - fitdata[t];
     },
     {1, 0}, {2.0043633990228666204, -0.30105593816216355508}},
    {"powell", 4, 4, powellres, {3, -1, 0, 1}, {0, 0, 0, 0}},
};

class solver : public NLsolver {
public:
    solver(const lsproblem& p) : NLsolver(p.m, p.n), fn(p.r), buffer(p.n) {}
    bool residuals(const double* x, double* out) override
    {
        for (int i = 1; i <= n; i++)
            buffer[i - 1] = x[i] * scale[i];
        fn(buffer.data(), out + 1);
        return true;
    }
    residualfn fn;
    std::vector<double> buffer;
};

void vemosolve(benchmark::State& state, const lsproblem& p)
{
    long evaluations = 0;
    double error = 0;
    for (auto _ : state) {
        solver e(p);
        e.setstart(p.start.data());
        while (e.state == nlrunning && e.counter < 10000)
            e.singlestep();
        evaluations = e.evaluations;
        error = finalerror(e, p.solution);
    }
    counters(state, evaluations, error);
}

int gslresiduals(const gsl_vector* x, void* data, gsl_vector* f)
{
    counted++;
    const lsproblem& p = *static_cast<const lsproblem*>(data);
    // GSL's vectors may be strided.
    double in[16], out[16];
    for (int i = 0; i < p.n; i++)
        in[i] = gsl_vector_get(x, i);
    p.r(in, out);
    for (int i = 0; i < p.m; i++)
        gsl_vector_set(f, i, out[i]);
    return GSL_SUCCESS;
}

// Trust region with Levenberg-Marquardt steps; the Jacobian by GSL's
// forward differences (its evaluations are counted too).
void gsllm(benchmark::State& state, const lsproblem& p)
{
    double error = 0;
    long evaluations = 0;
    for (auto _ : state) {
        gsl_multifit_nlinear_parameters params = gsl_multifit_nlinear_default_parameters();
        gsl_multifit_nlinear_workspace* w =
            gsl_multifit_nlinear_alloc(gsl_multifit_nlinear_trust, &params, p.m, p.n);
        gsl_multifit_nlinear_fdf fdf{};
        fdf.f = gslresiduals;
        fdf.df = nullptr;
        fdf.n = p.m;
        fdf.p = p.n;
        fdf.params = const_cast<lsproblem*>(&p);
        gsl_vector_const_view x0 = gsl_vector_const_view_array(p.start.data(), p.n);
        counted = 0;
        gsl_multifit_nlinear_init(&x0.vector, &fdf, w);
        int info = 0;
        gsl_multifit_nlinear_driver(1000, 1e-15, 1e-15, 1e-15, nullptr, nullptr, &info, w);
        evaluations = counted;
        error = distance(gsl_multifit_nlinear_position(w)->data, p.solution);
        gsl_multifit_nlinear_free(w);
    }
    counters(state, evaluations, error);
}

BENCHMARK_CAPTURE(vemosolve, rosenbrock, lsproblems[0]);
BENCHMARK_CAPTURE(gsllm, rosenbrock, lsproblems[0]);
BENCHMARK_CAPTURE(vemosolve, expfit, lsproblems[1]);
BENCHMARK_CAPTURE(gsllm, expfit, lsproblems[1]);
BENCHMARK_CAPTURE(vemosolve, powell, lsproblems[2]);
BENCHMARK_CAPTURE(gsllm, powell, lsproblems[2]);

// The engine's own cost: the minimizer on the native chain (the function
// costs a few ns) against the time that its evaluations take through the
// formula evaluator.  own_share = engine / (engine + evaluations).
struct formulaeval {
    parser p;
    formulaeval()
    {
        std::string text;
        const char* letters = "abcdefghij";
        for (int i = 0; i < 9; i++)
            text += std::string(i ? "+" : "") + "100*(" + letters[i + 1] + "-" + letters[i] + "^2)^2+(1-" +
                    letters[i] + ")^2";
        if (!p.compile(text.c_str(), letters, 3))
            std::abort();
    }
};

void owncost(benchmark::State& state)
{
    const problem& p = problems[3];
    formulaeval fe;
    double x[10];
    for (int i = 0; i < 10; i++)
        x[i] = -1.2 + 0.01 * i;
    // Time per formula evaluation.
    const int calls = 20000;
    auto t0 = std::chrono::steady_clock::now();
    double sink = 0;
    for (int k = 0; k < calls; k++) {
        x[0] += 1e-12;
        sink += *fe.p.calcarray(x, 10);
    }
    double performula = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count() / calls;
    benchmark::DoNotOptimize(sink);
    long evaluations = 0;
    double engine = 0;
    for (auto _ : state) {
        auto t1 = std::chrono::steady_clock::now();
        runminimizer(p, evaluations);
        engine = std::chrono::duration<double>(std::chrono::steady_clock::now() - t1).count();
    }
    state.counters["evals"] = double(evaluations);
    state.counters["ns_per_formula_eval"] = performula * 1e9;
    state.counters["own_share_pct"] = 100 * engine / (engine + evaluations * performula);
}
BENCHMARK(owncost)->Unit(benchmark::kMillisecond);

}  // namespace
