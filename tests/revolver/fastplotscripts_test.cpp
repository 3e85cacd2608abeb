// Fastplots made, zoomed, dragged and closed through the running program:
// golden screens of each step.  sin x at 1 plots over -9 .. 1; on the
// 800 by 540 screen its plot area is 20 .. 720 by 153 .. 520 pixels
// inside frame bands of 18.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <ostream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "plots/screenmap.h"
#include "revolver/program.h"
#include "tests/plots/exactcurve.h"
#include "tests/revolver/plotscripts.h"
#include "tests/screen/dumpfile.h"
#include "tests/screen/hostrun.h"
#include "tests/screen/workfolder.h"

namespace {

const std::filesystem::path golden = std::filesystem::path(VEMO_SOURCE_DIR) / "tests/revolver/golden";

// The default plot of sin x (the space menu's space).
const std::string sine = "esin(x)<Enter><Enter>1<Enter><Space><Space>";
// The hot spots of the pane's title bar; a press and a release on them.
const std::string closebox = "<press 730 143 px><release 730 143 px>";
const std::string switchbox = "<press 22 138 px><release 22 138 px>";

std::string px(const char* item, int x, int y)
{
    return "<" + std::string(item) + " " + std::to_string(x) + " " + std::to_string(y) + " px>";
}

std::string drag(int x0, int y0, int x1, int y1)
{
    return px("press", x0, y0) + px("move", (x0 + x1) / 2, (y0 + y1) / 2) + px("release", x1, y1);
}

// The window of the last statistics box (of the first with first set):
// "lo <= x <= hi" then the ordinate's line.
drect statisticswindow(const std::string& told, bool first = false)
{
    drect w;
    size_t at = first ? told.find("Coordinate Window:") : told.rfind("Coordinate Window:");
    if (at == std::string::npos)
        return w;
    char name[16];
    size_t line = told.find('\n', at) + 1;
    std::sscanf(told.c_str() + line, " %lf <= %15s <= %lf", &w.left, name, &w.right);
    line = told.find('\n', line) + 1;
    std::sscanf(told.c_str() + line, " %lf <= %15s <= %lf", &w.bottom, name, &w.top);
    return w;
}

// The pane's plot area and its current curve's colour.
const screenrect pane{20, 153, 720, 520};
uint32_t panecurve()
{
    return colorrgb(colorof(57));
}

double sinewave(double x)
{
    return std::sin(x);
}

// The curve where the text boxes of a dump leave the pane to be seen: a
// box spans, in each cell row, its outermost frame characters (cells of
// 10 by 18 pixels).  Rows alike make one part.
std::vector<goldencurve> uncovered(const goldencurve& curve, const std::string& text)
{
    const std::string frame = "\u2554\u2557\u255a\u255d\u2551";
    struct rowspan {
        int top, bottom, first, last;   // cells of the box, -1 for none
    };
    std::vector<rowspan> rows;
    std::istringstream lines(text);
    std::string line;
    for (int row = 0; std::getline(lines, line); ++row) {
        int top = std::max(row * 18, int(curve.box.top)), bottom = std::min(row * 18 + 17, int(curve.box.bottom));
        if (top > bottom)
            continue;
        int first = -1, last = -1, cell = 0;
        for (size_t i = 0; i < line.size(); ++cell) {
            size_t n = 1;
            while (i + n < line.size() && (line[i + n] & 0xC0) == 0x80)
                ++n;
            if (n > 1 && frame.find(line.substr(i, n)) != std::string::npos) {
                first = first < 0 ? cell : first;
                last = cell;
            }
            i += n;
        }
        if (!rows.empty() && rows.back().first == first && rows.back().last == last)
            rows.back().bottom = bottom;
        else
            rows.push_back({top, bottom, first, last});
    }
    std::vector<goldencurve> parts;
    auto add = [&](int left, int top, int right, int bottom) {
        if (left > right)
            return;
        goldencurve part = curve;
        part.box = {int16_t(left), int16_t(top), int16_t(right), int16_t(bottom)};
        parts.push_back(part);
    };
    for (const rowspan& r : rows) {
        if (r.first < 0) {
            add(curve.box.left, r.top, curve.box.right, r.bottom);
        } else {
            add(curve.box.left, r.top, std::min(r.first * 10 - 1, int(curve.box.right)), r.bottom);
            add(std::max((r.last + 1) * 10, int(curve.box.left)), r.top, curve.box.right, r.bottom);
        }
    }
    return parts;
}

class fastplotscripts : public workfolder {};

TEST_F(fastplotscripts, ZoomFramesMakePlotTwoAndTheBoxesSwitchAndClose)
{
    hostrun r = runscript(sine + "<dump fastplot-default>" + drag(300, 300, 300, 300) + "<dump fastplot-zeroframe>"
                              + drag(200, 200, 400, 300) + "<dialog press=1002><dump fastplot-zoom>" + drag(100, 300, 300, 500)
                              + "<dialog press=1002><dump fastplot-zoomagain>" + switchbox + "<dump fastplot-switched>" + closebox
                              + "<dump fastplot-closed>" + statistics,
                          runprogram);
    ASSERT_EQ(r.status, 0);
    // The statistics tell the window of the zoom of the zoom.
    goldencurve zoomed = exactgraph(statisticswindow(boxes(r)), pane, panecurve(), sinewave);
    checkgoldenplot(r.out, "fastplot-zoomagain", golden, {zoomed});
    checkgoldenplot(r.out, "fastplot-closed", golden, {zoomed});
    for (const char* name : {"fastplot-default", "fastplot-zoom", "fastplot-switched"})
        checkgoldenfiles(r.out, name, golden);
    // A frame of no size changes nothing.
    EXPECT_EQ(slurp(r.out + "/fastplot-zeroframe.png"), slurp(r.out + "/fastplot-default.png"));
    // The zoom of the zoom is plot #1 now: pixels 200 .. 400 of 20 .. 720
    // over -9 .. 1 are -6.42857 .. -3.57143, and 100 .. 300 of that again
    // -6.10204 .. -5.28571.
    std::string told = boxes(r);
    EXPECT_NE(told.find(" Simple direct Plot"), std::string::npos) << told;
    EXPECT_NE(told.find("    -6.10204 <= x      <= -5.28571"), std::string::npos) << told;
}

TEST_F(fastplotscripts, TheBarReleasedInTheLeftMarginShiftsTheWindow)
{
    // Pressed on the lower frame band, released left of the plot: the
    // window and the argument move left by 0.9 of the width, 9.
    hostrun r = runscript(sine + drag(300, 529, 10, 529) + "<dump fastplot-shifted>" + statistics, runprogram);
    ASSERT_EQ(r.status, 0);
    checkgoldenplot(r.out, "fastplot-shifted", golden,
                    {exactgraph(statisticswindow(boxes(r)), pane, panecurve(), sinewave)});
    EXPECT_NE(dumpfile(r, "fastplot-shifted.txt").find("x= -8 "), std::string::npos);
    EXPECT_NE(boxes(r).find("         -18 <= x      <= -8"), std::string::npos) << boxes(r);
}

TEST_F(fastplotscripts, TheMenuStaysForTheContourAndThePropertiesBox)
{
    hostrun r = runscript(sine + "<Space>c<dump fastplot-contour><Esc><Space>e<dump fastplot-properties><Esc><Esc>"
                              + statistics,
                          runprogram);
    ASSERT_EQ(r.status, 0);
    // Around the boxes the plot of sin x stays in sight.
    goldencurve plotted = exactgraph(statisticswindow(boxes(r)), pane, panecurve(), sinewave);
    checkgoldenplot(r.out, "fastplot-contour", golden, uncovered(plotted, dumpfile(r, "fastplot-contour.txt")));
    checkgoldenplot(r.out, "fastplot-properties", golden, uncovered(plotted, dumpfile(r, "fastplot-properties.txt")));
    // The properties box tells the same window.
    EXPECT_NE(dumpfile(r, "fastplot-properties.txt").find("-9 <= x <= 1"), std::string::npos);
}

// The pictures of the first test, each in a run of its own that tells the
// window of sin x's plot by its statistics first and that of the plot
// shown last.
struct sinepicture {
    const char* name;
    std::string keys;   // after the plot of sin x, up to the dump
    drect (*window)(const drect& plotted);   // the one expected from sin x's
};

void PrintTo(const sinepicture& p, std::ostream* os)
{
    *os << p.name;
}

drect unchanged(const drect& plotted)
{
    return plotted;
}

// The frame from pixels (200, 200) to (400, 300) through the pane's mapping.
drect framed(const drect& plotted)
{
    screenmap m(plotted, pane);
    return {m.xtoworld(200), m.ytoworld(200), m.xtoworld(400), m.ytoworld(300)};
}

class sinepictures : public workfolder, public testing::WithParamInterface<sinepicture> {};

TEST_P(sinepictures, FitTheExactCurveInTheWindowTold)
{
    const sinepicture& p = GetParam();
    hostrun r = runscript(sine + "<Space>S<ok>" + p.keys + "<dump " + p.name + ">" + statistics, runprogram);
    ASSERT_EQ(r.status, 0);
    drect plotted = statisticswindow(boxes(r), true), shown = statisticswindow(boxes(r)), want = p.window(plotted);
    EXPECT_EQ(plotted.left, -9);
    EXPECT_EQ(plotted.right, 1);
    // The boxes tell six digits.
    for (auto [told, expected] : {std::pair{shown.left, want.left}, {shown.top, want.top}, {shown.right, want.right},
                                  {shown.bottom, want.bottom}})
        EXPECT_NEAR(told, expected, 1e-5 * std::fabs(expected)) << p.name;
    checkgoldenplot(r.out, p.name, golden, {exactgraph(shown, pane, panecurve(), sinewave)});
}

INSTANTIATE_TEST_SUITE_P(
    fastplotscripts, sinepictures,
    testing::Values(sinepicture{"fastplot-default", "", unchanged},
                    sinepicture{"fastplot-zoom", drag(200, 200, 400, 300) + "<dialog press=1002>", framed},
                    // Switched to plot #1 after two zooms: sin x's plot again.
                    sinepicture{"fastplot-switched",
                                drag(300, 300, 300, 300) + drag(200, 200, 400, 300) + "<dialog press=1002>"
                                    + drag(100, 300, 300, 500) + "<dialog press=1002>" + switchbox,
                                unchanged}),
    [](const testing::TestParamInfo<sinepicture>& info) { return std::string(info.param.name).substr(9); });

TEST_F(fastplotscripts, AParametricPlotOfTwoValues)
{
    // cos x on the x axis, sin x on the y axis, x from 0 to 6.3: a circle
    // in an automatic window.
    hostrun r = runscript(parametricfastplot("cos(x), sin(x)", "0", "6.3")
                          + "<dump fastplot-parametric>"
                              + statistics,
                          runprogram);
    ASSERT_EQ(r.status, 0);
    goldencurve circle = exactcurve(statisticswindow(boxes(r)), pane, panecurve(), [](double t) { return std::cos(t); },
                                    sinewave, 0, 6.3, 4000);
    checkgoldenplot(r.out, "fastplot-parametric", golden, {circle});
    std::string told = boxes(r);
    EXPECT_NE(told.find(" Parametric direct Plot"), std::string::npos) << told;
    EXPECT_NE(told.find(" 1)  f.2 over f.1"), std::string::npos) << told;
    EXPECT_NE(told.find(" 0 <= x <= 6.3"), std::string::npos) << told;
}

// STOP while a parametric fastplot tabulates its sample, and a chosen
// time into the walk of the same curve put into a designer plot: each
// asks its question, and "r" resumes to the plot that no STOP interrupted.
TEST_F(fastplotscripts, StopAsksWhileTabulatingAndWhileWalking)
{
    const std::string circle = parametricfastplot("cos(x), sin(x)", "0", "6.3");
    const std::string stop = "<menu 40042><yes></busy><dump stop>r";
    struct {
        std::string script, question, shown;
    } rows[] = {
        {circle + "<busy>" + stop + "<dump fastplot-parametric>" + statistics,
         "Sample generation has been interrupted during calculation of", "fastplot-parametric"},
        {circle + "<dump fastplot-parametric>ppnr<busy 40>" + stop + "<dump resumed><Esc><close>",
         "Plotting of parametric curve interrupted at point 16,", "resumed"},
    };
    for (const auto& row : rows) {
        std::filesystem::remove("vemo.rev");   // each row from an empty ring
        hostrun r = runscript(row.script, runprogram);
        ASSERT_EQ(r.status, 0) << row.script;
        std::string stopped = dumpfile(r, "stop.txt");
        EXPECT_NE(stopped.find(row.question), std::string::npos) << stopped;
        checkgoldenfiles(r.out, "fastplot-parametric", golden);
        EXPECT_EQ(dumpfile(r, row.shown + ".txt").find("interrupted"), std::string::npos);
    }
}

}  // namespace
