// The grid, size, synchronization and axes dialogs, answered by scripts
// as a user would, and what they leave in the first diagram.
#include "fixtures.h"

#include "vemdraw/sizedialog.h"
#include "vemdraw/syncdialog.h"

#include <gtest/gtest.h>

#include <cairo.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>

namespace {

constexpr int grid = 40018, size = 40019, axes = 40020;

// The part of the dialog log from the n-th opening of a dialog on (0 first).
std::string opening(const std::string& log, const std::string& name, int n)
{
    size_t at = 0;
    for (int i = 0; i <= n; ++i) {
        at = log.find(name + " ended", i ? at + 1 : 0);
        if (at == std::string::npos)
            return "";
    }
    return log.substr(at, log.find(" ended", at + name.size() + 7) - at);
}

bool has(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

using Settings = scriptedprogram;

TEST_F(Settings, GridTakesDensityStyleColourAndSubdivision)
{
    ASSERT_TRUE(start("<dialog 1009=1 1010=1 1016=1 1020=1 1030=5 1029=2 ok><dialog cancel>"
                      "<dialog 1020=1 1030=1 1029=1 ok><dialog cancel>"));
    first().unitx = 1.0;
    first().unity = 0.1;
    program->command(grid);
    EXPECT_EQ(first().griddensity, 3u);
    EXPECT_EQ(first().gridstyle, 2u);
    EXPECT_EQ(first().gridcolour, 0xFF4040u);
    EXPECT_TRUE(first().gridsynchronised);
    EXPECT_DOUBLE_EQ(first().gridx, 0.2);
    EXPECT_DOUBLE_EQ(first().gridy, 0.05);
    // Opened again: the factors come back from main unit / grid unit.
    program->command(grid);
    std::string again = opening(dialogs(), "GRIDDIALOG", 1);
    EXPECT_TRUE(has(again, "1030=5\n") && has(again, "1029=2\n") && has(again, "1020=1\n")) << again;
    // Subdivided by 1 and 1 is synchronized 1:1 the next time.
    program->command(grid);
    program->command(grid);
    std::string last = opening(dialogs(), "GRIDDIALOG", 3);
    EXPECT_TRUE(has(last, "1019=1\n") && has(last, "1020=0\n")) << last;
    EXPECT_DOUBLE_EQ(first().gridx, 1.0);
    EXPECT_TRUE(boxes->empty());
}

TEST_F(Settings, GridGreysWhatDoesNotApplyAndCancelChangesNothing)
{
    ASSERT_TRUE(start("<dialog 1006=1 cancel><dialog 1007=1 1021=1 cancel><dialog 1007=1 1019=1 cancel>"));
    uint32_t density = first().griddensity;
    bool synchronised = first().gridsynchronised;
    program->command(grid);
    program->command(grid);
    program->command(grid);
    std::string none = opening(dialogs(), "GRIDDIALOG", 0), cm = opening(dialogs(), "GRIDDIALOG", 1),
                synced = opening(dialogs(), "GRIDDIALOG", 2);
    EXPECT_TRUE(has(none, "1011=0 (grey)") && has(none, "1013=") && has(none, "1022=Synchronize by Size... (grey)"))
        << none;
    // True centimetres: synchronizing by size is offered, subdivision not.
    EXPECT_TRUE(has(cm, "1022=Synchronize by Size...\n") && has(cm, "1030=") && has(cm, " (grey)")) << cm;
    EXPECT_TRUE(has(cm, "1030=1 (grey)") || has(cm, "(grey)\n")) << cm;
    EXPECT_TRUE(has(synced, "1022=Synchronize by Size... (grey)")) << synced;
    EXPECT_EQ(first().griddensity, density);
    EXPECT_EQ(first().gridsynchronised, synchronised);
}

TEST(Sync, FitTakesTheSmallestStepBelowThePaper)
{
    const struct {
        double range, printable, perunit;
    } cases[] = {
        {10, 199, 0.1},
        {10, 210, 0.05},
        {1, 287, 0.004},
        {2.5, 297, 0.01},
        {3e6, 200, 2e4},
        {1e-3, 150, 1e-5},
    };
    for (const auto& c : cases) {
        step s;
        syncfit(s, c.range, c.printable);
        EXPECT_NEAR(s.value(), c.perunit, c.perunit * 1e-9) << c.range << " on " << c.printable;
    }
    // Without paper or range the loops end all the same.
    for (auto [range, printable] : {std::pair{10.0, 0.0}, {0.0, 200.0}, {-1.0, 200.0}}) {
        step s;
        syncfit(s, range, printable);
        SUCCEED();
    }
}

TEST_F(Settings, SyncSpinsStepTheSeriesAndSizeTheDiagram)
{
    // Sine: 10 units wide, 2.5 high, in landscape: A4 prints 297 x 210 mm.
    ASSERT_TRUE(start("<dialog 1007=1 1021=1 press=1022 ok><dialog 1050=1 1051=-1 ok>"));
    program->command(grid);
    std::string sync = opening(dialogs(), "SYNCDIALOG", 0);
    // 0.04 units per mm stepped down to 0.025, 0.02 up to 0.025.
    EXPECT_TRUE(has(sync, "1057=        0.25\n") && has(sync, "1049=        0.25\n")) << sync;
    EXPECT_TRUE(has(sync, "1055= Width = 40.000 cm") && has(sync, "1054=Height = 10.000 cm")) << sync;
    EXPECT_TRUE(has(sync, "( Usable paper size is 29.7 x 21.0 cm )")) << sync;
    EXPECT_DOUBLE_EQ(first().width, 400);
    EXPECT_DOUBLE_EQ(first().height, 100);
    EXPECT_EQ(first().interpretation, 0u);
}

TEST_F(Settings, SyncTypedUnitsMustBePositiveNumbers)
{
    ASSERT_TRUE(start("<dialog 1007=1 1021=1 press=1022 ok><dialog 1057=nan 1049=-2 1057=4 ok>"));
    program->command(grid);
    std::string sync = opening(dialogs(), "SYNCDIALOG", 0);
    EXPECT_TRUE(has(sync, "1057=           4\n") && has(sync, "1049=         0.2\n")) << sync;
    EXPECT_DOUBLE_EQ(first().width, 25);     // 10 units at 0.4 per mm
    EXPECT_DOUBLE_EQ(first().height, 125);   // 2.5 units at 0.02 per mm
}

TEST_F(Settings, SyncWithoutPrinterDataOrRangeOpensNothing)
{
    ASSERT_TRUE(start("<dialog 1007=1 1021=1 press=1022 cancel><dialog press=1044 cancel>", false));
    boxes->clear();
    program->command(grid);
    ASSERT_EQ(boxes->size(), 1u);
    EXPECT_EQ((*boxes)[0], "Without printer data the size cannot be synchronized.");
    boxes->clear();
    program->command(size);
    EXPECT_FALSE(has(dialogs(), "SYNCDIALOG"));
    ASSERT_EQ(boxes->size(), 1u);
}

// The program itself, started with --no-printer: the refusal instead of
// the dialog, and the script goes on.
TEST(SyncProgram, NoPrinterOptionRefusesTheDialog)
{
    std::string out = fixturedir() + "/noprinter", script = out + ".txt";
    std::ofstream(script) << "<ok><menu 40018><dialog 1007=1 1021=1 press=1022 cancel><ok><dump nosync>";
    std::string command = std::string(VEMO_BIN_DIR) + "/vemdraw --headless --no-printer --script " + script
                        + " --out " + out + " " + fixturedir() + "/sine.rkp";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    std::string text = filetext(out + "/nosync.txt");
    EXPECT_TRUE(has(text, "Without printer data the size cannot be synchronized.")) << text;
    EXPECT_FALSE(has(filetext(out + "/dialogs.txt"), "SYNCDIALOG"));
}

TEST_F(Settings, SyncOfAnEmptyWindowOpensNothing)
{
    ASSERT_TRUE(start("<dialog press=1044 cancel>"));
    first().window.top = first().window.bottom;
    program->command(size);
    EXPECT_FALSE(has(dialogs(), "SYNCDIALOG"));
    ASSERT_EQ(boxes->size(), 1u);
    EXPECT_EQ((*boxes)[0], "The diagram's world window is empty:\n\rthe size cannot be synchronized.");
}

TEST_F(Settings, SizeTakesTypedValuesAndRefusesBadOnes)
{
    ASSERT_TRUE(start("<dialog 1036=5.5 1032=4 1037=1 ok>"
                      "<dialog 1033=20 1046=10 ok>"
                      "<dialog 1036=nan 1032=1e400 1040=1 ok>"
                      "<dialog 1033=3 press=1048 cancel>"));
    program->command(size);
    EXPECT_DOUBLE_EQ(first().width, 55);
    EXPECT_DOUBLE_EQ(first().height, 40);
    EXPECT_EQ(first().interpretation, 0u);
    std::string strict = opening(dialogs(), "SIZEDIALOG", 0);
    EXPECT_TRUE(has(strict, "1042= Width  =    5.500 cm\n\r Height =    4.000 cm")) << strict;
    EXPECT_TRUE(boxes->empty());
    // Sine is landscape: 200 + 100 + 0.9 mm of margins across 297 mm.
    double left = first().marginleft;
    program->command(size);
    ASSERT_EQ(boxes->size(), 1u);
    EXPECT_EQ((*boxes)[0], "Ignoring invalid margin assignments");
    EXPECT_EQ(first().marginleft, left);
    // Not numbers: the old values stay; portrait is taken.
    program->command(size);
    EXPECT_DOUBLE_EQ(first().width, 55);
    EXPECT_DOUBLE_EQ(first().height, 40);
    EXPECT_EQ(program->printer().orientation, orientation::portrait);
    std::string refilled = opening(dialogs(), "SIZEDIALOG", 2);
    EXPECT_TRUE(has(refilled, "1036=5.500\n") && has(refilled, "1032=4.000\n")) << refilled;
    // Default: the virtual printer prints to the paper's edge, so 2 mm.
    program->command(size);
    std::string defaults = opening(dialogs(), "SIZEDIALOG", 3);
    EXPECT_TRUE(has(defaults, "1033=0.200\n") && has(defaults, "1034=0.200\n")) << defaults;
    EXPECT_EQ(first().marginleft, left);
}

// The preview of a 100 x 100 mm diagram at 20 mm margins on A4.
struct previewcase {
    double margin;
    bool valid;
};

class SizePreview : public testing::TestWithParam<previewcase> {};

TEST_P(SizePreview, WhitePaperTintedDiagramOutlineOrInvalidMargins)
{
    printerdate p = a4printer();
    sizesettings r;
    r.width = r.height = 100;
    r.margins = {20, 20, GetParam().margin, 20};
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 200, 200);
    cairo_t* cr = cairo_create(s);
    sizedraw(cr, 200, 200, r, p);
    cairo_destroy(cr);
    cairo_surface_flush(s);
    auto at = [&](int x, int y) {
        return *reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(s) + y * cairo_image_surface_get_stride(s)
                                           + 4 * x) & 0xFFFFFF;
    };
    // 297 mm make 200 pixels: the paper is 141 pixels wide from x = 29;
    // the diagram from 20 to 120 mm is x 42..110, y 13..80.
    EXPECT_EQ(at(29 + 141 / 2, 150), 0xFFFFFFu);   // paper
    EXPECT_EQ(at(5, 100), 0u);                      // beside the paper
    EXPECT_EQ(at(60, 30), 0xFFECBFu);               // white 3/4, 0x00B4FF 1/4
    long dark = 0;
    for (int y = 0; y < 200; ++y)
        for (int x = 30; x < 170; ++x)
            dark += (at(x, y) & 0xFF) < 0x60;
    if (GetParam().valid) {
        EXPECT_EQ(at(42, 40), 0u);   // the outline's left edge
        EXPECT_EQ(dark, (110 - 42 + 80 - 13) * 2);
    } else {
        EXPECT_GT(dark, 20);   // the words
        EXPECT_NE(at(42, 40), 0u);
    }
    cairo_surface_destroy(s);
}

INSTANTIATE_TEST_SUITE_P(Margins, SizePreview, testing::Values(previewcase{20, true}, previewcase{190, false}));

TEST_F(Settings, AxesTakeFlagsOrdersUnitsAndDiameter)
{
    ASSERT_TRUE(start("<dialog 1067=2 1064=1 ok>"
                      "<dialog 1058=0 1071=1 1067=0 1062=nan 1061=5 ok>"
                      "<dialog 1058=0 1059=0 1060=0 cancel>"));
    first().gridsynchronised = true;
    first().unitx = 1;
    first().gridx = 0.25;
    first().anchory = 0.5;
    program->command(axes);
    EXPECT_DOUBLE_EQ(first().unitx, 2);
    EXPECT_DOUBLE_EQ(first().gridx, 0.5);   // the grid along with the unit
    program->command(axes);
    EXPECT_FALSE(first().xaxis);
    EXPECT_TRUE(first().tickmarks);
    EXPECT_TRUE(first().tickorders[0] && first().tickorders[1] && !first().tickorders[2]);
    EXPECT_DOUBLE_EQ(first().unitx, 0);     // taken; the ticks go
    EXPECT_DOUBLE_EQ(first().anchory, 0.5);
    EXPECT_EQ(first().axisdiameter, 5u);
    program->command(axes);
    std::string none = opening(dialogs(), "AXDIALOG", 2);
    EXPECT_TRUE(has(none, "1070=0 (grey)") && has(none, "1063=") && has(none, "(grey)")) << none;
    EXPECT_TRUE(has(none, "1068= makes inf main intervals (grey)")) << none;
    EXPECT_TRUE(first().box);
}

// A file without trailer has a window from 0: each dialog shows "0", never "-0".
TEST_F(Settings, DialogsShowNoNegativeZero)
{
    ASSERT_TRUE(start("<dialog cancel><dialog cancel><dialog cancel>", true, "points"));
    for (int id : {axes, grid, size})
        program->command(id);
    std::string log = dialogs();
    EXPECT_TRUE(has(log, "          0 <= X <= 20000")) << log;
    EXPECT_FALSE(std::regex_search(log, std::regex("-0([^.0-9]|$)"))) << log;
}

TEST_F(Settings, ExportShowsTheWaitCursorWhileWriting)
{
    ASSERT_TRUE(start("<dialog press=1079 press=1089 press=1089><file waiting.gif>"));
    program->command(40026);
    EXPECT_TRUE(has(dialogs(), "EXPORTDIALOG ended with 1")) << dialogs();
    EXPECT_TRUE(std::filesystem::exists(out + "/WAITING.GIF")) << dialogs();
    EXPECT_EQ(front->cursors(), (std::vector{platform::cursorkind::wait, platform::cursorkind::arrow}));
}

using ShapePreview = scriptedprogram;

TEST_F(ShapePreview, TheClientAreaTakesThePapersProportionsWithinTheWorkArea)
{
    const struct {
        double width, height;   // mm, strict
        int clientwidth, clientheight;
    } cases[] = {
        {100, 100, 692, 692},     // 800 x 600 made square, as large
        {100, 200, 489, 979},
        {250, 10, 1280, 51},      // shrunk into the 1280 x 1024 work area
    };
    ASSERT_TRUE(start(""));
    for (const auto& c : cases) {
        first().interpretation = 0;
        first().width = c.width;
        first().height = c.height;
        front->placewindow(0, 0, 800, 600);
        program->command(40029);
        int w = 0, h = 0;
        front->clientsize(w, h);
        EXPECT_EQ(w, c.clientwidth) << c.width << " x " << c.height;
        EXPECT_EQ(h, c.clientheight) << c.width << " x " << c.height;
    }
    EXPECT_TRUE(boxes->empty());
}

TEST_F(ShapePreview, IsRefusedWithoutPrinterData)
{
    ASSERT_TRUE(start("", false));
    boxes->clear();
    size_t moves = front->moves().size();
    program->command(40029);
    ASSERT_EQ(boxes->size(), 1u);
    EXPECT_EQ((*boxes)[0], "Shape Preview needs the data of a printer.");
    EXPECT_EQ(front->moves().size(), moves);
}

}  // namespace
