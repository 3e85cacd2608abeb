// The summation menu: known sums from its keys, with the result lines;
// direct runs, interrupted and resumed.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "tests/numerics/sumfixture.h"

namespace {

using summenu = sumfront;
using std::numbers::pi;

// Accelerated limits: the value to full precision and the result line.
TEST_F(summenu, AcceleratedLimitsOfKnownSeries)
{
    struct {
        const char* formula;
        const char* keys;
        double re, im;
        const char* line;
    } cases[] = {
        {"1/k^2", "++", pi * pi / 6, 0, "Series limit = 1.64493406684823"},
        {"1/k^2", "<Enter>", pi * pi / 6, 0, "Series limit = 1.64493406684823"},   // "++" at first
        {"1/k", "+-", std::log(2.0), 0, "Alternating series limit = 0.693147180559945"},
        {"1/k", "-+", -std::log(2.0), 0, "Alternating series limit = -0.693147180559945"},
        // -zeta'(2), a slowly converging series of logarithms
        {"ln(k)/k^2", "++", 0.93754825431584375370, 0, "Series limit = 0.93754825431584"},
        // sum of e^(ik)/k = -ln(2 sin(1/2)) + i (pi - 1)/2
        {"1/k", "r<text 1>e", -std::log(2 * std::sin(0.5)), (pi - 1) / 2,
         "Complex series limit = 0.042019505825369 +i* 1.0707963267949"},
        {"1/k", "r<text 1>s", (pi - 1) / 2, 0, "Series limit (with sine factor) = 1.0707963267949"},
        {"1/k", "r<text 1>c", -std::log(2 * std::sin(0.5)), 0, "Series limit (with cosine factor) = 0.042019505825369"},
    };
    for (const auto& c : cases) {
        record = sumrecord();
        ASSERT_TRUE(menu(c.formula, "k", std::string(c.keys) + "<dump z><Esc>"));
        EXPECT_EQ(run.status, 0) << c.formula << " " << c.keys;
        EXPECT_TRUE(returned);
        EXPECT_NEAR(record.accresult.re, c.re, 1e-14 * (1 + std::fabs(c.re))) << c.formula << " " << c.keys;
        EXPECT_NEAR(record.accresult.im, c.im, 1e-14) << c.formula << " " << c.keys;
        EXPECT_TRUE(shows("z", c.line)) << screen("z");
    }
}

// A divergent series fails in the accelerator and is reported; there is
// no result to show.
TEST_F(summenu, DivergentSeriesIsReported)
{
    ASSERT_TRUE(menu("k^-0.5", "k", "++<dump d><Esc><dump m><Esc>"));
    EXPECT_EQ(run.status, 0);
    EXPECT_FALSE(returned);
    EXPECT_TRUE(shows("d", "Accelerator error: outer loop fails to converge")) << screen("d");
    EXPECT_TRUE(shows("d", "Summation Error"));
    EXPECT_FALSE(shows("m", "Series limit")) << screen("m");
}

double harmonic(int n)
{
    double h = 0;
    for (int k = n; k >= 1; --k)
        h += 1.0 / k;
    return h;
}

// Finite sums from first to last in steps, and a direct infinite sum that
// ends on its convergence count.
TEST_F(summenu, DirectSums)
{
    struct {
        const char* formula;
        const char* keys;
        double value;
        const char* line;
    } cases[] = {
        {"k", "MS<text 3>L<text 10>++", 22, "Finite sum = 22"},                 // 1 + 4 + 7 + 10
        {"k", "ML<text 9.5>-+", -1 + 2 - 3 + 4 - 5 + 6 - 7 + 8 - 9, "Finite sum = -5"},
        {"0.5^k", "A++", 1, "Series limit = 1"},
        {"1/k^2", "ML<text 0>++<text 100>", 1.6349839001848923, "Finite sum = 1.63498390018489"},
        // Raising the last index of a finished sum lets Enter go on from
        // the next index.
        {"k", "ML<text 10>++L<text 20><Enter>", 210, "Finite sum = 210"},
        // A new step starts afresh: 1 + 3 + 5 + 7 + 9.
        {"k", "ML<text 10>++S<text 2><Enter>", 25, "Finite sum = 25"},
    };
    for (const auto& c : cases) {
        record = sumrecord();
        ASSERT_TRUE(menu(c.formula, "k", std::string(c.keys) + "<dump s><Esc>"));
        EXPECT_EQ(run.status, 0) << c.keys;
        EXPECT_TRUE(returned) << c.keys;
        EXPECT_EQ(record.runstate, 2) << c.keys;
        EXPECT_NEAR(record.partial.re, c.value, 1e-15 * (1 + std::fabs(c.value))) << c.keys;
        EXPECT_TRUE(shows("s", c.line)) << screen("s");
    }
}

// A divergent series summed directly: <space> interrupts; a breakpoint
// set in the interrupt dialogue stops the resumed run after its index.
TEST_F(summenu, InterruptedRunStopsAtItsBreakpoint)
{
    ASSERT_TRUE(menu("1/k", "k",
                     "A++<busy><Space></busy><dump i>b<text 1000000><dump b><Enter><dump j><Esc><dump e><Esc>"));
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(shows("i", "Computation interrupted:"));
    EXPECT_TRUE(shows("i", "<enter>  resume             <b> set breakpoint"));
    EXPECT_TRUE(shows("j", " Index = 1000000 ")) << screen("j");
    EXPECT_TRUE(shows("j", "Computation interrupted:"));
    EXPECT_EQ(record.doneindex, 1000000);
    EXPECT_EQ(record.runstate, 1);
    EXPECT_NEAR(record.partial.re, harmonic(1000000), 1e-12);
    EXPECT_TRUE(shows("e", "Partial sum = 14.3927267228")) << screen("e");
    EXPECT_TRUE(returned);
}

// A term that cannot be computed ends the run with the evaluator's report
// and the summation's; the partial sum keeps the terms before it.
TEST_F(summenu, EvaluationErrorEndsTheRun)
{
    ASSERT_TRUE(menu("ln(3-k)", "k", "ML<text 10>++<dump e><Enter><dump s><Enter><dump m><Esc>"));
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(shows("e", "Call to function log with argument 0")) << screen("e");
    EXPECT_TRUE(shows("s", "Runtime error while computing a sequence element")) << screen("s");
    EXPECT_EQ(record.doneindex, 2);
    EXPECT_EQ(record.partial.re, std::log(2.0));
    EXPECT_EQ(record.runstate, 0);   // nothing to resume or show
    EXPECT_FALSE(shows("m", "Finite sum")) << screen("m");
}

// STOP during a direct run brings the interrupt dialogue.
TEST_F(summenu, StopRequestInterrupts)
{
    ASSERT_TRUE(menu("1/k", "k", "A++<busy><menu 40042><yes></busy><dump s><Esc><Esc>"));
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(shows("s", "Computation interrupted:")) << screen("s");
    EXPECT_EQ(record.runstate, 1);
    EXPECT_NEAR(record.partial.re, harmonic(int(record.doneindex)), 1e-12);
}

// The help screens and the keys that lead from one to the next.
TEST_F(summenu, HelpScreens)
{
    struct {
        const char* keys;
        const char* caption;
        const char* text;
    } cases[] = {
        {"<F1>", " Help on the Summation Menu ", "This environment allows summation"},
        {"<F1>f", " Help on finite Summation ", "While <M>ode is set to \"finite\""},
        {"<F1>i", " Help on infinite Summation ", "While <M>ode is set to \"infinite\""},
        {"<F1><F1><F1>", " Help on Convergence Acceleration ", "complete monotony"},
        {"<F1>u", " Help on the Installation Assistant ", "parameter dependent infinite sum"},
        {"<S-F1>", " Help on \"Monotony Test\" ", "sign pattern of the given"},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(menu("1/k^2", "k", std::string(c.keys) + "<dump h><Esc><Esc>"));
        EXPECT_EQ(run.status, 0) << c.keys;
        EXPECT_TRUE(shows("h", c.caption)) << screen("h");
        EXPECT_TRUE(shows("h", c.text)) << c.keys;
    }
}

}  // namespace
