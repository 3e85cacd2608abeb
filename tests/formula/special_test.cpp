#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <functional>
#include <limits>
#include <numbers>
#include <string>

#include "base/report.h"
#include "formula/evalstate.h"
#include "math/combinatorics.h"
#include "math/elemspecial.h"
#include "math/elliptic.h"
#include "math/gamma.h"
#include "math/numtheory.h"
#include "math/seidel.h"
#include "math/series.h"
#include "math/zeta.h"

namespace {
using std::numbers::pi;
constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();
constexpr double euler = 0.57721566490153286061;

struct stated {
    const char* what;
    double got;
    double expected;
    double tolerance;  // relative; 0 means exact
};

TEST(special, StatedValues)
{
    shared.error = evalok;
    const stated cases[] = {
        {"gam(5)", gammafn(5), 24, 0},
        {"gam(0.5)", gammafn(0.5), std::sqrt(pi), 4e-16},
        {"fact(10)", gammafn(11), 3628800, 1e-15},
        {"lngam(0.5)", polygamma(-1, 0.5), std::log(std::sqrt(pi)), 1e-14},
        {"psi(1)", polygamma(0, 1), -euler, 1e-15},
        {"psi1(1)", polygamma(1, 1), pi * pi / 6, 1e-15},
        {"gam1(1)", gammaderivative(1, 1), -euler, 1e-15},
        {"gam2(1)", gammaderivative(2, 1), euler * euler + pi * pi / 6, 1e-15},
        {"zeta(2)", zeta(2), pi * pi / 6, 1e-15},
        {"zeta(0)", zeta(0), -0.5, 1e-15},
        {"zeta(-1)", zeta(-1), -1.0 / 12, 1e-14},
        {"zm1(-20.5)", zetam1(-20.5), -109.217475058776, 1e-13},
        {"Ber(1)", Ber(1), -0.5, 0},
        {"Ber(3)", Ber(3), 0, 0},
        {"Ber(2)", Ber(2), 1.0 / 6, 1e-16},
        {"Eul(2)", Eul(2), -1, 0},
        {"Eul(4)", Eul(4), 5, 0},
        {"Tangent(5)", Tangent(5), 16, 0},
        {"Binomial(10,.5,0,10)", Binomial(10, 0.5, 0, 10), 1, 1e-15},
        {"Binomial(4,.5,3,1)", Binomial(4, 0.5, 3, 1), 14.0 / 16, 1e-15},
        {"Hgeo(10,3,0,0,5)", Hgeo(10, 3, 0, 0, 5), 1, 0},
        // Half of the symmetric distribution plus half its middle term.
        {"Binomial(2^40,.5,0,2^39)", Binomial(0x1p40, 0.5, 0, 0x1p39), 0.5000003804610065473, 1e-11},
        {"Hgeo(2^40,2^39,2^39,0,2^38)", Hgeo(0x1p40, 0x1p39, 0x1p39, 0, 0x1p38), 0.50000076092201309425, 1e-11},
        {"ncr(5,2)", ncr(5, 2), 10, 0},
        {"ncr(5,-1)", ncr(5, -1), 0, 0},
        {"ncr(0.5,2)", ncr(0.5, 2), -0.125, 1e-15},
        // Beyond 1e300 but within the double range; a non-whole k with n
        // far beyond the range of Gamma (mpmath).
        {"ncr(1020,510)", ncr(1020, 510), 2.8062677682996227104e305, 1e-15},
        {"ncr(1e12,0.5)", ncr(1e12, 0.5), 1128379.1670956536213, 1e-15},
        {"argeo(1,1)", argeo(1, 1), 1, 0},
        {"argeo(1,2)", argeo(1, 2), 1.4567910310469068692, 1e-15},
        {"ellF(0,0.7)", ellF(0, 0.7), 0.7, 0},
        {"ellK(0)", ellK(0), pi / 2, 0},
        {"phi0(inf)", phi0(inf), 0.5, 0},
        {"em1(1e-20)", em1(1e-20), 1e-20, 0},
        {"ln1px(-1e-20)", ln1px(-1e-20), -1e-20, 0},
        {"gam(-171.5)", gammafn(-171.5), 1.931626543171199600472393e-310, 1e-13},  // subnormal
        {"gam(-185.5)", gammafn(-185.5), 0, 0},                                    // underflow
        {"gam(-170.25)", gammafn(-170.25), -1.69383874965142e-307, 1e-13},
    };
    for (const stated& c : cases) {
        if (c.tolerance == 0)
            EXPECT_EQ(c.got, c.expected) << c.what;
        else
            EXPECT_NEAR(c.got, c.expected, c.tolerance * std::fabs(c.expected)) << c.what;
    }
    EXPECT_EQ(shared.error, evalok);
}

TEST(special, ZigzagNumbersAndLimits)
{
    const double first[] = {1, 1, 1, 2, 5, 16, 61, 272, 1385, 7936, 50521};
    for (int i = 0; i < 11; i++)
        EXPECT_EQ(zigzag(i), first[i]) << i;
    EXPECT_TRUE(std::isfinite(Tangent(183)));
    EXPECT_TRUE(std::isfinite(Eul(182)));
    EXPECT_TRUE(std::isfinite(Ber(186)));
}

struct refusal {
    const char* what;
    std::function<double()> call;
    double result;
    const char* text;  // expected in the report
};

// Each bad argument is reported once and gives the stated value; none of
// them may loop (the loops would step through 2^53 values or never end on
// a NaN).
TEST(special, BadArgumentsReportAndEndPromptly)
{
    const refusal cases[] = {
        {"gam(-1)", [] { return gammafn(-1); }, 0, "singularity"},
        {"gam(-200)", [] { return gammafn(-200); }, 0, "singularity"},
        {"gam(171)", [] { return gammafn(171); }, inf, "Overflow"},
        {"gam(nan)", [] { return gammafn(nan); }, 0, "\"gam\""},
        {"psi(-2)", [] { return polygamma(0, -2); }, 0, "\"psi\""},
        {"lngam(-0.5)", [] { return polygamma(-1, -0.5); }, 0, "Arguments must be nonnegative !"},
        {"psi2(-inf)", [] { return polygamma(2, -INFINITY); }, 0, "\"psi2\""},
        {"psi(inf)", [] { return polygamma(0, inf); }, 0, "\"psi\""},
        {"psi(nan)", [] { return polygamma(0, nan); }, 0, "\"psi\""},
        {"zeta(1)", [] { return zeta(1); }, 0, "singularity"},
        {"zeta(nan)", [] { return zeta(nan); }, 0, "\"zeta\""},
        {"zm1(nan)", [] { return zetam1(nan); }, 0, "\"zm1\""},
        {"ellF(1,1)", [] { return ellF(1, 1); }, 0, "absolute value must be below 1"},
        {"ellF(.5,inf)", [] { return ellF(0.5, inf); }, 0, "\"ellF\""},
        {"ellK(nan)", [] { return ellK(nan); }, 0, "\"ellF\""},
        {"argeo(-1,2)", [] { return argeo(-1, 2); }, 0, "Both arguments must be nonnegative !"},
        {"argeo(nan,1)", [] { return argeo(nan, 1); }, 0, "\"argeo\""},
        {"argeo(inf,0)", [] { return argeo(inf, 0); }, 0, "\"argeo\""},
        {"phi0(nan)", [] { return phi0(nan); }, 0, "\"phi0\""},
        {"Binomial(0,..)", [] { return Binomial(0, 0.5, 0, 1); }, 0, "at least 1"},
        {"Binomial(p=2)", [] { return Binomial(5, 2, 0, 1); }, 0, "between 0 and 1"},
        {"Binomial(2^60)", [] { return Binomial(std::ldexp(1, 60), 0.5, 0, 1e18); }, 0, "capacity"},
        {"Binomial(nan)", [] { return Binomial(5, nan, 0, 1); }, 0, "domain"},
        {"Hgeo(-1)", [] { return Hgeo(-1, 0, 0, 0, 0); }, 0, "No negative arguments"},
        {"Hgeo(M>N)", [] { return Hgeo(5, 6, 1, 0, 1); }, 0, "must not exceed argument 1"},
        {"Hgeo(2^60)", [] { return Hgeo(std::ldexp(1, 60), 1e17, 1e17, 0, 1e17); }, 0, "capacity"},
        {"ncr(nan,1)", [] { return ncr(nan, 1); }, 0, "\"ncr\""},
        {"ncr(2000,1000)", [] { return ncr(2000, 1000); }, 0, "Overflow"},
        {"ncr(1e12,1e11+0.5)", [] { return ncr(1e12, 1e11 + 0.5); }, 0, "Overflow"},
        {"ncr(-10,1.5)", [] { return ncr(-10, 1.5); }, 0, "singularity"},
        {"Tangent(184)", [] { return Tangent(184); }, 0, "Overflow"},
        {"Ber(-2)", [] { return Ber(-2); }, 0, "Negative arguments not allowed !"},
        {"Eul(nan)", [] { return Eul(nan); }, 0, "Negative arguments not allowed !"},
        {"Tsch(.5,1e10)", [] { return Tsch(0.5, 1e10); }, 0, "capacity"},
        {"Legendre(.5,nan)", [] { return Legendre(0.5, nan); }, 0, "capacity"},
        {"mod(7,0.4)", [] { return mod(7, 0.4); }, 0, "between 0. and 1.e15"},
        {"sympoly2(1e9)", [] { const double v[] = {1e9, 2}; return sympoly2(v, 1); }, 0, "capacity"},
    };
    for (const refusal& c : cases) {
        clearrecordedreports();
        shared.reportswitch = 1;
        shared.error = evalok;
        auto start = std::chrono::steady_clock::now();
        double r = c.call();
        double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        EXPECT_EQ(r, c.result) << c.what;
        EXPECT_LT(seconds, 0.1) << c.what;
        EXPECT_EQ(shared.error, evalruntime) << c.what;
        EXPECT_EQ(shared.reportswitch, 0) << c.what;
        ASSERT_EQ(recordedreports().size(), 1u) << c.what;
        EXPECT_NE(recordedreports()[0].text.find(c.text), std::string::npos)
            << c.what << ": " << recordedreports()[0].text;
    }
}

TEST(special, SilentEdgeValues)
{
    shared.error = evalok;
    EXPECT_EQ(gcd2(nan, 3), 0.0);
    EXPECT_EQ(gcd2(2e15, 3), 0.0);
    const double huge[] = {3, 2e15};
    double copy[2] = {huge[0], huge[1]};
    EXPECT_EQ(kgv(copy, 2), 0.0);
    EXPECT_EQ(matchdigits16(1, 1), 16.0);
    EXPECT_EQ(shared.error, evalok);
}

TEST(special, MatchDigits)
{
    EXPECT_EQ(matchdigits(1, 1), 99.9);
    EXPECT_EQ(matchdigits(0, 0), 90.0);
    EXPECT_EQ(matchdigits(1, 0), -10.0);
    EXPECT_EQ(matchdigits(1, -1), -90.0);
    EXPECT_NEAR(matchdigits(1, 1.001), 3, 1e-12);
    EXPECT_EQ(matchdigits(1, 3), 0.0);
}

TEST(special, NumberTheory)
{
    const double g[] = {12, 18, 30};
    EXPECT_EQ(ggt(3, g), 6);
    EXPECT_EQ(gcd2(12, 18), 6);
    EXPECT_EQ(gcd2(0, -7), 7);
    double l[] = {4, -6, 10};
    EXPECT_EQ(kgv(l, 3), 60);
    EXPECT_EQ(mod(-7, 3), 2);
    EXPECT_EQ(mod(7.5, -2.4), 1.5);
    double p[] = {2, 3, 4};
    EXPECT_EQ(powersum(p, 2), 25);
    double q[] = {0.5, -4, 9};
    EXPECT_EQ(powersum(q, 2), 5);
    const double e[] = {2, 1, 2, 3};
    EXPECT_EQ(sympoly(e, 3), 11);  // 1*2 + 1*3 + 2*3
    EXPECT_EQ(sympoly2(e, 3), 25); // all monomials of degree 2
    const double e4[] = {4, 1, 2, 3};
    EXPECT_EQ(sympoly(e4, 3), 0);
    const double e0[] = {0, 5};
    EXPECT_EQ(sympoly(e0, 1), 1);
}

TEST(special, SeriesMatchTheirDefinitions)
{
    const double c[] = {0.5, -1.25, 2, 0.75, -3};
    const double x = 0.8125;
    double tser = 0, cser = 0, sser = 0;
    for (int i = 0; i < 5; i++) {
        tser += c[i] * std::cos(i * std::acos(x));
        cser += c[i] * std::cos(i * x);
        sser += c[i] * std::sin((i + 1) * x);
    }
    double fser = c[0] + c[1] * std::sin(x) + c[2] * std::cos(x) + c[3] * std::sin(2 * x)
                  + c[4] * std::cos(2 * x);
    EXPECT_NEAR(Tser(x, 4, c), tser, 1e-14);
    EXPECT_NEAR(Cser(x, 5, c), cser, 1e-14);
    EXPECT_NEAR(Sser(x, 5, c), sser, 1e-14);
    EXPECT_NEAR(Fser(x, 5, c), fser, 1e-14);
    EXPECT_EQ(Poly(2, 3, c), 0.5 * 4 - 1.25 * 2 + 2);
    EXPECT_EQ(Pser(2, 3, c), 0.5 - 1.25 * 2 + 2 * 4);
    EXPECT_EQ(Cser(x, -1, c), 0.0);
    EXPECT_EQ(Tsch(0.3, 0), 1.0);
    EXPECT_EQ(Legendre(0.3, -2), Legendre(0.3, 2));
}
}
