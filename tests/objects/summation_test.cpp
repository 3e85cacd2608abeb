#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "formula/evalstate.h"
#include "math/seraccel.h"
#include "objects/sumrecord.h"
#include "objects/sumrun.h"
#include "tests/objects/refdata/series.h"

namespace {
using testseries::counted;

// The settings of an accelerated infinite sum of a test series.
sumrecord settings(const testseries::series& s)
{
    sumrecord r;
    r.mode = s.mode;
    r.first = s.first;
    r.rot = s.rot;
    r.reset();
    return r;
}

TEST(Summation, AcceleratedLimitsMatchReferences)
{
    auto refs = testseries::references(VEMO_SOURCE_DIR "/tests/objects/refdata/series.txt");
    ASSERT_EQ(refs.size(), std::size(testseries::all));
    for (const testseries::series& s : testseries::all) {
        sumrecord r = settings(s);
        seraccel a;
        counted f(s.term);
        EXPECT_EQ(sumrun(&f, &r, &a), sumcomplete) << s.name;
        EXPECT_GE(testseries::digits(r.result.re, refs[s.name].value), 14.0) << s.name << " " << r.result.re;
        EXPECT_EQ(r.result.im, 0.0) << s.name;
    }
}

// A rotating factor with phase: sum of cos(k + phase)/k and the complex
// type's two parts, from the closed forms of sum e^(ik)/k.
TEST(Summation, ComplexTypeKeepsBothParts)
{
    double phase = 0.3;
    complex z(-std::log(2 * std::sin(0.5)), (std::numbers::pi - 1) / 2);
    complex expected = cmul(z, complex(std::cos(phase), std::sin(phase)));
    sumrecord r;
    r.mode = 'e';
    r.rot = 1;
    r.phase = phase;
    seraccel a;
    counted f([](double k) { return 1 / k; });
    ASSERT_EQ(sumrun(&f, &r, &a), sumcomplete);
    EXPECT_NEAR(r.result.re, expected.re, 1e-13);
    EXPECT_NEAR(r.result.im, expected.im, 1e-13);
}

TEST(Seraccel, RepeatedPartialSumConvergesAtSecondAveraging)
{
    seraccel a;
    ASSERT_TRUE(a.prepare(1, false));
    a.resetmittel();
    complex z(2.5, 0);
    EXPECT_EQ(a.mittel(z), 0);
    z = {2.5, 0};
    EXPECT_EQ(a.mittel(z), 1);
    EXPECT_EQ(z.re, 2.5);
}

// Terms that grow leave the averaging column without a repetition; terms
// that keep one size leave the doubling blocks without an end.
TEST(Seraccel, FailureStatuses)
{
    seraccel a;
    counted growing([](double k) { return std::exp(k); });
    a.altlimit(&growing, 0, 1, 1);
    EXPECT_EQ(a.status, seraccel::columnfull);
    EXPECT_EQ(a.nblocks, 100);

    counted constant([](double) { return 1.0; });
    a.reallimit(&constant, 1, 1);
    EXPECT_EQ(a.status, seraccel::runaway);
    EXPECT_TRUE(a.npieces == a.maxpieces + 1 || std::ldexp(1.0, a.npieces - 1) > 1e300) << a.npieces;
}

// A level's arrays were made for the first accelerator at that level; one
// that asks for a longer column gets longer arrays, not a write past them.
TEST(Seraccel, LongerColumnThanTheLevelHolds)
{
    seraccel first;
    counted f([](double k) { return 1 / (k + 1); });
    first.altlimit(&f, 0, 1, 1);
    seraccel longer;
    longer.maxcolumn = 150;
    counted growing([](double k) { return std::exp(k); });
    longer.altlimit(&growing, 0, 1, 1);
    EXPECT_EQ(longer.status, seraccel::columnfull);
    EXPECT_EQ(longer.nblocks, 150);
}

TEST(Seraccel, EvaluationErrorInLeadInOfRotatingSum)
{
    struct failing : seriesterm {
        unsigned char code;
        double calcx(double x) override
        {
            if (x == 5)
                shared.error = code;
            return 1.0;
        }
    };
    for (unsigned char code : {evalruntime, evalbreak}) {
        seraccel a;
        failing f;
        f.code = code;
        complex s = a.cplxlimit(&f, 1, 1, 0, 0);
        EXPECT_EQ(a.status, code == evalbreak ? seraccel::userbreak : seraccel::evalfailed);
        EXPECT_EQ(s.re, 5.0);   // the terms 1 to 5, the failing one with them
        EXPECT_EQ(a.nterms, 4);
        shared.error = 0;
    }
}

// Each term computes an inner limit, five levels deep; the sixth is refused
// before any term, and the failure travels out as an evaluation error.
TEST(Seraccel, NestingDeeperThanFiveLevelsFails)
{
    struct nested : seriesterm {
        int depth = 1;
        int* deepest = nullptr;
        int* refused = nullptr;
        double calcx(double x) override
        {
            *deepest = std::max(*deepest, depth);
            nested inner;
            inner.depth = depth + 1;
            inner.deepest = deepest;
            inner.refused = refused;
            seraccel a;
            double v = a.altlimit(&inner, 1, 1, 1);
            if (a.status == seraccel::toodeep)
                *refused = depth + 1;
            if (a.status)
                shared.error = evalruntime;
            return v / (x * x);
        }
    };
    int deepest = 0, refused = 0;
    nested top;
    top.deepest = &deepest;
    top.refused = &refused;
    seraccel a;
    EXPECT_EQ(a.altlimit(&top, 1, 1, 1), 0.0);
    EXPECT_EQ(a.status, seraccel::evalfailed);
    EXPECT_EQ(deepest, 5);
    EXPECT_EQ(refused, 6);
    shared.error = 0;
}

TEST(Seraccel, BlockLengthIsCutToSlowdiv)
{
    seraccel a;
    EXPECT_EQ(a.blocklength(1.0), 1);
    EXPECT_EQ(a.blocklength(-0.5), 2);
    EXPECT_EQ(a.blocklength(0.34), 2);   // 1/0.34 = 2.94 rounds to 3
    EXPECT_EQ(a.slowlimit(), 1.0 / 3);
}
}
