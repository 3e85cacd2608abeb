#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "base/report.h"
#include "formula/evalstate.h"
#include "math/seraccel.h"
#include "math/seriesterm.h"
#include "objects/sumrecord.h"
#include "objects/sumrun.h"

namespace {
// Records the indices it is called with; fails at one of them.
struct probe : seriesterm {
    double (*f)(double);
    std::vector<double> seen;
    double failat = NAN;
    unsigned char failure = evalruntime;
    explicit probe(double (*term)(double)) : f(term) {}
    double calcx(double x) override
    {
        seen.push_back(x);
        if (x == failat)
            shared.error = failure;
        return f(x);
    }
};

sumrecord finite(double first, double last, double step, char mode = '+')
{
    sumrecord r;
    r.infinite = false;
    r.mode = mode;
    r.first = first;
    r.last = last;
    r.step = step;
    r.reset();
    return r;
}

TEST(Sumrun, FiniteSumWithStepEndsOnLastIndex)
{
    sumrecord r = finite(1, 10, 3);
    probe f([](double k) { return k; });
    EXPECT_EQ(sumrun(&f, &r, nullptr), sumcomplete);
    EXPECT_EQ(f.seen, (std::vector<double>{1, 4, 7, 10}));
    EXPECT_EQ(r.result.re, 22.0);
    EXPECT_EQ(r.doneindex, 10.0);
    r.partial = r.result;   // what the monitored run accumulates
    r.runstate = 2;
    EXPECT_EQ(sumresult(r), "\n Finite sum = 22");

    // Breakpoint 0 is none: a sum that ends at index 0 is complete.
    sumrecord upto0 = finite(-3, 0, 1);
    EXPECT_EQ(sumrun(&f, &upto0, nullptr), sumcomplete);
    EXPECT_EQ(upto0.result.re, -6.0);
}

// A direct infinite run stops after kritconv negligible terms in a row;
// steps below one index unit must not stop it after one term.
TEST(Sumrun, InfiniteDirectRunConvergesOnZeroTerms)
{
    for (double step : {1.0, 0.25}) {
        sumrecord r;
        r.accel = false;
        r.step = step;
        r.reset();
        probe f([](double k) { return k < 3 ? 1.0 : 0.0; });
        EXPECT_EQ(sumrun(&f, &r, nullptr), sumcomplete) << step;
        double nonzero = std::ceil((3 - 1) / step);
        EXPECT_EQ(r.result.re, nonzero) << step;
        EXPECT_EQ(r.doneindex, 1 + (nonzero + r.kritconv - 1) * step) << step;
    }
}

// The sign follows the term number, also when a run resumes after a
// breakpoint at an odd term.
TEST(Sumrun, AlternatingSignByTermNumberAcrossResume)
{
    sumrecord r = finite(1, 8, 1, '-');
    r.altplus = false;
    r.breakpoint = 3;
    probe f([](double k) { return k; });
    EXPECT_EQ(sumrun(&f, &r, nullptr), suminterrupted);
    EXPECT_EQ(r.result.re, -1 + 2 - 3);
    EXPECT_EQ(r.doneindex, 3.0);
    complex first = r.result;
    r.breakpoint = 0;
    EXPECT_EQ(sumrun(&f, &r, nullptr), sumcomplete);
    EXPECT_EQ(first.re + r.result.re, 4.0);   // -1+2-3+4-5+6-7+8
}

// Over a whole turn of the factor the cosine and sine parts give the
// closed forms of sum k cos(k pi/2) and sum k sin(k pi/2) for k = 1..4.
TEST(Sumrun, FactorTypesTakeTheirPart)
{
    struct row {
        char mode;
        double re, im;
        const char* shown;
    } rows[] = {
        {'c', 2, 0, "2"},
        {'s', -2, 0, "-2"},
        {'e', 2, -2, "2 +i* -2"},
    };
    for (const row& w : rows) {
        sumrecord r = finite(1, 4, 1, w.mode);
        probe f([](double k) { return k; });
        EXPECT_EQ(sumrun(&f, &r, nullptr), sumcomplete);
        EXPECT_NEAR(r.result.re, w.re, 1e-14) << w.mode;
        EXPECT_NEAR(r.result.im, w.im, 1e-14) << w.mode;
        complex rounded(std::round(r.result.re), std::round(r.result.im));
        EXPECT_STREQ(sumformat(rounded, w.mode), w.shown);
    }
}

// An evaluation error or a stop request removes the term being added.
TEST(Sumrun, FailedTermIsRemoved)
{
    for (unsigned char failure : {evalruntime, evalbreak}) {
        sumrecord r = finite(1, 10, 1);
        probe f([](double k) { return k; });
        f.failat = 4;
        f.failure = failure;
        EXPECT_EQ(sumrun(&f, &r, nullptr), failure == evalbreak ? suminterrupted : sumevalerror);
        EXPECT_EQ(r.result.re, 6.0);
        EXPECT_EQ(r.doneindex, 3.0);
        shared.error = 0;
    }
}

TEST(Sumrun, MissingArgumentsEvaluateNothing)
{
    sumrecord r;
    probe f([](double k) { return k; });
    EXPECT_EQ(sumrun(&f, &r, nullptr), sumpaused);
    EXPECT_EQ(sumrun(nullptr, &r, nullptr), sumpaused);
    EXPECT_EQ(sumrun(&f, nullptr, nullptr), sumpaused);
    EXPECT_TRUE(f.seen.empty());
}

TEST(Sumrun, ResultLabels)
{
    struct row {
        bool infinite, accel;
        char mode;
        unsigned char runstate;
        const char* label;
    } rows[] = {
        {false, true, '+', 1, "Finite summation interrupted at"},
        {true, false, '+', 1, "Partial sum ="},
        {true, true, '+', 0, "Series limit ="},
        {true, false, '-', 2, "Alternating series limit ="},
        {true, true, 'c', 0, "Series limit (with cosine factor) ="},
        {true, true, 's', 0, "Series limit (with sine factor) ="},
        {true, true, 'e', 0, "Complex series limit ="},
    };
    for (const row& w : rows) {
        sumrecord r;
        r.infinite = w.infinite, r.accel = w.accel, r.mode = w.mode, r.runstate = w.runstate;
        sumresult(r);
        EXPECT_STREQ(r.label, w.label);
    }
}

TEST(Sumrun, ErrorReports)
{
    clearrecordedreports();
    for (int code : {0, 6, 7})
        sumerror(code);
    EXPECT_TRUE(recordedreports().empty());
    sumerror(3);
    sumerror(9);
    ASSERT_EQ(recordedreports().size(), 2u);
    EXPECT_EQ(recordedreports()[0].text, "\n Accelerator error: inner loop fails to converge \n");
    EXPECT_EQ(recordedreports()[0].caption, " Summation Error ");
    EXPECT_EQ(recordedreports()[1].text, "\n Unknown error type \n");
    clearrecordedreports();
}

TEST(Sumrecord, SwapModeKeepsEachModesRun)
{
    sumrecord r = finite(1, 5, 1);
    probe f([](double k) { return k; });
    sumrun(&f, &r, nullptr);
    r.partial = r.result;
    r.runstate = 2;
    r.swapmode();
    EXPECT_TRUE(r.infinite);
    EXPECT_EQ(r.runstate, 0);
    r.swapmode();
    EXPECT_FALSE(r.infinite);
    EXPECT_EQ(r.runstate, 2);
    EXPECT_EQ(r.doneindex, 5.0);
    EXPECT_EQ(r.partial.re, 15.0);
    EXPECT_TRUE(r.hasresult());
}
}
