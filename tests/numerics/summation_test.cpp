// "+" on a calculator: the sum of its formula over its selected argument,
// shown by the calculator with the result's label.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "calculator/calcfunm.h"
#include "numerics/summation.h"
#include "objects/sumrecord.h"
#include "tests/calculator/calcfixture.h"
#include "tests/screen/editrun.h"

namespace {

using calcsum = calcsitting;

TEST_F(calcsum, ResultBecomesTheCalculatorsLabelledValue)
{
    double shown = NAN;
    hostrun run = withcalc("++<Esc><dump calc><Esc>", [&](calculator& c) {
        c.setformula("a/k^2", "ka");
        c.reimplement();
        c.proceed(true);
        ASSERT_TRUE(c.sums == nullptr);
        c.argindex() = 2;   // a = 3; k stays the selected argument
        c.setargvalue(3);
        c.argindex() = 1;
        runsummation(c);
        shown = c.shownvalue();
        ASSERT_TRUE(c.sums);
        EXPECT_EQ(c.sums->ownercalc, &c);
        show(c);
    });
    EXPECT_NEAR(shown, std::numbers::pi * std::numbers::pi / 2, 1e-14);
    EXPECT_TRUE(dumptext(run, "calc").find("Series limit = 4.93480220054468") != std::string::npos)
        << dumptext(run, "calc");
}

}  // namespace
