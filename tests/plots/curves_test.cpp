// The curve kinds below the samplers: tabulation, the approaches to the
// undefined and to the clipper border, compilation with a designer plot's
// store, and what the kinds answer about themselves.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>

#include "calculator/rk.h"
#include "formula/evalstate.h"
#include "formula/varman.h"
#include "math/valtable.h"
#include "plots/clipper.h"
#include "plots/runclippers.h"
#include "tests/plots/curvefixture.h"
#include "tests/screen/editrun.h"

namespace {
constexpr double infinity = std::numeric_limits<double>::infinity();

struct curvekinds : ::testing::Test {
    parser first;  // the shared state
};

TEST_F(curvekinds, TabulatorsMarkUndefinedPointsWithInfinity)
{
    callingobject root("sqr(x)", "x");
    directgraph g(static_cast<fastplot*>(nullptr), &root.object);
    samplerequest r = makerequest({-1, 1, 1, -1}, {0, 0, 10, 10}, 0, -1, 1);
    double values[5];
    EXPECT_EQ(g.tabulategraph(values, 5, r), 3);
    const double want[] = {infinity, infinity, 0, std::sqrt(0.5), 1};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(values[i], want[i]) << i;
    EXPECT_EQ(g.tabulategraph(values, 1, r), 0);

    callingobject half("t, sqr(t)", "t");
    directparam c(static_cast<fastplot*>(nullptr), &half.object);
    valtable table(3);
    table.startreplaceable = 1;
    table.flush();
    r.table = &table;
    r.component1 = 1;
    r.component2 = 2;
    r.plottedarg = 1;
    double xs[5], ys[5];
    EXPECT_EQ(c.tabulateparam(xs, ys, 5, r), 3);
    EXPECT_EQ(xs[1], infinity);
    EXPECT_EQ(ys[0], infinity);
    EXPECT_EQ(xs[3], 0.5);
    EXPECT_EQ(ys[4], 1);
    EXPECT_EQ(table.count(), 3u);  // the defined points, recorded
    EXPECT_EQ(c.tabulate(1, r), 0);
    r.table = nullptr;
    EXPECT_EQ(c.tabulate(5, r), 0);  // no table: nothing evaluated
}

TEST_F(curvekinds, ApproachesEndOnTheDefinedAndOpenSide)
{
    callingobject root("sqr(x)", "x");
    directgraph g(static_cast<fastplot*>(nullptr), &root.object);
    g.plottedarg = g.plottedvalue = 1;
    ASSERT_TRUE(g.implement());
    double t = 1;
    double v = g.toundefined(t, -1.3, 1e-12);
    EXPECT_EQ(g.status, canplot::defined);
    EXPECT_GE(t, 0);
    EXPECT_LT(t, 1e-11);
    EXPECT_EQ(v, std::sqrt(t));
    // An undefined start stays where it is, undefined.
    t = -1;
    g.toundefined(t, 0.5, 1e-12);
    EXPECT_EQ(t, -1);
    EXPECT_EQ(g.status, canplot::undefined);

    // x kept below 0.5: the walk ends on the open side of the border and
    // answers the value there, not the last refused trial.
    boundclipper below(0, -10, 0.5);
    for (double s : {1.0, 0.7}) {
        runchain chain(g, &below);
        t = 0;
        v = g.toclipper(t, s, 1e-9);
        EXPECT_LE(t, 0.5) << s;
        EXPECT_GT(t, 0.5 - 1e-8) << s;
        EXPECT_EQ(v, std::sqrt(t)) << s;
        EXPECT_EQ(g.status, canplot::defined);
    }
    EXPECT_EQ(g.runclippers, nullptr);
    EXPECT_EQ(g.toclipper(t, 1, 1e-9), 0);  // no chain

    callingobject half("t, sqr(t)", "t");
    directparam c(static_cast<fastplot*>(nullptr), &half.object);
    c.plottedarg = 1;
    ASSERT_TRUE(c.implement());
    t = 2;
    curvepoint p = c.toundefined(t, -3, 1e-12);
    EXPECT_GE(t, 0);
    EXPECT_LT(t, 1e-11);
    EXPECT_EQ(p.x, t);
    runchain chain(c, &below);
    t = 0.25;
    p = c.toclipper(t, 1, 1e-9);
    EXPECT_LE(t, 0.5);
    EXPECT_GT(t, 0.5 - 1e-8);
    EXPECT_EQ(p.y, std::sqrt(t));
}

TEST_F(curvekinds, DesignerCurvesCompileWithTheirPlotsStore)
{
    varman* globals = shared.globals;
    ASSERT_NE(globals, nullptr);
    globals->setvalue('a', 1);
    varman store;
    store.setvalue('a', 3);
    auto* f = new funm;
    f->setformula("a*x", "x");
    calcfunm object;
    object.setcalled(f);
    directgraph g(static_cast<plot*>(nullptr), &object);
    g.varstore = &store;
    g.plottedarg = g.plottedvalue = 1;
    ASSERT_TRUE(g.implement());
    EXPECT_EQ(shared.globals, globals);
    EXPECT_EQ(g.valueat(2, 0), 6);
    EXPECT_EQ(globals->value('a'), 1);
    // A formula that does not compile shows its diagnosis; the global
    // store comes back all the same.
    f->setformula("a*", "x");
    bool ok = true;
    hostrun run = rundialogue("<dump diagnosis><Enter>", [&] { ok = g.implement(); });
    EXPECT_FALSE(ok);
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(dumptext(run, "diagnosis").find("a*"), std::string::npos);
    EXPECT_EQ(shared.globals, globals);
}

TEST_F(curvekinds, KindsAnswerTheirRangeOptionsAndStartRecords)
{
    callingobject source("x*y, x+y", "xy");
    RK rk;
    rk.shape = {2, 3, 's', false};
    directgraph dg(static_cast<fastplot*>(nullptr), &source.object);
    rkgraph rg(static_cast<fastplot*>(nullptr), &rk);
    directparam dp(static_cast<fastplot*>(nullptr), &source.object);
    rkparam rp(static_cast<fastplot*>(nullptr), &rk);
    struct {
        canplot* curve;
        uint8_t unrestricted, newsample;
    } cases[] = {{&dg, 1, 0}, {&rg, 1, 1}, {&dp, 0, 1}, {&rp, 0, 1}};
    for (const auto& k : cases) {
        rangerecord range;
        k.curve->rangeoptions(range);
        EXPECT_EQ(range.unrestrictedallowed, k.unrestricted);
        EXPECT_EQ(range.newsampleallowed, k.newsample);
    }
    dg.plottedarg = 2;
    rkshape start;
    dg.startpoint(start);
    EXPECT_EQ(start.order, 0);
    EXPECT_EQ(start.dimension, 2);
    EXPECT_EQ(start.independent, 'y');
    EXPECT_FALSE(start.arclength);
    EXPECT_TRUE(start.second);
    rp.startpoint(start);
    EXPECT_EQ(start.order, 2);
    EXPECT_EQ(start.dimension, 3);
    EXPECT_EQ(start.independent, 's');
    EXPECT_TRUE(start.second);
    EXPECT_EQ(rg.tabulate(10, samplerequest{}), 1);
    EXPECT_EQ(dg.tabulate(10, samplerequest{}), 0);
    EXPECT_EQ(dp.pointlimit, 10000u);
}

}  // namespace
