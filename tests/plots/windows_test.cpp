// World-window arithmetic, the screen mapping and the choice of axis
// ticks and label texts.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "math/drect.h"
#include "plots/axisscales.h"
#include "plots/screenmap.h"

namespace {

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();

void expectwindow(const drect& a, const drect& b, const char* what)
{
    EXPECT_NEAR(a.left, b.left, 1e-12) << what;
    EXPECT_NEAR(a.top, b.top, 1e-12) << what;
    EXPECT_NEAR(a.right, b.right, 1e-12) << what;
    EXPECT_NEAR(a.bottom, b.bottom, 1e-12) << what;
}

TEST(windows, FractionsMapAndUnmapAsInverses)
{
    const drect w{-2, 5, 6, 1};
    expectwindow(mapcorners(w, {0.25, 0.75, 0.75, 0.25}), {0, 4, 4, 2}, "middle half");
    expectwindow(mapcorners(w, {0, 1, 1, 0}), w, "unit fractions");
    const drect fractions[] = {{0.1, 0.9, 0.3, 0.2}, {-1, 2, 3, -0.5}, {0.5, 0.6, 0.7, 0.55}};
    for (const drect& f : fractions) {
        drect g = mapcorners(w, f);
        expectwindow(relcorners(g, w), f, "relcorners");
        expectwindow(unmapcorners(g, f), w, "unmapcorners");
    }
    const drect empty[] = {{1, 1, 0, 0}, {0, 0, 1, 1}, {0, 1, 0, 0}, {nan, 1, 2, 0}, {0, 1, 1, nan}};
    for (const drect& e : empty) {
        EXPECT_TRUE(e.isempty());
        expectwindow(mapcorners(w, e), zerowindow, "empty fractions");
        expectwindow(mapcorners(e, w), zerowindow, "empty window");
        expectwindow(relcorners(e, w), zerowindow, "empty in relcorners");
        expectwindow(unmapcorners(w, e), zerowindow, "empty in unmapcorners");
    }
    EXPECT_TRUE(isemptyrange(1, 1));
    EXPECT_TRUE(isemptyrange(nan, 1));
    EXPECT_FALSE(isemptyrange(0, 1));
    EXPECT_EQ(rectwidth(w), 8);
    EXPECT_EQ(rectheight(w), 4);
    EXPECT_TRUE(drect::inside({0, 4, 4, 2}, w));
    EXPECT_FALSE(drect::inside({0, 6, 4, 2}, w));
}

TEST(windows, FramesShiftedAgainstTheView)
{
    // Pixel rectangles as windows: y turns upward.
    const screenrect view{0, 0, 100, 50};
    drect v = todrect(view);
    expectwindow(v, {0, 0, 100, -50}, "todrect");
    struct {
        screenrect frame;
        bool shifted;
        drect moved;
    } cases[] = {
        {{10, 10, 40, 30}, false, {0, 0, 100, -50}},      // inside: no push
        {{30, 0, 130, 50}, true, {30, 0, 130, -50}},      // pushed right
        {{-20, 0, 80, 50}, true, {-20, 0, 80, -50}},      // pushed left
        {{0, 20, 100, 70}, true, {0, -20, 100, -70}},     // pushed down
        {{20, -10, 70, 30}, true, {0, 20, 100, -30}},     // up: keeps its bottom
    };
    for (const auto& c : cases) {
        drect f = todrect(c.frame);
        EXPECT_EQ(isshifted(f, v), c.shifted) << c.frame.left;
        if (c.shifted)
            expectwindow(shiftframe(f, v), c.moved, "shiftframe");
    }
    const drect old{0, 1, 1, 0}, now{2, 5, 3, 4};
    expectwindow(keepaxes(old, now, 1), now, "mode 1");
    expectwindow(keepaxes(old, now, 2), {0, 5, 1, 4}, "mode 2");
    expectwindow(keepaxes(old, now, 3), {2, 1, 3, 0}, "mode 3");
    screenrect r{50, 40, 10, 20};
    EXPECT_TRUE(isempty(r));
    EXPECT_TRUE(normalize(r));
    EXPECT_EQ(r.left, 10);
    EXPECT_EQ(r.top, 20);
    screenrect flat{0, 5, 10, 5};
    EXPECT_FALSE(normalize(flat));
}

TEST(windows, ScreenMapAnswersZeroOutside)
{
    screenmap m({-1, 1, 1, -1}, {100, 50, 300, 250});
    struct {
        double x, y;
        int px, py;
    } cases[] = {
        {-1, 1, 100, 50}, {1, -1, 300, 250}, {0, 0, 200, 150}, {0.5, -0.5, 250, 200},
        {-1.001, 1.001, 100, 50},   // rounds onto the edge
        {-1.1, 1.1, 0, 0},          // left of and above the window
        {1.1, -1.1, 0, 0},
        {nan, nan, 0, 0}, {inf, -inf, 0, 0}, {1e300, -1e300, 0, 0}, {-1e300, 1e300, 0, 0},
        {1e6, 1e6, 0, 0},           // beyond 16 bits: never wrapped into range
    };
    for (const auto& c : cases) {
        EXPECT_EQ(m.worldtox(c.x), c.px) << c.x;
        EXPECT_EQ(m.worldtoy(c.y), c.py) << c.y;
    }
    EXPECT_DOUBLE_EQ(m.xtoworld(250), 0.5);
    EXPECT_DOUBLE_EQ(m.ytoworld(200), -0.5);
    // A mapping over an empty window converts nothing.
    screenmap z(zerowindow, {0, 0, 10, 10});
    EXPECT_EQ(z.worldtox(0), 0);
    EXPECT_EQ(z.worldtoy(0), 0);
}

TEST(axisscales, TickChoiceForStatedRanges)
{
    struct {
        double a, b;
        int n;
        double unit;
        int minors;
        double first;
        int firstmajor, zeroindex, anchorindex;
    } cases[] = {
        {0, 10, 30, 1, 2, 0.5, 2, 0, 10},
        {-1, 1, 30, 1, 10, 0.9 - 1.8, 10, 10, 10},
        {0, 1, 30, 0.1, 2, 0.05, 2, 0, 10},
        {-3, 7, 18, 2, 2, -2, 1, 3, 3},       // doubled unit; the zero tick is the anchor
        {0, 10, 10, 2, 2, 1, 2, 0, 0},        // budget below 2r: doubled unit, no round tick
        {100, 101, 30, 0.1, 2, 100.05, 2, 0, 10},
    };
    for (const auto& c : cases) {
        tickplan p;
        ASSERT_TRUE(tickchoice(c.a, c.b, c.n, p)) << c.a << " " << c.b;
        EXPECT_DOUBLE_EQ(p.unit, c.unit) << c.a << " " << c.b;
        EXPECT_EQ(p.minors, c.minors) << c.a << " " << c.b;
        EXPECT_NEAR(p.first, c.first, 1e-12) << c.a << " " << c.b;
        EXPECT_EQ(p.firstmajor, c.firstmajor) << c.a << " " << c.b;
        EXPECT_EQ(p.zeroindex, c.zeroindex) << c.a << " " << c.b;
        EXPECT_EQ(p.anchorindex, c.anchorindex) << c.a << " " << c.b;
        // The first tick is the smallest minor tick above a.
        EXPECT_GT(p.first, c.a);
        EXPECT_LE(p.first - p.step(), c.a + 1e-12);
    }
    tickplan p;
    const double bad[][2] = {{5, 5}, {5, 1}, {nan, 1}, {0, nan}, {0, inf}, {-inf, 0}, {-1e308, 1e308},
                             {1e17, 1e17 + 32}};
    for (auto& b : bad)
        EXPECT_FALSE(tickchoice(b[0], b[1], 30, p)) << b[0] << " " << b[1];
    // A narrow window far from zero still ends.
    ASSERT_TRUE(tickchoice(1e16, 1e16 + 64, 30, p));
    EXPECT_GT(p.minors, 0);
}

TEST(axisscales, LabelsAtTheAnchorAndTheFarthestMajorTick)
{
    tickplan p;
    ASSERT_TRUE(tickchoice(0, 10, 30, p));
    // Ticks 0.5 .. 9.5; the anchor 5 lies in the upper half of 1 .. 18.
    ticklabels t = labelticks(p, 18);
    EXPECT_EQ(t.label1, 10);
    EXPECT_EQ(t.label2, 2);
    EXPECT_EQ(t.step, 1.0);
    ASSERT_TRUE(tickchoice(-1, 1, 30, p));
    t = labelticks(p, 18);   // the zero tick at 10, in the upper half: no major below it
    EXPECT_EQ(t.label1, 10);
    EXPECT_EQ(t.label2, 1);
    EXPECT_DOUBLE_EQ(t.step, 0.1);
    t = labelticks(p, 25);
    EXPECT_EQ(t.label2, 20);
    EXPECT_EQ(t.step, 1.0);
    tickplan none;
    none.minors = 2;
    t = labelticks(none, 10);
    EXPECT_EQ(t.label1, 0);
    EXPECT_EQ(t.label2, 0);
}

TEST(axisscales, LabelTexts)
{
    struct {
        std::string text, expected;
    } cases[] = {
        {fformatlabel(2.5, 0.1), "2.5"},
        {fformatlabel(0.0, 0.1), "0"},
        {fformatlabel(-3, 1), "-3"},
        {fformatlabel(1234.5, 100), "1234"},
        {fformatlabel(0.125, 0.001), "0.125"},
        {eformatlabel(12345.0, 100.0), "1.23e+04"},
        {eformatlabel(0.0, 1e8), "0"},
        {eformatlabel(3e8, 1e8), "3e+08"},
        {eformatlabel(5, 100), "5e+00"},          // a negative precision counts as 0
        {resolutionlabel(1.23456, 10, 100), "1.2"},
        {resolutionlabel(1.23456, -1, 100), ""},
        {resolutionlabel(1.23456, 10, 9), ""},
        {resolutionlabel(1.23456, 0.5, 100), "1.235"},
        {resolutionlabel(123456789.0, 1e9, 100), "1.2e+08"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.text, c.expected);
    // Steps that give no precision never reach the conversion.
    for (double step : {0.0, -1.0, nan, inf, 1e-300})
        for (double x : {1.0, 1e300, -1e-300, nan}) {
            EXPECT_LT(fformatlabel(x, step).size(), 400u);
            EXPECT_LT(eformatlabel(x, step).size(), 400u);
        }
    EXPECT_EQ(roundmultiple(0, 1, 1), 1);
    EXPECT_EQ(roundmultiple(0.5, 1, 1), 1);
    EXPECT_EQ(roundmultiple(10, 1, -1), 9);
    EXPECT_EQ(roundmultiple(9.5, 1, -1), 9);
    EXPECT_EQ(roundmultiple(-1, 1, 1), 0);
}

}  // namespace
