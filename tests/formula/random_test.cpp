#include <gtest/gtest.h>

#include <cmath>

#include "base/report.h"
#include "formula/evalstate.h"
#include "math/random.h"

namespace {
// Pearson's statistic of counts against equal expectations.
double chisquare(const int* counts, int bins, int draws)
{
    double expected = double(draws) / bins, s = 0;
    for (int i = 0; i < bins; i++)
        s += (counts[i] - expected) * (counts[i] - expected) / expected;
    return s;
}

TEST(Random, GeneratorGivesFifteenBitValuesAndRepeatsFromItsSeed)
{
    setseed(4711);
    int first[8], lo = randommax, hi = 0;
    for (int& v : first)
        v = randomvalue();
    for (int i = 0; i < 100000; i++) {
        int v = randomvalue();
        lo = std::min(lo, v);
        hi = std::max(hi, v);
    }
    EXPECT_EQ(lo, 0);
    EXPECT_EQ(hi, randommax);
    setseed(4711);
    for (int v : first)
        EXPECT_EQ(randomvalue(), v);
    EXPECT_EQ(currentseed(), 4711u);
}

TEST(Random, DiceAreUniform)
{
    setseed(12345);
    constexpr int draws = 60000;
    int counts[6] = {};
    for (int i = 0; i < draws; i++) {
        double v = randomarg(6);
        ASSERT_EQ(v, std::floor(v));
        ASSERT_GE(v, 0);
        ASSERT_LE(v, 5);
        counts[int(v)]++;
    }
    // 5 degrees of freedom: P(chi2 > 20.52) = 0.001.
    EXPECT_LT(chisquare(counts, 6, draws), 20.52);
}

TEST(Random, UniformValuesFillTheUnitInterval)
{
    setseed(99);
    for (double x : {0.0, -5.0, double(NAN)}) {
        constexpr int draws = 50000;
        int counts[10] = {};
        double sum = 0;
        for (int i = 0; i < draws; i++) {
            double v = randomarg(x);
            ASSERT_GE(v, 0.0);
            ASSERT_LT(v, 1.0);
            counts[int(v * 10)]++;
            sum += v;
        }
        // 9 degrees of freedom: P(chi2 > 27.88) = 0.001.
        EXPECT_LT(chisquare(counts, 10, draws), 27.88) << x;
        EXPECT_NEAR(sum / draws, 0.5, 0.005) << x;
    }
}

TEST(Random, ArgumentAboveLimitIsReported)
{
    shared.reportswitch = 1;
    shared.error = evalok;
    clearrecordedreports();
    EXPECT_EQ(randomarg(1e15 + 1e6), -1.0);
    EXPECT_EQ(shared.error, evalruntime);
    ASSERT_EQ(recordedreports().size(), 1u);
    EXPECT_NE(recordedreports()[0].text.find("argument must not exceed 1.e15 !"), std::string::npos);
    EXPECT_NE(recordedreports()[0].text.find("\"rand\""), std::string::npos);
    shared.error = evalok;
    EXPECT_GE(randomarg(1e15), 0.0);
    EXPECT_EQ(shared.error, evalok);
}
}
