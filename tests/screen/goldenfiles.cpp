#include "tests/screen/goldenfiles.h"

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

bool expectcurveshown(const fs::path& png, const goldencurve& c, const std::string& what)
{
    curvefit fit = fitcurvepixels(png, c.colour, c.box, c.pieces, 1.5, c.covering);
    EXPECT_FALSE(c.pieces.empty()) << what << ": no part of the curve inside the box";
    EXPECT_EQ(fit.stray, 0u) << what << ": off by up to " << fit.worst << " px, " << fit.where;
    EXPECT_EQ(fit.missed, 0u) << what << ": left out, " << fit.where;
    return !c.pieces.empty() && fit.stray == 0 && fit.missed == 0;
}

void checkgoldenplot(const fs::path& folder, const std::string& name, const fs::path& golden,
                     const std::vector<goldencurve>& curves)
{
    bool fitted = true;
    for (size_t i = 0; i < curves.size(); i++)
        fitted = expectcurveshown(folder / (name + ".png"), curves[i], name + " curve " + std::to_string(i + 1))
                 && fitted;
    ASSERT_TRUE(fitted) << name << ": the picture does not show its curves; not compared or stored";
    checkgoldenfiles(folder, name, golden);
}
