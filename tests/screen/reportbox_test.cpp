// Runtime errors of an evaluation on the computing thread reach the user as
// framed boxes; Esc in the call trace silences the rest of the run.
#include <gtest/gtest.h>


#include "screen/keys.h"
#include "tests/formula/evalfixture.h"
#include "tests/screen/hostrun.h"
#include "tests/screen/plainrow.h"

namespace {

using namespace tk;

short budgetafter = -1;
int recorded = -1;

void evaluateloop()
{
    parser keeper;
    testobject::install();
    program guarded({FEED_ARG_1, DOMAINCHECK, SEMICOLON, FEED_ARG_2, ASSERT, END});
    testobject g{"g", 2, &guarded};
    program caller({FEED_ARG_1, FEED_CONSTANT, CALL_USER_FUNC, END}, {cst(0.25), operand::ofcall(g.asfu(), 2, 1)});
    clearrecordedreports();
    shared.reportswitch = 3;
    caller.calc1(0.0);
    budgetafter = shared.reportswitch;
    caller.calc1(0.0);
    recorded = int(recordedreports().size());
    while (getkey() != 'q') {
    }
    testobject::uninstall();
}


}  // namespace

TEST(reportbox, runtimeerrorshowsaboxandescsilencesthenext)
{
    hostrun run = runscript("<dump domain><Enter><dump trace><Esc><dump quiet>q", evaluateloop);
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(recorded, 0);
    EXPECT_EQ(budgetafter, 0);
    std::string domain = plainfile(run.out + "/domain.txt");
    EXPECT_NE(domain.find("= Domain Error ="), std::string::npos) << domain;
    EXPECT_NE(domain.find("| in call to user function g() on level 1. |"), std::string::npos) << domain;
    std::string trace = plainfile(run.out + "/trace.txt");
    EXPECT_NE(trace.find(" ...called by function \"g\" on level 1 "), std::string::npos) << trace;
    EXPECT_NE(trace.find("= Press any Key ="), std::string::npos) << trace;
    EXPECT_EQ(trace.find("Domain Error"), std::string::npos);
    std::string quiet = plainfile(run.out + "/quiet.txt");
    EXPECT_EQ(quiet.find_first_not_of(" \n"), std::string::npos) << quiet;
}

