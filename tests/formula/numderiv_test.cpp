// Difference quotients against analytic derivatives of known functions.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "formula/numderiv.h"

namespace {

struct known {
    const char* name;
    double (*f)(double);
    double (*d1)(double);
    double (*d2)(double);
    double (*d3)(double);
};

const known functions[] = {
    {"sin", [](double x) { return std::sin(x); }, [](double x) { return std::cos(x); },
     [](double x) { return -std::sin(x); }, [](double x) { return -std::cos(x); }},
    {"exp", [](double x) { return std::exp(x); }, [](double x) { return std::exp(x); },
     [](double x) { return std::exp(x); }, [](double x) { return std::exp(x); }},
    {"cube", [](double x) { return x * x * x; }, [](double x) { return 3 * x * x; },
     [](double x) { return 6 * x; }, [](double) { return 6.0; }},
    {"log", [](double x) { return std::log(x); }, [](double x) { return 1 / x; },
     [](double x) { return -1 / (x * x); }, [](double x) { return 2 / (x * x * x); }},
};

const double abscissae[] = {0.5, 1.0, 2.5, 7.0};

// Relative tolerances that the step sizes allow (truncation and rounding).
constexpr double tol1 = 1e-8, tol2 = 1e-5, tol3 = 1e-3;

void near(double got, double want, double tol, const char* what, double x)
{
    EXPECT_NEAR(got, want, tol * std::max(1.0, std::fabs(want))) << what << " at " << x;
}

struct errorfree : ::testing::Test {
    void SetUp() override { shared.error = evalok; }
    void TearDown() override { shared.error = evalok; }
};

using scalarderivatives = errorfree;
using vectorderivatives = errorfree;

}

TEST_F(scalarderivatives, MatchAnalyticDerivatives)
{
    for (const known& k : functions)
        for (double x : abscissae) {
            near(numderiv::first(k.f, x), k.d1(x), tol1, k.name, x);
            near(numderiv::second(k.f, x), k.d2(x), tol2, k.name, x);
            near(numderiv::third(k.f, x), k.d3(x), tol3, k.name, x);
            double bend = k.d2(x) / std::pow(1 + k.d1(x) * k.d1(x), 1.5);
            near(numderiv::curvature(k.f, x), bend, tol2, k.name, x);
        }
}

TEST_F(scalarderivatives, KnownValues)
{
    auto square = [](double x) { return x * x; };
    auto cube = [](double x) { return x * x * x; };
    auto line = [](double x) { return 3 * x - 2; };
    EXPECT_NEAR(numderiv::first(square, 3.0), 6.0, 1e-9);
    EXPECT_NEAR(numderiv::third(cube, 1.5), 6.0, 1e-5);
    EXPECT_NEAR(numderiv::curvature(line, 4.0), 0.0, 1e-6);
    EXPECT_NEAR(numderiv::curvature(square, 0.0), 2.0, 1e-6);
}

TEST_F(scalarderivatives, StepGrowsOnlyAboveOne)
{
    std::vector<double> at;
    auto record = [&](double x) { at.push_back(x); return x; };
    numderiv::first(record, 0.0);
    numderiv::first(record, 1000.0);
    ASSERT_EQ(at.size(), 4u);
    EXPECT_DOUBLE_EQ(at[0], 1e-5);
    EXPECT_DOUBLE_EQ(at[1], -1e-5);
    EXPECT_DOUBLE_EQ(at[2], 1000.01);
    EXPECT_DOUBLE_EQ(at[3], 999.99);
}

TEST_F(scalarderivatives, AnErrorInTheFirstEvaluationStops)
{
    int calls = 0;
    auto failing = [&](double) { ++calls; shared.error = evalruntime; return 1.0; };
    EXPECT_EQ(numderiv::first(failing, 1.0), 0.0);
    EXPECT_EQ(numderiv::second(failing, 1.0), 0.0);
    EXPECT_EQ(numderiv::third(failing, 1.0), 0.0);
    EXPECT_EQ(numderiv::curvature(failing, 1.0), 0.0);
    EXPECT_EQ(calls, 4);
}

namespace {
// Two values of two arguments: (x*x*y, sin(x) + y); the evaluation reads
// its arguments through the pointer array as the object calls do.
struct twovalues {
    double** args;
    double out[2] = {};
    int calls = 0;
    int failat = 0;   // evaluation number that sets the error byte
    double* operator()()
    {
        double x = *args[0], y = *args[1];
        out[0] = x * x * y;
        out[1] = std::sin(x) + y;
        if (++calls == failat)
            shared.error = evalruntime;
        return out;
    }
};
}

TEST_F(vectorderivatives, MatchAnalyticDerivatives)
{
    double x = 1.3, y = 0.7;
    double* args[2] = {&x, &y};
    twovalues f{args, {}};
    auto eval = [&] { return f(); };
    double* r = numderiv::vfirst(args, 1, 2, eval);
    EXPECT_NEAR(r[0], 2 * x * y, 1e-9);
    EXPECT_NEAR(r[1], std::cos(x), 1e-9);
    r = numderiv::vsecond(args, 1, 2, eval);
    EXPECT_NEAR(r[0], 2 * y, 1e-6);
    EXPECT_NEAR(r[1], -std::sin(x), 1e-6);
    r = numderiv::vthird(args, 1, 2, eval);
    EXPECT_NEAR(r[0], 0.0, 1e-4);
    EXPECT_NEAR(r[1], -std::cos(x), 1e-4);
    r = numderiv::vfirst(args, 2, 2, eval);
    EXPECT_NEAR(r[0], x * x, 1e-9);
    EXPECT_NEAR(r[1], 1.0, 1e-9);
    r = numderiv::vcurvature(args, 1, 2, eval);
    EXPECT_NEAR(r[0], 2 * y / std::pow(1 + 4 * x * x * y * y, 1.5), 1e-6);
    EXPECT_NEAR(r[1], -std::sin(x) / std::pow(1 + std::cos(x) * std::cos(x), 1.5), 1e-6);
    EXPECT_EQ(args[0], &x);
    EXPECT_EQ(args[1], &y);
}

TEST_F(vectorderivatives, ArgumentsComeBackAfterEveryOutcome)
{
    // Evaluations per routine, and how many of the first ones are tested:
    // the last evaluation never is.
    struct routine {
        double* (*run)(double**, int, int, twovalues&);
        int evaluations;
        int tested;
    } routines[] = {
        {[](double** a, int k, int n, twovalues& f) { return numderiv::vfirst(a, k, n, [&] { return f(); }); }, 2, 1},
        {[](double** a, int k, int n, twovalues& f) { return numderiv::vsecond(a, k, n, [&] { return f(); }); }, 3, 2},
        {[](double** a, int k, int n, twovalues& f) { return numderiv::vthird(a, k, n, [&] { return f(); }); }, 4, 3},
        {[](double** a, int k, int n, twovalues& f) { return numderiv::vcurvature(a, k, n, [&] { return f(); }); }, 5, 4},
    };
    for (const routine& r : routines)
        for (int failat = 1; failat <= r.evaluations; ++failat) {
            shared.error = evalok;
            double x = 2.0, y = 3.0;
            double* args[2] = {&x, &y};
            twovalues f{args, {}};
            f.failat = failat;
            r.run(args, 1, 2, f);
            EXPECT_EQ(args[0], &x) << r.evaluations << " " << failat;
            EXPECT_EQ(x, 2.0);
            int expected = failat <= r.tested ? failat : r.evaluations;
            EXPECT_EQ(f.calls, expected) << r.evaluations << " " << failat;
        }
}

TEST_F(vectorderivatives, SecondDerivativeEvaluatesTheCallersValueLast)
{
    double x = 5.0;
    double* args[1] = {&x};
    std::vector<const double*> seen;
    double out = 0;
    numderiv::vsecond(args, 1, 1, [&] { seen.push_back(args[0]); out = *args[0]; return &out; });
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_NE(seen[0], &x);
    EXPECT_EQ(seen[2], &x);
}

TEST_F(vectorderivatives, NothingEvaluatedGivesNone)
{
    double x = 1.0;
    double* args[1] = {&x};
    EXPECT_EQ(numderiv::vfirst(args, 1, 1, [] { return static_cast<double*>(nullptr); }), nullptr);
    EXPECT_EQ(args[0], &x);
}
