// The Runge-Kutta solver against closed-form solutions, its error control
// and step rules, the step trace, and the value-table cache.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

#include "base/report.h"
#include "calculator/rktrace.h"
#include "formula/diagnostics.h"
#include "formula/evalstate.h"
#include "formula/parser.h"
#include "screen/menustate.h"
#include "tests/calculator/rkfixture.h"

namespace {
using std::numbers::pi;

struct rktest : ::testing::Test {
    parser first;  // the shared state
    void SetUp() override { clearrecordedreports(); }
};
}

TEST_F(rktest, ExponentialGrowth)
{
    rksystem s(1, 1, 't', false, "f.1", {0.0, 1.0});
    ASSERT_TRUE(s.compile());
    for (double t : {1.0, 0.3, 2.5, -1.0, -3.0}) {
        rksystem fresh(1, 1, 't', false, "f.1", {0.0, 1.0});
        ASSERT_TRUE(fresh.compile());
        const double* y = fresh.at(t);
        EXPECT_EQ(y[0], t);
        EXPECT_NEAR(y[1] / std::exp(t), 1.0, 1e-12) << t;
    }
}

TEST_F(rktest, SecondOrderSystemKeplerCircle)
{
    // x'' = -x/r^3, y'' = -y/r^3 on the unit circle: period 2 pi.
    rksystem s(2, 2, 't', false, "-f.1/(f.1^2+f.2^2)^1.5, -f.2/(f.1^2+f.2^2)^1.5", {0, 1, 0, 0, 1});
    ASSERT_TRUE(s.compile()) << s.rk.diag->message();
    for (double t : {pi / 2, 2 * pi, 10.0}) {
        const double* y = s.at(t);
        EXPECT_NEAR(y[1], std::cos(t), 1e-10) << t;
        EXPECT_NEAR(y[2], std::sin(t), 1e-10) << t;
        EXPECT_NEAR(y[3], -std::sin(t), 1e-10) << t;
        EXPECT_NEAR(y[4], std::cos(t), 1e-10) << t;
    }
}

TEST_F(rktest, HarmonicOscillatorKeepsItsEnergyOver100Periods)
{
    rksystem s(2, 1, 't', false, "-f.1", {0.0, 0.0, 1.0});
    ASSERT_TRUE(s.compile());
    const double* y = s.at(10.0);
    EXPECT_NEAR(y[1], std::sin(10.0), 1e-11);
    EXPECT_NEAR(y[2], std::cos(10.0), 1e-11);
    y = s.at(200 * pi);
    double drift = y[1] * y[1] + y[2] * y[2] - 1.0;
    EXPECT_LT(std::fabs(drift), 1e-10);
    EXPECT_NEAR(y[1], 0.0, 1e-9);
    EXPECT_NEAR(y[2], 1.0, 1e-9);
    std::printf("[ measure  ] energy drift over 100 periods %.3g, %llu evaluations\n", drift,
                (unsigned long long)s.rk.evaluations);
}

TEST_F(rktest, StiffRelaxation)
{
    // y' = -50 (y - cos t), y(0) = 0.
    rksystem s(1, 1, 't', false, "-50*(f.1-cos(t))", {0.0, 0.0});
    ASSERT_TRUE(s.compile());
    double t = 2.0;
    double exact = 2500.0 / 2501 * std::cos(t) + 50.0 / 2501 * std::sin(t) - 2500.0 / 2501 * std::exp(-50 * t);
    EXPECT_NEAR(s.at(t)[1], exact, 1e-12);
}

// Stiff systems against implicit solvers' end states
// (tests/formula/refdata/gen_stiff.py).  The first trial steps overflow;
// they are halved until they hold, and the run ends with the right values.
// With a looser tolerance van der Pol's jumps make rough steps, which
// halving must cure too.
struct stiffcase {
    const char* name;
    int order, dimension;
    const char* formula;
    std::initializer_list<double> start;
    double tolerance;  // of the increment; 0: the solver's own
    double bound;      // of the relative error at the end
};

std::vector<double> stiffreference(const std::string& name)
{
    std::ifstream file(VEMO_SOURCE_DIR "/tests/formula/refdata/stiff.txt");
    std::string line, word;
    while (std::getline(file, line)) {
        std::istringstream words(line);
        if (words >> word && word == name) {
            std::vector<double> values;
            for (double v; words >> v;)
                values.push_back(v);
            values.pop_back();  // the spread of the reference runs
            return values;      // the end, then the state
        }
    }
    return {};
}

TEST_F(rktest, StiffSystemsRunToTheirEnd)
{
    const stiffcase cases[] = {
        {"robertson", 1, 3, "-0.04*f.1+1e4*f.2*f.3,0.04*f.1-1e4*f.2*f.3-3e7*f.2^2,3e7*f.2^2", {0, 1, 0, 0}, 0, 1e-9},
        {"vanderpol", 2, 1, "1000*(1-f.1^2)*f.1'-f.1", {0, 2, 0}, 0, 1e-9},
        {"vanderpol", 2, 1, "1000*(1-f.1^2)*f.1'-f.1", {0, 2, 0}, 1e-6, 1e-6},
    };
    for (const stiffcase& c : cases) {
        std::vector<double> reference = stiffreference(c.name);
        ASSERT_EQ(reference.size(), size_t(1 + c.order * c.dimension)) << c.name;
        rksystem s(c.order, c.dimension, 't', false, c.formula, c.start);
        ASSERT_TRUE(s.compile()) << c.name;
        if (c.tolerance > 0) {
            s.rk.incrementtolerance = c.tolerance;
            s.rk.statetolerance = c.tolerance * 1e-3;
        }
        shared.reportswitch = 1;
        const double* y = s.at(reference[0]);
        EXPECT_EQ(shared.error, evalok) << c.name;
        EXPECT_EQ(shared.reportswitch, 1) << c.name << ": the failed trials reported";
        EXPECT_EQ(y[0], reference[0]) << c.name;
        double worst = 0;
        for (size_t i = 1; i < reference.size(); i++)
            worst = std::max(worst, std::fabs(y[i] - reference[i]) / std::fabs(reference[i]));
        EXPECT_LT(worst, c.bound) << c.name << " at tolerance " << c.tolerance;
        std::printf("[ measure  ] %s (tolerance %g): %llu evaluations, worst relative error %.3g\n", c.name,
                    c.tolerance, (unsigned long long)s.rk.evaluations, worst);
    }
    shared.reportswitch = 0;
}

TEST_F(rktest, StopReachesAStiffRun)
{
    rksystem s(1, 3, 't', false, "-0.04*f.1+1e4*f.2*f.3,0.04*f.1-1e4*f.2*f.3-3e7*f.2^2,3e7*f.2^2", {0, 1, 0, 0});
    ASSERT_TRUE(s.compile());
    // STOP pressed after 1000 steps.
    s.rk.callback = [](RK& solver, const double*) {
        if (solver.stepcount == 1000)
            menus().abortflag = true;
    };
    const double* y = s.rk.integrate(40.0, 0.0);
    menus().abortflag = false;
    EXPECT_EQ(s.rk.status, RK::reached);
    EXPECT_EQ(shared.error, evalbreak);
    EXPECT_EQ(s.rk.stepcount, 1001u);
    EXPECT_LT(y[0], 40.0);
    shared.error = evalok;
}

TEST_F(rktest, FurtherArgumentsFollowTheState)
{
    // y' = a y with a further argument a.
    rksystem s(1, 1, 't', false, "a*f.1", {0.0, 1.0});
    ASSERT_TRUE(s.rk.compile(compilemode::normal, nullptr, nullptr, "ta"));
    int independent = -1;
    double args[2] = {0.0, -2.0};
    ASSERT_TRUE(s.rk.copyargstoyy(args, independent, "ta"));
    EXPECT_EQ(independent, 0);
    EXPECT_NEAR(s.at(1.0)[1], std::exp(-2.0), 1e-12);
    // A changed further argument forgets the points of the old one.
    args[1] = 0.5;
    s.rk.copyargstoyy(args, independent, "ta");
    EXPECT_NEAR(s.at(1.0)[1], std::exp(0.5), 1e-12);
}

TEST_F(rktest, ArclengthCircleReturnsToItsStart)
{
    // Slope -x/y: the unit circle, passing two vertical tangents.
    rksystem s(1, 1, 'x', true, "-x/f.1", {0.0, 0.0, 1.0});
    ASSERT_TRUE(s.compile());
    const double* y = s.at(pi);
    EXPECT_NEAR(y[1], 0.0, 1e-9);
    EXPECT_NEAR(y[2], -1.0, 1e-9);
    y = s.at(2 * pi);
    EXPECT_NEAR(y[1], 0.0, 1e-9);
    EXPECT_NEAR(y[2], 1.0, 1e-9);
    y = s.at(pi / 2);
    EXPECT_NEAR(y[1], 1.0, 1e-9);
    EXPECT_NEAR(y[2], 0.0, 1e-9);
}

TEST_F(rktest, WrongValueCountNamesBothNumbers)
{
    rksystem s(1, 1, 't', false, "f.1, 2*f.1", {0.0, 1.0});
    EXPECT_FALSE(s.compile());
    EXPECT_FALSE(s.rk.isimplemented());
    ASSERT_NE(s.rk.diag, nullptr);
    std::string text = s.rk.diag->message();
    EXPECT_NE(text.find("returns 2 values"), std::string::npos) << text;
    EXPECT_NE(text.find("which is 1"), std::string::npos) << text;
    // f.2 is no component of a one-value system.
    rksystem t(1, 1, 't', false, "f.2", {0.0, 1.0});
    EXPECT_FALSE(t.compile());
}

TEST_F(rktest, FormulaErrorAtTheSmallestStepStopsWithStatus5)
{
    // ln of 0 at t = 1: the failing steps are halved down to the smallest
    // step; only that last failure is reported.
    rksystem s(1, 1, 't', false, "-1+0*ln(f.1)", {0.0, 1.0});
    ASSERT_TRUE(s.compile());
    shared.reportswitch = 5;
    const double* y = s.rk.integrate(3.0, 0.0);
    EXPECT_EQ(s.rk.status, RK::formulaerror);
    EXPECT_EQ(shared.reportswitch, 4);
    EXPECT_EQ(recordedreports().size(), 1u);
    EXPECT_GT(y[0], 1.0 - 1e-9);
    EXPECT_LE(y[0], 1.0);
    shared.reportswitch = 0;
}

TEST_F(rktest, TargetWithinToleranceTakesNoStep)
{
    rksystem s(1, 1, 't', false, "f.1", {0.0, 1.0});
    ASSERT_TRUE(s.compile());
    s.rk.integrate(1e-4, 1e-3);
    EXPECT_EQ(s.rk.evaluations, 0u);
    EXPECT_EQ(s.rk.yy[0], 0.0);
    EXPECT_EQ(rktrace().count, 0u);
}

TEST_F(rktest, ShortFirstDistanceHalvesTheStep)
{
    rksystem s(1, 1, 't', false, "f.1", {0.0, 1.0});
    ASSERT_TRUE(s.compile());
    s.rk.integrate(1e-3, 0.0);
    // 1/64 halves to 1/1024 <= 1e-3 before the first step; the rest is
    // the last step.
    ASSERT_EQ(rktrace().count, 2u);
    EXPECT_EQ(rktrace().newest(1).parameter, 1.0 / 1024);
    EXPECT_NEAR(s.rk.yy[1], std::exp(1e-3), 1e-15);
}

TEST_F(rktest, StepTraceRecordsTheAcceptedSteps)
{
    rksystem s(1, 1, 't', false, "f.1", {0.0, 1.0});
    ASSERT_TRUE(s.compile());
    s.at(1.0);
    rktracering& ring = rktrace();
    // 1 is a multiple of the step: the run ends with the step that lands
    // on it, without a step of length zero.
    ASSERT_GT(ring.count, 1u);
    EXPECT_EQ(ring.count, s.rk.stepcount);
    EXPECT_EQ(ring.newest(0).serial, ring.count);
    EXPECT_EQ(ring.newest(0).parameter, 1.0);
    EXPECT_EQ(ring.newest(0).first, s.rk.yy[1]);
    for (uint32_t i = 1; i < ring.held(); ++i) {
        EXPECT_EQ(ring.newest(i).serial + 1, ring.newest(i - 1).serial);
        EXPECT_LT(ring.newest(i).parameter, ring.newest(i - 1).parameter);
        EXPECT_NEAR(ring.newest(i).first, std::exp(ring.newest(i).parameter), 1e-12);
    }
    // A new run starts the trace again.
    s.at(0.5);
    EXPECT_EQ(ring.newest(0).serial, ring.count);
}

TEST_F(rktest, CachedStatesAgreeWithFreshIntegrationAndCostLess)
{
    const char* formula = "-f.1";
    rksystem cached(2, 1, 't', false, formula, {0.0, 0.0, 1.0});
    ASSERT_TRUE(cached.compile());
    cached.at(60.0);
    EXPECT_GT(cached.table->count(), 2u);
    uint64_t firstpass = cached.rk.evaluations;
    uint64_t fresh = 0;
    cached.rk.evaluations = 0;
    for (double t : {7.3, 59.0, 22.25, -4.0, 41.0, 0.5}) {
        rksystem other(2, 1, 't', false, formula, {0.0, 0.0, 1.0});
        ASSERT_TRUE(other.compile());
        const double* want = other.at(t);
        fresh += other.rk.evaluations;
        const double* got = cached.at(t);
        EXPECT_NEAR(got[1], want[1], 1e-10) << t;
        EXPECT_NEAR(got[2], want[2], 1e-10) << t;
        EXPECT_NEAR(got[1], std::sin(t), 1e-10) << t;
    }
    std::printf("[ measure  ] first pass %llu evaluations; six targets: cached %llu, fresh %llu\n",
                (unsigned long long)firstpass, (unsigned long long)cached.rk.evaluations,
                (unsigned long long)fresh);
    EXPECT_LT(cached.rk.evaluations * 5, fresh);
}

namespace {
// Allows the states whose first component is at most the bound.
struct boundclipper : rkclipper {
    double bound;
    int asked = 0;
    bool forward = false;
    explicit boundclipper(double b) : bound(b) {}
    double maskvalue(const double* state, bool fw) override
    {
        ++asked;
        forward = fw;
        return bound - state[1];
    }
};
}

TEST_F(rktest, AdvanceApproachesTheClipperBoundaryByHalving)
{
    rksystem s(1, 1, 't', false, "1", {0.0, 0.0});
    ASSERT_TRUE(s.compile());
    // Without a clipper it returns at once with the start parameter.
    EXPECT_EQ(s.rk.advance(0.25, 1.0, 1e-9)[0], 0.25);
    EXPECT_EQ(s.rk.evaluations, 0u);
    boundclipper clip(0.3);
    s.rk.clipper = &clip;
    const double* y = s.rk.advance(0.0, 1.0, 1e-9);
    EXPECT_EQ(s.rk.status, RK::reached);
    EXPECT_TRUE(clip.forward);
    EXPECT_LE(y[1], 0.3);
    EXPECT_GT(y[1], 0.3 - 4e-9);
    EXPECT_NEAR(y[0], y[1], 1e-15);
    // Descending, towards a boundary below the start.
    clip.bound = 1.0;
    s.rk.clipper = &clip;
    struct : rkclipper {
        double maskvalue(const double* state, bool) override { return state[1] + 0.7; }
    } below;
    s.rk.clipper = &below;
    y = s.rk.advance(0.0, -2.0, 1e-9);
    EXPECT_GE(y[1], -0.7);
    EXPECT_LT(y[1], -0.7 + 4e-9);
}

TEST_F(rktest, Integrate2WalksByHalvesOfTheRest)
{
    rksystem s(1, 1, 't', false, "f.1", {0.0, 1.0});
    ASSERT_TRUE(s.compile());
    const double* y = s.rk.integrate2(1.0, 0.01, 1e-9);
    EXPECT_EQ(s.rk.status, RK::reached);
    EXPECT_LE(y[0], 1.01);
    EXPECT_GT(y[0], 1.01 - 4e-9);
    EXPECT_NEAR(y[1] / std::exp(y[0]), 1.0, 1e-12);
}

TEST_F(rktest, BlowUpFailsWithStatus8AndRestrictsTheDirection)
{
    // y' = y^2, y(0) = 1: y = 1/(1-t), singular at t = 1.
    rksystem s(1, 1, 't', false, "f.1^2", {0.0, 1.0});
    ASSERT_TRUE(s.compile());
    const double* y = s.rk.integrate(2.0, 0.0);
    EXPECT_EQ(s.rk.status, RK::failed);
    EXPECT_GT(y[0], 0.99);
    EXPECT_LT(y[0], 1.0);
    EXPECT_TRUE(s.table->upperon);
    EXPECT_EQ(s.table->upperlimit, y[0]);
    // Later runs beyond the restriction fail at once; below it they work.
    s.rk.evaluations = 0;
    s.rk.integrate(1.5, 0.0);
    EXPECT_EQ(s.rk.status, RK::failed);
    EXPECT_EQ(s.rk.evaluations, 0u);
    EXPECT_NEAR(s.at(0.5)[1], 2.0, 1e-12);
}

TEST_F(rktest, StopRequestEndsTheRunAsAUserBreak)
{
    rksystem s(1, 1, 't', false, "f.1", {0.0, 1.0});
    ASSERT_TRUE(s.compile());
    menus().abortflag = true;
    s.rk.integrate(1.0, 0.0);
    menus().abortflag = false;
    EXPECT_EQ(s.rk.status, RK::reached);
    EXPECT_EQ(shared.error, evalbreak);
    EXPECT_EQ(s.rk.evaluations, 0u);
    ASSERT_FALSE(recordedreports().empty());
    EXPECT_NE(recordedreports().back().text.find("interrupted during step 1 (ascending)"), std::string::npos);
    // The answer was no: the direction stays free.
    EXPECT_FALSE(s.table->upperon);
}

TEST_F(rktest, CopyAndAssignTakeTheSystem)
{
    rksystem s(2, 1, 't', false, "-f.1", {0.0, 1.0, 0.0});
    ASSERT_TRUE(s.compile());
    RK copy(s.rk);
    EXPECT_EQ(copy.table, s.table);
    EXPECT_EQ(copy.owner, nullptr);
    EXPECT_FALSE(copy.isimplemented());
    EXPECT_NE(copy.version, s.rk.version);
    ASSERT_TRUE(copy.compile(compilemode::normal, nullptr, nullptr, nullptr));
    EXPECT_NEAR(copy.integrate(2.0, 0.0)[1], std::cos(2.0), 1e-12);

    rksystem other(1, 1, 'u', false, "f.1", {5.0, 6.0});
    ASSERT_TRUE(other.rk.assign(s.rk));
    EXPECT_EQ(other.rk.shape.order, 2);
    EXPECT_STREQ(other.rk.formula, "-f.1");
    ASSERT_EQ(other.table->dimension, 3u);
    EXPECT_EQ(other.table->startvector[1], 1.0);
    ASSERT_TRUE(other.compile());
    EXPECT_NEAR(other.at(1.0)[1], std::cos(1.0), 1e-12);
}

TEST_F(rktest, CompileWarnsOfUnusedArgumentsButNotOfTheIndependentVariable)
{
    rksystem s(1, 1, 't', false, "f.1", {0.0, 1.0});
    ASSERT_TRUE(s.compile());
    EXPECT_FALSE(s.rk.diag->iswarning()) << s.rk.diag->message();
    rksystem a(1, 1, 't', false, "f.1", {0.0, 1.0});
    ASSERT_TRUE(a.rk.compile(compilemode::normal, nullptr, nullptr, "ta"));
    EXPECT_EQ(a.rk.diag->code, 57);
    EXPECT_NE(a.rk.diag->message().find("\"a\", which is declared as an argument"), std::string::npos);
    EXPECT_EQ(a.rk.diag->shown, "f.1");
}
