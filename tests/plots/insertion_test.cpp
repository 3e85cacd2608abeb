// A calculator's curve put into a designer plot: the perspective and
// window questions, the colour, the pending insertion and the curves'
// samples.
#include <gtest/gtest.h>

#include <cmath>

#include "calculator/rksetup.h"
#include "math/valtable.h"
#include "plots/clipper.h"
#include "plots/insertion.h"
#include "plots/plot.h"
#include "tests/plots/fastplotfixture.h"

namespace {

bool same(const drect& a, const drect& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

struct insertion : fastplotsitting {
    // A computed plot of sin over [0, 3] in the window, as plot #1.
    static fastplot& sinplot(calculator& c, const drect& w)
    {
        c.dropplots();
        return plotof(c, plottype::simple, 0, 3, w);
    }
};

const drect w1{0, 2, 3, -2}, w2{0, 1, 3, -1}, w3{0, 4, 3, -4};

}  // namespace

TEST_F(insertion, TheFirstCurveGetsTheIdentityAndPerspectiveOne)
{
    hostrun run = withcalc("<dump colour>r", [&](calculator& c) {
        ready(c, "sin(x)");
        plot p;
        ASSERT_TRUE(p.insertfastplot(sinplot(c, w1)));
        ASSERT_EQ(p.perspectives.count, 1);
        plotpsp& psp = *p.perspectives.first();
        EXPECT_EQ(psp.number, 1);
        EXPECT_TRUE(same(psp.mapping, identitymapping));
        EXPECT_EQ(p.currentpsp, 1);
        EXPECT_EQ(psp.consider.count, 1);
        EXPECT_EQ(psp.apnr, 1);
        ASSERT_EQ(p.curves.count, 1);
        EXPECT_TRUE(same(p.curves.first()->world, w1));
        EXPECT_EQ(p.curves.first()->colour, 1);
        EXPECT_EQ(p.graphs.count, 1);
        EXPECT_EQ(plot::pendingcurve, nullptr);
        EXPECT_EQ(plot::pendingentry, nullptr);
        EXPECT_EQ(plot::pendingpsp, nullptr);
        EXPECT_EQ(plot::pendinggraph, nullptr);
    });
    EXPECT_TRUE(has(run, "colour", "<l>  lightblue"));
}

TEST_F(insertion, AnEqualWindowIsTakenWithoutAQuestion)
{
    hostrun run = withcalc("r<dump second>g", [&](calculator& c) {
        ready(c, "sin(x)");
        plot p;
        ASSERT_TRUE(p.insertfastplot(sinplot(c, w1)));
        ASSERT_TRUE(p.insertfastplot(sinplot(c, w1)));
        EXPECT_EQ(p.perspectives.count, 1);
        EXPECT_EQ(p.curves.count, 2);
        EXPECT_EQ(p.perspectives.first()->apnr, 2);
        EXPECT_EQ(p.countmappings(), 1u);
    });
    EXPECT_TRUE(has(run, "second", "Choose a color please"));
}

TEST_F(insertion, CopyOverDefineAndTheQuestionsOfTwoMappings)
{
    const char* keys = "r"                                // w1: a new plot
                       "<dump new>cg"                     // w2: copied over
                       "db"                               // w3: a new perspective
                       "<dump use>y<dump switch>ym";      // w3 again from perspective 1
    hostrun run = withcalc(keys, [&](calculator& c) {
        ready(c, "sin(x)");
        plot p;
        ASSERT_TRUE(p.insertfastplot(sinplot(c, w1)));
        ASSERT_TRUE(p.insertfastplot(sinplot(c, w2)));
        EXPECT_EQ(p.copyover, 1);
        EXPECT_TRUE(same(p.curves.at(2)->world, w2));
        EXPECT_EQ(p.countmappings(), 2u);

        ASSERT_TRUE(p.insertfastplot(sinplot(c, w3)));
        ASSERT_EQ(p.perspectives.count, 2);
        plotpsp& second = *p.perspectives.at(2);
        EXPECT_EQ(second.number, 2);
        EXPECT_EQ(p.currentpsp, 2);
        // The new curve shares mapping 2 and looks as in the fastplot.
        EXPECT_TRUE(same(p.curves.at(3)->world, w2));
        EXPECT_TRUE(windowsmatch(second.consider.at(second.apnr)->mappedwindow(), w3));

        p.currentpsp = 1;
        ASSERT_TRUE(p.insertfastplot(sinplot(c, w3)));
        EXPECT_EQ(p.currentpsp, 2);
        EXPECT_TRUE(same(p.curves.at(4)->world, w2));
        EXPECT_EQ(p.curves.at(4)->colour, 4);
    });
    EXPECT_TRUE(has(run, "new", "This perspective is new"));
    EXPECT_TRUE(has(run, "use", "Use mapping nr. 2"));
    EXPECT_TRUE(has(run, "switch", "Switch to perspective 2"));
}

TEST_F(insertion, EscInTheColourQuestionLeavesThePlot)
{
    hostrun run = withcalc("rx<dump wrong><Enter><Esc>", [&](calculator& c) {
        ready(c, "sin(x)");
        plot p;
        ASSERT_TRUE(p.insertfastplot(sinplot(c, w1)));
        EXPECT_FALSE(p.insertfastplot(sinplot(c, w1)));
        EXPECT_EQ(p.curves.count, 1);
        EXPECT_EQ(p.graphs.count, 1);
        EXPECT_EQ(p.perspectives.count, 1);
        EXPECT_EQ(p.perspectives.first()->consider.count, 1);
        EXPECT_EQ(plot::pendingpsp, nullptr);
    });
    EXPECT_TRUE(has(run, "wrong", "There is no such color"));
}

TEST_F(insertion, ThreeParametricCurvesShareOneGraphAndOneClipperCopy)
{
    withcalc("l", [&](calculator& c) {
        ready(c, "cos(x), sin(x), 2*sin(x)");
        auto* f = new fastplot(&c);
        c.plot1 = f;
        f->spec.type = plottype::parametric;
        f->spec.rangehigh = 2 * M_PI;
        setpairs(*f, {{0, 1}, {0, 2}, {1, 2}});
        f->spec.clippers = new clipper;
        ASSERT_TRUE(f->ini({}));
        ASSERT_TRUE(f->compute());
        plot p;
        ASSERT_TRUE(p.insertfastplot(*f));
        ASSERT_EQ(p.curves.count, 3);
        ASSERT_EQ(p.graphs.count, 1);
        canplot* g = p.graphs.first();
        EXPECT_EQ(g->ownclippers.count, 1);
        EXPECT_NE(g->ownclipperlist(), f->spec.clippers);
        // Each further curve goes in front: the last pair comes first.
        uint16_t pairs[3][2] = {{2, 3}, {1, 3}, {1, 2}};
        for (int i = 1; i <= 3; ++i) {
            plotcurve& k = *p.curves.at(i);
            EXPECT_EQ(k.graph, g);
            EXPECT_EQ(k.clippers, nullptr);
            EXPECT_EQ(k.colour, 5);
            EXPECT_EQ(k.selection[0], pairs[i - 1][0]);
            EXPECT_EQ(k.selection[1], pairs[i - 1][1]);
            EXPECT_EQ(k.owntable, p.curves.first()->owntable);
        }
        plotpsp& psp = *p.perspectives.first();
        EXPECT_EQ(psp.consider.count, 3);
        EXPECT_EQ(psp.apnr, 3);
        EXPECT_EQ(psp.consider.at(3)->curve, p.curves.at(3));
    });
}

TEST_F(insertion, ACurveKeepsItsTableWhenTheCalculatorIsReset)
{
    withcalc("r", [&](calculator& c) {
        c.owner->fastplotrect = {10, 100, 610, 400};
        c.setup = new rksetup;
        c.setup->shape = {2, 1, 't', false};
        c.setup->setformula("-f.1");
        c.setup->zerostart();
        c.setup->start[2] = 1;
        c.setup->setallgiven();
        ASSERT_TRUE(c.makemyrk());
        c.setstatus(calcstatus::mustimplement);
        c.proceed(true);
        fastplot& f = plotof(c, plottype::simple, 0, 10, {0, 1.5, 10, -1.5});
        plot p;
        ASSERT_TRUE(p.insertfastplot(f));
        c.release();
        plotcurve& k = *p.curves.first();
        ASSERT_NE(k.owntable, nullptr);
        samplerequest q;
        q.unit = {0, 1, 1, 0};
        q.screen = {0, 0, 400, 300};
        sampleresult r;
        // First from the fastplot's table, which is then let go; then
        // from the curve's own table.
        EXPECT_NE(k.fastplottable, nullptr);
        EXPECT_TRUE(generatesample(k, q, r));
        EXPECT_GT(r.count(), 100);
        EXPECT_EQ(k.fastplottable, nullptr);
        EXPECT_EQ(k.owntable->count(), 1u);
        sampleresult again;
        EXPECT_TRUE(generatesample(k, q, again));
        EXPECT_EQ(again.count(), r.count());
        k.enabled = 0;
        samplerequest untouched;
        EXPECT_FALSE(generatesample(k, untouched, r));
        EXPECT_EQ(untouched.table, nullptr);
    });
}
