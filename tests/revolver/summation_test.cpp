// "+" in the running program: the summation menu on the current
// calculator, its result shown by the calculator, the Monotony Test window
// beside the screen dump.
#include <gtest/gtest.h>

#include "tests/revolver/vemorun.h"

namespace {

TEST(summationcmd, SumShownByTheCalculatorAndMonotonyWindow)
{
    vemorun v;
    ASSERT_EQ(v.run("e1/x^2<Enter><Enter>3<Enter>+++<dump menu>m<dump mono><Esc><dump shown><A-x>y"), 0)
        << v.read("stderr.txt");
    EXPECT_NE(v.screen("menu").find("<+> (Summation Menu)"), std::string::npos) << v.screen("menu");
    EXPECT_NE(v.screen("menu").find("Series limit = 1.64493406684823"), std::string::npos);
    EXPECT_TRUE(v.exists("out/mono-monotony.png"));
    EXPECT_FALSE(v.exists("out/shown-monotony.png"));   // closed with the menu
    EXPECT_NE(v.row("shown", 7).find("Series limit = 1.64493406684823"), std::string::npos) << v.screen("shown");
}

}  // namespace
