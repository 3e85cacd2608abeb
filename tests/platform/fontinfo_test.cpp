#include <gtest/gtest.h>

#include "platform/core/fontinfo.h"
#include "platform/core/fonts.h"

namespace {

// DejaVu Sans Mono's own metrics (units per em 2048, ascender 1901,
// descender 483, every advance 1233) stretched to the cell: the line is
// the cell's height and "x" its width.
TEST(fontinfo, ScreenCellsGiveTheFacesProportions)
{
    struct {
        fontrequest request;
        int weight, ascent, internalleading, charset, firstchar;
    } cases[] = {
        // ascent 18 * 1901 / 2384 = 14.35, em 18 * 2048 / 2384 = 15.46
        {{screenface, 18, 10, 400, true}, 400, 14, 3, 255, 1},
        // 16 * 1901 / 2384 = 12.76, 16 * 2048 / 2384 = 13.74; the bold face
        {{screenface, 16, 10, 700, true}, 700, 13, 2, 255, 1},
        // the ANSI page shows its bytes below the blank as blanks
        {{screenface, 42, 24, 400, false}, 400, 33, 6, 0, 32},
    };
    for (const auto& c : cases) {
        std::optional<fontmetrics> m = measurefont(c.request);
        ASSERT_TRUE(m) << c.request.height;
        EXPECT_EQ(m->face, "DejaVu Sans Mono");
        EXPECT_EQ(m->height, c.request.height);
        EXPECT_EQ(m->avecharwidth, c.request.width);
        EXPECT_EQ(m->maxcharwidth, c.request.width) << c.request.height;
        EXPECT_EQ(m->weight, c.weight);
        EXPECT_EQ(m->ascent, c.ascent) << c.request.height;
        EXPECT_EQ(m->ascent + m->descent, c.request.height);
        EXPECT_EQ(m->internalleading, c.internalleading) << c.request.height;
        EXPECT_EQ(m->charset, c.charset);
        EXPECT_EQ(m->firstchar, c.firstchar);
        EXPECT_EQ(m->lastchar, 255);
        EXPECT_TRUE(m->fixedpitch);
        EXPECT_TRUE(m->truetype);
        EXPECT_FALSE(m->italic);
    }
}

// A proportional face says so.
TEST(fontinfo, AProportionalFaceIsNotFixedPitch)
{
    std::optional<fontmetrics> m = measurefont({"DejaVu Sans", 18, 10, 400, true});
    ASSERT_TRUE(m);
    EXPECT_EQ(m->face, "DejaVu Sans");
    EXPECT_FALSE(m->fixedpitch);
    EXPECT_GT(m->maxcharwidth, m->avecharwidth);
}

}  // namespace
