// Fastplots made, zoomed, dragged and closed through the running program:
// golden screens of each step.  sin x at 1 plots over -9 .. 1; on the
// 800 by 540 screen its plot area is 20 .. 720 by 153 .. 520 pixels
// inside frame bands of 18.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>

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

// The window of the last statistics box: "lo <= x <= hi" then the
// ordinate's line.
drect statisticswindow(const std::string& told)
{
    drect w;
    size_t at = told.rfind("Coordinate Window:");
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
    hostrun r = runscript(sine + "<Space>c<dump fastplot-contour><Esc><Space>e<dump fastplot-properties><Esc><Esc>",
                          runprogram);
    ASSERT_EQ(r.status, 0);
    checkgoldenfiles(r.out, "fastplot-contour", golden);
    checkgoldenfiles(r.out, "fastplot-properties", golden);
}

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
