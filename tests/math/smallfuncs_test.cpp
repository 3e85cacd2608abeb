#include <gtest/gtest.h>

#include <cmath>

#include "math/smallfuncs.h"

namespace {
using namespace builtin;

TEST(Smallfuncs, RoundingTable)
{
    struct row {
        double x, roundnear, trunc, frac, sign;
    } rows[] = {
        {2.5, 3, 2, 0.5, 1},
        {-2.5, -2, -2, -0.5, -1},
        {-0.4, 0, 0, -0.4, -1},
        {0.0, 0, 0, 0, 0},
        {7.0, 7, 7, 0, 1},
    };
    for (const row& r : rows) {
        EXPECT_EQ(roundnear(r.x), r.roundnear) << r.x;
        EXPECT_EQ(builtin::trunc(r.x), r.trunc) << r.x;
        EXPECT_DOUBLE_EQ(frac(r.x), r.frac) << r.x;
        EXPECT_EQ(sign(r.x), r.sign) << r.x;
    }
}

TEST(Smallfuncs, ListsAndTruth)
{
    const double v[] = {1, 0, 1, -4, 9};
    EXPECT_EQ(builtin::min(5, v), -4);
    EXPECT_EQ(builtin::max(5, v), 9);
    EXPECT_EQ(AND(3, v), 0.0);
    EXPECT_EQ(AND(1, v), 1.0);
    EXPECT_EQ(AND(0, v), 1.0);
    EXPECT_EQ(OR(0, v), 0.0);
    EXPECT_EQ(OR(2, v + 1), 1.0);
    EXPECT_EQ(OR(1, v + 1), 0.0);
}

TEST(Smallfuncs, ConversionsSaturate)
{
    EXPECT_EQ(toint(NAN, -10, 10), 0);
    EXPECT_EQ(toint(1e20, -10, 10), 10);
    EXPECT_EQ(toint(-1e20, -10, 10), -10);
    EXPECT_EQ(toint(-3.9, -10, 10), -3);
    EXPECT_EQ(toshort(1e9), 32767);
}
}
