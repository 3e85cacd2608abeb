// <Ins> in the database main list ("ud") makes a calling calculator for
// the object under the cursor: its name and argument letters as formula,
// computed as the object computes.
#include <gtest/gtest.h>

#include <string>

#include "tests/revolver/vemorun.h"

namespace {

TEST(dabacalculator, InsMakesACallingCalculatorOfTheObject)
{
    vemorun v;
    v.write("DESKTOP.LIB", "@@FU1\nsq\n1\n1\n@DATA\n@ARGS\nt\n@FORMULA\nt*t+1\n@@END FU1\n");
    ASSERT_EQ(v.run("ud<dump list><Ins><dump made><Esc><dump ring><Enter>3<Enter><dump computed>"), 0)
        << v.read("stderr.txt");
    ASSERT_TRUE(v.shows("list", "sq")) << v.screen("list");
    EXPECT_TRUE(v.shows("made", " OK ")) << v.screen("made");
    EXPECT_FALSE(v.shows("made", "failed")) << v.screen("made");
    EXPECT_TRUE(v.shows("ring", "sq(t)")) << v.screen("ring");
    EXPECT_TRUE(v.shows("computed", "10")) << v.screen("computed");
}

}  // namespace
