#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "formula/evalstate.h"
#include "numerics/extremesearch.h"
#include "numerics/zerosearch.h"
#include "tests/objects/fnobject.h"

namespace {
std::map<std::string, std::vector<double>> table(const char* file)
{
    std::map<std::string, std::vector<double>> t;
    std::ifstream in(std::string(VEMO_SOURCE_DIR "/tests/numerics/refdata/") + file);
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line);
        std::string name;
        words >> name;
        for (double v; words >> v;)
            t[name].push_back(v);
    }
    return t;
}

struct Searches : ::testing::Test {
    void SetUp() override { shared.error = evalok; }
    void TearDown() override { shared.error = evalok; }
};

struct zerocase {
    const char* name;
    double (*f)(double);
    double x0, target;
    uint8_t code;
};

// Polynomials, transcendental equations and a requested value, each from
// a start some way off; direction 0 (both sides alternately).
const zerocase zeros[] = {
    {"wallis", [](double x) { return x * x * x - 2 * x - 5; }, 2, 0, zerocodes::rising},
    // From 2.4 the left side reaches the root at 2 before the right one
    // reaches 3; the sign falls through it.
    {"cubic123", [](double x) { return (x - 1) * (x - 2) * (x - 3); }, 2.4, 0, zerocodes::falling},
    {"cosfix", [](double x) { return std::cos(x) - x; }, 0, 0, zerocodes::falling},
    {"sinpi", [](double x) { return std::sin(x); }, 3, 0, zerocodes::falling},
    {"omega", [](double x) { return x * std::exp(x) - 1; }, 0, 0, zerocodes::rising},
    {"sqrt2", [](double x) { return x * x; }, 1, 2, zerocodes::rising},
    {"bigroot", [](double x) { return x * x - 1e10; }, 1, 0, zerocodes::rising},
};
}

TEST_F(Searches, ZerosMatchReferences)
{
    auto refs = table("zeros.txt");
    ASSERT_EQ(refs.size(), std::size(zeros));
    for (const zerocase& c : zeros) {
        fnobject f(c.f);
        double x = NAN;
        EXPECT_EQ(findzero(f, c.x0, &x, c.target, 0, 0), c.code) << c.name;
        double ref = refs.at(c.name).at(0);
        // Bisection to the last representable midpoint: the root within
        // the rounding of the function near it.
        EXPECT_NEAR(x, ref, 2e-15 * std::fabs(ref)) << c.name;
        EXPECT_LT(f.calls, 4000 + 2200) << c.name;
        EXPECT_EQ(shared.reportswitch, 0);
    }
}

TEST_F(Searches, StartAtAnExactZeroTakesNoStep)
{
    fnobject f([](double x) { return x - 2; });
    double x = 0;
    EXPECT_EQ(findzero(f, 2, &x, 0, 0, 0), zerocodes::exact);
    EXPECT_EQ(x, 2.0);
    EXPECT_EQ(f.calls, 1);
}

// From 0 the first step is 1e-150: about 500 doublings to reach 1.
TEST_F(Searches, StartAtZeroDoublesFromTiny)
{
    fnobject f([](double x) { return x - 1; });
    double found = 0, other = 0;
    EXPECT_EQ(zeroscan(f, 0, &found, &other, 0, 1, 0), zerocodes::border);
    EXPECT_GE(found, 1.0);
    EXPECT_LT(other, 1.0);
    EXPECT_NEAR(double(f.calls), 500, 5);
}

// A formula that fails for every negative argument, started at -1, walks
// with the factor 1.05 until a point evaluates, then bisects the border.
TEST_F(Searches, DomainBorderFromOutside)
{
    fnobject f([](double x) { return x < 0 ? NAN : std::sqrt(x) + 1; });
    double x = NAN;
    EXPECT_EQ(findzero(f, -1, &x, 0, 0, 0), zerocodes::border);
    EXPECT_LE(std::fabs(x), 1e-290);
    EXPECT_EQ(searchname(searchresult(zerocodes::border, 0, 0)), std::string("Domain border"));
}

// From 1 the scan steps to 1 + 1e-12 (2^n - 1): ..., 1.2749, 1.5498, 2.0995.
// A point that fails is walked over; but when the last point before the
// sign change failed, the bracket has a failing end and the bisection
// finds the border of the hole instead.
TEST_F(Searches, FailingPointsAreWalkedOverFromInside)
{
    fnobject hole([](double x) { return x > 1.26 && x < 1.3 ? NAN : x - 2; });
    double x = NAN;
    EXPECT_EQ(findzero(hole, 1, &x, 0, 1, 0), zerocodes::rising);
    EXPECT_DOUBLE_EQ(x, 2.0);
    fnobject late([](double x) { return x > 1.5 && x < 1.6 ? NAN : x - 2; });
    EXPECT_EQ(findzero(late, 1, &x, 0, 1, 0), zerocodes::border);
    EXPECT_DOUBLE_EQ(x, 1.6);
}

TEST_F(Searches, StepLimitAndOverflowFindNothing)
{
    fnobject positive([](double x) { return x * x + 1; });
    double x = 0;
    EXPECT_EQ(findzero(positive, 1, &x, 0, 0, 50), zerocodes::nothing);
    EXPECT_EQ(positive.calls, 51);
    fnobject again([](double x) { return x * x + 1; });
    EXPECT_EQ(findzero(again, 1, &x, 0, 1, 0), zerocodes::nothing);   // the step passes 1e300
    EXPECT_LT(again.calls, 4000);
}

TEST_F(Searches, ResultNamesByDisplayMode)
{
    struct {
        uint8_t code;
        int mode;
        double target;
        const char* name;
    } cases[] = {
        {zerocodes::nothing, 1, 0, "Nothing"},
        {zerocodes::rising, 0, 0, "Zero or pole with change of sign"},
        {zerocodes::exact, 1, 0, "Extremal point or pole without change of sign"},
        {zerocodes::rising, 1, 0, "Minimum or pole without change of sign"},
        {zerocodes::falling, 1, 0, "Maximum or pole without change of sign"},
        {zerocodes::exact, 2, 0, "Point of inflection or pole"},
        {zerocodes::rising, 4, 0, "Point of inflection (R/L) or pole"},
        {zerocodes::falling, 2, 0, "Point of inflection (L/R) or pole"},
        {zerocodes::falling, 3, 0, "Zero of 3rd derivative or pole"},
        {zerocodes::rising, 9, 0, "Target"},
        {zerocodes::falling, 0, 2.5, "Target"},
    };
    for (auto c : cases)
        EXPECT_EQ(searchname(searchresult(c.code, c.mode, c.target)), std::string(c.name)) << c.name;
    EXPECT_EQ(searchname(11), nullptr);
}

namespace {
struct extremecase {
    const char* name;
    double (*f)(double);
    double x0;
    int16_t sense;
    double xtol;   // golden section: about sqrt(eps) |x|, wider where flat
};

const extremecase extrema[] = {
    {"parabola", [](double x) { return x * x - 2 * x + 3; }, 5, -1, 3e-8},
    {"sinmax", [](double x) { return std::sin(x); }, 1, 1, 3e-8},
    {"xexp", [](double x) { return x * std::exp(-x); }, 3, 1, 3e-8},
    {"quartic", [](double x) { return x * x * x * x - 3 * x * x * x + 2; }, 3, -1, 3e-8},
    {"flat4", [](double x) { return (x - 1) * (x - 1) * (x - 1) * (x - 1) + 0.5; }, 0, -1, 3e-4},
    {"coshflat", [](double x) { return std::cosh(x) - x * x / 2; }, 1, -1, 2e-3},
};
}

TEST_F(Searches, ExtremaMatchReferences)
{
    auto refs = table("extrema.txt");
    ASSERT_EQ(refs.size(), std::size(extrema));
    for (const extremecase& c : extrema) {
        fnobject f(c.f);
        extremesearch s;
        ASSERT_TRUE(s.run(f, c.sense, c.x0, 0)) << c.name << " " << s.status;
        EXPECT_EQ(s.status, extremesearch::found);
        const std::vector<double>& ref = refs.at(c.name);
        EXPECT_NEAR(s.x, ref[0], c.xtol * std::max(1.0, std::fabs(ref[0]))) << c.name;
        // f to within f'' dx^2 of its extremal value, dx about sqrt(eps) |x|.
        EXPECT_NEAR(s.fbest, ref[1], 2e-15 * std::fabs(ref[1])) << c.name;
        EXPECT_EQ(s.fbest, f.f(s.x)) << c.name;
        EXPECT_LE(s.lo, s.x);
        EXPECT_LE(s.x, s.hi);
    }
}

TEST_F(Searches, ProbeOfASquareFromOne)
{
    fnobject f([](double x) { return x * x; });
    extremesearch s;
    ASSERT_TRUE(s.run(f, -1, 1, 0));
    EXPECT_EQ(s.next, 1 - 1e-14);
    EXPECT_EQ(s.status, extremesearch::found);
    EXPECT_LT(std::fabs(s.x), 1e-7);
}

TEST_F(Searches, NoDirectionAndNoExtremum)
{
    fnobject constant([](double) { return 3.0; });
    extremesearch s;
    EXPECT_FALSE(s.run(constant, -1, 1, 0));
    EXPECT_EQ(s.status, extremesearch::nodirection);
    fnobject line([](double x) { return x; });
    EXPECT_FALSE(s.run(line, 1, 1, 0));
    EXPECT_EQ(s.status, extremesearch::noextremum);
    // Growing without bound towards a pole is no extremum either.
    fnobject pole([](double x) { return 1 / (x - 3); });
    EXPECT_FALSE(s.run(pole, 1, 2, 0));
    EXPECT_EQ(s.status, extremesearch::noextremum);
}

TEST_F(Searches, LeavingTheDomainEndsTheRun)
{
    // Decreasing towards the border at 0, where the formula stops.
    fnobject f([](double x) { return x <= 0 ? NAN : std::sqrt(x); });
    extremesearch s;
    EXPECT_FALSE(s.run(f, -1, 1, 0));
    EXPECT_EQ(s.status, extremesearch::leftdomain);
}

TEST_F(Searches, Searchwords)
{
    EXPECT_STREQ(searchword(1, 1), "max");
    EXPECT_STREQ(searchword(-1, 1), "min");
    EXPECT_STREQ(searchword(0, 1), "min");
    EXPECT_STREQ(searchword(1, 2), "Max");
    EXPECT_STREQ(searchword(-1, 3), "lower");
    EXPECT_STREQ(searchword(1, 4), "ceiling");
    EXPECT_EQ(searchword(1, 5), nullptr);
}
