#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <map>
#include <string>

#include "base/objcount.h"
#include "formula/evalstate.h"
#include "math/numtheory.h"
#include "objects/romberg.h"
#include "tests/objects/fnobject.h"
#include "tests/screen/editrun.h"
#include "screen/keys.h"

namespace {
struct reference {
    double a, b, value;
};

std::map<std::string, reference> references()
{
    std::map<std::string, reference> table;
    std::ifstream in(VEMO_SOURCE_DIR "/tests/objects/refdata/integrals.txt");
    std::string name;
    reference r;
    while (in >> name >> r.a >> r.b >> r.value)
        table[name] = r;
    return table;
}

struct integralcase {
    const char* name;
    double (*f)(double);
    long evaluations;      // 2^k + 1 at the level where the run ended
    double mindigits;      // correct digits against the reference at least
};

// Smooth, oscillating, endpoint-singular and Runge-like integrands.  Runs
// end when two rows agree in 15 digits, or after the highest level (2^20
// here); the digits counted there are those the best entry agrees with the
// entry above it, so the true error is checked against the reference.
const integralcase cases[] = {
    {"square", [](double x) { return x * x; }, 9, 15.5},
    {"exp", [](double x) { return std::exp(x); }, 65, 15.0},
    {"atan", [](double x) { return 1 / (1 + x * x); }, 129, 15.0},
    {"cos20", [](double x) { return std::cos(20 * x); }, 1025, 13.5},
    {"xsin30", [](double x) { return x * std::sin(30 * x); }, 2049, 13.0},
    {"gauss", [](double x) { return std::exp(-x * x); }, 513, 14.5},
    {"runge", [](double x) { return 1 / (1 + 25 * x * x); }, 1025, 14.5},
    {"sqrt", [](double x) { return std::sqrt(x); }, (1L << 21) + 1, 10.0},
    {"quartercircle", [](double x) { return std::sqrt(1 - x * x); }, (1L << 21) + 1, 10.0},
};

double correctdigits(double x, double ref)
{
    return x == ref ? 17.0 : -std::log10(std::fabs((x - ref) / ref));
}

struct Romberg : ::testing::Test {
    void SetUp() override { shared.error = evalok; }
    void TearDown() override { shared.error = evalok; }
};
}

TEST_F(Romberg, LevelArithmetic)
{
    const std::pair<uint32_t, int> logs[] = {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {1000, 9}, {1024, 10},
                                             {2147483648u, 31}, {4294967295u, 31}};
    for (auto [n, l] : logs)
        EXPECT_EQ(floorlog2(n), l) << n;
    EXPECT_EQ(pow2(0), 1u);
    EXPECT_EQ(pow2(31), 2147483648u);
    EXPECT_EQ(pow2(-1), 0u);
    EXPECT_EQ(pow2(32), 0u);
}

TEST_F(Romberg, SettingsKeepTheirRanges)
{
    romberg r(33554432, 15, 1024);
    EXPECT_EQ(r.tablesize, 26);
    EXPECT_EQ(r.maxlevel, 25);
    EXPECT_EQ(r.tracelevel, 10);
    EXPECT_EQ(r.setdigits(16), 15.0);
    EXPECT_EQ(r.setdigits(-1), 15.0);
    EXPECT_EQ(r.setdigits(NAN), 15.0);
    EXPECT_EQ(r.setdigits(0), 0.0);
    // A level beyond the table changes nothing and gives the old length.
    EXPECT_EQ(r.setmaxblock(1u << 26), 33554432u);
    EXPECT_EQ(r.setmaxblock(1000), 512u);
    EXPECT_EQ(r.settraceblock(4294967295u), 1024u);
    romberg wide(2147483648u, 12, 2147483648u);
    EXPECT_EQ(wide.maxlevel, 31);
    EXPECT_EQ(wide.tracelevel, 31);
    EXPECT_EQ(wide.digits, 12.0);
    EXPECT_EQ(romberg(1000, 99, 1000).digits, 15.0);
}

TEST_F(Romberg, InstancesAreCounted)
{
    objcounts before = objcountstate();
    {
        romberg r(1024, 15, 1024);
        EXPECT_EQ(objcountstate().live, before.live + 1);
        EXPECT_FALSE(r.allocfailed);
    }
    EXPECT_EQ(objcountstate().live, before.live);
    EXPECT_EQ(objcountstate().sum, before.sum);
}

TEST_F(Romberg, IntegralsMatchReferences)
{
    auto refs = references();
    ASSERT_EQ(refs.size(), std::size(cases));
    for (const integralcase& c : cases) {
        const reference& ref = refs.at(c.name);
        romberg r(1u << 20, 15, 1u << 20);
        fnobject f(c.f);
        double reached = 0;
        double result = r.integrate(f, ref.a, ref.b, &reached, false);
        EXPECT_EQ(shared.error, evalok) << c.name;
        EXPECT_EQ(f.calls, c.evaluations) << c.name;
        EXPECT_GE(correctdigits(result, ref.value), c.mindigits) << c.name << " " << result;
        // The agreement that the run reports is no promise beyond about
        // one digit of the true error.
        EXPECT_GE(correctdigits(result, ref.value), std::min(reached, 15.0) - 1.5) << c.name << " " << reached;
    }
}

// The program-wide integrator's settings: a smooth integrand is done long
// before the trace level.
TEST_F(Romberg, SmoothIntegrandStopsEarlyWithProgramSettings)
{
    romberg r(33554432, 15, 1024);
    fnobject f([](double x) { return std::exp(x); });
    double reached = 0;
    double result = r.integrate(f, 0, 1, &reached, false);
    EXPECT_GE(reached, 15.0);
    EXPECT_LT(f.calls, 1025);
    EXPECT_NEAR(result, std::exp(1.0) - 1, 4e-16);
}

TEST_F(Romberg, DigitsAfterTheFirstBlockReadMinus1000)
{
    romberg r(1, 15, 1);   // the highest level is 0: one block is run
    fnobject f([](double x) { return std::exp(x); });
    double reached = 0;
    double result = r.integrate(f, 0, 1, &reached, false);
    EXPECT_EQ(reached, -1000.0);
    EXPECT_EQ(f.calls, 3);
    // Nothing compared: the trapezoid sum of the finest grid.
    EXPECT_DOUBLE_EQ(result, (1 + 2 * std::exp(0.5) + std::exp(1.0)) / 4);
}

// Either end failing ends the run, even when the other end, evaluated
// after it, clears the error byte as the evaluator does.
TEST_F(Romberg, FailingEndPointReturnsTheSingleTrapezoid)
{
    struct endcase {
        double a, b;
        bool fresh;
        long calls;
        double result;
    };
    const endcase cases[] = {
        {-1, 1, false, 1, 0.0}, {-1, 1, true, 1, 0.0},
        {1, -1, false, 2, -2 * (2.0 + 0.0) / 2}, {1, -1, true, 2, -2 * (2.0 + 0.0) / 2},
    };
    for (const endcase& c : cases) {
        shared.error = evalok;
        romberg r(1024, 15, 1024);
        fnobject f([](double x) { return x < 0 ? NAN : x + 1; });
        f.fresh = c.fresh;
        double reached = 7;
        double result = r.integrate(f, c.a, c.b, &reached, false);
        EXPECT_EQ(shared.error, evalruntime) << c.a << " " << c.fresh;
        EXPECT_EQ(reached, 7.0);   // not written
        EXPECT_EQ(f.calls, c.calls);
        EXPECT_EQ(result, c.result);
    }
}

// An integrand that fails inside the interval ends the run in that block
// with the best result of the blocks before; reports are off here.
TEST_F(Romberg, FormulaErrorInsideEndsTheBlock)
{
    shared.reportswitch = 0;
    romberg r(1024, 15, 1024);
    fnobject f([](double x) { return std::fabs(x - 0.3) < 0.01 ? NAN : std::sqrt(x); });
    double reached = 0;
    double result = r.integrate(f, 0, 1, &reached, false);
    EXPECT_EQ(shared.error, evalruntime);
    // The grids meet 0.3 first at level 6, in its tenth point (19/64).
    EXPECT_EQ(f.calls, 33 + 10);
    EXPECT_GT(reached, 1.0);
    EXPECT_NEAR(result, 2.0 / 3, 1e-2);
}

// The trace mode on a small integrator (highest level 4, trace from level
// 2): the notice once, a table line and the keys each block; F1 opens the
// help page and asks again; at the highest level the run resigns.
TEST_F(Romberg, TraceModeResignsAtTheHighestLevel)
{
    double result = 0;
    hostrun run = rundialogue("<F1><Enter><Enter><Enter><dump resign>x", [&] {
        romberg r(16, 15, 4);
        fnobject f([](double x) { return std::sqrt(x); });
        result = r.integrate(f, 0, 1, nullptr, false);
        getkey();
    });
    ASSERT_EQ(run.status, 0);
    std::string screen = dumptext(run, "resign");
    EXPECT_NE(screen.find("Target precision not reached after 5 function evaluations."), std::string::npos) << screen;
    EXPECT_NE(screen.find("I resign!"), std::string::npos) << screen;
    ASSERT_EQ(run.infos.size(), 1u);
    EXPECT_EQ(run.infos[0].title, "Numeric Integration in Trace Mode");
    EXPECT_NEAR(result, 2.0 / 3, 1e-2);
}
