// "ppn", "pp+" and "p+" on a calculator with a computed fastplot: what
// the plot list holds afterwards.
#include <gtest/gtest.h>

#include "plots/insertion.h"
#include "plots/plot.h"
#include "plots/plotlist.h"
#include "tests/plots/fastplotfixture.h"

namespace {
struct designercmds : fastplotsitting {
    void TearDown() override
    {
        dropplotlist();
        fastplotsitting::TearDown();
    }
};
}  // namespace

TEST_F(designercmds, NewPlotAndAddedCurvesFromTheFastplot)
{
    hostrun run = withcalc("<dump none>xr<Esc>gb<Esc>", [&](calculator& c) {
        ready(c, "sin(x)");
        fastplot& f = plotof(c, plottype::simple, 0, 3, {0, 2, 3, -2});
        adddesignerplot(c);
        EXPECT_EQ(currentplot(), nullptr);
        newdesignerplot(c);
        adddesignerplot(c);
        adddesignershown(c);
        ASSERT_EQ(plotlist().count, 1);
        plot* p = currentplot();
        ASSERT_NE(p, nullptr);
        ASSERT_EQ(p->curves.count, 3);
        EXPECT_EQ(p->graphs.count, 3);
        EXPECT_EQ(p->perspectives.count, 1);
        for (int i = 1; i <= 3; ++i) {
            EXPECT_TRUE(windowsmatch(p->curves.at(i)->world, f.world)) << i;
            EXPECT_EQ(p->curves.at(i)->colour, i) << i;
        }
    });
    EXPECT_TRUE(has(run, "none", "There has no designer plot been created yet."));
}

TEST_F(designercmds, ARefusedActualizationMakesNoPlot)
{
    hostrun run = withcalc("<dump refused><Esc>", [&](calculator& c) {
        ready(c, "sin(x)");
        fastplot& f = plotof(c, plottype::simple, 0, 3, {0, 2, 3, -2});
        f.stamp.mode = 10;
        newdesignerplot(c);
        EXPECT_EQ(plotlist().count, 0);
    });
    EXPECT_TRUE(has(run, "refused", "The plot cannot be actualized"));
}
