#include "math/complex.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

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

// Quotients and absolute values over the whole double range against
// mpmath (refdata/gen_complex.py): parts beyond 2^+-500 squared leave the
// range, yet every true value in the table is a normal double.
TEST(complexnumbers, ExtremePartsAgainstReference)
{
    std::ifstream file(VEMO_SOURCE_DIR "/tests/formula/refdata/complex.txt");
    std::string line;
    int count = 0;
    double worst = 0;
    std::string worstline;
    while (std::getline(file, line)) {
        std::istringstream words(line);
        std::string op;
        words >> op;
        double v[6] = {};
        for (double& x : v)
            words >> x;
        double error;
        if (op == "div") {
            complex q = cdiv({v[0], v[1]}, {v[2], v[3]});
            error = std::hypot(q.re - v[4], q.im - v[5]) / std::hypot(v[4], v[5]);
        } else if (op == "abs") {
            error = std::fabs(cabs({v[0], v[1]}) - v[2]) / v[2];
        } else {
            continue;
        }
        ++count;
        if (!(error <= worst)) {
            worst = error;
            worstline = line;
        }
    }
    ASSERT_GE(count, 700);
    std::printf("[ measure  ] %d points, worst relative error %.3g\n", count, worst);
    EXPECT_LE(worst, 4 * 0x1p-52) << worstline;
}

// Where no square or product leaves the range the quotient and the
// absolute value are those of the plain formulas, bit for bit.
TEST(complexnumbers, PlainFormulasWithinTheRange)
{
    std::mt19937_64 rng(47);
    std::uniform_real_distribution<double> mantissa(1, 2);
    std::uniform_int_distribution<int> exponent(-500, 500);
    auto part = [&] { return std::ldexp(rng() % 2 ? mantissa(rng) : -mantissa(rng), exponent(rng)); };
    for (int i = 0; i < 20000; i++) {
        complex a{part(), part()}, b{part(), part()};
        double r = 1 / (b.im * b.im + b.re * b.re);
        complex q = cdiv(a, b);
        ASSERT_EQ(q.re, (a.re * b.re + a.im * b.im) * r);
        ASSERT_EQ(q.im, (a.im * b.re - a.re * b.im) * r);
        ASSERT_EQ(cabs(b), std::sqrt(b.re * b.re + b.im * b.im));
    }
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
