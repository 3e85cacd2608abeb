// A designer plot's curve copied into another plot computes from that
// plot's private copies of its sources.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "calculator/calcfunm.h"
#include "calculator/rk.h"
#include "formula/compile.h"
#include "math/valtable.h"
#include "plots/curves.h"
#include "plots/plot.h"
#include "tests/objects/sittings.h"
#include "tests/plots/curvefixture.h"

namespace {

struct curvecopies : sittings {};

TEST_F(curvecopies, CopiesComputeFromTheTargetPlotsSources)
{
    double direct = NAN, solved = NAN;
    sitting("", [&] {
        plot p0, p1;
        auto a = std::make_unique<callingobject>("x*x+1", "x");
        directgraph g(&p0, p0.registerfunction(&a->object));
        g.components = &p0.components;
        g.plottedarg = g.plottedvalue = 1;
        ASSERT_TRUE(g.firstimplement());
        EXPECT_EQ(g.copyto(&p0), nullptr);
        EXPECT_EQ(g.copyto(nullptr), nullptr);
        directgraph live(static_cast<fastplot*>(nullptr), &a->object);
        EXPECT_EQ(live.copyto(&p1), nullptr);
        EXPECT_EQ(p1.calcfunms.count, 0);
        std::unique_ptr<canplot> copy(g.copyto(&p1));
        ASSERT_NE(copy, nullptr);
        auto* dg = static_cast<directgraph*>(copy.get());
        EXPECT_EQ(dg->object, p1.calcfunms.first());
        EXPECT_EQ(dg->source, &p1);
        a.reset();
        dg->plottedvalue = 1;  // as a sampling request sets it
        direct = dg->valueat(3, 0);

        // y' = y from (0, 1), copied with its solver.
        RK rk;
        rk.shape = {1, 1, 't', false};
        rk.setformula("f.1");
        rk.table = std::make_shared<valtable>(2);
        rk.table->startvector[1] = 1;
        ASSERT_TRUE(rk.compile(compilemode::normal, nullptr, nullptr, nullptr));
        rkgraph r(&p0, p0.registerrksolver(&rk));
        r.components = &p0.components;
        r.plottedvalue = 1;
        ASSERT_TRUE(r.firstimplement());
        std::unique_ptr<canplot> rcopy(r.copyto(&p1));
        ASSERT_NE(rcopy, nullptr);
        auto* rg = static_cast<rkgraph*>(rcopy.get());
        EXPECT_EQ(rg->solver, p1.solvers.first());
        EXPECT_EQ(rg->solver->owner, &p1);
        rg->plottedvalue = 1;
        solved = rg->valueat(1, 0);
    });
    EXPECT_EQ(direct, 10);
    EXPECT_NEAR(solved, std::exp(1.0), 1e-10);
}

}  // namespace
