// <Ins> in the database main list ("ud") makes a calling calculator for
// the object under the cursor: its name and argument letters as formula,
// compiled against the object.
#include <gtest/gtest.h>

#include <string>

#include "tests/revolver/vemorun.h"

namespace {

TEST(dabacalculator, InsMakesACallingCalculatorOfTheObject)
{
    vemorun v;
    v.write("DESKTOP.LIB", "@@FU1\nsq\n1\n1\n@DATA\n@ARGS\nt\n@FORMULA\nt*t+1\n@@END FU1\n");
    ASSERT_EQ(v.run("ud<dump list><Ins><dump made><Esc><Enter><dump ready>"), 0)
        << v.read("stderr.txt");
    ASSERT_TRUE(v.shows("list", "sq")) << v.screen("list");
    EXPECT_FALSE(v.shows("made", "failed")) << v.screen("made");
    EXPECT_TRUE(v.shows("ready", "sq(t)")) << v.screen("ready");
    EXPECT_TRUE(v.shows("ready", "Formula OK")) << v.screen("ready");
}

}  // namespace
