#include "math/qrsolver.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "math/vecfuncs.h"

namespace {

struct qrcase {
    const char* name;
    int m, n;
    std::vector<double> a, b;
    double krit;
    int maxrank, rank;
    std::vector<double> x;   // minimum-norm solution of the truncated problem
};

const qrcase cases[] = {
#include "refdata/qrcases.inc"
};

// 1-based copy of a 0-based list.
std::vector<double> onebased(const std::vector<double>& v)
{
    std::vector<double> r(v.size() + 1, 0.0);
    std::copy(v.begin(), v.end(), r.begin() + 1);
    return r;
}

TEST(QRsolver, MinimumNormSolutionsAndRanks)
{
    QRsolver qr;   // one solver for all: its storage grows and shrinks back
    for (const qrcase& c : cases) {
        SCOPED_TRACE(c.name);
        auto a = onebased(c.a), b = onebased(c.b);
        const double* x = qr.qrsetup(a.data(), b.data(), c.m, c.n, c.krit, c.maxrank);
        ASSERT_NE(x, nullptr);
        EXPECT_EQ(qr.rank, c.rank);
        EXPECT_FALSE(qr.failed);
        double scale = std::fmax(1.0, vecmaxabs(onebased(c.x).data(), 1, c.n));
        for (int j = 1; j <= c.n; j++)
            EXPECT_NEAR(x[j], c.x[j - 1], 1e-12 * scale) << "x[" << j << "]";
    }
}

TEST(QRsolver, RecordsThePivotRatios)
{
    // Columns of squared norms 4, 4 and 8e-10, mutually orthogonal.
    const qrcase& c = cases[6];
    ASSERT_STREQ(c.name, "smallcut");
    auto a = onebased(c.a), b = onebased(c.b);
    QRsolver qr;
    ASSERT_NE(qr.qrsetup(a.data(), b.data(), c.m, c.n, 1e-4, 0), nullptr);
    EXPECT_DOUBLE_EQ(qr.columnratio(1), 1.0);
    EXPECT_DOUBLE_EQ(qr.smallestcolumn(), 1.0);
    // The rejected candidate is kept for the rank view.
    EXPECT_NEAR(qr.columnratio(3), 2e-10, 1e-20);
    EXPECT_EQ(qr.columnratio(0), 0.0);
    EXPECT_EQ(qr.columnratio(4), 0.0);
}

TEST(QRsolver, NonFiniteInputGivesNoSolutionAndRankZero)
{
    const double inf = std::numeric_limits<double>::infinity();
    for (double bad : {inf, std::nan("")}) {
        std::vector<double> a{0, 1, 2, bad, 4}, b{0, 1, 1};
        QRsolver qr;
        EXPECT_EQ(qr.qrsetup(a.data(), b.data(), 2, 2, 1e-7, 0), nullptr);
        EXPECT_EQ(qr.rank, 0);
        EXPECT_FALSE(qr.failed);
    }
}

TEST(VectorFunctions, RangesAnglesAndEmptyRanges)
{
    std::vector<double> x{99, 3, -4, 12}, y{99, 1, 1, 1};
    EXPECT_DOUBLE_EQ(vecabssum(x.data(), 1, 3), 19);
    EXPECT_DOUBLE_EQ(vecnorm(x.data(), 1, 3), 13);
    EXPECT_DOUBLE_EQ(vecdist(x.data(), y.data(), 2, 3), std::sqrt(25.0 + 121.0));
    EXPECT_DOUBLE_EQ(vecmaxabs(x.data(), 1, 3), 12);
    EXPECT_DOUBLE_EQ(vecmin(x.data(), 1, 3), -4);
    EXPECT_DOUBLE_EQ(vecdot(x.data(), y.data(), 1, 3), 11);
    // Empty ranges.
    EXPECT_EQ(vecmaxabs(x.data(), 2, 1), 0.0);
    EXPECT_EQ(vecmin(x.data(), 2, 1), 1e300);
    EXPECT_EQ(vecabssum(x.data(), 2, 1), 0.0);
    // The angle is measured against -y: x with itself is just below 180.
    double self = vecangle(x.data(), x.data(), 1, 3);
    EXPECT_LT(self, 180.0);
    EXPECT_GT(self, 179.99);
    std::vector<double> minus{0, -3, 4, -12};
    EXPECT_NEAR(vecangle(x.data(), minus.data(), 1, 3), 0.0, 0.01);
    std::vector<double> zero{0, 0, 0, 0};
    EXPECT_EQ(vecangle(x.data(), zero.data(), 1, 3), 0.0);
    std::vector<double> z(4);
    veclincomb(2, x.data(), -1, y.data(), 1, 3, z.data());
    EXPECT_EQ(z, (std::vector<double>{0, 5, -9, 23}));
    vecadd(z.data(), y.data(), 1, 2);
    EXPECT_EQ(z, (std::vector<double>{0, 6, -8, 23}));
    veczero(z.data(), 2, 3);
    veccopy(z.data(), x.data(), 1, 1);
    EXPECT_EQ(z, (std::vector<double>{0, 3, 0, 0}));
}

}  // namespace
