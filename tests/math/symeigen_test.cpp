#include "math/symeigen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "math/vecnorm.h"

namespace {
// Largest of ||A v_i - l_i v_i|| and of |v_i . v_j - delta_ij|, relative to
// the norm of A.
struct quality {
    double residual = 0;
    double orthogonality = 0;
};

quality check(symeigen& e, const std::vector<double>& a, int n)
{
    quality q;
    double norm = vecnorm(a.data(), 0, n * n - 1);
    std::vector<std::vector<double>> v(n + 1);
    for (int i = 1; i <= n; i++) {
        const double* p = e.vector(i);
        v[i].assign(p, p + n);
        for (int r = 0; r < n; r++) {
            double s = -e.value(i) * v[i][r];
            for (int c = 0; c < n; c++)
                s += a[r * n + c] * v[i][c];
            q.residual = std::fmax(q.residual, std::fabs(s) / norm);
        }
    }
    for (int i = 1; i <= n; i++)
        for (int j = 1; j <= n; j++) {
            double s = i == j ? -1.0 : 0.0;
            for (int r = 0; r < n; r++)
                s += v[i][r] * v[j][r];
            q.orthogonality = std::fmax(q.orthogonality, std::fabs(s));
        }
    return q;
}

std::vector<double> wilkinson(int n)  // W_n^+, n odd
{
    std::vector<double> a(n * n, 0.0);
    int m = (n - 1) / 2;
    for (int i = 0; i < n; i++) {
        a[i * n + i] = std::abs(i - m);
        if (i + 1 < n)
            a[i * n + i + 1] = a[(i + 1) * n + i] = 1;
    }
    return a;
}

TEST(symeigen, DiagonalNeedsNoRotation)
{
    symeigen e(3);
    const double a[] = {3, 0, 0, 0, -1, 0, 0, 0, 2};
    ASSERT_TRUE(e.compute(a, 3));
    EXPECT_EQ(e.rotations, 0);
    EXPECT_EQ(e.value(1), -1);
    EXPECT_EQ(e.value(2), 2);
    EXPECT_EQ(e.value(3), 3);
    const double* v = e.vector(1);
    EXPECT_EQ(std::vector<double>(v, v + 3), (std::vector<double>{0, 1, 0}));
    EXPECT_EQ(e.value(0), 0.0);
    EXPECT_EQ(e.value(4), 0.0);
    EXPECT_EQ(e.vector(4), nullptr);
}

TEST(symeigen, EqualDiagonalTakesOneRotation)
{
    symeigen e(2);
    const double a[] = {2, 1, 1, 2};
    ASSERT_TRUE(e.compute(a, 2));
    EXPECT_EQ(e.rotations, 1);
    EXPECT_NEAR(e.value(1), 1, 1e-15);
    EXPECT_NEAR(e.value(2), 3, 1e-15);
    EXPECT_NEAR(std::fabs(e.vector(2)[0]), std::sqrt(0.5), 1e-15);
}

TEST(symeigen, AsymmetricInputUsesItsSymmetricPart)
{
    symeigen e(2);
    const double a[] = {2, 0, 2, 2};  // symmetric part [[2, 1], [1, 2]]
    ASSERT_TRUE(e.compute(a, 2));
    EXPECT_NEAR(e.value(1), 1, 1e-15);
    EXPECT_NEAR(e.value(2), 3, 1e-15);
}

TEST(symeigen, IllConditionedMatricesHaveSmallResiduals)
{
    // W21+ has pairs of eigenvalues agreeing to 14 digits; the largest is
    // 10.746194182903393 (published value).
    auto w = wilkinson(21);
    symeigen e(21);
    ASSERT_TRUE(e.compute(w.data(), 21));
    EXPECT_NEAR(e.value(21), 10.746194182903393, 1e-13);
    quality q = check(e, w, 21);
    EXPECT_LT(q.residual, 1e-14);
    EXPECT_LT(q.orthogonality, 1e-13);

    int n = 10;
    std::vector<double> h(n * n);
    for (int i = 0; i < n; i++)
        for (int j = 0; j < n; j++)
            h[i * n + j] = 1.0 / (i + j + 1);
    ASSERT_TRUE(e.compute(h.data(), n));
    EXPECT_GT(e.value(1), 0);  // positive definite
    for (int i = 2; i <= n; i++)
        EXPECT_LE(e.value(i - 1), e.value(i));
    q = check(e, h, n);
    EXPECT_LT(q.residual, 1e-15);
    EXPECT_LT(q.orthogonality, 1e-14);
}

TEST(symeigen, NonFiniteInputFailsPromptly)
{
    symeigen e(3);
    const double a[] = {1, 2, 3, 2, std::numeric_limits<double>::quiet_NaN(), 1, 3, 1, 0};
    EXPECT_FALSE(e.compute(a, 3));
    const double b[] = {1, 1.5e300, 0.5e300, 1};
    ASSERT_TRUE(e.compute(b, 2));
    EXPECT_DOUBLE_EQ(e.value(2), 1e300);
    EXPECT_TRUE(symeigen(0).failed);
}

TEST(vecnorm, ScalesLargeEntries)
{
    const double x[] = {3e300, 4e300, 0};
    EXPECT_DOUBLE_EQ(vecnorm(x, 0, 2), 5e300);
    const double y[] = {3, 4};
    EXPECT_EQ(vecnorm(y, 0, 1), 5);
    EXPECT_EQ(vecnorm(y, 1, 0), 0);
}
}
