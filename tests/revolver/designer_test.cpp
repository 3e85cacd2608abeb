// The calculator's designer-plot commands through the program's main
// loop: "ppn" over a window the user gives, then "p+" and "pp+" add the
// calculator's curve to that plot; the curve outlives its calculator.
#include <gtest/gtest.h>

#include <string>

#include "revolver/program.h"
#include "tests/screen/dumpfile.h"
#include "tests/screen/hostrun.h"
#include "tests/screen/workfolder.h"

namespace {
class designer : public workfolder {};
}

TEST_F(designer, NewPlotThenAddedCurvesAndTheCalculatorDeleted)
{
    const char* script = "ex*x<Enter><Enter>3<Enter>"
                         "p+<dump none>x"
                         "ppn0<Enter>5<Enter>0<Enter>30<Enter><dump first>r<Esc>"
                         "p+<dump second>g"
                         "pp+<dump third>b<Esc>"
                         "<Del><dump deleted><Esc>"
                         "ex<Enter><Enter>1<Enter>p+<dump fourth>m<dump end><close>";
    hostrun r = runscript(script, runprogram);
    ASSERT_EQ(r.status, 0);
    EXPECT_NE(dumpfile(r, "none.txt").find("There has no designer plot been created yet."), std::string::npos);
    for (const char* dump : {"first.txt", "second.txt", "third.txt", "fourth.txt"})
        EXPECT_NE(dumpfile(r, dump).find("Choose a color please"), std::string::npos) << dump;
    EXPECT_NE(dumpfile(r, "deleted.txt").find("You have cleared calculator 1."), std::string::npos);
    EXPECT_NE(dumpfile(r, "end.txt").find("Calculator 1"), std::string::npos);
}
