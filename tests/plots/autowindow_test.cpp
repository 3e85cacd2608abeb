// The plotting window around a set of values, and the parameter range
// dialogue.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "plots/autowindow.h"
#include "tests/screen/editrun.h"

TEST(autowindow, ExtremesWidenedAndOutliersTrimmed)
{
    double lo = -7, hi = -7;
    const double few[] = {1, 3, 2};
    ASSERT_TRUE(autowindow(few, 3, lo, hi));
    EXPECT_DOUBLE_EQ(lo, 1 - 0.06);
    EXPECT_DOUBLE_EQ(hi, 3 + 0.03 * (3 - 0.94));

    const double unusable[] = {NAN, 1e100, -2e100};
    lo = hi = -7;
    EXPECT_FALSE(autowindow(unusable, 3, lo, hi));
    EXPECT_EQ(lo, -7);
    EXPECT_EQ(hi, -7);

    const double flat[] = {5, 5, 5, NAN};
    ASSERT_TRUE(autowindow(flat, 4, lo, hi));
    EXPECT_LT(lo, 5);
    EXPECT_GT(hi, 5);

    // A hundred values in [0, 1] and one far away (spread ratio 0.04): the
    // window keeps the body.
    std::vector<double> body;
    for (int i = 0; i < 100; i++)
        body.push_back(i / 99.0);
    body.push_back(1e6);
    ASSERT_TRUE(autowindow(body.data(), int(body.size()), lo, hi));
    EXPECT_LE(lo, 0);
    EXPECT_LT(hi, 10);
}

TEST(autowindow, ParameterRangeSetEditedOrKept)
{
    struct {
        const char* keys;
        double lower, upper;   // before
        bool result;
        double newlower, newupper;
    } cases[] = {
        {"1<Enter>2<Enter>", 0, 0, true, 1, 2},
        {"<Esc>", 3, 4, false, 3, 4},
        {"-1<Enter><Esc>", 3, 4, false, 3, 4},
    };
    for (const auto& k : cases) {
        double lower = k.lower, upper = k.upper;
        bool result = false;
        hostrun run = rundialogue(k.keys, [&] { result = paramrange(lower, upper); });
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(result, k.result) << k.keys;
        EXPECT_EQ(lower, k.newlower) << k.keys;
        EXPECT_EQ(upper, k.newupper) << k.keys;
    }
}
