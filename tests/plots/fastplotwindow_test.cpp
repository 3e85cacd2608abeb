// The fastplot pane: what it shows and its two hot spots.
#include <gtest/gtest.h>

#include <cmath>

#include "plots/fastplotcommands.h"
#include "plots/fastplotwindow.h"
#include "screen/hotspot.h"
#include "tests/plots/exactcurve.h"
#include "tests/plots/fastplotfixture.h"
#include "tests/screen/dumpfile.h"

namespace {

const std::filesystem::path golden = std::filesystem::path(VEMO_SOURCE_DIR) / "tests/plots/golden";

TEST_F(fastplotsitting, PaneOfASineAndItsCloseBox)
{
    int16_t corner = 0, inside = 0, tab = 0;
    std::string title;
    goldencurve sine;
    screenrect outer;
    hostrun run = withcalc("<dump fastplot-sin>x", [&](calculator& c) {
        ready(c, "sin(x)");
        fastplot& f = plotof(c, plottype::simple, -M_PI, M_PI);
        drawfastplotwindow(&f);
        sine = exactgraph(f.world, f.screen, colorrgb(colorof(57)), [](double x) { return std::sin(x); });
        outer = {int16_t(f.screen.left - f.marginleft), int16_t(f.screen.top - f.margintop),
                 int16_t(f.screen.right + f.marginright), int16_t(f.screen.bottom + f.marginbottom)};
        title = f.title();
        // The close box's corners: right edge outer right - 2, top outer top + 2.
        int right = f.screen.right + f.marginright - 2, top = f.screen.top - f.margintop + 2;
        int side = f.margintop - 5;
        corner = walkhotspots(true, false, right, top, right - side, top + side);
        inside = walkhotspots(true, true, 0, 0, right - 1, top + 1);
        // One plot: no switch box.
        tab = walkhotspots(true, false, f.screen.left, top, f.screen.left, top);
        getkey();
    });
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(title, "f over x  (Sample)");  // the window came from the quick sample
    EXPECT_EQ(corner, 601);
    EXPECT_EQ(inside, -1);  // a press there is swallowed
    EXPECT_EQ(tab, 0);
    checkgoldenplot(run.out, "fastplot-sin", golden, {sine});
    // The scale labels end within the frame bands: right of the pane and
    // below it only the screen's background.
    std::string png = run.out + "/fastplot-sin.png";
    uint32_t back = cellcolor(png, 80, 30);
    screenrect right{int16_t(outer.right + 1), outer.top, int16_t(outer.right + 40), int16_t(outer.bottom + 30)};
    screenrect below{sine.box.left, int16_t(outer.bottom + 1), int16_t(outer.right + 40), int16_t(outer.bottom + 30)};
    for (const screenrect& r : {right, below})
        EXPECT_EQ(countpixels(png, back, r), size_t(r.width() + 1) * size_t(r.height() + 1));
}

}  // namespace

namespace {

TEST_F(fastplotsitting, CloseBoxPromotesPlotTwo)
{
    struct row {
        uint8_t current;
        bool firstremains;  // plot #1 is the former #1 (else the former #2)
    } rows[] = {{1, false}, {2, true}};
    for (const row& r : rows)
        withcalc("", [&](calculator& c) {
            ready(c, "sin(x)");
            fastplot& one = plotof(c, plottype::simple, -M_PI, M_PI);
            auto* two = new fastplot(&c);
            two->spec.copy(one.spec);
            ASSERT_TRUE(two->ini({-1, 1, 1, -1}));
            ASSERT_TRUE(two->compute());
            c.plot2 = two;
            c.plotnumber = r.current;
            ASSERT_EQ(c.plotcount(), 2);
            closecurrentplot(c);
            EXPECT_EQ(c.plot1, r.firstremains ? &one : two);
            EXPECT_EQ(c.plot2, nullptr);
            EXPECT_EQ(c.plotnumber, 1);
            closecurrentplot(c);
            EXPECT_EQ(c.plot1, nullptr);
            EXPECT_EQ(c.plotcount(), 0);
        });
}

}  // namespace

namespace {

TEST_F(fastplotsitting, MagnifiedFrameMakesPlotTwoAndZoomsItInPlace)
{
    hostrun run = withcalc("<dialog press=1002><dialog press=1002>", [&](calculator& c) {
        ready(c, "sin(x)");
        fastplot& one = plotof(c, plottype::simple, -M_PI, M_PI);
        drect first = one.world;
        const rect& r = c.owner->fastplotrect;   // 600 by 300 pixels
        int midx = (r.left + r.right) / 2;
        // The right half, full height.
        ASSERT_TRUE(zoomfastplot(c, {int16_t(midx), r.top, r.right, r.bottom}));
        ASSERT_NE(c.plot2, nullptr);
        fastplot* two = c.plot2;
        EXPECT_EQ(c.plotnumber, 2);
        EXPECT_NEAR(two->world.left, 0, 1e-9);
        EXPECT_NEAR(two->world.right, M_PI, 1e-9);
        EXPECT_EQ(two->spec.rangelow, two->world.left);
        // From #2: #2 again, #1 untouched.
        ASSERT_TRUE(zoomfastplot(c, {r.left, r.top, int16_t(midx), r.bottom}));
        EXPECT_EQ(c.plot2, two);
        EXPECT_NEAR(two->world.right, M_PI / 2, 1e-9);
        EXPECT_EQ(c.plot1, &one);
        EXPECT_EQ(one.world.left, first.left);
        EXPECT_EQ(one.world.right, first.right);
        EXPECT_EQ(c.plotcount(), 2);
    });
    EXPECT_EQ(run.status, 0);
}

}  // namespace
