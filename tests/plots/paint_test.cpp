#include <gtest/gtest.h>

#include "plots/canplot.h"
#include "plots/paint.h"
#include "plots/plot.h"
#include "plots/printoptions.h"
#include "screen/graphics.h"
#include "screen/palette.h"
#include "screen/screenhost.h"
#include "tests/screen/editrun.h"

namespace {

constexpr int ink = 4;

uint32_t pixel(int x, int y)
{
    screenlock lock;
    return lock.pixels().row(y)[x] & 0xFFFFFF;
}

bool inked(int x, int y)
{
    return pixel(x, y) == colorrgb(ink);
}

void clearpixels()
{
    screenlock lock;
    fillrect(lock.pixels(), {0, 0, lock.pixels().width, lock.pixels().height}, 0xFFFFFF);
}

void add(plotcmdlist& l, std::initializer_list<plotcmd> cmds)
{
    for (const plotcmd& c : cmds)
        l.append(c);
}

// Runs body on the computing thread of a headless host.
void onhost(std::function<void()> body)
{
    hostrun run = rundialogue("", [&] {
        body();
    });
    EXPECT_EQ(run.status, 0);
}

TEST(screenplotter, ColumnFormDrawsOnlyRowsAboveZero)
{
    onhost([] {
        clearpixels();
        plotcmdlist zeros;
        for (int i = 0; i < 5; i++)
            zeros.append(i ? plotcmd::line : plotcmd::move, 0, 0);
        EXPECT_FALSE(screenplotter(&zeros, ink, 100, 104));
        plotcmdlist onemove;
        add(onemove, {{plotcmd::move, 50, 0}, {plotcmd::end, 0, 0}});
        EXPECT_FALSE(screenplotter(&onemove, ink, 100, 200));
        EXPECT_FALSE(screenplotter(nullptr, ink, 100, 200));
        for (int x = 95; x < 210; x++)
            EXPECT_FALSE(inked(x, 50)) << x;
        // Columns beyond the list read entry 0, whose kind ends the run.
        plotcmdlist ramp;
        add(ramp, {{plotcmd::move, 60, 0}, {plotcmd::line, 61, 0}, {plotcmd::line, 62, 0}});
        EXPECT_TRUE(screenplotter(&ramp, ink, 100, 300));
        EXPECT_TRUE(inked(101, 61));
        EXPECT_FALSE(inked(104, 62));
    });
}

TEST(screenplotter, PointFormEndsEachPolylineWithItsPixel)
{
    onhost([] {
        clearpixels();
        plotcmdlist l;
        add(l, {{plotcmd::move, 10, 10}, {plotcmd::line, 40, 10}, {plotcmd::move, 10, 30},
                {plotcmd::line, 0, 35},   // skipped: the run goes on from (10, 30)
                {plotcmd::line, 40, 30}, {plotcmd::line, 40, 50}, {plotcmd::end, 0, 0}});
        EXPECT_TRUE(screenplotter(&l, ink));
        for (auto [x, y] : {std::pair{10, 10}, {25, 10}, {40, 10}, {25, 30}, {40, 30}, {40, 45}, {40, 50}})
            EXPECT_TRUE(inked(x, y)) << x << "," << y;
        EXPECT_FALSE(inked(40, 51));
        EXPECT_FALSE(inked(0, 35));
        EXPECT_FALSE(inked(5, 32));
    });
}

TEST(paintaxes, AxesOnlyWhereZeroLiesStrictlyInside)
{
    struct row {
        drect world;
        bool yaxis, xaxis;
    } rows[] = {
        {{-1, 1, 1, -1}, true, true},
        {{0, 1, 1, -1}, false, true},   // left = 0
        {{-1, 0, 1, -2}, true, false},  // top = 0
        {{1, 2, 3, 1}, false, false},
    };
    onhost([&] {
        plotarea() = {100, 100, 300, 200};
        for (const row& r : rows) {
            clearpixels();
            plot p;
            auto* ps = new plotpsp(&p);
            p.perspectives.append(ps);
            plotcurve c;
            c.world = r.world;
            ps->consider.append(new autoprint(ps, &c));
            paintaxes(*ps, 0);
            uint32_t axis = colorrgb(colorof(24));
            int col = int(0.5 * 200) + 100 - 1;
            int line = int(200 - 0.5 * 100 - 1);
            EXPECT_EQ(pixel(col + 1, 120) == axis, r.yaxis) << r.world.left;
            EXPECT_EQ(pixel(250, line + 1) == axis, r.xaxis) << r.world.top;
            ps->consider.clear();
        }
    });
}

}  // namespace
