// The plot panels' layout for given bitmap sizes, panel font and screen,
// worked out by hand from the layout rules, and the button table.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "plots/panelbuttons.h"
#include "plots/panellayout.h"

namespace {

struct layoutcase {
    const char* name;
    int ch, cw, screenw, screenh;
    bool topabove;
    int tw, th, h1, w2, h2, w1;
    panelpoint top, side;
    panelbox plotarea;
    // Corners of some buttons: help, logo, left, minus, down, home, ins, del.
    panelpoint help, logo, left, minus, down, home, ins, del;
};

// Default bitmaps: buttons AXES 34x34, 0101 34x18, PRINT 34x34, arrows
// 18x18, ERASE 18x18, DRAW 26x26, UPUP 18x26, logo 44x28; so B1.x = 138,
// B2.x = 250, E.x = 372.
const layoutcase cases[] = {
    {"wide screen: side panel full height", 16, 8, 640, 480, false, 30, 21, 62, 94, 480, 546,
     {94, 0}, {0, 0}, {95, 63, 540, 412},
     {524, 4}, {468, 4}, {142, 28}, {346, 28}, {66, 265}, {66, 188}, {38, 241}, {66, 80}},
    {"narrow screen: top panel above", 16, 8, 480, 300, true, 30, 21, 62, 94, 238, 480,
     {0, 0}, {0, 62}, {95, 63, 380, 232},
     {458, 4}, {402, 4}, {142, 28}, {346, 28}, {66, 144}, {66, 67}, {38, 120}, {66, 18}},
    {"larger font: th from the font height", 24, 8, 640, 480, false, 30, 28, 70, 94, 480, 546,
     {94, 0}, {0, 0}, {95, 71, 540, 404},
     {524, 4}, {468, 4}, {142, 36}, {346, 36}, {66, 272}, {66, 188}, {38, 245}, {66, 88}},
    {"edge of the choice: W2 + E.x equals width - g - Ew", 16, 8, 488, 300, true, 30, 21, 62, 94,
     238, 488, {0, 0}, {0, 62}, {95, 63, 388, 232},
     {466, 4}, {410, 4}, {142, 28}, {346, 28}, {66, 144}, {66, 67}, {38, 120}, {66, 18}},
};

panelmetrics metrics(int ch, int cw, int screenw, int screenh)
{
    panelmetrics m;
    m.ch = ch;
    m.cw = cw;
    m.screenw = screenw;
    m.screenh = screenh;
    return m;
}

void expectpoint(panelpoint got, panelpoint want, const std::string& what)
{
    EXPECT_EQ(got.x, want.x) << what;
    EXPECT_EQ(got.y, want.y) << what;
}

TEST(panellayout, MatchesTheRulesForBothArrangements)
{
    for (const layoutcase& c : cases) {
        panellayout l = computepanellayout(metrics(c.ch, c.cw, c.screenw, c.screenh));
        std::string n = c.name;
        EXPECT_EQ(l.topabove, c.topabove) << n;
        EXPECT_EQ(l.tw, c.tw) << n;
        EXPECT_EQ(l.th, c.th) << n;
        EXPECT_EQ(l.h1, c.h1) << n;
        EXPECT_EQ(l.w2, c.w2) << n;
        EXPECT_EQ(l.h2, c.h2) << n;
        EXPECT_EQ(l.w1, c.w1) << n;
        expectpoint(l.top, c.top, n + " top");
        expectpoint(l.side, c.side, n + " side");
        EXPECT_EQ(l.plotarea.x, c.plotarea.x) << n;
        EXPECT_EQ(l.plotarea.y, c.plotarea.y) << n;
        EXPECT_EQ(l.plotarea.w, c.plotarea.w) << n;
        EXPECT_EQ(l.plotarea.h, c.plotarea.h) << n;
        auto at = [&](int id) { return panelpoint{l.button[id].x, l.button[id].y}; };
        expectpoint(at(14), c.help, n + " ?");
        expectpoint(at(15), c.logo, n + " logo");
        expectpoint(at(6), c.left, n + " left");
        expectpoint(at(13), c.minus, n + " -");
        expectpoint(at(24), c.down, n + " down");
        expectpoint(at(21), c.home, n + " home");
        expectpoint(at(23), c.ins, n + " ins");
        expectpoint(at(26), c.del, n + " del");
    }
}

TEST(panellayout, MissingBitmapsGiveEmptyButtonsAndHomeStaysOnThePanel)
{
    panelmetrics m = metrics(16, 8, 640, 60);
    m.left = {};
    m.erase = {};
    m.draw = {};
    panellayout l = computepanellayout(m);
    EXPECT_EQ(l.button[6].w, 0);
    EXPECT_EQ(l.button[9].h, 0);
    EXPECT_EQ(l.h1, 36);   // only the font and the gaps
    EXPECT_EQ(l.w2, 76);
    for (int id = 21; id <= 26; ++id) {
        EXPECT_GE(l.button[id].x, 0) << id;
        EXPECT_GE(l.button[id].y, 0) << id;
    }
}

TEST(panellayout, TabsOutsideThePanelAreNeitherPlacedNorHit)
{
    panellayout l = computepanellayout(metrics(16, 8, 640, 480));   // step 28, middle 240
    struct tabcase {
        int n, current;
        bool clipboard, before;
        panelpoint want;
    } tabs[] = {
        {5, 5, false, false, {4, 240}}, {6, 5, false, false, {4, 268}},
        {13, 5, false, false, {4, 464}}, {14, 5, false, false, {0, 0}},
        {1, 9, false, false, {4, 16}},  {1, 10, false, false, {0, 0}},
        {5, 5, true, true, {4, 254}},   {5, 5, true, false, {4, 226}},
    };
    for (const tabcase& t : tabs) {
        std::string what = "tab " + std::to_string(t.n) + " current " + std::to_string(t.current);
        expectpoint(tabposition(l, t.n, t.current, t.clipboard, t.before), t.want, what);
    }
    EXPECT_FALSE(panelhit(l, 4, 0, 1, 10, false, false));
    EXPECT_FALSE(panelhit(l, 4, 492, 14, 5, false, false));
}

TEST(panellayout, TabHitIncludesItsEdges)
{
    panellayout l = computepanellayout(metrics(16, 8, 640, 480));   // tab 30 x 21
    EXPECT_TRUE(panelhit(l, 4, 240, 3, 3, false, false));
    EXPECT_TRUE(panelhit(l, 34, 261, 3, 3, false, false));
    EXPECT_FALSE(panelhit(l, 35, 261, 3, 3, false, false));
    EXPECT_FALSE(panelhit(l, 34, 262, 3, 3, false, false));
    EXPECT_FALSE(panelhit(l, 4, 240, 4, 3, false, false));
    // The clipboard tab beside the current one.
    EXPECT_TRUE(panelhit(l, 60, 240, 0, 3, true, false));
    EXPECT_TRUE(panelhit(l, 90, 261, 0, 3, true, false));
    EXPECT_FALSE(panelhit(l, 91, 240, 0, 3, true, false));
}

TEST(panelbuttons, EachIdPostsItsKey)
{
    const struct {
        int id, key;
    } rows[] = {
        {3, 's'}, {4, 'P'}, {5, 'A'}, {6, 331}, {7, 333}, {8, '2'}, {9, 403},
        {10, 'e'}, {11, 'd'}, {12, '+'}, {13, '-'}, {14, 603}, {15, 604},
        {21, 327}, {22, 328}, {23, 338}, {24, 336}, {25, 335}, {26, 339},
    };
    std::set<int> ids;
    for (const panelbutton& b : panelbuttons()) {
        ids.insert(b.id);
        EXPECT_EQ(b.parent, b.id <= 15 ? panelside::top : panelside::side) << b.id;
    }
    EXPECT_EQ(ids.size(), std::size(rows));
    for (const auto& r : rows)
        EXPECT_EQ(panelbuttonkey(r.id), r.key) << r.id;
    for (int id = 16; id <= 20; ++id)
        EXPECT_EQ(panelbuttonkey(id), 0) << id;
    for (int id : {0, 1, 2, 27, 1000})
        EXPECT_EQ(panelbuttonkey(id), -1) << id;
}

}
