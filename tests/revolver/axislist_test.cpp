// The axis list of a parametric plot ("p" in the space menu of a
// calculator of several values), from the keys.
#include <gtest/gtest.h>

#include "tests/revolver/vemorun.h"

namespace {

// The list opens with its first line drawn under the bar; Up as the first
// key stays on it, so "x" assigns that line and the program ends normally
// with its state saved.
TEST(axislist, UpOnTheFirstLineStaysInTheList)
{
    vemorun v;
    ASSERT_EQ(v.run("esin(3*x), sin(2*x)<Enter><Enter><Enter> p<dump open><Up>x<dump assigned>"
                    "<Esc><Esc><Esc><A-X>y"),
              0)
        << v.read("stderr.txt");
    EXPECT_TRUE(v.exists("vemo.rev"));
    std::string open = v.screen("open");
    EXPECT_NE(open.find("║ f            not assigned        ║"), std::string::npos) << open;
    EXPECT_NE(open.find("║ f.1          not assigned        ║"), std::string::npos) << open;
    std::string assigned = v.screen("assigned");
    EXPECT_NE(assigned.find("║ f           x-axis of curve 1    ║"), std::string::npos) << assigned;
    EXPECT_NE(assigned.find("║ f.1          not assigned        ║"), std::string::npos) << assigned;
    EXPECT_EQ(assigned.find("of curve 3"), std::string::npos) << assigned;
}

}  // namespace
