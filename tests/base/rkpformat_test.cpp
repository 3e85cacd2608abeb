// Numbers through the transfer file's chunks and back, as the writer and
// the reader of the two programs take them.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <string>

#include "base/rkpformat.h"

namespace {

TEST(rkpformat, NumbersComeBackFromTheirChunks)
{
    for (double v : {0.5, 100000.0, 12345.0, -0.0, 1e20, -1.234567890123457e-308, 0.1, 3.141592653589793}) {
        std::string out;
        ASSERT_TRUE(rkp::putnumber(out, v));
        ASSERT_EQ(out.size() % rkp::recordsize, 0u);
        std::string text;
        size_t at = rkp::recordsize;
        const auto* bytes = reinterpret_cast<const unsigned char*>(out.data());
        while (at < out.size() && !rkp::takechunk(bytes + at, rkp::recordsize, text))
            at += rkp::recordsize;
        EXPECT_EQ(at + rkp::recordsize, out.size()) << v;   // the text ends in the last chunk
        EXPECT_EQ(text, rkp::numbertext(v));
        EXPECT_EQ(rkp::textvalue(text), std::strtod(text.c_str(), nullptr)) << text;
    }
}

TEST(rkpformat, ValuesAreReadInTheCLocaleWithTheRestIgnored)
{
    const char* was = std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    EXPECT_EQ(rkp::textvalue("2.5e+01 and more"), 25.0);
    EXPECT_EQ(rkp::textvalue("x"), 0.0);
    if (was)
        std::setlocale(LC_NUMERIC, "C");
    // A short last chunk (the end of the file) ends nothing.
    std::string text;
    const unsigned char part[] = {'1', '2'};
    EXPECT_FALSE(rkp::takechunk(part, 2, text));
    EXPECT_EQ(text, "12");
}

}  // namespace
