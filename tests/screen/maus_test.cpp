#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "math/drect.h"
#include "screen/keys.h"
#include "screen/maus.h"
#include "screen/screen.h"
#include "tests/screen/dumpfile.h"
#include "tests/screen/screenfixture.h"

namespace {

const double nan = std::numeric_limits<double>::quiet_NaN();
const double inf = std::numeric_limits<double>::infinity();

TEST(constrainedy, RatiosSearchesAndUnusableRatios)
{
    struct {
        int x1, y1;
        double ratio;
        bool search;
        int y;
    } cases[] = {
        {200, 120, 0.5, false, 150},    // 100 right, downward: 50 high
        {0, 90, 0.5, false, 50},        // 100 left, upward
        {200, 101, 0.001, false, 101},  // never flat
        {200, 99, 0.001, false, 99},
        {200, 400, 0.5, true, 600},     // steep: 0.5 scaled up to 5
        {200, 101, 5.0, true, 150},     // too flat: 5 scaled down to 0.5
        {200, 300, nan, false, 300},    // unusable ratios drag freely
        {200, 300, inf, true, 300},
        {200, 300, 0.0, true, 300},
        {200, 300, -2.0, true, 300},
        {100, 300, 0.5, false, 300},    // no horizontal movement
    };
    for (const auto& c : cases)
        EXPECT_EQ(constrainedy(100, 100, c.x1, c.y1, c.ratio, c.search), c.y)
            << c.x1 << "," << c.y1 << " ratio " << c.ratio;
    // A huge ratio ends clamped instead of overflowing.
    EXPECT_EQ(constrainedy(0, 0, 1000, 1, 1e300, false), 1000000);
}

using vline = screenfixture;

TEST_F(vline, InvertedLineComesAndGoes)
{
    std::vector<uint32_t> before = pixels();
    showvline(50, 10, 100);
    std::vector<uint32_t> shown = pixels();
    EXPECT_NE(shown, before);
    movevline(50, 50, 10, 100);  // same column: nothing drawn
    EXPECT_EQ(pixels(), shown);
    movevline(50, 80, 10, 100);
    EXPECT_NE(pixels(), shown);
    hidevline(80, 10, 100);
    EXPECT_EQ(pixels(), before);
    EXPECT_FALSE(vlineshown());
    movevline(80, 90, 10, 100);  // hidden: nothing drawn
    hidevline(90, 10, 100);
    EXPECT_EQ(pixels(), before);
}

struct dragresult {
    bool ok = false;
    int16_t l = 0, t = 0, r = 0, b = 0;
};
dragresult dragged;
rect dragpixels;
drect dragworld;

void dragloop()
{
    maus m(1);
    dragged = {};
    dragged.ok = m.drawframe(dragged.l, dragged.t, dragged.r, dragged.b, dragpixels, dragworld);
    getkey();
}

dragresult drag(const std::string& script, rect pixels, drect world)
{
    dragpixels = pixels;
    dragworld = world;
    hostrun r = runscript(script + "x", dragloop);
    EXPECT_EQ(r.status, 0) << script;
    return dragged;
}

TEST(mausdrag, FramesFollowTheScriptedMouse)
{
    const rect wide{0, 0, 200, 100};
    const drect square{-1, 1, 1, -1};
    struct {
        const char* script;
        rect pixels;
        drect world;
        bool ok;
        int l, t, r, b;
    } cases[] = {
        {"<press 100 80 px><move 150 90 px><release 200 170 px>", wide, square, true, 100, 80, 200, 170},
        {"<press 100 80 px><release 100 80 px>", wide, square, false, 100, 80, 100, 80},
        {"<press 300 200 px><move 50 10 px><release 50 10 px>", wide, square, true, 50, 10, 300, 200},
        // Shift: the pixel rectangle's ratio, either way.
        {"<S-press 100 80 px><S-move 200 90 px><S-release 200 90 px>", wide, square, true, 100, 80, 200, 130},
        {"<S-press 100 80 px><S-release 200 10 px>", wide, square, true, 100, 30, 200, 80},
        // Shift and Ctrl together drag freely.
        {"<S-C-press 100 80 px><S-C-release 200 90 px>", wide, square, true, 100, 80, 200, 90},
        // Clamped to the screen.
        {"<press 700 500 px><release 2000 700 px>", wide, square, true, 700, 500, 799, 539},
        // Empty and degenerate rectangles never hang and drag freely.
        {"<C-press 100 80 px><C-release 200 90 px>", rect{}, drect{0, 0, 1, 0}, true, 100, 80, 200, 90},
        {"<A-press 100 80 px><A-release 200 90 px>", wide, drect{0, 0, 1, 1}, true, 100, 80, 200, 90},
        {"<S-press 100 80 px><S-release 200 90 px>", rect{}, drect{0, 0, 0, 0}, true, 100, 80, 200, 90},
        {"<A-press 100 80 px><A-release 200 90 px>", rect{}, drect{0, inf, nan, 0}, true, 100, 80, 200, 90},
    };
    for (const auto& c : cases) {
        dragresult d = drag(c.script, c.pixels, c.world);
        EXPECT_EQ(d.ok, c.ok) << c.script;
        EXPECT_EQ(d.l, c.l) << c.script;
        EXPECT_EQ(d.t, c.t) << c.script;
        EXPECT_EQ(d.r, c.r) << c.script;
        EXPECT_EQ(d.b, c.b) << c.script;
    }
}

}  // namespace
