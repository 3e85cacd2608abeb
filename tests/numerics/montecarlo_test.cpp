#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <string>

#include "formula/evalstate.h"
#include "numerics/mcstat.h"
#include "numerics/montecarlo.h"
#include "tests/objects/fnobject.h"
#include "tests/screen/editrun.h"

namespace {
struct mcfree {
    void operator()(mcstat* s) const { std::free(s); }
};
using mcptr = std::unique_ptr<mcstat, mcfree>;

// y_i = 1e9 + frac(i g): a spread of 1/12 about a mean of 1e9.
double weyl(long i)
{
    return 1e9 + std::fmod(double(i) * 0.6180339887498949, 1.0);
}

struct MonteCarlo : ::testing::Test {
    void SetUp() override { shared.error = evalok; }
    void TearDown() override { shared.error = evalok; }
};
}

// The variance of a small spread about a large mean: the exact value of
// the same doubles (montecarlo.txt, rational arithmetic), where the
// textbook count * sumsq - sum^2 cancels to nothing (-23309.6 for 10^5
// samples of 1e9 + U(0,1)).
TEST_F(MonteCarlo, VarianceOfSmallSpreadAboutLargeMean)
{
    std::ifstream in(VEMO_SOURCE_DIR "/tests/numerics/refdata/montecarlo.txt");
    std::string name;
    double n = 0, mean = 0, variance = 0;
    ASSERT_TRUE(in >> name >> n >> mean >> variance);
    long i = 0;
    fnobject f([&i](double) { return weyl(++i); });
    mcptr s(newmcstat());
    ASSERT_EQ(mciterate(f, 0, *s, 1000), mccodes::reached);   // in chunks, as a run goes
    ASSERT_EQ(mciterate(f, 0, *s, n), mccodes::reached);
    EXPECT_EQ(s->count, n);
    EXPECT_NEAR(s->mean, mean, 1e-6);
    EXPECT_NEAR(s->variance(), variance, 1e-6);
    EXPECT_NEAR(s->deviation(), std::sqrt(variance), 1e-6);
    EXPECT_NEAR(s->halfwidth(), 3.2906 * std::sqrt(variance / n), 1e-8);
    EXPECT_EQ(s->minimum, weyl(1) < s->minimum ? weyl(1) : s->minimum);
    EXPECT_GE(s->minimum, 1e9);
    EXPECT_LT(s->maximum, 1e9 + 1);
}

TEST_F(MonteCarlo, ConstantFormulaHasNoSpread)
{
    fnobject f([](double) { return 2.5; });
    mcptr s(newmcstat());
    ASSERT_EQ(mciterate(f, 0, *s, 777), mccodes::reached);
    EXPECT_EQ(s->mean, 2.5);
    EXPECT_EQ(s->variance(), 0.0);
    EXPECT_EQ(s->deviation(), 0.0);
    EXPECT_EQ(s->halfwidth(), 0.0);
    EXPECT_EQ(s->minimum, 2.5);
    EXPECT_EQ(s->maximum, 2.5);
}

TEST_F(MonteCarlo, EmptyStatisticsAndReset)
{
    mcptr s(newmcstat());
    EXPECT_TRUE(s->isempty());
    EXPECT_EQ(s->maximum, -1e300);
    EXPECT_EQ(s->minimum, 1e300);
    EXPECT_TRUE(s->reporterrors);
    EXPECT_EQ(s->breakpoint, 0.0);
    s->merge({1, 0, 0, 3, 3}, 3);
    EXPECT_EQ(s->mean, 3.0);
    s->breakpoint = 50;
    s->reporterrors = false;
    s->reset();
    EXPECT_TRUE(s->isempty());
    EXPECT_EQ(s->breakpoint, 50.0);
    EXPECT_FALSE(s->reporterrors);
}

// The argument goes to every call; a failing iteration is not counted.
TEST_F(MonteCarlo, RuntimeErrorStopsOrIsDiscarded)
{
    long i = 0;
    fnobject f([&i](double x) { return ++i == 5 ? NAN : x; });
    mcptr s(newmcstat());
    EXPECT_EQ(mciterate(f, 7, *s, 10), mccodes::error);
    EXPECT_EQ(s->count, 4.0);
    EXPECT_EQ(s->mean, 7.0);
    EXPECT_EQ(shared.reportswitch, 105);
    s->reporterrors = false;
    i = 4;
    EXPECT_EQ(mciterate(f, 7, *s, 10), mccodes::reached);
    EXPECT_EQ(s->count, 10.0);
    EXPECT_EQ(f.calls, 5 + 7);   // the failing one computed again
    EXPECT_EQ(shared.reportswitch, 0);
}
