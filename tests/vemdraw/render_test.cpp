// The renderer on an image surface, and the program's dumps against
// goldens (decoded again by Pillow).
#include "fixtures.h"

#include "vemdraw/geometry.h"
#include "vemdraw/render.h"

#include "platform/core/draw.h"
#include "tests/base/curvepixels.h"

#include <gtest/gtest.h>

#include <cairo.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <map>
#include <memory>

namespace {

constexpr int W = 400, H = 300;

struct picture {
    std::unique_ptr<cairo_surface_t, void (*)(cairo_surface_t*)> image{
        cairo_image_surface_create(CAIRO_FORMAT_RGB24, W, H), cairo_surface_destroy};

    explicit picture(const diagram& d)
    {
        cairo_t* cr = cairo_create(image.get());
        cairo_set_source_rgb(cr, 1, 1, 1);
        cairo_paint(cr);
        paintdiag(cr, &d, screenwindow(W, H));
        cairo_destroy(cr);
        cairo_surface_flush(image.get());
    }
    uint32_t at(int x, int y) const
    {
        auto* row = reinterpret_cast<const uint32_t*>(cairo_image_surface_get_data(image.get())
                                                      + y * cairo_image_surface_get_stride(image.get()));
        return row[x] & 0xFFFFFF;
    }
    // Pixels per colour (0x00RRGGBB).
    std::map<uint32_t, int> colours() const
    {
        std::map<uint32_t, int> count;
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x)
                ++count[at(x, y)];
        return count;
    }
};

// A window -1..3 x -2..3 with anchors and units, as VEMO writes it.
struct worlddiagram {
    printerdate printer = a4printer();
    diagram d{&printer};
    polyline* line = new polyline;

    worlddiagram()
    {
        d.windowgiven = d.anchorsgiven = d.unitsgiven = true;
        d.window = {-1, 3, 3, -2};
        d.polylines.append(line);
        line->append({1, 0, 0});
        line->append({2, 20000, 20000});
        capturedboxes();
        applysettings(&d);
    }
};

TEST(Render, GridShadesAndBlends)
{
    EXPECT_EQ(blendcolor(0x0000FF, 0.25, 0xFFFFFF, 0.75), 0xBFBFFFu);
    EXPECT_EQ(gridshade(0x0000FF, 0), 0xBFBFFFu);
    EXPECT_EQ(gridshade(0x0000FF, -3), 0xBFBFFFu);
    EXPECT_EQ(gridshade(0x0000FF, 1), 0x7F7FFFu);
    EXPECT_EQ(gridshade(0x0000FF, 2), 0x0000FFu);
}

TEST(Render, FirstGridValueIsTheFirstMultipleAboveLow)
{
    const struct {
        double anchor, step, low, high, first;
    } cases[] = {
        {0, 1, -1, 3, 0},   {0, 1, 0, 3, 1},       {3, 0.5, 1.2, 9, 1.5},
        {0, -2, 3, 9, 4},   {0, 0, 3, 9, 0},       {0, 1e-20, 1e10, 2e10, 1.5e10},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(firstgridvalue(c.anchor, c.step, c.low, c.high), c.first) << c.low;
}

TEST(Render, DensityZeroLeavesBoxAxesAndCurves)
{
    worlddiagram w;
    w.d.griddensity = 0;
    w.d.gridcolour = 0x00FF00;
    picture p(w.d);
    auto colours = p.colours();
    EXPECT_EQ(colours.size(), 2u);            // black on white: no grid, no tint
    pixelbox r = screenwindow(W, H);
    EXPECT_EQ(p.at(r.left, (r.top + r.bottom) / 2), 0u);            // the box
    viewmap m;
    m.set(w.d.window, r);
    EXPECT_EQ(p.at(m.worldx(0), (r.top + r.bottom) / 2 + 7), 0u);  // the Y axis
}

TEST(Render, WithoutWorldWindowOrAnchorsOnlyBoxAndCurves)
{
    printerdate printer = a4printer();
    diagram d(&printer);
    auto* line = new polyline;
    d.polylines.append(line);
    line->append({1, 0, 10000});
    line->append({2, 20000, 10000});
    d.polylines.append(new polyline);      // only its zero element: nothing
    d.gridcolour = 0x0000FF;
    picture p(d);
    EXPECT_EQ(p.colours().size(), 2u);
    pixelbox r = screenwindow(W, H);
    EXPECT_EQ(p.at((r.left + r.right) / 2, (r.top + r.bottom) / 2), 0u);   // the curve
    EXPECT_EQ(p.at((r.left + r.right) / 2, r.top + 3), 0xFFFFFFu);        // no axis, no grid
}

TEST(Render, DenseGridBecomesATintAndSparseLinesAreDrawn)
{
    worlddiagram w;
    w.d.gridcolour = 0x0000FF;   // red
    w.d.gridstyle = 2;
    w.d.griddensity = 3;
    w.d.factorsx[1] = w.d.factorsy[1] = 50;
    picture p(w.d);
    auto colours = p.colours();
    // First order as lines in the full colour; the fiftieths (2 window
    // pixels, 12 printer pixels apart) tint the background.
    EXPECT_GT(colours[0xFF0000], 100);
    uint32_t background = p.at(screenwindow(W, H).left + 3, screenwindow(W, H).top + 3);
    EXPECT_NE(background, 0xFFFFFFu);
    EXPECT_EQ(background & 0xFF0000, 0xFF0000u);
}

TEST(Render, PointsOutsideTheWindowAreHeldInRange)
{
    worlddiagram w;
    w.d.window = {-1e308, 1e308, 1e308, -1e308};
    w.d.anchorx = w.d.anchory = 0;
    w.d.unitx = w.d.unity = 1e-300;
    w.d.griddensity = 3;
    picture p(w.d);   // ends, and draws without undefined conversions
    SUCCEED();
}

std::string run(const std::string& args)
{
    return std::string(VEMO_BIN_DIR) + "/vemdraw --headless " + args;
}

bool samepng(const std::string& a, const std::string& b)
{
    cairo_surface_t* x = cairo_image_surface_create_from_png(a.c_str());
    cairo_surface_t* y = cairo_image_surface_create_from_png(b.c_str());
    bool same = cairo_surface_status(x) == CAIRO_STATUS_SUCCESS && cairo_surface_status(y) == CAIRO_STATUS_SUCCESS
                && cairo_image_surface_get_width(x) == cairo_image_surface_get_width(y)
                && cairo_image_surface_get_height(x) == cairo_image_surface_get_height(y);
    for (int row = 0; same && row < cairo_image_surface_get_height(x); ++row)
        for (int col = 0; same && col < cairo_image_surface_get_width(x); ++col) {
            auto px = [&](cairo_surface_t* s) {
                return reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(s)
                                                   + row * cairo_image_surface_get_stride(s))[col] & 0xFFFFFF;
            };
            same = px(x) == px(y);
        }
    cairo_surface_destroy(x);
    cairo_surface_destroy(y);
    return same;
}

// The drawing rectangle of the dumps' 800 x 600 client area.
const pixelbox dumparea = screenwindow(800, 600);

// Where a dump must show a curve: pixels of the pen's colour (0xRRGGBB)
// inside box, against the exact curve in window pixels.
struct dumpcurve {
    uint32_t rgb;
    screenrect box;
    devicepiece curve;
};

screenrect pixelrect(uint32_t left, uint32_t top, uint32_t right, uint32_t bottom)
{
    return {int16_t(left), int16_t(top), int16_t(right), int16_t(bottom)};
}

// The drawing rectangle without its edges (the box is drawn there).
screenrect insidearea()
{
    return pixelrect(dumparea.left + 1, dumparea.top + 1, dumparea.right - 1, dumparea.bottom - 1);
}

// (t, f(t)) for steps + 1 values of t from t0 to t1, through the mapping of
// the file's world window onto the drawing rectangle (the axes' and the
// grid's mapping).
devicepiece worldcurve(const worldrect& window, const std::function<double(double)>& f, double t0, double t1,
                       int steps)
{
    viewmap m;
    m.set(window, dumparea);
    devicepiece piece;
    for (int i = 0; i <= steps; ++i) {
        double t = t0 + (t1 - t0) * i / steps;
        piece.emplace_back(m.worldx(t), m.worldy(f(t)));
    }
    return piece;
}

// The straight lines between points of the 0..20000 device square (y
// downwards), 1000 points a line, through the square's mapping onto the
// drawing rectangle.
devicepiece squarecurve(const std::vector<std::pair<double, double>>& points)
{
    viewmap square;
    square.set(torect(dumparea), {0, 0, devicesize, devicesize});
    devicepiece piece;
    for (size_t k = 0; k + 1 < points.size(); ++k)
        for (int i = 0; i <= 1000; ++i) {
            auto [x0, y0] = points[k];
            auto [x1, y1] = points[k + 1];
            double x = x0 + (x1 - x0) * i / 1000, y = y0 + (y1 - y0) * i / 1000;
            piece.emplace_back(std::trunc(square.devicex(x)), std::trunc(square.devicey(y)));
        }
    return piece;
}

// The curves the fixtures' dumps must show, from the fixtures as
// rkpfile.py writes them.
std::vector<dumpcurve> sinecurves()
{
    // sin x on 0..10 in the world window 0..10 x -1.25..1.25, blue pen.
    devicepiece sine = worldcurve({0, 1.25, 10, -1.25}, [](double x) { return std::sin(x); }, 0, 10,
                                  4 * int(dumparea.right - dumparea.left));
    return {{0x0000FF, insidearea(), sine}};
}

std::vector<dumpcurve> trailercurves()
{
    // A black line across the middle of the square: y = 0.5 in the world
    // window -1..3 x -2..3.  Box and axes are black too: the curve is
    // looked for in a band around it, left and right of the Y axis at the
    // anchor x = 0.
    worldrect window{-1, 3, 3, -2};
    devicepiece line = worldcurve(window, [](double) { return 0.5; }, -1, 3, 4 * int(dumparea.right - dumparea.left));
    viewmap m;
    m.set(window, dumparea);
    uint32_t yaxis = m.worldx(0), y = m.worldy(0.5);
    return {{0x000000, pixelrect(dumparea.left + 1, y - 5, yaxis - 2, y + 5), line},
            {0x000000, pixelrect(yaxis + 2, y - 5, dumparea.right - 1, y + 5), line}};
}

std::vector<dumpcurve> pointscurves()
{
    // No world window: the red polyline's points in the square.
    return {{0xFF0000, insidearea(), squarecurve({{0, 0}, {10000, 5000}, {20000, 20000}})}};
}

// True when the dump shows its curves within 1.5 pixels, none left out.
bool showscurves(const std::string& png, const std::vector<dumpcurve>& curves, const std::string& name)
{
    bool shown = true;
    for (const dumpcurve& c : curves) {
        curvefit fit = fitcurvepixels(png, c.rgb, c.box, {c.curve}, 1.5);
        EXPECT_EQ(fit.stray, 0u) << name << ": off by up to " << fit.worst << " px, " << fit.where;
        EXPECT_EQ(fit.missed, 0u) << name << ": left out, " << fit.where;
        EXPECT_GT(fit.pixels, 0u) << name;
        shown = shown && fit.stray == 0 && fit.missed == 0 && fit.pixels > 0;
    }
    return shown;
}

// The program's window as dumped, fitted to the fixtures' exact curves,
// then against goldens; VEMO_UPDATE_GOLDEN=1 writes them anew, only when
// they show their curves.
TEST(Render, DumpsMatchTheGoldens)
{
    const struct {
        const char* name;
        const char* script;
        const char* file;
        const char* options;
        std::vector<dumpcurve> curves;
    } cases[] = {
        {"trailer", "<dump trailer>", "trailer", "", trailercurves()},
        {"sine", "<dump sine>", "sine", "", sinecurves()},
        {"notrailer", "<dump notrailer>", "points", "", pointscurves()},
        // The first diagram is a single move: the box alone.
        {"twodiagrams", "<dump twodiagrams>", "twodiagrams", "--no-printer", {}},
    };
    std::string golden = VEMO_SOURCE_DIR "/tests/vemdraw/golden/";
    bool update = std::getenv("VEMO_UPDATE_GOLDEN");
    for (const auto& c : cases) {
        std::string out = fixturedir() + "/dump", script = out + "-" + c.name + ".txt";
        std::ofstream(script) << (std::string(c.options).empty() ? "" : "<ok>") << c.script;
        std::string command = run("--script " + script + " --out " + out + " " + c.options + " " + fixturedir()
                                  + "/" + c.file + ".rkp");
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
        std::string png = out + "/" + c.name + ".png";
        ASSERT_TRUE(showscurves(png, c.curves, c.name)) << c.name << ": not compared or stored";
        if (update) {
            std::system(("cp " + png + " " + out + "/" + c.name + ".txt " + golden).c_str());
            continue;
        }
        EXPECT_TRUE(samepng(png, golden + c.name + ".png")) << c.name;
        std::string text = filetext(out + "/" + c.name + ".txt"), expected = filetext(golden + c.name + ".txt");
        // The title names the fixture's temporary folder.
        EXPECT_EQ(text.substr(text.find('\n')), expected.substr(expected.find('\n'))) << c.name;
        std::string decode = "/usr/bin/python3 -c \"from PIL import Image; i = Image.open('" + png
                             + "'); i.load(); assert i.size == (800, 600)\"";
        EXPECT_EQ(std::system(decode.c_str()), 0) << c.name;
    }
}

// The sine VEMO wrote for the window 0..2 pi x -1.5..1.5 at resolution
// 200 (tests/plots/golden/transfer-sine.rkp, made by the plots'
// transfer-file tests) lies in the window on the sine through that
// window's mapping: VEMO's writer, the reader and the renderer's two
// mappings agree.
TEST(Render, SineWrittenByVemoShowsOnTheSine)
{
    std::string out = fixturedir() + "/vemosine", script = out + ".txt";
    std::ofstream(script) << "<dump vemosine>";
    ASSERT_EQ(std::system(run("--script " + script + " --out " + out + " " + fixturedir() + "/vemo-sine.rkp").c_str()),
              0);
    // The samples lie at the centres of the 200 steps: the curve runs from
    // half a step inside the left edge to half a step inside the right.
    double half = M_PI / 200;
    devicepiece sine = worldcurve({0, 1.5, 2 * M_PI, -1.5}, [](double x) { return std::sin(x); }, half,
                                  2 * M_PI - half, 4 * int(dumparea.right - dumparea.left));
    // The pen of curve colour 1: red.
    EXPECT_TRUE(showscurves(out + "/vemosine.png", {{0xFF0000, insidearea(), sine}}, "vemo-sine"));
}

TEST(Render, NoFileShowsGreyedMenus)
{
    std::string out = fixturedir() + "/nofile", script = out + ".txt";
    std::ofstream(script) << "<menu 40015><dump empty>";   // greyed: nothing to print
    ASSERT_EQ(std::system(run("--script " + script + " --out " + out).c_str()), 0);
    EXPECT_EQ(filetext(out + "/empty.txt"),
              "title: Vemdraw\nenabled: 40013 40023 40022 40024\nboxes:\n");
    ASSERT_EQ(std::system(run("--script " + script + " --out " + out + " /tmp/").c_str()), 0);
    EXPECT_EQ(filetext(out + "/empty.txt").substr(0, 55), "title: Vemdraw\nenabled: 40013 40023 40022 40024\nboxes:\n");
    // A file that ends inside a record: its message, then nothing loaded.
    std::ofstream(script) << "<ok><dump broken>";
    ASSERT_EQ(std::system(run("--script " + script + " --out " + out + " " + fixturedir() + "/insiderecord.rkp").c_str()),
              0);
    EXPECT_EQ(filetext(out + "/broken.txt"),
              "title: Vemdraw\nenabled: 40013 40023 40022 40024\nboxes:\n"
              "\n Invalid file format : \n\r Frame error detected in cycle 1 \n\r\n--\n");
    EXPECT_TRUE(samepng(out + "/broken.png", out + "/empty.png"));   // "No file loaded"
}

}  // namespace

namespace {

TEST(Render, PredicatesOfAxesTicksAndGrid)
{
    printerdate printer = a4printer();
    diagram d(&printer);
    EXPECT_FALSE(d.axisinside() || d.ticksdrawable() || d.griddrawable());
    d.anchorsgiven = true;
    d.window = {-1, 3, 3, -2};
    d.anchorx = 3;          // exactly on the edge: inside
    d.anchory = -2;
    EXPECT_TRUE(d.xaxisinside() && d.yaxisinside());
    d.anchorx = 3.0000001;
    EXPECT_FALSE(d.yaxisinside());
    EXPECT_TRUE(d.griddrawable() == false && d.ticksdrawable() == false);
    d.gridsynchronised = false;
    EXPECT_TRUE(d.griddrawable());
    d.unitsgiven = true;
    EXPECT_TRUE(d.ticksdrawable());
    d.unitx = 0;
    EXPECT_FALSE(d.ticksdrawable());
}

TEST(Render, TicksCloserThanFivePixelsAreLeftOut)
{
    worlddiagram w;
    w.d.griddensity = 0;
    w.d.box = false;
    pixelbox r = screenwindow(W, H);
    viewmap m;
    m.set(w.d.window, r);
    int axis = m.worldy(0);
    auto tickrows = [&](const picture& p) {
        int n = 0;
        for (int x = r.left + 1; x < int(r.right); ++x)
            n += p.at(x, axis + 1) == 0;
        return n;
    };
    w.d.factorsx[1] = 10;   // tenths 9.6 pixels apart: drawn
    int tenths = tickrows(picture(w.d));
    w.d.factorsx[1] = 50;   // fiftieths 1.9 pixels apart: left out
    int fiftieths = tickrows(picture(w.d));
    EXPECT_GT(tenths, 30);
    EXPECT_LT(fiftieths, tenths);
}

}  // namespace
