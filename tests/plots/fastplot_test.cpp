// The fastplot: set-up and computation, the flags that follow the
// calculator, the check before a plot is recomputed and the calculator's
// count of plots.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "formula/varman.h"
#include "tests/plots/fastplotfixture.h"

namespace {

int countkind(const sampleresult& r, uint32_t kind)
{
    int n = 0;
    for (uint32_t i = 1; r.points && i < r.points->count; ++i)
        n += r.points->at(i).kind == kind;
    return n;
}

}  // namespace

TEST_F(fastplotsitting, AWindowWithoutHeightTakesItFromTheSample)
{
    withcalc("", [&](calculator& c) {
        ready(c, "sin(x)");
        fastplot& f = plotof(c, plottype::simple, 0, 2 * M_PI);
        EXPECT_EQ(f.state(), 3);
        EXPECT_EQ(f.sampleflag, 1);
        EXPECT_DOUBLE_EQ(f.world.left, 0);
        EXPECT_DOUBLE_EQ(f.world.right, 2 * M_PI);
        // A little more than the values' range.
        EXPECT_GT(f.world.top, 1);
        EXPECT_LT(f.world.top, 1.1);
        EXPECT_LT(f.world.bottom, -1);
        EXPECT_GT(f.world.bottom, -1.1);
        // 601 columns; the two on the window's edges are not inside it.
        EXPECT_EQ(countkind(f.result, plotcmd::move), 1);
        EXPECT_EQ(countkind(f.result, plotcmd::line), 598);
        EXPECT_EQ(c.plotcount(), 1);
    });
}

TEST_F(fastplotsitting, AGivenWindowIsSampledOncePerPaneColumn)
{
    withcalc("", [&](calculator& c) {
        ready(c, "sin(x)");
        fastplot& f = plotof(c, plottype::simple, 0, 3, {0, 2, 3, -2});
        ASSERT_EQ(f.sampleflag, 0);
        // sin stays inside the window: every column a point of the line.
        EXPECT_EQ(countkind(f.result, plotcmd::move), 1);
        EXPECT_EQ(countkind(f.result, plotcmd::move) + countkind(f.result, plotcmd::line), f.width() + 1);
    });
}

TEST_F(fastplotsitting, FewerThanTwoDefinedPointsMakeNoPlot)
{
    withcalc("", [&](calculator& c) {
        ready(c, "ln(-1-x*x)");
        fastplot* f = &specified(c, plottype::simple, 0, 1);
        EXPECT_FALSE(f->ini({}));
        EXPECT_EQ(f->state(), 1);
        EXPECT_EQ(f->ordinates, nullptr);
    });
}

TEST_F(fastplotsitting, AnUndefinedValueBreaksTheQuickLine)
{
    withcalc("", [&](calculator& c) {
        ready(c, "sin(x)");
        fastplot* f = &specified(c, plottype::simple, 0, 2 * M_PI);
        ASSERT_TRUE(f->ini({}));
        ASSERT_EQ(f->samplecount, 601u);
        f->ordinates[300] = INFINITY;
        ASSERT_TRUE(f->compute());
        EXPECT_EQ(f->sampleflag, 1);
        EXPECT_EQ(countkind(f->result, plotcmd::move), 2);
        EXPECT_EQ(countkind(f->result, plotcmd::line), 596);
        EXPECT_EQ(f->result.points->at(f->result.points->count - 1).kind, plotcmd::end);
    });
}

TEST_F(fastplotsitting, FlagsFollowTheCalculator)
{
    withcalc("", [&](calculator& c) {
        ready(c, "sin(x), cos(x)");
        fastplot& f = plotof(c, plottype::simple, 0, 3, {0, 2, 3, -2});
        f.updateflags();
        EXPECT_EQ(f.current, 1);
        EXPECT_EQ(f.bar, 1);
        // Another value: grey, but the argument bar stays.
        c.valueindex() = 2;
        EXPECT_TRUE(f.updateflags());
        EXPECT_EQ(f.current, 0);
        EXPECT_EQ(f.bar, 1);
        c.valueindex() = 1;
        // Another formula: neither.
        c.setformula("sin(x)*2, cos(x)", "x");
        c.reimplement();
        EXPECT_TRUE(f.updateflags());
        EXPECT_EQ(f.current, 0);
        EXPECT_EQ(f.bar, 0);
    });
}

TEST_F(fastplotsitting, ActualizationAsksWhatTheChangesNeed)
{
    struct {
        const char* name;
        std::function<void(plotstamp&)> change;
        int threshold;
        const char* keys;
        bool result;
        const char* text;      // in the question, "" without one
        const char* absent;
    } cases[] = {
        {"nothing", [](plotstamp&) {}, 0, "", true, "", "N O T I C E"},
        {"letters", [](plotstamp& s) { s.lettersum++; }, 99, "<dump q><Enter>", true, "seems impossible",
         "N O T I C E"},
        {"letters esc", [](plotstamp& s) { s.lettersum++; s.othersum++; }, 0, "<dump q><Esc>", false,
         "seems impossible", "N O T I C E"},
        {"mode", [](plotstamp& s) { s.mode = 10; }, 99, "<dump q><Esc>", false, "\"Runge Kutta", ""},
        {"others 99", [](plotstamp& s) { s.othersum++; s.cell.high++; s.letter = 'y'; }, 99, "", true, "", ""},
        {"others 0", [](plotstamp& s) { s.othersum++; s.cell.high++; }, 0, "<dump q><Enter>", true,
         "Values of global variables", "marked items"},
        {"others esc", [](plotstamp& s) { s.othersum++; }, 0, "<dump q><Esc>", false,
         "The nonselected arguments", "marked items"},
        {"undoable", [](plotstamp& s) { s.derivative = 1; }, 0, "<dump q><Esc>", false,
         "The 1 marked items", ""},
    };
    for (const auto& k : cases) {
        bool got = false;
        hostrun run = withcalc(k.keys, [&](calculator& c) {
            ready(c, "sin(x)*y", "xy");
            fastplot& f = plotof(c, plottype::simple, 0, 3, {0, 2, 3, -2});
            k.change(f.stamp);
            got = f.canactualize(k.threshold);
        });
        EXPECT_EQ(got, k.result) << k.name;
        if (*k.text) {
            EXPECT_TRUE(has(run, "q", k.text)) << k.name << dumptext(run, "q");
        }
        if (*k.text && *k.absent) {
            EXPECT_FALSE(has(run, "q", k.absent)) << k.name;
        }
    }
}

// " N O T I C E " is the title in the box's top border, and the text's
// first line starts at the left border.
TEST_F(fastplotsitting, TheNoticeIsTheBoxTitle)
{
    hostrun run = withcalc("<dump q><Esc>", [&](calculator& c) {
        ready(c, "sin(x)*y", "xy");
        fastplot& f = plotof(c, plottype::simple, 0, 3, {0, 2, 3, -2});
        f.stamp.othersum++;
        f.canactualize(0);
    });
    std::string text = dumptext(run, "q");
    EXPECT_NE(text.find("═ N O T I C E ═"), std::string::npos) << text;
    EXPECT_NE(text.find("║ The plot might not behave"), std::string::npos) << text;
}

TEST_F(fastplotsitting, ThePlotCountDropsPlotTwoAboveAnUnreadyPlotOne)
{
    withcalc("", [&](calculator& c) {
        ready(c, "sin(x)");
        c.plot1 = new fastplot(&c);
        fastplot& f = *new fastplot(&c);
        c.plot2 = &f;
        f.spec.type = plottype::simple;
        f.spec.rangehigh = 1;
        ASSERT_TRUE(f.ini({0, 1, 1, -1}));
        ASSERT_TRUE(f.compute());
        c.plotnumber = 2;
        EXPECT_EQ(c.currentplot(), &f);
        EXPECT_EQ(c.plotcount(), 0);
        EXPECT_EQ(c.plot2, nullptr);
        EXPECT_EQ(c.plotnumber, 1);
    });
}

TEST_F(fastplotsitting, AParametricPlotSpansItsCurves)
{
    withcalc("", [&](calculator& c) {
        ready(c, "cos(x), sin(x), 2*sin(x)");
        fastplot* f = &specified(c, plottype::parametric, 0, 2 * M_PI);
        setpairs(*f, {{0, 1}, {0, 2}});
        ASSERT_TRUE(f->ini({}));
        EXPECT_NE(f->sharedtable, nullptr);
        EXPECT_LT(f->world.bottom, -2);
        EXPECT_GT(f->world.top, 2);
        EXPECT_LT(f->world.left, -1);
        EXPECT_GT(f->world.right, 1);
        EXPECT_TRUE(f->compute());
        EXPECT_EQ(f->state(), 3);
        EXPECT_EQ(f->sampleflag, 0);
        EXPECT_GT(f->result.count(), 10);
    });
}
