// The Monotony Test window from the summation menu: the sign triangle of
// the difference scheme of the first 100 elements, as the scripted front
// writes it beside its screen dump.
#include <gtest/gtest.h>

#include <cairo.h>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <vector>

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

constexpr uint32_t green = 0x00CC60, red = 0xFF4060, grey = 0x808080;

// What a square must show: the sign of the exact difference, or either
// colour where rounding may have turned it.
enum class schemesign { plus, minus, either };

// The triangle of n elements square by square: each square all of one
// colour, that of its sign; the rest of the client area grey.
testing::AssertionResult paintsscheme(const std::string& path, int n,
                                      const std::function<schemesign(int, int)>& expected)
{
    cairo_surface_t* s = cairo_image_surface_create_from_png(path.c_str());
    int w = cairo_image_surface_get_width(s), h = cairo_image_surface_get_height(s);
    if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS || w < 103) {
        cairo_surface_destroy(s);
        return testing::AssertionFailure() << "no picture " << path;
    }
    int stride = cairo_image_surface_get_stride(s) / 4, u = w / 103;
    auto* data = reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(s));
    testing::AssertionResult result = testing::AssertionSuccess();
    for (int y = 0; y < h && result; ++y)
        for (int x = 0; x < w && result; ++x) {
            uint32_t c = data[y * stride + x] & 0xFFFFFF;
            int i = y / u - 2, j = x / u - 2;
            bool inside = i >= 0 && j >= 0 && i < n && j < n - i;
            schemesign want = inside ? expected(i, j) : schemesign::either;
            bool right = !inside ? c == grey
                         : want == schemesign::plus  ? c == green
                         : want == schemesign::minus ? c == red
                                                     : c == green || c == red;
            if (!right) {
                char colour[8];
                std::snprintf(colour, sizeof colour, "%06x", c);
                result = testing::AssertionFailure() << "pixel " << x << "," << y << " (row " << i << ", column " << j
                                                     << ") is " << colour;
            }
        }
    cairo_surface_destroy(s);
    return result;
}

// Row i, column j of the difference scheme of a[j] = 1/(j+1)^2 (the
// differences taken as a[j] - a[j+1]): the integral of
// t^j (1-t)^i (-ln t) over 0..1, which is B(j+1, i+1) (H(i+j+1) - H(j)),
// a product of positive terms free of cancellation.
double zetadifference(int i, int j)
{
    double harmonic = 0;
    for (int m = j + 1; m <= i + j + 1; ++m)
        harmonic += 1.0 / m;
    return std::exp(std::lgamma(j + 1.0) + std::lgamma(i + 1.0) - std::lgamma(i + j + 2.0)) * harmonic;
}

// Bounds of the rounding errors of the differences as the window computes
// them in doubles, from elements within 8 units of the last place: each
// subtraction adds its operands' errors and one rounding of its result.
std::vector<std::vector<double>> roundingbounds(int n, const std::function<double(int, int)>& exact)
{
    std::vector<std::vector<double>> b(n);
    for (int j = 0; j < n; ++j)
        b[0].push_back(8 * DBL_EPSILON * std::fabs(exact(0, j)));
    for (int i = 1; i < n; ++i)
        for (int j = 0; j < n - i; ++j) {
            double carried = b[i - 1][j] + b[i - 1][j + 1];
            b[i].push_back(carried + DBL_EPSILON * (std::fabs(exact(i, j)) + carried));
        }
    return b;
}

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
    // All differences are positive: green wherever rounding cannot have
    // turned the sign, which reaches fifty rows down at the left.
    auto bound = roundingbounds(100, zetadifference);
    int certain = 0;
    ASSERT_TRUE(paintsscheme(image, 100, [&](int i, int j) {
        bool sure = zetadifference(i, j) > bound[i][j];
        certain += sure && j == 0;
        return sure ? schemesign::plus : schemesign::either;
    }));
    EXPECT_GE(certain, 50);
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
    // Every row: the i-th difference at k = j + 1 is (-1)^k times the
    // integral of t^j (1+t)^i over 0..1; neighbours have opposite signs,
    // so no subtraction cancels and the sign is never lost.
    ASSERT_TRUE(paintsscheme(run.out + "/a-monotony.png", 100,
                             [](int, int j) { return j % 2 ? schemesign::plus : schemesign::minus; }));
    std::filesystem::rename(run.out + "/a-monotony.png", run.out + "/alternating-monotony.png");
    checkgoldenimage(run.out, "alternating-monotony", VEMO_SOURCE_DIR "/tests/numerics/golden");
}

}  // namespace
