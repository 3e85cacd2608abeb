// The minimizer's and the solver's windows on a calculator, driven by keys.
#include <gtest/gtest.h>

#include <cmath>

#include "calculator/calcfunm.h"
#include "formula/varman.h"
#include "screen/menustate.h"
#include "numerics/formulanl.h"
#include "numerics/nltargets.h"
#include "numerics/nlwindow.h"
#include "tests/calculator/calcfixture.h"

namespace {

struct nlsitting : calcsitting {
    // The calculator with a formula in x and y at the given point.
    static void setup(calculator& c, const char* formula, double x, double y)
    {
        ASSERT_TRUE(c.setformula(formula, "xy"));
        c.reimplement();
        c.implement();
        ASSERT_EQ(c.argcount(), 2);
        c.argstore()->setvalue('x', x);
        c.argstore()->setvalue('y', y);
    }
};

bool contains(const std::string& text, const char* piece)
{
    return text.find(piece) != std::string::npos;
}

// Enter runs to the end; the report window shows the verdict; Enter
// adopts the optimum into the arguments.
TEST_F(nlsitting, MinimizerRunsReportsAndAdopts)
{
    bool result = false;
    double x = 0, y = 0;
    hostrun run = withcalc("<Enter><dump report><Enter>", [&](calculator& c) {
        setup(c, "(x-1)^2+2*(y+3)^2+(x-1)^4", 4, 4);
        result = runminimizer(c, -1);
        x = c.argstore()->value('x');
        y = c.argstore()->value('y');
    });
    EXPECT_TRUE(result);
    EXPECT_NEAR(x, 1, 1e-6);
    EXPECT_NEAR(y, -3, 1e-6);
    std::string report = dumptext(run, "report");
    EXPECT_TRUE(contains(report, " Termination Report ")) << report;
    EXPECT_TRUE(contains(report, "Termination condition 1 encountered:  No further progress")) << report;
    EXPECT_TRUE(contains(report, "By all accounts, you should have reached a local minimum.")) << report;
}

// Single steps show the status lines; Esc leaves the arguments alone.
TEST_F(nlsitting, MaximizerStepsAndQuits)
{
    double x = 0;
    hostrun run = withcalc("1<dump step><Esc>", [&](calculator& c) {
        setup(c, "-(x-1)^2-(y-2)^2", 0.5, 1.5);
        EXPECT_TRUE(runminimizer(c, 1));
        x = c.argstore()->value('x');
    });
    EXPECT_EQ(x, 0.5);
    std::string step = dumptext(run, "step");
    EXPECT_TRUE(contains(step, " Nonlinear Maximizer ")) << step;
    EXPECT_TRUE(contains(step, " Iteration 1 ")) << step;
    EXPECT_TRUE(contains(step, " Hesse matrix: was pos. def. ")) << step;
    EXPECT_TRUE(contains(step, "<a>dopt position")) << step;
}

// A confirmed STOP ends the step of either engine as a user break.
TEST_F(nlsitting, StopEndsTheStepAsUserBreak)
{
    std::vector<int> states;
    withcalc("", [&](calculator& c) {
        setup(c, "x^2+y^2-1,x-y", 1, 1);
        std::vector<double> start{1, 1};
        formulaminimizer mi(c.calling->called, 2, 1, -1, start.data());
        formulasolver so(c.calling->called, 2, nullptr);
        so.setstart(start.data());
        menus().abortflag = true;
        states.push_back(mi.singlestep());
        states.push_back(so.singlestep());
        menus().abortflag = false;
        states.push_back(mi.singlestep());
    });
    EXPECT_EQ(states, (std::vector<int>{nluserbreak, nluserbreak, nlrunning}));
}

// Far from the origin the first step proposes a scaling; with it the
// engine works on scaled coordinates and the user's optimum is found.
TEST_F(nlsitting, ScalingIsProposedAndTaken)
{
    double x = 0;
    hostrun run = withcalc("1<dump notice>y<Enter><Enter>", [&](calculator& c) {
        setup(c, "((x-4000)/1000)^2+(y-1)^2", 5000, 1);
        EXPECT_TRUE(runminimizer(c, -1));
        x = c.argstore()->value('x');
    });
    EXPECT_NEAR(x, 4000, 1e-6);
    std::string notice = dumptext(run, "notice");
    EXPECT_TRUE(contains(notice, " N O T I C E ")) << notice;
    EXPECT_TRUE(contains(notice, " x[ 1]=           5000  scal[ 1]=        5000  old scal[ 1]=           1"))
        << notice;
    EXPECT_TRUE(contains(notice, " <y>   use the proposed new scaling vector")) << notice;
}

TEST_F(nlsitting, MinimizerWantsTwoArguments)
{
    bool result = true;
    hostrun run = withcalc("<dump refused><Esc>", [&](calculator& c) {
        ASSERT_TRUE(c.setformula("x^2", "x"));
        c.reimplement();
        result = runminimizer(c, 1);
    });
    EXPECT_FALSE(result);
    EXPECT_TRUE(contains(dumptext(run, "refused"), "\"Ma\" expects a calculator with at least two arguments"));
}

// "n0": every value of the formula aims at 0; the run ends solved, Enter
// adopts; the calculator keeps no target list of defaults.
TEST_F(nlsitting, SolverSolvesAndAdopts)
{
    double x = 0, y = 0;
    bool held = true;
    hostrun run = withcalc("<Enter><dump report><Enter>", [&](calculator& c) {
        setup(c, "x^2+y^2-4,x-y", 1, 0.5);
        EXPECT_TRUE(runsolver(c, false));
        x = c.argstore()->value('x');
        y = c.argstore()->value('y');
        held = c.targets != nullptr;
    });
    EXPECT_NEAR(x, std::sqrt(2.0), 1e-10);
    EXPECT_NEAR(y, std::sqrt(2.0), 1e-10);
    EXPECT_FALSE(held);
    std::string report = dumptext(run, "report");
    EXPECT_TRUE(contains(report, "The equation system has been solved !")) << report;
}

// "nn": the targets 5 and 6 for x+y and x*y, typed in the editor; the
// list stays with the calculator.
TEST_F(nlsitting, SolverWithEditedTargets)
{
    double x = 0, y = 0;
    double target2 = 0;
    hostrun run = withcalc("<Backspace>5<Enter><Down>e<Backspace>6<Enter><dump targets><Enter><Enter><dump report><Enter>",
                           [&](calculator& c) {
                               setup(c, "x+y,x*y", 1, 4);
                               EXPECT_TRUE(runsolver(c, true));
                               x = c.argstore()->value('x');
                               y = c.argstore()->value('y');
                               ASSERT_NE(c.targets, nullptr);
                               target2 = static_cast<targetlist*>(c.targets)->entries[1].target;
                           });
    EXPECT_EQ(target2, 6);
    std::string targets = dumptext(run, "targets");
    EXPECT_TRUE(contains(targets, " Nr.            Value                  Target ")) << targets;
    EXPECT_TRUE(contains(targets, " 1                   5                        5 ")) << targets;
    EXPECT_NEAR(x, 2, 1e-9);
    EXPECT_NEAR(y, 3, 1e-9);
}

}  // namespace
