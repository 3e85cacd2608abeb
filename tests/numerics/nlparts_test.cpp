#include <gtest/gtest.h>

#include <cmath>

#include "nlfixture.h"
#include "screen/textlist.h"

namespace {

TEST(doublering, NewestFirstAndOverwritesTheOldest)
{
    doublering ring(3);
    for (double v : {1.0, 2.0, 3.0, 4.0})
        ring.push(v);
    EXPECT_EQ(ring.size(), 3);
    EXPECT_EQ(ring.at(1), 4.0);
    EXPECT_EQ(ring.at(3), 2.0);
    EXPECT_EQ(ring.sum(), 9.0);
}

TEST(ringtrend, CountsTheNewestEntriesThatKeepTheTrend)
{
    doublering ring(30);
    // Pushed oldest first: the newest four rise step by step.
    for (double v : {9.0, 1.0, 2.0, 3.0, 4.0})
        ring.push(v);
    EXPECT_EQ(ringtrend(ring, 1, 1), 3);
    EXPECT_EQ(ringtrend(ring, -1, 1), 0);
    doublering curved(30);
    for (double v : {0.0, 1.0, 4.0, 9.0, 16.0})
        curved.push(v);
    EXPECT_EQ(ringtrend(curved, 1, 2), 3);
}

TEST(magnitudespan, IgnoresZerosAndEntriesBeyondFifteenOrders)
{
    std::vector<double> v{0, 1e3, -1e-1, 0.0, 1e-20};
    EXPECT_NEAR(magnitudespan(v.data(), 4), 4.0, 1e-12);
}

TEST(nliter, ScalingIsProposedFromTwoThousandOn)
{
    fnminimizer e(2, [](const double* x) { return x[0] * x[0] + x[1] * x[1]; });
    std::vector<double> small{1999, 1}, large{2000, 1};
    e.ini(small.data());
    EXPECT_FALSE(e.rescale);
    e.ini(large.data());
    EXPECT_TRUE(e.rescale);
    // The proposal: the coordinates' sizes, at least 1e-7 of the largest.
    EXPECT_EQ(e.scratch1[1], 2000.0);
    EXPECT_EQ(e.scratch1[2], 1.0);
    // A new scale keeps the user's point.
    std::vector<double> scale{1, 2000, 1e-3};
    e.setscaling(scale.data());
    EXPECT_EQ(position(e), (std::vector<double>{2000, 1}));
    EXPECT_DOUBLE_EQ(e.x[1], 1.0);
}

TEST(NLminimizer, ShiftsOnlyAnIndefiniteHessian)
{
    fnminimizer convex(2, [](const double* x) { return x[0] * x[0] + 3 * x[1] * x[1] + x[0] * x[1]; });
    std::vector<double> start{1, 1};
    convex.ini(start.data());
    convex.singlestep();
    EXPECT_EQ(convex.mutotal, 0.0);
    // All-zero Hessian: the first shift is 1.0 (logged), then refined.
    fnminimizer linear(2, [](const double* x) { return x[0] + x[1]; });
    linear.setlogging(1);
    linear.ini(start.data());
    linear.singlestep();
    EXPECT_NE(linear.mu, 0.0);
    ASSERT_NE(linear.log, nullptr);
    int found = 0;
    for (int i = 1; i < linear.log->count; i++)
        found += std::string(linear.log->text(i)) == "Hessian was perturbed by mu= 1";
    EXPECT_EQ(found, 1);
}

TEST(NLminimizer, NoUnboundednessBeforeStepFive)
{
    fnminimizer e(2, [](const double* x) { return x[0] * x[0] + x[1] * x[1] * x[1]; });
    std::vector<double> start{1, 1};
    e.ini(start.data());
    int st = runengine(e);
    EXPECT_EQ(st, nlunbounded);
    EXPECT_GE(e.counter, 6);
    // Going on lowers the bound.
    double bound = e.safetybound;
    e.singlestep();
    EXPECT_LT(e.safetybound, bound);
}

TEST(NLsolver, OneStepOverrideSetsKritOrRank)
{
    auto system = [](const double* x, double* r) {
        r[0] = x[0] + x[1] + x[2] + x[3] - 4;
        r[1] = x[0] - x[1];
        r[2] = x[2] * x[2] - 1;
        r[3] = x[3] - 2 * x[0];
    };
    fnsolver e(4, 4, system);
    std::vector<double> start{0.5, 0.5, 2, 0.5};
    e.setstart(start.data());
    e.override = 3.0;
    e.singlestep();
    EXPECT_EQ(e.qr.rank, 3);
    EXPECT_EQ(e.override, -1.0);
    e.singlestep();
    EXPECT_EQ(e.qr.rank, 4);
    // 0.5 as krit for one step: only the largest column is kept.
    e.override = 0.5;
    e.singlestep();
    EXPECT_LT(e.qr.rank, 4);
}

TEST(NLsolver, ExactZeroResidualReportsNoProgress)
{
    fnsolver e(1, 1, [](const double* x, double* r) { r[0] = x[0] - 2; });
    std::vector<double> start{2};
    e.setstart(start.data());
    EXPECT_EQ(e.IQ, 0.0);
    e.state = nluserbreak;
    linelist status;
    EXPECT_TRUE(e.report(&status, nullptr, nullptr));
    EXPECT_EQ(e.state, nlnoprogress);
}

}  // namespace
