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

// The spare holds one calculator: Ctrl-Del on an occupied slot exchanges
// the two (twice gives the first state back), and a second Del loses the
// calculator deleted before for good.
TEST(journey, TheSpareHoldsOneCalculator)
{
    vemorun v;
    ASSERT_EQ(v.run("ex*x<Enter><Del>x<Right>e2*x<Enter><C-Del><dump ask>y<dump swapped><C-Del>y<dump back>"
                    "<Del>x<Left><C-Del><dump restore>y<A-x>y"),
              0);
    EXPECT_NE(v.screen("ask").find("Exchange deleted calculator against"), std::string::npos);
    EXPECT_EQ(v.row("swapped", 3).substr(0, 4), "x*x ");
    EXPECT_EQ(v.row("back", 3).substr(0, 4), "2*x ");
    EXPECT_NE(v.screen("restore").find("Restore deleted calculator (y/n) ?"), std::string::npos);
    EXPECT_EQ(v.read("vemo.rev"), "VE REVOLVERFILE\n@CALCULATOR\n1\n@DIRECTMODE\nx\n2*x\n@END CALCULATOR\n");
}

// "f9": the differential operator, here twice the first derivative, is
// what display mode 9 shows; an operator that does not compile is told and
// the one before stays.
TEST(journey, UserDefinedOperator)
{
    vemorun v;
    ASSERT_EQ(v.run("ex*x<Enter><Enter>3<Enter>f9d1*2<Enter>d9<dump op>f9<End>+<Enter><dump bad>x<dump kept>"), 0);
    EXPECT_NE(v.row("op", 7).find("f.1     =       12.0000000000"), std::string::npos) << v.row("op", 7);
    EXPECT_NE(v.screen("bad").find("compile Error"), std::string::npos);
    EXPECT_NE(v.row("kept", 7).find("f.1     =       12.0000000000"), std::string::npos);
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

// "e" takes a formula as long as a calculator holds (1040 characters) and
// drops what is typed beyond.
TEST(journey, TheFormulaEditorTakesAWholeFormula)
{
    std::string formula = "x";
    for (int i = 0; i < 519; ++i)
        formula += "+1";
    formula += "0";   // 1040 characters: x + 518 + 10
    ASSERT_EQ(formula.size(), 1040u);
    vemorun v;
    ASSERT_EQ(v.run("e" + formula + "9<Enter><Enter>1<Enter><dump long><A-x>y"), 0) << v.read("stderr.txt");
    EXPECT_NE(v.screen("long").find("=                    529 "), std::string::npos) << v.screen("long");
    EXPECT_NE(v.read("vemo.rev").find("\n" + formula + "\n"), std::string::npos);
}

}  // namespace

// "u+" on a Runge-Kutta calculator installs its system as a Runge-Kutta
// function, which a formula then calls: y' = y from y(0) = 1 gives e at 1;
// <Ins> on the function in the list, choice R, makes a Runge-Kutta
// calculator of it again.
TEST(journey, RungeKuttaCalculatorBecomesAFunction)
{
    vemorun v;
    ASSERT_EQ(v.run("dd<Backspace>1<Enter><Backspace>1<Enter>tf.1<Enter><Down>e<Backspace>1<Enter><Enter>"
                    "u+<dump name>grow<Enter><Esc><dump back><Right>egrow(1)<Enter><Enter><Enter><dump value>"
                    "<Right>ul<Ins><dump choice>R<Esc><dump rk><A-x>y"),
              0)
        << v.read("stderr.txt");
    EXPECT_NE(v.screen("name").find("Enter the function name"), std::string::npos) << v.screen("name");
    EXPECT_EQ(v.row("back", 1).substr(0, 25), "Calculator 1   (RK-mode) ");
    EXPECT_NE(v.row("value", 7).find("f.1     =       2.718281828"), std::string::npos) << v.screen("value");
    EXPECT_NE(v.screen("choice").find("<R>     Create a Runge-Kutta calculator"), std::string::npos);
    EXPECT_EQ(v.row("rk", 1).substr(0, 25), "Calculator 3   (RK-mode) ");
    EXPECT_EQ(v.row("rk", 4).substr(0, 4), "f.1 ");
}
