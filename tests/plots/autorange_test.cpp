// The automatic window of one coordinate: spread ratio, dropping bad
// values, oscillation and the trimmed range.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <vector>

#include "plots/autorange.h"

namespace {

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();

TEST(autorange, WidenrangeOrdersAndOpensRanges)
{
    struct {
        double lo, hi, wlo, whi;
    } cases[] = {
        {3, 3, 2.7, 3.3}, {-3, -3, -3.3, -2.7}, {0, 0, -1e-15, 1e-15}, {5, 1, 1, 5}, {1, 5, 1, 5},
    };
    for (auto c : cases) {
        widenrange(c.lo, c.hi);
        EXPECT_DOUBLE_EQ(c.lo, c.wlo);
        EXPECT_DOUBLE_EQ(c.hi, c.whi);
    }
}

TEST(autorange, SpreadRatio)
{
    EXPECT_DOUBLE_EQ(spreadratio(2, 0 + 1, 0 + 1, 1), 1.0);
    EXPECT_DOUBLE_EQ(spreadratio(1, 7, 49, 2), 0.0);   // one value has no spread
    EXPECT_EQ(spreadratio(0, 0, 0, 1), 0.0);           // no division by zero
    EXPECT_EQ(spreadratio(5, 5, 5, 0), 0.0);
    // Values spread evenly over a width: about 1/3.
    double sum = 0, sumsq = 0;
    const int n = 1001;
    for (int i = 0; i < n; i++) {
        double x = i / double(n - 1);
        sum += x;
        sumsq += x * x;
    }
    EXPECT_NEAR(spreadratio(n, sum, sumsq, 1.0), 1.0 / 3, 0.002);
}

TEST(autorange, DropBadValuesKeepsOrderAndRefusesLongArrays)
{
    const double values[] = {1, nan, 2, 2e100, -2e100, inf, 3, 1e100};
    int n = 8;
    std::unique_ptr<double[]> good(dropbadvalues(values, n));
    ASSERT_TRUE(good);
    ASSERT_EQ(n, 4);
    EXPECT_EQ(good[0], 1);
    EXPECT_EQ(good[1], 2);
    EXPECT_EQ(good[2], 3);
    EXPECT_EQ(good[3], 1e100);
    const double bad[] = {nan, inf, 1e200};
    n = 3;
    EXPECT_EQ(dropbadvalues(bad, n), nullptr);
    EXPECT_EQ(n, 3);
    // More than 32767 values: refused, not wrapped.
    std::vector<double> many(40000, 1.0);
    n = int(many.size());
    EXPECT_EQ(dropbadvalues(many.data(), n), nullptr);
    EXPECT_EQ(n, 40000);
    double lo = -7, hi = 7;
    EXPECT_FALSE(autorange(many.data(), n, lo, hi, 1.0));
    EXPECT_FALSE(autorange(bad, 3, lo, hi, 1.0));
    EXPECT_EQ(lo, -7);
    EXPECT_EQ(hi, 7);
}

TEST(autorange, OscillationOfAZigzag)
{
    // Fewer than 10 values, or a monotone run: no oscillation.
    const double few[] = {0, 1, 0, 1, 0, 1, 0, 1, 0};
    double a = -1, c = -1;
    oscillation(few, 9, a, c);
    EXPECT_EQ(a, 0.0);
    EXPECT_EQ(c, 0.0);
    std::vector<double> line(50);
    for (int i = 0; i < 50; i++)
        line[i] = i;
    oscillation(line.data(), 50, a, c);
    EXPECT_EQ(a, 0.0);
    // A triangle wave 0 3 6 3 0 ... turns at 3, 5, ..., 19: 8 intervals
    // of 2 (coverage 16/19), each distance 3 (the turning value against the
    // value after the next turn), so P = 3^(16/20) and A = P^(1/coverage)
    // times 100 / 2^2 for the short mean interval.
    const int n = 20;
    const double wave[] = {0, 3, 6, 3};
    std::vector<double> tri(n);
    for (int i = 0; i < n; i++)
        tri[i] = wave[i % 4];
    oscillation(tri.data(), n, a, c);
    EXPECT_DOUBLE_EQ(c, 16.0 / 19);
    EXPECT_NEAR(a, std::pow(3.0, 0.95) * 25, 1e-9);
    // A zigzag of period 2 turns with distance 0 each time: no amplitude.
    for (int i = 0; i < n; i++)
        tri[i] = i % 2 ? 2.0 : 0.0;
    oscillation(tri.data(), n, a, c);
    EXPECT_EQ(a, 0.0);
}

TEST(autorange, PolesStayOutOfTheRange)
{
    // A monotone curve (values 0 .. 1) with a pole of a few huge values.
    std::vector<double> v;
    for (int i = 0; i <= 200; i++)
        v.push_back(i / 200.0);
    v.insert(v.begin() + 120, {1e50, -1e50, 3e49, nan, inf});
    double lo = 0, hi = 0;
    ASSERT_TRUE(autorange(v.data(), int(v.size()), lo, hi, 1.0));
    EXPECT_GT(lo, -1.0);
    EXPECT_LT(hi, 2.0);
    EXPECT_LT(lo, 0.2);
    EXPECT_GT(hi, 0.8);
    // The caller's values are unchanged.
    EXPECT_EQ(v[120], 1e50);
    EXPECT_EQ(v[0], 0.0);
    // A tan-like curve: poles at both ends of a body within +-1.
    std::vector<double> t;
    for (int i = 1; i < 400; i++)
        t.push_back(std::tan(M_PI * (i / 400.0 - 0.5)));
    ASSERT_TRUE(autorange(t.data(), int(t.size()), lo, hi, 1.0));
    EXPECT_LT(hi - lo, 200.0);
    EXPECT_LT(lo, 0.0);
    EXPECT_GT(hi, 0.0);
    // Two values have no median window: their extremes.
    const double two[] = {4, 2};
    ASSERT_TRUE(autorange(two, 2, lo, hi, 1.0));
    EXPECT_EQ(lo, 2);
    EXPECT_EQ(hi, 4);
}

}  // namespace
