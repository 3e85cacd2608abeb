// The tools' commands on a calculator, with their dialogues, reports and
// the result put on the calculator.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "calculator/calcfunm.h"
#include "formula/evalstate.h"
#include "numerics/mcstat.h"
#include "numerics/toolcmds.h"
#include "screen/hooks.h"
#include "tests/calculator/calcfixture.h"
#include "tests/screen/editrun.h"
#include "tests/screen/goldenfiles.h"

namespace {
// A calculator ready to compute formula with x = start.
void prepare(calculator& c, const char* formula, double start)
{
    c.setformula(formula, "x");
    c.reimplement();
    c.calctask();
    c.argstore()->setvalue('x', start);
}

struct toolsitting : calcsitting {
    // The calculator's fixed result and its label after the command.
    struct outcome {
        bool fixed = false;
        double value = NAN;
        std::string label;
        double x = NAN;
    };
    outcome runcommand(const std::string& keys, const char* formula, double start, void (*command)(calculator&),
                       hostrun* out = nullptr, std::function<void(calculator&)> before = nullptr)
    {
        outcome o;
        hostrun run = withcalc(keys, [&](calculator& c) {
            prepare(c, formula, start);
            if (before)
                before(c);
            command(c);
            o.fixed = c.fixed;
            o.value = c.fixedvalue;
            o.label = c.fixedlabel ? c.fixedlabel : "";
            o.x = c.argstore()->value('x');
            std::free(c.mcsettings);
            c.mcsettings = nullptr;
        });
        EXPECT_EQ(run.status, 0) << keys;
        if (out)
            *out = run;
        return o;
    }
};
}

TEST_F(toolsitting, IntegrationResultBecomesTheFixedValue)
{
    hostrun run;
    outcome o = runcommand("0<Enter>1<Enter><dump integration>x", "x*x", 2, integratecmd, &run);
    EXPECT_TRUE(o.fixed);
    EXPECT_EQ(o.value, 1.0 / 3);
    EXPECT_EQ(o.label, " numeric integration result: ");
    EXPECT_EQ(o.x, 2.0);
    checkgoldenfiles(run.out, "integration");
    // Cancelled at the first limit: nothing changes.
    o = runcommand("<Esc>", "x*x", 2, integratecmd);
    EXPECT_FALSE(o.fixed);
    // Equal limits: 0 without a computation, nothing stored.
    o = runcommand("1<Enter>1<Enter>", "x*x", 2, integratecmd);
    EXPECT_FALSE(o.fixed);
}

// An integrand that fails at either end point has no integral to store,
// whichever end is evaluated last.
TEST_F(toolsitting, IntegrationWithFailingEndPointStoresNothing)
{
    for (const char* limits : {"0<Enter>1<Enter>", "1<Enter>0<Enter>"}) {
        hostrun run;
        outcome o = runcommand(std::string(limits) + "<dump endfails>xx", "ln(1-x)", 2, integratecmd, &run);
        EXPECT_FALSE(o.fixed) << limits << " " << o.value;
        EXPECT_NE(dumptext(run, "endfails").find("Call to function log with argument 0"), std::string::npos);
    }
}

// sqrt(x) on [0, 1] misses 15 digits: the trace mode opens at level 10
// with 1025 evaluations; Esc there returns the best value.
TEST_F(toolsitting, IntegrationEntersTraceMode)
{
    hostrun run;
    outcome o = runcommand("0<Enter>1<Enter><dump integrationtrace><Esc>x", "sqr(x)", 2, integratecmd, &run);
    EXPECT_TRUE(o.fixed);
    EXPECT_NEAR(o.value, 2.0 / 3, 1e-5);
    checkgoldenfiles(run.out, "integrationtrace");
}

// STOP during the integration asks whether to abort; "n" goes on to the
// full result, "y" ends with the box and the best of the blocks before.
TEST_F(toolsitting, IntegrationInterruptQuestion)
{
    hostrun run;
    outcome o = runcommand("0<Enter>1<Enter><busy><menu 40042><yes></busy><dump integrationstop>nx",
                           "exp(x)", 2, integratecmd, &run);
    EXPECT_NEAR(o.value, std::exp(1.0) - 1, 1e-15);
    checkgoldenfiles(run.out, "integrationstop");
    o = runcommand("0<Enter>1<Enter><busy><menu 40042><yes></busy>y<dump integrationaborted>xx", "exp(x)", 2,
                   integratecmd, &run);
    EXPECT_TRUE(o.fixed);
    EXPECT_NEAR(o.value, std::exp(1.0) - 1, 0.2);
    checkgoldenfiles(run.out, "integrationaborted");
}

TEST_F(toolsitting, ZeroSearchAdoptsThePoint)
{
    hostrun run;
    outcome o = runcommand("<dump zerofound>y", "sin(x)", 3, searchzero, &run);
    EXPECT_NEAR(o.x, M_PI, 4e-16);
    checkgoldenfiles(run.out, "zerofound");
    o = runcommand("n", "sin(x)", 3, searchzero);
    EXPECT_EQ(o.x, 3.0);
    o = runcommand("<dump nothing>x", "x*x+1", 3, searchzero, &run);
    EXPECT_EQ(o.x, 3.0);
    checkgoldenfiles(run.out, "nothing");
}

TEST_F(toolsitting, ValueSearchAsksTheTarget)
{
    hostrun run;
    outcome o = runcommand("2<Enter><dump target><Enter>", "x*x", 1, searchvalue, &run);
    EXPECT_NEAR(o.x, std::sqrt(2.0), 4e-16);
    checkgoldenfiles(run.out, "target");
}

// In first-derivative display mode a zero of the derivative where it
// rises is a minimum.
TEST_F(toolsitting, ZeroOfTheDerivativeIsAMinimum)
{
    hostrun run;
    outcome o = runcommand("<dump derivzero>y", "(x-1)^2", 3, searchzero, &run,
                           [](calculator& c) { c.diffoperator(1); });
    EXPECT_NEAR(o.x, 1.0, 1e-6);
    EXPECT_NE(dumptext(run, "derivzero").find("Minimum or pole without change of sign"), std::string::npos);
}

TEST_F(toolsitting, GoldenSectionMinimumAdopted)
{
    hostrun run;
    outcome o = runcommand("<dump goldenmin>a", "x*x-2*x+3", 5, goldenmin, &run);
    EXPECT_NEAR(o.x, 1.0, 3e-8);
    checkgoldenfiles(run.out, "goldenmin");
    // A further search finds nothing better; Enter adopts the point.
    o = runcommand("<Enter><dump goldenagain><Enter>", "x*x-2*x+3", 5, goldenmin, &run);
    EXPECT_NEAR(o.x, 1.0, 3e-8);
    o = runcommand("<dump goldenfail>x", "x", 5, goldenmax, &run);
    EXPECT_EQ(o.x, 5.0);
    EXPECT_NE(dumptext(run, "goldenfail").find("Unable to locate a maximum"), std::string::npos);
}

// Chunks of 1, 10, 100 and 1000 iterations under the virtual clock, then
// the breakpoint at 1050; the mean becomes the result.
TEST_F(toolsitting, MonteCarloStopsAtTheBreakpoint)
{
    hostrun run;
    double count = 0;
    outcome o = runcommand("<dump montecarlo><Esc>", "x+1", 2, montecarlocmd, &run, [&](calculator& c) {
        mcstat* s = newmcstat();
        s->breakpoint = 1050;
        c.mcsettings = s;
    });
    EXPECT_TRUE(o.fixed);
    EXPECT_EQ(o.value, 3.0);
    EXPECT_EQ(o.label, "Mean value of random function: ");
    EXPECT_NE(dumptext(run, "montecarlo").find("Iterations:    1050"), std::string::npos);
    checkgoldenfiles(run.out, "montecarlo");
    (void)count;
}

// A formula that fails at once: the evaluator's report, the warning, Esc,
// and no sample: the calculator keeps what it had.
TEST_F(toolsitting, MonteCarloWithoutSampleStoresNothing)
{
    hostrun run;
    outcome o = runcommand("<Esc><dump mcwarning><Esc>", "ln(x)", -1, montecarlocmd, &run);
    EXPECT_FALSE(o.fixed);
    EXPECT_NE(dumptext(run, "mcwarning").find("Runtime error during iteration 1."), std::string::npos)
        << dumptext(run, "mcwarning");
}

TEST_F(toolsitting, RecognizerOnTheValueShown)
{
    hostrun run = withcalc("<dump recognizer><Esc>", [&](calculator& c) {
        prepare(c, "x", 0.75);
        c.fixedvalue = 0.75;
        c.fixedlabel = " numeric integration result: ";
        c.fixed = 1;
        recognizecalc(c);
    });
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(dumptext(run, "recognizer").find("3 / 4"), std::string::npos) << dumptext(run, "recognizer");
    checkgoldenfiles(run.out, "recognizer");
}

TEST(toolhooks, NotepadReachesTheRecognizer)
{
    EXPECT_EQ(screenhook().recognize, &recognizevalue);
}
