#include "math/complex.h"

#include <gtest/gtest.h>

namespace {
const complex i{0, 1};

void expectcomplex(complex got, double re, double im)
{
    EXPECT_DOUBLE_EQ(got.re, re);
    EXPECT_DOUBLE_EQ(got.im, im);
}

TEST(complexnumbers, KnownValues)
{
    expectcomplex(cdiv({1, 0}, i), 0, -1);
    expectcomplex(cmul(i, i), -1, 0);
    EXPECT_EQ(cabs({3, 4}), 5);
    expectcomplex(cdiv({11, 2}, {3, 4}), 1.64, -1.52);  // (11+2i)/(3+4i)
    expectcomplex(csub({1, 2}, {3, 5}), -2, -3);
    expectcomplex(cscale(2, {1, -3}), 2, -6);
    EXPECT_TRUE(cequal({0.0, 0.0}, {-0.0, -0.0}));
    EXPECT_FALSE(cequal({1, 2}, {1, -2}));
    complex a{1, 2}, b{3, 4};
    cswap(a, b);
    expectcomplex(a, 3, 4);
    expectcomplex(a.cmulby(i), -4, 3);
    expectcomplex(a, -4, 3);
}

TEST(complexnumbers, Polynomials)
{
    const complex c[] = {{1, 0}, {0, 0}, {1, 0}};  // z^2 + 1
    expectcomplex(cPoly(i, 3, c), 0, 0);
    const complex d[] = {{2, -1}, {0, 3}, {1, 1}};
    expectcomplex(cPoly({5, 7}, 1, d), 2, -1);
    expectcomplex(cPser({5, 7}, 1, d), 2, -1);
    // 2 - i + 3i z + (1 + i) z^2 at z = 1 + i: 2 - i + (-3 + 3i) + (-2 + 2i)
    expectcomplex(cPser({1, 1}, 3, d), -3, 4);
    // (2 - i) z^2 + 3i z + 1 + i at z = 1 + i: (2 - i)(2i) + (-3 + 3i) + 1 + i
    expectcomplex(cPoly({1, 1}, 3, d), 0, 8);
}
}
