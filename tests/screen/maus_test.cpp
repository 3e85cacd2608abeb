#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "base/rects.h"
#include "tests/screen/screenfixture.h"
#include "tests/screen/dumpfile.h"
#include "screen/keys.h"
#include "screen/maus.h"
#include "screen/screen.h"
#include "app/wintests.h"

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
worldrect dragworld;

void dragloop()
{
    maus m(1);
    dragged = {};
    dragged.ok = m.drawframe(dragged.l, dragged.t, dragged.r, dragged.b, dragpixels, dragworld);
    getkey();
}

dragresult drag(const std::string& script, rect pixels, worldrect world)
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
    const worldrect square{-1, -1, 1, 1};
    struct {
        const char* script;
        rect pixels;
        worldrect world;
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
        {"<C-press 100 80 px><C-release 200 90 px>", rect{}, worldrect{0, 0, 1, 0}, true, 100, 80, 200, 90},
        {"<A-press 100 80 px><A-release 200 90 px>", wide, worldrect{0, 1, 1, 0}, true, 100, 80, 200, 90},
        {"<S-press 100 80 px><S-release 200 90 px>", rect{}, worldrect{0, 0, 0, 0}, true, 100, 80, 200, 90},
        {"<A-press 100 80 px><A-release 200 90 px>", rect{}, worldrect{0, 0, nan, inf}, true, 100, 80, 200, 90},
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

const char* command = "";

// Waits for a key, runs the test command, waits for a key.  Dumps are
// taken at key waits, so scripts dump before their first key.
void commandloop()
{
    getkey();
    windowtest(command);
    getkey();
}

hostrun runcommand(const char* keys, const std::string& script)
{
    command = keys;
    return runscript(script + "e", commandloop);
}

TEST(wintests, MouseFrameLeavesTheScreenAsItWas)
{
    hostrun r = runcommand("oom", "<dump before>s<press 100 80 px><move 150 90 px><release 200 170 px>"
                                  "<dump told>x<dump stored>a<dump released>b<dump coloured>cd"
                                  "<press 300 100 px><move 350 100 px><release 400 100 px>"
                                  "<dump line>fgh<dump after>");
    ASSERT_EQ(r.status, 0);
    std::string told = dumpfile(r, "told.txt");
    EXPECT_NE(told.find("left=100"), std::string::npos);
    EXPECT_NE(told.find("lower=170"), std::string::npos);
    std::string before = dumpfile(r, "before.png");
    EXPECT_NE(dumpfile(r, "stored.png"), before);
    EXPECT_EQ(dumpfile(r, "released.png"), before);
    EXPECT_NE(dumpfile(r, "coloured.png"), dumpfile(r, "stored.png"));
    EXPECT_NE(dumpfile(r, "line.png"), before);
    EXPECT_EQ(dumpfile(r, "after.png"), before);
    EXPECT_EQ(dumpfile(r, "after.txt"), dumpfile(r, "before.txt"));
}

TEST(wintests, DrawFrameShowsTheRectangle)
{
    hostrun r = runcommand("oof", "s<press 100 80 px><move 150 90 px><release 200 170 px><ok>");
    ASSERT_EQ(r.status, 0);
    ASSERT_EQ(r.boxes.size(), 1u);
    EXPECT_EQ(r.boxes[0], "left=100\n\rtop=80\n\rright=200\n\rbottom=170\n\r");
}

TEST(wintests, ContaminateCountsMarkedCells)
{
    struct {
        const char* clicks;
        const char* count;
    } cases[] = {
        {"<click 5 5><click 5 5><click 7 9><click 1 1 right>", "Number of contaminated screenchars: 2"},
        {"<click 1 1 right>", "Number of contaminated screenchars: 0"},
    };
    for (const auto& c : cases) {
        hostrun r = runcommand("ooc", std::string("s<ok>") + c.clicks + "<ok>");
        ASSERT_EQ(r.status, 0) << c.clicks;
        ASSERT_EQ(r.boxes.size(), 2u);
        EXPECT_EQ(r.boxes[1], c.count);
    }
}

TEST(wintests, KeyCodesPrintedUntilEsc)
{
    hostrun r = runcommand("ook", "sa<F1><dump keys><Esc><dump closed>");
    ASSERT_EQ(r.status, 0);
    std::string keys = dumpfile(r, "keys.txt");
    EXPECT_NE(keys.find("  97  a"), std::string::npos);
    EXPECT_NE(keys.find(" 315  ;"), std::string::npos);
    EXPECT_NE(keys.find("Close with <esc>"), std::string::npos);
    EXPECT_EQ(dumpfile(r, "closed.txt").find("97"), std::string::npos);
}

keycode afterwards = 0;

void graphicsloop()
{
    getkey();
    testgraphics();
    afterwards = getkey();
}

TEST(wintests, GraphicsEndsOnRightClick)
{
    // Reading the position after a key leaves the click that follows it
    // to the key reader: the right click ends the command, "q" is left.
    afterwards = 0;
    hostrun r = runscript("<dump before>s<click 30 10>x<click 50 20 right><dump after>q", graphicsloop);
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(afterwards, 'q');
    EXPECT_NE(dumpfile(r, "after.png"), dumpfile(r, "before.png"));
    EXPECT_FALSE(windowtest("ox"));
}

}  // namespace
