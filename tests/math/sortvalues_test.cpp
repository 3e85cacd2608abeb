#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "math/sortvalues.h"

namespace {
TEST(Sort, SortsTheGivenRangeOnly)
{
    double v[] = {9, 3, 1, 2, -7};
    sortvalues(v, 1, 3);
    EXPECT_EQ(std::vector<double>(v, v + 5), (std::vector<double>{9, 1, 2, 3, -7}));
    sortvalues(v, 3, 3);
    sortvalues(v, 4, 2);
    EXPECT_EQ(std::vector<double>(v, v + 5), (std::vector<double>{9, 1, 2, 3, -7}));
}

TEST(Sort, NanOrdersLastAndConsistently)
{
    struct row {
        double a, b;
        int expected;
    } rows[] = {
        {1, 2, -1}, {2, 1, 1}, {2, 2, 0}, {-0.0, 0.0, 0},
        {NAN, 1, 1}, {1, NAN, -1}, {NAN, NAN, 0}, {INFINITY, NAN, -1},
    };
    for (const row& r : rows)
        EXPECT_EQ(comparedoubles(r.a, r.b), r.expected) << r.a << " " << r.b;

    std::vector<double> v{3, NAN, -1, INFINITY, NAN, 2, -INFINITY, 0};
    sortvalues(v.data(), 0, int(v.size()) - 1);
    EXPECT_TRUE(std::is_sorted(v.begin(), v.begin() + 6));
    EXPECT_EQ(v[0], -INFINITY);
    EXPECT_EQ(v[5], INFINITY);
    EXPECT_TRUE(std::isnan(v[6]) && std::isnan(v[7]));
}
}
