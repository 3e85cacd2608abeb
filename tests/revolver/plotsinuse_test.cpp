// Fastplots and designer plots as a user makes them through the running
// program: every curve of a parametric plot drawn, a plot greyed after its
// formula was edited, Runge-Kutta column names and ranges, a pasted
// perspective's pen, a walk from the border of an undefined region and the
// advice when there is no designer plot.  Curve pixels are checked against
// the exact curves through the pane's mapping (plot area 20 .. 720 by
// 153 .. 520 on the 800 by 540 screen).
#include <cairo.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "revolver/program.h"
#include "screen/palette.h"
#include "tests/revolver/plotscripts.h"
#include "tests/screen/dumpfile.h"
#include "tests/screen/hostrun.h"
#include "tests/screen/workfolder.h"

namespace {

struct pixel {
    int x, y;
};

// The pixels of the colour inside the fastplot's plot area of a dump.
std::vector<pixel> curvepixels(const hostrun& r, const std::string& dump, uint32_t rgb)
{
    std::vector<pixel> found;
    cairo_surface_t* s = cairo_image_surface_create_from_png((r.out + "/" + dump + ".png").c_str());
    if (cairo_surface_status(s) == CAIRO_STATUS_SUCCESS) {
        int stride = cairo_image_surface_get_stride(s) / 4;
        auto* data = reinterpret_cast<const uint32_t*>(cairo_image_surface_get_data(s));
        for (int y = 153; y <= 520; ++y)
            for (int x = 20; x <= 720; ++x)
                if ((data[y * stride + x] & 0xFFFFFF) == rgb)
                    found.push_back({x, y});
    }
    cairo_surface_destroy(s);
    return found;
}

struct box {
    int left = 9999, top = 9999, right = 0, bottom = 0;
};

box boundsof(const std::vector<pixel>& pixels)
{
    box b;
    for (const pixel& p : pixels) {
        b.left = std::min(b.left, p.x);
        b.right = std::max(b.right, p.x);
        b.top = std::min(b.top, p.y);
        b.bottom = std::max(b.bottom, p.y);
    }
    return b;
}

// The colour of the curve of a current fastplot.
uint32_t currentcurve()
{
    return colorrgb(colorof(57));
}

// The line of the dump's text below the first line holding text, trimmed.
std::string linebelow(const hostrun& r, const std::string& dump, const std::string& text)
{
    std::string all = dumpfile(r, dump + ".txt");
    size_t at = all.find(text);
    if (at == std::string::npos)
        return "(no " + text + ")";
    size_t from = all.find('\n', at) + 1;
    std::string line = all.substr(from, all.find('\n', from) - from);
    line.erase(line.find_last_not_of(' ') + 1);
    line.erase(0, line.find_first_not_of(' '));
    return line;
}

bool shows(const hostrun& r, const std::string& dump, const std::string& text)
{
    return dumpfile(r, dump + ".txt").find(text) != std::string::npos;
}

// Order 2, one value: f'' = -f from f(0) = 1, f'(0) = 0 (f = cos t),
// computed at t = 6.
const std::string oscillator = "dd<Backspace>2<Enter><Backspace>1<Enter>t-f.1<Enter><Down>e<Backspace>1<Enter>"
                               "<Enter><Enter><Enter><Backspace>6<Enter>";
// Order 1, two values: (f.1, f.2)' = (f.2, -f.1) from (1, 0), computed
// at t = 6: a circle, which the pen may add siblings to.
const std::string rotation = "dd<Backspace>1<Enter><Backspace>2<Enter>tf.2,-f.1<Enter><Down>e<Backspace>1<Enter>"
                             "<Enter><Enter><Enter><Backspace>6<Enter>";
class plotsinuse : public workfolder {};

TEST_F(plotsinuse, AParametricFastplotDrawsEveryCurve)
{
    // Two circles about the origin, of radius 1 and 1/2, in an automatic
    // window: the outer one spans the pixels' bounding box, and every
    // pixel lies on one of the two ellipses the mapping makes of them.
    hostrun r = runscript("ecos(x),sin(x),cos(x)/2,sin(x)/2<Enter><Enter>1<Enter>"
                          "<Space>px<Down>y<Down>x<Down>y<Enter><Enter>0<Enter>6.3<Enter><dump circles>"
                              + statistics,
                          runprogram);
    ASSERT_EQ(r.status, 0);
    std::vector<pixel> pixels = curvepixels(r, "circles", currentcurve());
    ASSERT_GT(pixels.size(), 500u);
    box b = boundsof(pixels);
    double cx = (b.left + b.right) / 2.0, cy = (b.top + b.bottom) / 2.0;
    double rx = (b.right - b.left) / 2.0, ry = (b.bottom - b.top) / 2.0;
    size_t outer = 0, inner = 0;
    for (const pixel& p : pixels) {
        double radius = std::hypot((p.x - cx) / rx, (p.y - cy) / ry);
        outer += std::fabs(radius - 1) < 0.03;
        inner += std::fabs(radius - 0.5) < 0.03;
    }
    EXPECT_EQ(outer + inner, pixels.size());
    // The inner circle is half as long as the outer one.
    EXPECT_GT(inner, outer / 3) << outer << " outer pixels";
    EXPECT_NE(boxes(r).find(" 2)  f.4 over f.3"), std::string::npos) << boxes(r);
}

TEST_F(plotsinuse, AnEditedFormulaLeavesItsPlotStale)
{
    // Edits that bring no new constant: "a" names the change before it
    // adapts the plot.
    for (const char* edit : {"<Home>x*", "<End>+x", "<End>+cos(x)"}) {
        std::filesystem::remove("vemo.rev");   // a fresh start each time
        hostrun r = runscript(std::string("esin(x)<Enter><Enter>2<Enter><Space><Space>e") + edit
                                  + "<Enter><Enter><Enter><Space>a<dump adapt><Esc><Esc><close>",
                              runprogram);
        EXPECT_EQ(r.status, 0) << edit;
        EXPECT_TRUE(shows(r, "adapt", "Implementation of calculator or components")) << edit;
    }
}

TEST_F(plotsinuse, AnEditedParametricFormulaTakesANewSample)
{
    // cos x, sin x becomes the figure eight cos x, sin x cos x: after the
    // notice the plot is sampled anew instead of offering the old sample,
    // and the curve is the new one: y = x sin x through the mapping that
    // the extreme pixels give (x from -1 to 1, y from -1/2 to 1/2).
    hostrun r = runscript(parametricfastplot("cos(x), sin(x)", "0", "6.3")
                          + "e<End>*cos(x)<Enter><Enter><Enter><Space>a<dump notice><Enter><dump eight>"
                              + statistics,
                          runprogram);
    ASSERT_EQ(r.status, 0);
    EXPECT_TRUE(shows(r, "notice", "Implementation of calculator or components"));
    EXPECT_FALSE(shows(r, "eight", "Create new sample"));
    std::vector<pixel> pixels = curvepixels(r, "eight", currentcurve());
    ASSERT_GT(pixels.size(), 500u);
    box b = boundsof(pixels);
    // The pixels' box spans x from -1 to 1 and y from -1/2 to 1/2.
    std::vector<std::pair<double, double>> exact;
    for (int i = 0; i <= 4000; ++i) {
        double t = 2 * M_PI * i / 4000;
        exact.push_back({b.left + (std::cos(t) + 1) / 2 * (b.right - b.left),
                         b.bottom - (std::sin(t) * std::cos(t) + 0.5) * (b.bottom - b.top)});
    }
    double farthest = 0;
    for (const pixel& p : pixels) {
        double nearest = 1e9;
        for (auto [x, y] : exact)
            nearest = std::min(nearest, std::hypot(p.x - x, p.y - y));
        farthest = std::max(farthest, nearest);
    }
    EXPECT_LT(farthest, 2.0);
}

TEST_F(plotsinuse, ARungeKuttaParametricPlotNamesItsColumnsAndEditsItsRange)
{
    // f' over f; the range proposed for editing is the solver table's,
    // from 0 to about t = 6.
    hostrun r = runscript(oscillator + "<Space>px<Down>y<Enter><Enter><dump lower><Enter><dump upper><Enter>" + statistics,
                          runprogram);
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(linebelow(r, "lower", "Edit Parameter Range - Input lower border:"), "0");
    double upper = std::atof(linebelow(r, "upper", "Edit Parameter Range - Input upper border:").c_str());
    EXPECT_NEAR(upper, 6, 0.2);
    EXPECT_NE(boxes(r).find(" 1)  f' over f\n"), std::string::npos) << boxes(r);
}

TEST_F(plotsinuse, APastedPerspectiveTakesThePen)
{
    // The copy pasted from the clipboard has no active entry number: its
    // first curve is the active one, the pen's click asks for a sibling.
    hostrun r = runscript(rotation + "<Space>px<Down>y<Enter><Enter><Enter><Enter>ppnr<Tab><Ins>d"
                                     "<press 400 300 px><move 400 300 px><release 400 300 px><dialog press=2>"
                                     "<Esc><Esc>"
                              + statistics,
                          runprogram);
    ASSERT_EQ(r.status, 0);
    EXPECT_NE(dumpfile(r, "dialogs.txt").find("MOUSECREATE ended with 2"), std::string::npos)
        << dumpfile(r, "dialogs.txt");
}

TEST_F(plotsinuse, AWalkFromTheBorderOfAnUndefinedRegionEndsQuietly)
{
    // x, sqrt x over -1 .. 4: a sample falls on t = 0, where the root
    // begins.  The fastplot's sample shows the whole curve, to x = 4 at
    // about 94 % of the pane (the automatic window adds 3 % each side);
    // the designer plot's walk reports nothing.
    hostrun r = runscript(parametricfastplot("x, sqr(x)", "-1", "4")
                          + "<dump root>ppnr<dump walked><Esc>"
                              + statistics,
                          runprogram);
    ASSERT_EQ(r.status, 0);
    EXPECT_FALSE(shows(r, "walked", "Starter loop")) << dumpfile(r, "walked.txt");
    std::vector<pixel> pixels = curvepixels(r, "root", currentcurve());
    ASSERT_GT(pixels.size(), 100u);
    box b = boundsof(pixels);
    EXPECT_NEAR((b.right - b.left) / 700.0, 4 / 4.24, 0.01);
}

TEST_F(plotsinuse, WithoutADesignerPlotThePlotMenuAdvisesAFastplotFirst)
{
    hostrun r = runscript("esin(x)<Enter><Enter>1<Enter>ppp<dump none><Esc><close>", runprogram);
    EXPECT_TRUE(shows(r, "none", "There has no designer plot been created yet."));
    EXPECT_TRUE(shows(r, "none", "make a fastplot first")) << dumpfile(r, "none.txt");
}

}  // namespace
