// The calculator's differential-operator mode refused for an operator that
// does not compile: the compile error, then the refusal, then the mode of
// before.
#include <gtest/gtest.h>

#include <string>

#include "calculator/calcfunm.h"
#include "formula/parser.h"
#include "tests/screen/editrun.h"

TEST(operatormode, AnOperatorThatDoesNotCompileKeepsTheModeAndSaysSo)
{
    bool entered = true;
    int mode = -1;
    double v = 0;
    hostrun run = rundialogue("<dump error><Esc><dump refused><Esc>", [&] {
        parser first;   // the shared state
        calcfunm c;
        auto* f = new funm;
        f->setformula("x*x", "x");
        c.setcalled(f);
        c.setformula("d0 + (d1", "x");
        entered = c.setmode(9);
        mode = c.mode;
        v = c.calcx(3);
    });
    EXPECT_EQ(run.status, 0);
    EXPECT_FALSE(entered);
    EXPECT_EQ(mode, 0);
    EXPECT_EQ(v, 9);
    EXPECT_NE(dumptext(run, "error").find(" Fatal compile Error "), std::string::npos);
    std::string refused = dumptext(run, "refused");
    EXPECT_NE(refused.find("Mode 9 cannot be entered:"), std::string::npos);
    EXPECT_NE(refused.find("Due to problem in the differential operator (or its components) !"), std::string::npos);
}
