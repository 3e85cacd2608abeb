// The summation menu: known sums from its keys, with the result lines.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "tests/numerics/sumfixture.h"

namespace {

using summenu = sumfront;

TEST_F(summenu, Zeta2Accelerated)
{
    ASSERT_TRUE(menu("1/k^2", "k", "++<dump z><Esc>"));
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(returned);
    EXPECT_NEAR(record.accresult.re, std::numbers::pi * std::numbers::pi / 6, 1e-14);
    EXPECT_TRUE(shows("z", "Series limit = 1.64493406684823")) << screen("z");
}

}  // namespace
