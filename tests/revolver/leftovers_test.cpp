// Nothing of one screen stays on the next: the calculator beneath the "u+"
// dialogue, the field of a long formula after "e", a Runge-Kutta
// calculator's value box after turning the revolver.
#include <cairo.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "tests/revolver/vemorun.h"

namespace {


// The cells of row y from column x1 to x2 that differ in colour from the
// cell (cx, cy) in a dump's picture.
int strangecells(const vemorun& v, const std::string& dump, int y, int x1, int x2, int cx, int cy)
{
    std::string png = v.path("out/" + dump + ".png");
    cairo_surface_t* s = cairo_image_surface_create_from_png(png.c_str());
    if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(s);
        return -1;
    }
    int cw = cairo_image_surface_get_width(s) / 80, ch = cairo_image_surface_get_height(s) / 30;
    int stride = cairo_image_surface_get_stride(s) / 4;
    auto* data = reinterpret_cast<const uint32_t*>(cairo_image_surface_get_data(s));
    auto color = [&](int x, int row) { return data[((row - 1) * ch + ch / 2) * stride + (x - 1) * cw + cw / 2]; };
    int n = 0;
    for (int x = x1; x <= x2; ++x)
        n += color(x, y) != color(cx, cy);
    cairo_surface_destroy(s);
    return n;
}

// A Runge-Kutta system of two values (f' = f.2, f.2' = -f.1) computed at
// t = 1 in calculator 1, beside x*x computed at 3 in calculator 2.
const std::string twocalculators = "<Right>ex*x<Enter><Enter>3<Enter><Left>"
                                   "dd<Backspace>1<Enter><Backspace>2<Enter>tf.2,-f.1<Enter><Down>e<Backspace>1<Enter>"
                                   "<Enter><Enter><Enter><Backspace>1<Enter><dump rk>";

}  // namespace

// The dialogue's prompts end their lines early; beside them lies the
// dialogue's own ground, not the calculator's formula area and status line.
TEST(leftovers, TheInstallDialogueCoversTheCalculator)
{
    vemorun v;
    ASSERT_EQ(v.run("ex*x<Enter><Enter>3<Enter>u+<dump uplus><Esc><A-x>y"), 0) << v.read("stderr.txt");
    ASSERT_TRUE(v.shows("uplus", "Input of a 1-formula function"));
    for (int row = 6; row <= 12; ++row)
        EXPECT_EQ(strangecells(v, "uplus", row, 62, 79, 70, 20), 0) << "row " << row;
}

// "e" clears a field as long as a whole formula; the rows below the
// calculator come back when the edit ends.
TEST(leftovers, TheFormulaFieldGoesWithTheEdit)
{
    vemorun v;
    ASSERT_EQ(v.run("e2*x+1<Enter><dump edited><A-x>y"), 0) << v.read("stderr.txt");
    for (int row = 9; row <= 20; ++row)
        EXPECT_EQ(strangecells(v, "edited", row, 1, 80, 40, 28), 0) << "row " << row;
}

// Turning from the Runge-Kutta calculator shows the next one without the
// value box of two lines, the empty one without any colour of it.
TEST(leftovers, TurningLeavesNoValueBox)
{
    vemorun v;
    ASSERT_EQ(v.run(twocalculators + "<Right><dump direct><Left><Left><dump empty><A-x>y"), 0)
        << v.read("stderr.txt");
    ASSERT_TRUE(v.shows("rk", "f.1     =     -0.841470984807892"));
    EXPECT_FALSE(v.shows("direct", "0.84147098480789"));
    EXPECT_FALSE(v.shows("empty", "0.84147098480789"));
    for (int row = 7; row <= 12; ++row)
        EXPECT_EQ(strangecells(v, "empty", row, 1, 80, 40, 28), 0) << "row " << row;
}
