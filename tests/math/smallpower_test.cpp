// Squares and cubes without pow: wherever smallpower answers, the library's
// pow returns the same double, and it answers for nearly all arguments.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <random>

#include "math/smallpower.h"

namespace {
TEST(smallpower, AgreesWithTheLibrarysPowWhereItAnswers)
{
    std::mt19937_64 rng(20261210);
    for (double y : {2.0, 3.0}) {
        int answered = 0, asked = 0;
        for (int i = 0; i < 1000000; i++) {
            // Mostly moderate sizes, now and then out to 2^310.
            int power = i % 10 > 4 ? int(rng() % 17) - 8 : i % 10 ? int(rng() % 129) - 64 : int(rng() % 621) - 310;
            double x = std::ldexp(1.0 + double(rng() >> 11) * 0x1p-53, power);
            if (rng() & 1)
                x = -x;
            double r;
            asked++;
            if (!smallpower(x, y, r))
                continue;
            answered++;
            ASSERT_EQ(std::bit_cast<std::uint64_t>(r), std::bit_cast<std::uint64_t>(std::pow(x, y)))
                << std::hexfloat << x << "^" << y;
        }
        EXPECT_GT(answered, asked * 9 / 10) << y;
    }
    double r;
    EXPECT_FALSE(smallpower(0x1p-310, 2, r));
    EXPECT_FALSE(smallpower(2, 2.5, r));
    EXPECT_TRUE(smallpower(3, 2, r));
    EXPECT_EQ(r, 9);
}
}
