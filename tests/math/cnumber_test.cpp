#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>

#include "math/cnumber.h"

// The C library's "%.16g" (the process runs in the "C" locale here) is the
// reference for the text of every double.
TEST(cnumber, PrintsLikePrintfInTheCLocale)
{
    std::mt19937_64 random(12345);
    for (int i = 0; i < 20000; i++) {
        uint64_t bits = random();
        double value;
        std::memcpy(&value, &bits, sizeof value);
        if (i % 2)
            value = std::ldexp(double(bits >> 11), int(bits % 80) - 100);
        char ours[40], theirs[40];
        printnumber(ours, sizeof ours, value, 16);
        std::snprintf(theirs, sizeof theirs, "%.16g", value);
        ASSERT_STREQ(ours, theirs) << std::hexfloat << value;
        double back = 0;
        const char* end = nullptr;
        ASSERT_TRUE(scannumber(theirs, back, &end));
        ASSERT_EQ(*end, 0);
    }
}

TEST(cnumber, CutsToTheBufferAndRejectsNonNumbers)
{
    char small[5];
    EXPECT_EQ(printnumber(small, sizeof small, 123456.0, 16), 4);
    EXPECT_STREQ(small, "1234");
    double value = 7;
    const char* end = nullptr;
    EXPECT_FALSE(scannumber("x1", value, &end));
    EXPECT_TRUE(scannumber("-nan", value, &end));
    EXPECT_TRUE(std::isnan(value));
    EXPECT_TRUE(scannumber("2.5e3;", value, &end));
    EXPECT_EQ(value, 2500.0);
    EXPECT_STREQ(end, ";");
}
