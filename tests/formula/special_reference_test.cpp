// Maximum errors of the special functions over mpmath reference tables
// (refdata/gen_special.py).  Errors are relative, or absolute below the
// table's floor where the function oscillates through zeros.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>

#include "formula/evalstate.h"
#include "math/combinatorics.h"
#include "math/elemspecial.h"
#include "math/elliptic.h"
#include "math/gamma.h"
#include "math/seidel.h"
#include "math/series.h"
#include "math/zeta.h"
#include "refdata/reftable.h"

namespace {
struct reftable {
    const char* name;
    double floor;      // absolute error below this magnitude
    double tolerance;  // maximum error
    std::function<double(const std::vector<double>&)> f;
};

using args = const std::vector<double>&;

const reftable tables[] = {
    {"gamma", 0, 5e-15, [](args x) { return gammafn(x[0]); }},
    {"lngam", 1, 1e-14, [](args x) { return polygamma(-1, x[0]); }},
    {"psi", 1, 5e-15, [](args x) { return polygamma(0, x[0]); }},
    {"psi1", 0, 5e-15, [](args x) { return polygamma(1, x[0]); }},
    {"psi2", 1e-3, 5e-15, [](args x) { return polygamma(2, x[0]); }},
    {"psi3", 0, 5e-15, [](args x) { return polygamma(3, x[0]); }},
    {"zeta", 1e-3, 5e-14, [](args x) { return zeta(x[0]); }},
    {"zm1", 1e-3, 5e-14, [](args x) { return zetam1(x[0]); }},
    {"ellF", 0, 5e-14, [](args x) { return ellF(x[0], x[1]); }},
    {"ellK", 0, 5e-14, [](args x) { return ellK(x[0]); }},
    {"argeo", 0, 5e-16, [](args x) { return argeo(x[0], x[1]); }},
    {"phi0", 1e-3, 5e-15, [](args x) { return phi0(x[0]); }},
    {"em1", 0, 5e-16, [](args x) { return em1(x[0]); }},
    {"ln1px", 0, 5e-16, [](args x) { return ln1px(x[0]); }},
    {"Tsch", 1, 1e-13, [](args x) { return Tsch(x[0], x[1]); }},
    {"Legendre", 1, 1e-13, [](args x) { return Legendre(x[0], x[1]); }},
    {"ncr", 0, 4e-12, [](args x) { return ncr(x[0], x[1]); }},
    {"Binomial", 1e-10, 1e-13, [](args x) { return Binomial(x[0], x[1], x[2], x[3]); }},
    {"Hgeo", 1e-10, 1e-13, [](args x) { return Hgeo(x[0], x[1], x[2], x[3], x[4]); }},
    {"Ber", 0, 5e-15, [](args x) { return Ber(x[0]); }},
    {"Eul", 0, 5e-15, [](args x) { return Eul(x[0]); }},
    {"Tangent", 0, 5e-15, [](args x) { return Tangent(x[0]); }},
};

class specialreference : public testing::TestWithParam<reftable> {};

TEST_P(specialreference, MaximumErrorWithinTolerance)
{
    const reftable& t = GetParam();
    auto cases = readreftable(VEMO_SOURCE_DIR "/tests/formula/refdata", t.name);
    ASSERT_GE(cases.size(), 100u) << t.name;
    shared.error = evalok;
    errorstat s = measure(cases, t.floor, t.f);
    std::printf("%-9s max error %.3g\n", t.name, s.worst);
    std::string where;
    for (double v : s.at)
        where += std::to_string(v) + " ";
    EXPECT_LE(s.worst, t.tolerance) << t.name << " at " << where;
    EXPECT_EQ(shared.error, evalok) << t.name;
}

// Gamma left of -170.5: subnormal values, tiny normal ones next to the
// poles, and 0 where the true value is below half the least subnormal;
// an underflow reports nothing.
TEST(specialreference, GammaDownToItsUnderflow)
{
    auto cases = readreftable(VEMO_SOURCE_DIR "/tests/formula/refdata", "gammatiny");
    ASSERT_GE(cases.size(), 100u);
    shared.error = evalok;
    int nonzero = 0;
    for (const refcase& c : cases) {
        double got = gammafn(c.in[0]);
        nonzero += got != 0;
        EXPECT_LE(std::fabs(got - c.expected), 1e-14 * std::fabs(c.expected) + 0x1p-1074)
            << "gam(" << c.in[0] << ") = " << got << ", not " << c.expected;
    }
    EXPECT_EQ(shared.error, evalok);
    EXPECT_GE(nonzero, 200);
}

INSTANTIATE_TEST_SUITE_P(tables, specialreference, testing::ValuesIn(tables),
                         [](const auto& info) { return std::string(info.param.name); });
}
