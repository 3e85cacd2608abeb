// The run tables against the additions they stand for: n copies of x added
// one by one, for every n the tables cover and x of every kind of mantissa,
// next to the region ends as well.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

#include "formula/runsum.h"

namespace {
double added(double x, int n)
{
    double s = x;
    for (int i = 1; i < n; i++)
        s = s + x;
    return s;
}

// A double of the given mantissa (53 bits with the leading one) and power.
double fromparts(std::uint64_t m, int power, bool negative)
{
    double v = std::ldexp(double(m), power - 52);
    return negative ? -v : v;
}

TEST(runsum, AgreesWithTheAdditionsBitForBit)
{
    std::mt19937_64 rng(20261210);
    int answered = 0, asked = 0;
    for (int n = runsum::mincopies; n <= runsum::maxcopies; n++) {
        const runsum* table = runsum::get(n);
        ASSERT_NE(table, nullptr) << n;
        EXPECT_EQ(table->copies(), n);
        for (int i = 0; i < 6000; i++) {
            std::uint64_t m = (rng() >> 11) | (std::uint64_t(1) << 52);
            if (i % 3 == 0) {
                // next to the end of a region: floor(2^58 / q), 2^52 and
                // 2^53 among them
                std::uint64_t q = 32 + rng() % 33;
                m = (std::uint64_t(1) << 58) / q + std::int64_t(rng() % 20001) - 10000;
                m = std::clamp(m, std::uint64_t(1) << 52, (std::uint64_t(1) << 53) - 1);
            }
            double x = fromparts(m, int(rng() % 2000) - 1000, rng() & 1);
            double s;
            asked++;
            if (!table->sum(x, s))
                continue;
            answered++;
            ASSERT_EQ(std::bit_cast<std::uint64_t>(s), std::bit_cast<std::uint64_t>(added(x, n)))
                << std::hexfloat << x << " n=" << n;
        }
    }
    // The tables answer nearly everywhere away from the region ends.
    EXPECT_GT(answered, asked / 2);
}

TEST(runsum, LeavesWhatItCannotReachToTheAdditions)
{
    const runsum* table = runsum::get(50);
    ASSERT_NE(table, nullptr);
    double s;
    for (double x : {0.0, -0.0, 1e-310, std::numeric_limits<double>::min(), 1e306,
                     std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN(),
                     1.0, 0.5, 4.0 / 3})  // the last three sit on region ends
        EXPECT_FALSE(table->sum(x, s)) << x;
    EXPECT_TRUE(table->sum(0.7, s));
    EXPECT_EQ(s, added(0.7, 50));
    EXPECT_EQ(runsum::get(runsum::mincopies - 1), nullptr);
    EXPECT_EQ(runsum::get(runsum::maxcopies + 1), nullptr);
}
}
