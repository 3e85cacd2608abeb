#include "math/matrix.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {
// Row-major 1-based matrix of n*n + 1 entries with entry 0 unused.
std::vector<double> square(int n, std::initializer_list<double> rows)
{
    std::vector<double> a{0.0};
    a.insert(a.end(), rows);
    return a;
}

std::vector<double> hilbert(int n)
{
    std::vector<double> a(n * n + 1);
    for (int i = 1; i <= n; i++)
        for (int j = 1; j <= n; j++)
            a[(i - 1) * n + j] = 1.0 / (i + j - 1);
    return a;
}

// ||a x - b|| / (||a|| ||x||), all in the maximum norm.
double residual(const std::vector<double>& a, const std::vector<double>& x,
                const std::vector<double>& b, int n)
{
    double r = 0, an = 0, xn = 0;
    for (int i = 1; i <= n; i++) {
        double s = -b[i];
        for (int j = 1; j <= n; j++) {
            s += a[(i - 1) * n + j] * x[j];
            an = std::fmax(an, std::fabs(a[(i - 1) * n + j]));
        }
        r = std::fmax(r, std::fabs(s));
        xn = std::fmax(xn, std::fabs(x[i]));
    }
    return r / (an * xn);
}

TEST(matrix, DeterminantsAndPivots)
{
    auto swapped = square(2, {0, 1, 1, 0});
    ASSERT_TRUE(gauss(swapped.data(), 2, nullptr, 0));
    EXPECT_EQ(swapped[0], -1);

    auto tie = square(2, {2, 1, -2, 3});
    ASSERT_TRUE(gauss(tie.data(), 2, nullptr, 0));
    EXPECT_EQ(tie[1], 2);  // the upper row stays the pivot
    EXPECT_EQ(tie[0], 8);

    auto three = square(3, {2, -3, 1, 2, 0, -1, 1, 4, 5});
    ASSERT_TRUE(gauss(three.data(), 3, nullptr, 0));
    EXPECT_NEAR(three[0], 49, 1e-13);
}

TEST(matrix, SingularMatricesAreRefused)
{
    auto firstcolumn = square(2, {0, 1, 0, 2});
    EXPECT_FALSE(gauss(firstcolumn.data(), 2, nullptr, 0));
    EXPECT_EQ(firstcolumn[0], 0);
    // Only the last pivot vanishes.
    auto ones = square(2, {1, 1, 1, 1});
    std::vector<double> b{0, 1, 2};
    EXPECT_FALSE(solve(ones.data(), 2, b.data(), nullptr, 1));
    EXPECT_EQ(ones[0], 0);
    auto zero = square(1, {0});
    std::vector<double> c(2);
    EXPECT_EQ(matinverse(zero.data(), 1, c.data()), nullptr);
}

TEST(matrix, Inverses)
{
    auto diagonal = square(3, {2, 0, 0, 0, -4, 0, 0, 0, 0.5});
    std::vector<double> c(10);
    ASSERT_NE(matinverse(diagonal.data(), 3, c.data()), nullptr);
    EXPECT_EQ(c, square(3, {0.5, 0, 0, 0, -0.25, 0, 0, 0, 2}));
    std::vector<double> id(10), idinv(10);
    matidentity(id.data(), 3);
    ASSERT_NE(matinverse(id.data(), 3, idinv.data()), nullptr);
    for (int k = 1; k <= 9; k++)
        EXPECT_EQ(idinv[k], (k - 1) % 4 == 0 ? 1.0 : 0.0);
}

TEST(matrix, HilbertSystemsHaveSmallResiduals)
{
    for (int n : {4, 8, 12}) {
        auto a = hilbert(n), work = a;
        std::vector<double> b(n + 1), x(n + 1);
        for (int i = 1; i <= n; i++)
            b[i] = i % 3 - 1.0;
        auto rhs = b;  // elimination changes b
        ASSERT_TRUE(solve(work.data(), n, rhs.data(), x.data(), 1)) << n;
        EXPECT_LT(residual(a, x, b, n), 1e-15 * n) << n;
    }
}

TEST(matrix, SolveSeveralColumns)
{
    auto a = square(2, {4, 3, 6, 3});
    std::vector<double> b{0, 10, 1, 12, 0};  // columns (10, 12) and (1, 0)
    std::vector<double> x(5);
    ASSERT_TRUE(solve(a.data(), 2, b.data(), x.data(), 2));
    EXPECT_NEAR(x[1], 1, 1e-15);
    EXPECT_NEAR(x[3], 2, 1e-15);
    EXPECT_NEAR(x[2], -0.5, 1e-15);
    EXPECT_NEAR(x[4], 1, 1e-15);
}

TEST(matrix, ProductsFollowTheColumnLayout)
{
    // a = [[1, 2], [3, 4]], b = [[5, 6], [7, 8]] stored column after column.
    const double a[] = {0, 1, 3, 2, 4};
    const double b[] = {0, 5, 7, 6, 8};
    double p[5];
    matproduct(a, b, p, 2, 2, 2);
    EXPECT_EQ(std::vector<double>(p + 1, p + 5), (std::vector<double>{19, 43, 22, 50}));
    const double v[] = {0, 1, -1};
    double w[3];
    matproduct(a, v, w, 2, 2, 1);
    EXPECT_EQ(w[1], -1);
    EXPECT_EQ(w[2], -1);
}

TEST(matrix, ComplexSolveDeterminantAndInverse)
{
    // [[1+i, 2], [3, 4-i]] z = b with z = (1 - i, 2i) known.
    std::vector<complex> a{{}, {1, 1}, {2, 0}, {3, 0}, {4, -1}};
    const complex z[] = {{1, -1}, {0, 2}};
    std::vector<complex> b(3);
    for (int r = 0; r < 2; r++)
        b[r + 1] = cadd(cmul(a[2 * r + 1], z[0]), cmul(a[2 * r + 2], z[1]));
    auto work = a;
    ASSERT_TRUE(csolve(work.data(), 2, b.data(), nullptr, 1));
    EXPECT_NEAR(cabs(csub(b[1], z[0])), 0, 1e-15);
    EXPECT_NEAR(cabs(csub(b[2], z[1])), 0, 1e-15);
    // det = (1+i)(4-i) - 6 = -1 + 3i
    EXPECT_NEAR(cabs(csub(work[0], {-1, 3})), 0, 1e-15);
    work = a;
    std::vector<complex> inv(5), prod(5);
    ASSERT_NE(cmatinverse(work.data(), 2, inv.data()), nullptr);
    // Row-major blocks read column after column give the transposes;
    // inv^T a^T = (a inv)^T = I.
    cmatproduct(inv.data(), a.data(), prod.data(), 2, 2, 2);
    for (int k = 1; k <= 4; k++)
        EXPECT_NEAR(cabs(csub(prod[k], {k == 1 || k == 4 ? 1.0 : 0.0, 0})), 0, 1e-15) << k;
    std::vector<complex> singular{{}, {0, 0}, {1, 0}, {0, 0}, {2, 1}};
    EXPECT_FALSE(cgauss(singular.data(), 2, nullptr, 0));
}
}
