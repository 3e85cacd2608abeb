// The space menu's keys and the argument bar of a simple plot.
#include <gtest/gtest.h>

#include <cmath>

#include "plots/fastplotcommands.h"
#include "plots/fastplotwindow.h"
#include "tests/plots/fastplotfixture.h"

namespace {

// sin x with plot #1 over -pi .. pi and plot #2 over 0 .. pi/2, #2 current.
void twoplots(calculator& c)
{
    fastplotsitting::ready(c, "sin(x)");
    fastplotsitting::plotof(c, plottype::simple, -M_PI, M_PI, {-M_PI, 1, M_PI, -1});
    auto* two = new fastplot(&c);
    two->spec.copy(c.plot1->spec);
    two->spec.rangelow = 0;
    two->spec.rangehigh = M_PI / 2;
    ASSERT_TRUE(two->ini({0, 1, M_PI / 2, 0}));
    ASSERT_TRUE(two->compute());
    c.plot2 = two;
    c.plotnumber = 2;
}

TEST_F(fastplotsitting, SpaceMenuKeys)
{
    // Every script ends with <Esc> for the menu where it must stay open:
    // an item left unread fails the run.
    struct row {
        const char* keys;
        const char* why;
        bool replaced;     // plot #1 is a new default plot, #2 gone
        bool kept;         // both plots as they were
    } rows[] = {
        {"<Space>", "space makes a new default plot", true, false},
        {"<S-Space>", "shift+space only actualizes", false, true},
        {"px<Esc>", "a single value: no parametric plot, the menu stays", false, true},
        {"c<Esc>", "no contour plot, the menu stays", false, true},
        {"lx<Esc>", "no window was saved, the menu stays", false, true},
        {"<F1><S-F1><Esc>", "help keeps the menu", false, true},
        {"ew<C-y>-2<Enter><C-y>2<Enter><C-y>-1<Enter><C-y>1<Enter><Enter><Esc>",
         "an edited window left with Esc is put back", false, true},
    };
    for (const row& r : rows) {
        fastplot *one = nullptr, *two = nullptr;
        drect world{};
        double low = 0, high = 0;
        hostrun run = withcalc(r.keys, [&](calculator& c) {
            twoplots(c);
            one = c.plot1;
            two = c.plot2;
            spacemenu(c);
            c.argwindow(low, high);
            world = c.plot1 ? c.plot1->world : drect{};
            if (r.replaced) {
                EXPECT_EQ(c.plot2, nullptr) << r.why;
                EXPECT_EQ(c.plotnumber, 1) << r.why;
                EXPECT_EQ(c.plotcount(), 1) << r.why;
                EXPECT_EQ(world.left, low) << r.why;
                EXPECT_EQ(world.right, high) << r.why;
            }
            if (r.kept) {
                EXPECT_EQ(c.plot1, one) << r.why;
                EXPECT_EQ(c.plot2, two) << r.why;
                EXPECT_EQ(c.plotcount(), 2) << r.why;
                EXPECT_EQ(c.plotnumber, 2) << r.why;
                EXPECT_EQ(two->world.right, M_PI / 2) << r.why;
            }
        });
        EXPECT_EQ(run.status, 0) << r.why;
    }
}

TEST_F(fastplotsitting, PropertiesWindowOfASimplePlotMovesItsRange)
{
    // "e" on the ready plot, "w" the window -2 .. 2 by -1 .. 1, Enter keeps
    // it, Enter in the menu computes the plot in it.
    hostrun run = withcalc("ew<C-y>-2<Enter><C-y>2<Enter><C-y>-1<Enter><C-y>1<Enter><Enter><Enter>", [&](calculator& c) {
        twoplots(c);
        spacemenu(c);
        fastplot* p = c.currentplot();
        ASSERT_NE(p, nullptr);
        EXPECT_EQ(p->world.left, -2);
        EXPECT_EQ(p->world.right, 2);
        EXPECT_EQ(p->world.bottom, -1);
        EXPECT_EQ(p->world.top, 1);
        EXPECT_EQ(p->spec.rangelow, -2);
        EXPECT_EQ(p->spec.rangehigh, 2);
        EXPECT_EQ(p->state(), 3);
    });
    EXPECT_EQ(run.status, 0);
}

TEST_F(fastplotsitting, TheBarSetsTheArgumentOnlyLowInThePlot)
{
    // The plot rectangle is 10 .. 610 by 100 .. 400 over -pi .. pi; the
    // press lies on the lower frame band.  Released at 160 the argument is
    // -pi/2 and sin of it -1; released high in the plot nothing changes.
    struct row {
        int releasey;
        bool moved;
    } rows[] = {{409, true}, {370, true}, {300, false}};
    for (const row& r : rows) {
        std::string keys = "<press 310 409 px><release 160 " + std::to_string(r.releasey) + " px>";
        withcalc(keys, [&](calculator& c) {
            ready(c, "sin(x)");
            c.setargvalue(1);
            c.proceed(false);
            plotof(c, plottype::simple, -M_PI, M_PI, {-M_PI, 1.1, M_PI, -1.1});
            c.redraw();
            ASSERT_EQ(getkeymarked(), 701);   // the press
            fastplotmouse(c);
            if (r.moved) {
                EXPECT_NEAR(c.argvalue(), -M_PI / 2, 1e-9) << r.releasey;
                EXPECT_NEAR(c.latest, -1, 1e-9) << r.releasey;
            } else {
                EXPECT_EQ(c.argvalue(), 1) << r.releasey;
            }
        });
    }
}

}  // namespace
