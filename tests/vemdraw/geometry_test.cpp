// Geometry after loading, the printer's conversions and placement.
#include "fixtures.h"

#include "vemdraw/geometry.h"
#include "vemdraw/viewmap.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(Geometry, FileWithoutTrailerSpansTheDeviceSquare)
{
    nodelist list;
    printerdate printer = a4printer();
    capturedboxes();
    ASSERT_TRUE(readfixture("points", list, printer));
    diagram& d = *firstdiagram(list);
    ASSERT_TRUE(applysettings(&d));
    EXPECT_EQ(d.window.left, 0);
    EXPECT_EQ(d.window.right, 20000);
    EXPECT_EQ(d.window.bottom, 0);
    EXPECT_EQ(d.window.top, 20000);
    EXPECT_EQ(d.anchorx, 0);
    EXPECT_EQ(d.anchory, 0);
    EXPECT_EQ(d.unitx, 1.0);
    EXPECT_EQ(d.gridx, 1.0);
}

TEST(Geometry, DeviceValuesGiveTheWorld)
{
    printerdate printer = a4printer();
    const struct {
        bool anchors, units;
        uint32_t ax, ay, ux, uy;
        double left, top, right, bottom, anchorx, anchory, unitx;
    } cases[] = {
        {true, true, 10000, 10000, 2000, 4000, -5, 2.5, 5, -2.5, 0, 0, 1},
        {true, false, 5000, 20000, 0, 0, -5000, 20000, 15000, 0, 0, 0, 1},
        {false, true, 0, 0, 4000, 4000, 0, 5, 5, 0, 0, 0, 1},
        {false, false, 0, 0, 0, 0, 0, 20000, 20000, 0, 0, 0, 1},
    };
    for (const auto& c : cases) {
        diagram d(&printer);
        d.anchorsgiven = c.anchors;
        d.unitsgiven = c.units;
        d.deviceanchorx = c.ax;
        d.deviceanchory = c.ay;
        d.deviceunitx = c.ux;
        d.deviceunity = c.uy;
        applysettings(&d);
        EXPECT_DOUBLE_EQ(d.window.left, c.left) << c.ax << " " << c.ux;
        EXPECT_DOUBLE_EQ(d.window.top, c.top) << c.ax << " " << c.ux;
        EXPECT_DOUBLE_EQ(d.window.right, c.right) << c.ax << " " << c.ux;
        EXPECT_DOUBLE_EQ(d.window.bottom, c.bottom) << c.ax << " " << c.ux;
        EXPECT_DOUBLE_EQ(d.anchorx, c.anchorx);
        EXPECT_DOUBLE_EQ(d.anchory, c.anchory);
        EXPECT_DOUBLE_EQ(d.unitx, c.unitx);
    }
    diagram world(&printer);   // main units in world units only
    world.unitsgiven = true;
    world.unitx = world.unity = 2;
    applysettings(&world);
    EXPECT_EQ(world.window.right, 20000);
    EXPECT_EQ(world.unitx, 2);
}

TEST(Geometry, AxisStepsAndAnchors)
{
    const struct {
        double low, high, unit, anchor;
    } cases[] = {
        {-1, 3, 1, 0},        // the range holds zero
        {2, 7, 1, 3},         // the first multiple above low
        {7, 2, 1, 3},
        {0.5, 0.7, 0.01, 0.51},
    };
    for (const auto& c : cases) {
        double unit = 0, anchor = 0;
        axstep(c.low, c.high, unit, anchor, 12.0);
        EXPECT_DOUBLE_EQ(unit, c.unit) << c.low << " " << c.high;
        EXPECT_NEAR(anchor, c.anchor, c.unit * 1e-9) << c.low << " " << c.high;
    }
}

TEST(Geometry, AxisStepEndsFarFromZero)
{
    double unit = 0, anchor = 0, low = 1e300;
    axstep(low, low * (1 + 1e-12), unit, anchor, 12.0);
    EXPECT_NEAR(unit, 1e287, 1e275);
    EXPECT_GT(anchor, low);
}

TEST(Geometry, NiceStepsComeFromTheSeries)
{
    for (double w : {3.0, 17.0, 0.004, 12345.0}) {
        double sx = 0, sy = 0;
        nicefit(sx, sy, 180, 250, w, w * 0.7);
        EXPECT_LE(w / sx, 180 * (1 + 1e-12));
        EXPECT_LE(w * 0.7 / sy, 250 * (1 + 1e-12));
        for (double s : {sx, sy}) {
            double m = s / std::pow(10, std::floor(std::log10(s)));
            // 2, 4, 5, 8, 10 times half a power of ten
            EXPECT_TRUE(std::abs(m - 1) < 1e-9 || std::abs(m - 2) < 1e-9 || std::abs(m - 2.5) < 1e-9
                        || std::abs(m - 4) < 1e-9 || std::abs(m - 5) < 1e-9)
                << s;
        }
    }
    double sx = 1, sy = 1;
    nicefit(sx, sy, 180, 250, 10, 0);   // a flat world ends
}

TEST(Geometry, LargerShapeChoosesPortraitOnEqualProducts)
{
    printerdate square = a4printer();
    platform::printercaps caps{300, 300, 200, 200, 2362, 2362, 2362, 2362, 0, 0};
    square.fill(&caps);
    square.orientation = orientation::landscape;
    diagram d(&square);
    d.windowgiven = true;
    d.window = {0, 1, 1, 0};
    d.autosize = d.largershape = true;
    autosize(d);
    EXPECT_EQ(square.orientation, orientation::portrait);
    EXPECT_EQ(d.interpretation, 0u);
}

TEST(Geometry, InvalidMarginsAreReplacedWithAMessage)
{
    printerdate printer = a4printer();
    diagram d(&printer);
    d.marginleft = 150;
    d.marginright = 100;
    auto& boxes = capturedboxes();
    applysettings(&d);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], "Ignoring invalid margins as submitted by input file");
    EXPECT_DOUBLE_EQ(d.marginleft, 2.0);   // the virtual printer prints to the edges
    EXPECT_DOUBLE_EQ(d.marginbottom, 2.0);
}

TEST(Printer, PenPixels)
{
    const struct {
        uint32_t width, dpi;
        int pixels;
    } cases[] = {{20, 600, 4}, {20, 96, 1}, {0, 600, 1}, {254, 300, 30}};
    for (const auto& c : cases) {
        pen p;
        p.width = c.width;
        penwidthpixels(p, c.dpi);
        EXPECT_EQ(p.pixels, c.pixels) << c.width << " at " << c.dpi;
    }
}

TEST(Printer, AdaptFitsTheSizeKeepingProportions)
{
    printerdate p;
    platform::printercaps caps{254, 254, 180, 250, 1800, 2500, 1800, 2500, 0, 0};
    p.fill(&caps);
    const double none[4] = {0, 0, 0, 0};
    mmrect r = diagramrect(p, orientation::portrait, 1, none, 141, 100);
    EXPECT_DOUBLE_EQ(r.width(), 180.0);
    EXPECT_NEAR(r.height(), 127.66, 0.01);
    r = diagramrect(p, orientation::portrait, 0, none, 141, 100);
    EXPECT_DOUBLE_EQ(r.width(), 141.0);
    r = diagramrect(p, orientation::portrait, 2, none, 141, 100);
    EXPECT_DOUBLE_EQ(r.height(), 250.0);
}

TEST(Printer, WithoutPrinterNothingDividesByZero)
{
    printerdate none;
    EXPECT_EQ(none.scale(1000), 0.0);
    EXPECT_FALSE(marginsvalid(none, 0, 0, 0, 0, orientation::portrait));
    EXPECT_EQ(printerdatatext(none), "No printer data: no default printer was found.\n");
    printerdate a4 = a4printer();
    std::string text = printerdatatext(a4);
    EXPECT_NE(text.find("Resolution (height): 300 dpi\n"), std::string::npos);
    EXPECT_NE(text.find(" 299 dpi(width)    300 dpi(height)\n"), std::string::npos);
    EXPECT_NE(text.find("Total paper height   29.70 cm\n"), std::string::npos);
}

TEST(Viewmap, MapsWorldToDeviceAndBack)
{
    viewmap m;
    m.set({-1, 3, 3, -2}, {0, 0, 800, 500});
    EXPECT_EQ(m.worldx(-1), 0);
    EXPECT_EQ(m.worldx(1), 400);
    EXPECT_EQ(m.worldx(3.5), 0);          // outside the window
    EXPECT_EQ(m.worldy(3), 0);
    EXPECT_EQ(m.worldy(-2), 500);
    EXPECT_DOUBLE_EQ(m.devicex(400), 1);
    EXPECT_DOUBLE_EQ(m.devicey(100), 2);
    EXPECT_DOUBLE_EQ(m.devicewidth(200), 1);
    EXPECT_DOUBLE_EQ(m.deviceheight(100), -1);   // world y grows upwards
    EXPECT_EQ(m.worldwidth(1), 200);
}

TEST(Viewmap, PlaceRectAndFractionsAreInverse)
{
    worldrect r{10, 20, 110, 220}, f{0.25, 0.75, 0.5, 0.1};
    worldrect a = placerect(r, f), back = fractionsof(a, r);
    EXPECT_DOUBLE_EQ(back.left, f.left);
    EXPECT_DOUBLE_EQ(back.top, f.top);
    EXPECT_DOUBLE_EQ(back.right, f.right);
    EXPECT_DOUBLE_EQ(back.bottom, f.bottom);
    worldrect flat = placerect({10, 20, 10, 220}, f);
    EXPECT_EQ(flat.right, 0);
}

}  // namespace

namespace {

// 254 dpi: ten pixels a millimetre.  Paper 210 x 297 mm, printable
// 200 x 280 mm from (5, 10) mm.
printerdate offsetprinter()
{
    platform::printercaps caps{254, 254, 200, 280, 2000, 2800, 2100, 2970, 50, 100};
    printerdate p;
    p.fill(&caps);
    return p;
}

TEST(Printer, MarginAreaInBothOrientations)
{
    printerdate p = offsetprinter();
    const struct {
        uint32_t o;
        double left, top, right, bottom;
    } cases[] = {
        {orientation::portrait, 10, 5, 190, 272},
        {orientation::landscape, 5, 10, 272, 190},
    };
    for (const auto& c : cases) {
        mmrect a = marginarea(p, c.o, 15, 15, 15, 15);
        EXPECT_DOUBLE_EQ(a.left, c.left) << c.o;
        EXPECT_DOUBLE_EQ(a.top, c.top) << c.o;
        EXPECT_DOUBLE_EQ(a.right, c.right) << c.o;
        EXPECT_DOUBLE_EQ(a.bottom, c.bottom) << c.o;
    }
    mmrect clipped = marginarea(p, orientation::portrait, 0, 0, 0, 0);
    EXPECT_DOUBLE_EQ(clipped.left, 0);
    EXPECT_DOUBLE_EQ(clipped.right, 200);   // the printable width
}

TEST(Printer, DefaultMarginsAreTheUnusableOnesPlusTwo)
{
    printerdate p = offsetprinter();
    double lr, tb;
    p.defaultmargins(orientation::portrait, lr, tb);
    EXPECT_DOUBLE_EQ(lr, 7);
    EXPECT_DOUBLE_EQ(tb, 12);
    p.defaultmargins(orientation::landscape, lr, tb);
    EXPECT_DOUBLE_EQ(lr, 12);
    EXPECT_DOUBLE_EQ(tb, 7);
    diagram d(&p);
    EXPECT_DOUBLE_EQ(d.marginleft, 7);
    EXPECT_DOUBLE_EQ(d.marginbottom, 12);
    EXPECT_TRUE(marginsvalid(p, 99, 0, 100, 0, orientation::portrait));    // 199.9 of 200 mm with 0.9
    EXPECT_FALSE(marginsvalid(p, 99.2, 0, 100, 0, orientation::portrait));
    EXPECT_TRUE(marginsvalid(p, 139, 0, 140, 0, orientation::landscape));
}

}  // namespace
