// The program end to end: formulas typed and computed, the revolver turned,
// calculators inserted, deleted and restored, the help, quitting; the next
// start finds the same ring in vemo.rev.
#include <gtest/gtest.h>

#include "tests/revolver/vemorun.h"

namespace {

// Calculator 1: 2*x+1 computed at 3; 2: a*b-c with the letters abcx;
// 4: a Runge-Kutta system of order 1 in t.
const std::string ringkeys =
    "e2*x+1<Enter><Enter>3<Enter><dump computed>"
    "<Right>ea*b-c<Enter>xabc<Enter>"
    "<Right><Right>dd<Backspace>1<Enter><Backspace>1<Enter>tf.1<Enter><Down>e<Backspace>1<Enter><Enter>";

TEST(journey, TypeComputeTurnInsertDeleteQuitAndRestart)
{
    vemorun v;
    std::string script = ringkeys
                         // Del keeps 4 in the spare, Ctrl-Del brings it back.
                         + "<Del><dump deleted><Esc><C-Del>y<dump restored>"
                         // Ins on 2 opens a gap there (the ring moves on by
                         // one); Del on the gap closes it again, and on 3 too.
                         + "<Left><Left><Ins><dump inserted><Del><Right><Del><dump closed>"
                         + "<F1><dump help><Esc><A-x>y";
    ASSERT_EQ(v.run(script), 0) << v.read("stderr.txt");
    EXPECT_EQ(v.row("computed", 3).substr(0, 5), "2*x+1");
    EXPECT_NE(v.row("computed", 7).find(" 7 "), std::string::npos) << v.row("computed", 7);
    EXPECT_NE(v.screen("deleted").find("You have cleared calculator 4."), std::string::npos);
    EXPECT_EQ(v.row("restored", 1).substr(0, 25), "Calculator 4   (RK-mode) ");
    EXPECT_EQ(v.row("inserted", 1).substr(0, 13), "Calculator 2 ");
    EXPECT_NE(v.row("inserted", 3).find("press <e> to enter a formula"), std::string::npos);
    EXPECT_EQ(v.row("closed", 1).substr(0, 13), "Calculator 3 ");
    EXPECT_NE(v.screen("help").find(" Master Reference List "), std::string::npos);
    EXPECT_NE(v.screen("help").find("F1    this help screen"), std::string::npos);
    EXPECT_EQ(v.read("vemo.rev"), goldenrev());

    ASSERT_EQ(v.run("<dump start><Right><dump two><Right><Right><dump four>"
                    "<Left><Left><Left><Left><dump zero><Left><dump last><A-x>y"),
              0);
    EXPECT_EQ(v.row("start", 1).substr(0, 13), "Calculator 1 ");
    EXPECT_EQ(v.row("start", 3).substr(0, 6), "2*x+1 ");
    EXPECT_EQ(v.row("two", 3).substr(0, 6), "a*b-c ");
    EXPECT_EQ(v.row("four", 1).substr(0, 25), "Calculator 4   (RK-mode) ");
    EXPECT_EQ(v.row("zero", 1).substr(0, 13), "Calculator 0 ");
    EXPECT_EQ(v.row("last", 1).substr(0, 15), "Calculator 239 ");
    EXPECT_EQ(v.read("vemo.rev"), goldenrev());
    EXPECT_EQ(v.read("vemo.bak"), goldenrev());
    EXPECT_FALSE(v.exists("vemo.bad"));
}

// Without a state file the revolver starts empty at calculator 1, and a
// run that leaves every calculator empty writes the first line only.
TEST(journey, AnEmptyRingWritesOneLine)
{
    vemorun v;
    ASSERT_EQ(v.run("<dump start><A-x>y"), 0);
    EXPECT_EQ(v.row("start", 1).substr(0, 13), "Calculator 1 ");
    EXPECT_EQ(v.read("vemo.rev"), "VE REVOLVERFILE\n");
}

// Closing the window (or the end of the script) unwinds through the
// orderly end: the state file is written.
TEST(journey, ClosingTheWindowWritesTheStateFile)
{
    for (const char* end : {"<close>", "<A-F4>", ""}) {
        vemorun v;
        ASSERT_EQ(v.run(std::string("e2*x+1<Enter>") + end), 0) << end;
        EXPECT_NE(v.read("vemo.rev").find("2*x+1\n"), std::string::npos) << end;
    }
}

}  // namespace
