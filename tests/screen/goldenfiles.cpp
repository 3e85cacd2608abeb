#include "tests/screen/goldenfiles.h"

#include <cairo.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::string readfile(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// Pixels of a PNG as 0xRRGGBB, empty when it cannot be read.
std::vector<uint32_t> pngpixels(const fs::path& p, int& w, int& h)
{
    std::vector<uint32_t> out;
    cairo_surface_t* s = cairo_image_surface_create_from_png(p.c_str());
    if (cairo_surface_status(s) == CAIRO_STATUS_SUCCESS) {
        w = cairo_image_surface_get_width(s);
        h = cairo_image_surface_get_height(s);
        int stride = cairo_image_surface_get_stride(s) / 4;
        auto* data = reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(s));
        for (int y = 0; y < h; y++)
            for (int x = 0; x < w; x++)
                out.push_back(data[y * stride + x] & 0xFFFFFF);
    }
    cairo_surface_destroy(s);
    return out;
}

}  // namespace

void checkgoldenfiles(const fs::path& folder, const std::string& name)
{
    checkgoldenfiles(folder, name, fs::path(VEMO_SOURCE_DIR) / "tests/screen/golden");
}

void checkgoldenfiles(const fs::path& folder, const std::string& name, const fs::path& golden)
{
    if (std::getenv("VEMO_UPDATE_GOLDEN"))
        fs::copy_file(folder / (name + ".txt"), golden / (name + ".txt"), fs::copy_options::overwrite_existing);
    EXPECT_EQ(readfile(folder / (name + ".txt")), readfile(golden / (name + ".txt"))) << name;
    checkgoldenimage(folder, name, golden);
}

void checkgoldenimage(const fs::path& folder, const std::string& name, const fs::path& golden)
{
    if (std::getenv("VEMO_UPDATE_GOLDEN"))
        fs::copy_file(folder / (name + ".png"), golden / (name + ".png"), fs::copy_options::overwrite_existing);
    int w1 = 0, h1 = 0, w2 = 0, h2 = 0;
    std::vector<uint32_t> expected = pngpixels(golden / (name + ".png"), w1, h1);
    std::vector<uint32_t> actual = pngpixels(folder / (name + ".png"), w2, h2);
    ASSERT_FALSE(expected.empty()) << name;
    EXPECT_EQ(w1, w2);
    EXPECT_EQ(h1, h2);
    size_t differ = 0;
    for (size_t i = 0; i < std::min(expected.size(), actual.size()); i++)
        differ += expected[i] != actual[i];
    EXPECT_EQ(differ, 0u) << name << ": pixels differ from the golden image";
}
