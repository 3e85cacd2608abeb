// The mouse frame dialog answered by the script: its answers, the keep
// mode, the push that only a frame beside the window offers, the position
// it reopens at, and its images read back by the PNG decoder.
#include "plots/framebitmaps.h"
#include "plots/mouseframe.h"
#include "plots/panelsizes.h"
#include "tests/screen/dumpfile.h"
#include "tests/screen/editrun.h"

#include <gtest/gtest.h>

#include <cairo.h>

#include <string>

namespace {

TEST(mouseframedialog, AnswersAndKeepModes)
{
    struct {
        const char* answer;
        uint16_t keepbefore;
        uint8_t pushallowed;
        int result;
        uint16_t keepafter;
    } cases[] = {
        {"<dialog press=1002>", 1, 0, 'g', 1},
        {"<dialog 1007=1 press=1003>", 1, 0, 'k', 2},
        {"<dialog 1008=1 1006=1 press=1002>", 3, 0, 'g', 1},
        {"<dialog press=1004 press=1005>", 1, 0, 27, 1},    // no push offered: the click does nothing
        {"<dialog press=1004>", 2, 1, 'v', 2},
        {"<cancel>", 2, 1, 27, 2},
        {"<dialog ok>", 1, 1, 27, 1},
        {"<dialog 1008=1 press=1005>", 7, 0, 27, 3},      // a stray mode opens as "as is"
    };
    for (const auto& c : cases) {
        mouseframerecord record;
        record.keepmode = c.keepbefore;
        record.shifted = c.pushallowed;
        int result = 0;
        hostrun run = rundialogue(c.answer, [&] { result = mouseframedialog(record); });
        EXPECT_EQ(run.status, 0) << c.answer;
        EXPECT_EQ(result, c.result) << c.answer;
        EXPECT_EQ(record.keepmode, c.keepafter) << c.answer;
    }
}

TEST(mouseframedialog, OpensMarkedByTheRecordWithTheGreyPushWhenNotAllowed)
{
    mouseframerecord record;
    record.keepmode = 2;
    hostrun run = rundialogue("<cancel>", [&] { mouseframedialog(record); });
    ASSERT_EQ(run.status, 0);
    std::string log = dumpfile(run, "dialogs.txt");
    for (const char* line : {"1004=BMPPUSHGRAY\n", "1006=0\n", "1007=1\n", "1008=0\n"})
        EXPECT_NE(log.find(line), std::string::npos) << line << log;
}

TEST(mouseframedialog, ReopensWhereItWasLastClosed)
{
    mouseframerecord record;
    hostrun run = rundialogue("<dialog at=300,200 press=1002><dialog press=1003>", [&] {
        mouseframedialog(record);
        mouseframedialog(record);
    });
    ASSERT_EQ(run.status, 0);
    EXPECT_NE(dumpfile(run, "dialogs.txt").find("MOUSEFRAMEDIALOG ended with 107 at 300,200\n"),
              std::string::npos);
    EXPECT_EQ(record.left, 300);
    EXPECT_EQ(record.top, 200);
}

// Each image decoded from the PNG the front wrote: its size, and the grey
// push is the push's shape in grey.
TEST(mouseframedialog, ImagesHaveTheirSizesAndTheGreyPushIsTheSameShape)
{
    mouseframerecord record;
    hostrun run = rundialogue("<cancel>", [&] { mouseframedialog(record); });
    record.shifted = 1;
    hostrun pushed = rundialogue("<cancel>", [&] { mouseframedialog(record); });
    auto load = [](const std::string& path) { return cairo_image_surface_create_from_png(path.c_str()); };
    for (int id : {1002, 1003, 1004, 1005}) {
        cairo_surface_t* s = load(run.out + "/MOUSEFRAMEDIALOG-" + std::to_string(id) + ".png");
        ASSERT_EQ(cairo_surface_status(s), CAIRO_STATUS_SUCCESS) << id;
        EXPECT_EQ(cairo_image_surface_get_width(s), framebitmap::button.w) << id;
        EXPECT_EQ(cairo_image_surface_get_height(s), framebitmap::button.h) << id;
        cairo_surface_destroy(s);
    }
    cairo_surface_t* grey = load(run.out + "/MOUSEFRAMEDIALOG-1004.png");
    cairo_surface_t* colour = load(pushed.out + "/MOUSEFRAMEDIALOG-1004.png");
    ASSERT_EQ(cairo_surface_status(colour), CAIRO_STATUS_SUCCESS);
    int stride = cairo_image_surface_get_stride(grey), inked = 0;
    const unsigned char* g = cairo_image_surface_get_data(grey);
    const unsigned char* c = cairo_image_surface_get_data(colour);
    for (int y = 0; y < framebitmap::button.h; ++y)
        for (int x = 0; x < framebitmap::button.w; ++x) {
            const unsigned char* gp = g + y * stride + 4 * x;
            const unsigned char* cp = c + y * stride + 4 * x;
            EXPECT_EQ(gp[3], cp[3]) << x << "," << y;   // the same coverage
            EXPECT_TRUE(gp[0] == gp[1] && gp[1] == gp[2]) << x << "," << y;
            inked += cp[3] == 255 && cp[1] > cp[0];       // green where covered
        }
    EXPECT_GT(inked, 100);
    cairo_surface_destroy(grey);
    cairo_surface_destroy(colour);
}

TEST(framebitmaps, EveryNameHasItsSizeAndOthersNone)
{
    struct {
        const char* name;
        pixelsize size;
    } cases[] = {{"BMPCANCEL", framebitmap::button}, {"BMPMAGNIFY", framebitmap::button},
                 {"BMPMINIFY", framebitmap::button}, {"BMPPUSH", framebitmap::button},
                 {"BMPPUSHGRAY", framebitmap::button}, {"BMPERASE", panelbitmap::erase},
                 {"BMPEXCLAM", framebitmap::exclam}};
    for (const auto& c : cases) {
        platform::dialogcontrol d;
        ASSERT_TRUE(setbitmap(d, c.name)) << c.name;
        EXPECT_EQ(d.width, c.size.w) << c.name;
        EXPECT_EQ(d.height, c.size.h) << c.name;
        EXPECT_NE(d.paint, nullptr) << c.name;
    }
    platform::dialogcontrol d;
    EXPECT_FALSE(setbitmap(d, "BMPAXES"));
    EXPECT_EQ(d.paint, nullptr);
}

}  // namespace
