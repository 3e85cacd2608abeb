// The Monotony Test window from the summation menu: the sign triangle of
// the difference scheme of the first 100 elements, as the scripted front
// writes it beside its screen dump.
#include <gtest/gtest.h>

#include <cairo.h>

#include <filesystem>

#include "platform/core/monotony.h"
#include "tests/numerics/sumfixture.h"
#include "tests/screen/goldenfiles.h"

namespace {

using monotony = sumfront;

// 0xRRGGBB of the square in row i, column j of the image's triangle.
struct squares {
    cairo_surface_t* s;
    int unit;
    explicit squares(const std::string& path) : s(cairo_image_surface_create_from_png(path.c_str()))
    {
        unit = cairo_image_surface_get_width(s) / 103;
    }
    ~squares() { cairo_surface_destroy(s); }
    uint32_t at(int i, int j) const
    {
        int stride = cairo_image_surface_get_stride(s) / 4;
        auto* data = reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(s));
        return data[((i + 2) * unit) * stride + (j + 2) * unit] & 0xFFFFFF;
    }
};

constexpr uint32_t green = 0x00CC60, red = 0xFF4060;

TEST_F(monotony, CompletelyMonotoneSequencePaintsGreenAlongTheTop)
{
    ASSERT_TRUE(menu("1/k^2", "k", "m<dump m><Esc>"));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.monotonyshows, 1);
    EXPECT_FALSE(run.monotonyopen);   // closed on the way out
    std::string image = run.out + "/m-monotony.png";
    ASSERT_TRUE(std::filesystem::exists(image));
    squares sq(image);
    EXPECT_EQ(sq.unit, platform::monotonyunit(10, 18));
    // Elements, first and second differences of 1/k^2 are all positive.
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 100 - i; ++j)
            ASSERT_EQ(sq.at(i, j), green) << i << " " << j;
    std::filesystem::rename(image, run.out + "/zeta2-monotony.png");
    checkgoldenimage(run.out, "zeta2-monotony", VEMO_SOURCE_DIR "/tests/numerics/golden");
}

TEST_F(monotony, AlternatingSequencePaintsAlternatingSigns)
{
    ASSERT_TRUE(menu("(-1)^k/k", "k", "m<dump a>m<dump b><Esc>"));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.monotonyshows, 2);   // the second m repaints the open window
    squares sq(run.out + "/a-monotony.png");
    for (int j = 0; j < 100; ++j)
        ASSERT_EQ(sq.at(0, j), j % 2 ? green : red) << j;   // k = 1 is negative
    // a[j] - a[j+1] takes the sign of a[j]
    for (int j = 0; j < 99; ++j)
        ASSERT_EQ(sq.at(1, j), j % 2 ? green : red) << j;
    std::filesystem::rename(run.out + "/a-monotony.png", run.out + "/alternating-monotony.png");
    checkgoldenimage(run.out, "alternating-monotony", VEMO_SOURCE_DIR "/tests/numerics/golden");
}

}  // namespace
