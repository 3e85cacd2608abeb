#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <random>

#include "math/mathlib.h"

namespace {
// Squares and cubes take a shortcut; where the library's pow succeeds they
// must stay bit for bit what it returns.
void expectlibrarypow(double x, int& mismatches)
{
    for (double y : {2.0, 3.0}) {
        double want = std::pow(x, y), got = mathlib::pow(x, y);
        bool failing = (std::isfinite(x) && x != 0.0 && !std::isnormal(want)) || std::isnan(x);
        if (failing)
            continue;  // overflow, underflow and NaN go to the error handler
        if (std::bit_cast<std::uint64_t>(want) != std::bit_cast<std::uint64_t>(got) && mismatches++ < 5)
            ADD_FAILURE() << std::hexfloat << x << "^" << y << ": " << got << " instead of " << want;
    }
}

TEST(mathlib, SquaresAndCubesEqualTheLibraryPow)
{
    int mismatches = 0;
    std::mt19937_64 random(20261210);
    std::uniform_real_distribution<double> mantissa(-2.0, 2.0);
    std::uniform_int_distribution<int> exponent(-340, 340);
    for (int i = 0; i < 1000000; i++)
        expectlibrarypow(std::ldexp(mantissa(random), exponent(random)), mismatches);
    // Few significant bits: exact powers and powers close to halfway
    // between two doubles.
    for (int k = 1; k < 200000; k++) {
        double x = 1.0 + std::ldexp(double(k), -27);
        expectlibrarypow(x, mismatches);
        expectlibrarypow(-std::ldexp(x + 0x1p-52, 40), mismatches);
        expectlibrarypow(std::ldexp(double(k), -9), mismatches);
    }
    for (double x : {0.0, -0.0, 1.0, -1.0, 0x1p-300, 0x1p300, 0x1.fffffffffffffp-1, double(INFINITY), double(NAN)})
        expectlibrarypow(x, mismatches);
    EXPECT_EQ(mismatches, 0);
}
}
