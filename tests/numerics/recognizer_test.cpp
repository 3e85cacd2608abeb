#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "math/numtheory.h"
#include "numerics/recognizer.h"

namespace {
struct refline {
    std::string name;
    double x;
    std::vector<double> poly;   // empty: none
};

std::vector<refline> references()
{
    std::vector<refline> lines;
    std::ifstream in(VEMO_SOURCE_DIR "/tests/numerics/refdata/recognizer.txt");
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line.substr(0, line.find('#')));
        refline r;
        words >> r.name >> r.x;
        for (std::string w; words >> w && w != "none";)
            r.poly.push_back(std::stod(w));
        lines.push_back(r);
    }
    return lines;
}

// The minimal integer polynomial of a result, leading coefficient positive:
// R x - A for a fraction, R^2 x^2 - 2 P R x + P^2 - A^2 Q for a quadratic.
std::vector<double> minimalpolynomial(const recresult& r)
{
    std::vector<double> c = r.Q <= 0 ? std::vector<double>{r.R, -r.A}
                                     : std::vector<double>{r.R * r.R, -2 * r.P * r.R, r.P * r.P - r.A * r.A * r.Q};
    double g = 0;
    for (double v : c)
        g = gcd2(g, v);
    for (double& v : c)
        v /= g;
    if (c[0] < 0)
        for (double& v : c)
            v = -v;
    return c;
}

recsettings defaults;

const std::vector<recresult>& recognize(recognizer& r, double x)
{
    return r.run(x, defaults.maxsig, defaults.ilimit, defaults.flimit);
}
}

// The best-rated representation is the closed form that mpmath's findpoly
// finds for the same double; near misses get no rating of 4 or more.
TEST(recognizer, BestRepresentationMatchesFindpoly)
{
    auto refs = references();
    ASSERT_GE(refs.size(), 15u);
    recognizer rec;
    for (const refline& ref : refs) {
        const auto& found = recognize(rec, ref.x);
        if (ref.poly.empty()) {
            for (const recresult& r : found)
                EXPECT_LT(r.significance, 4.0) << ref.name << " " << representation(r, false);
            continue;
        }
        ASSERT_FALSE(found.empty()) << ref.name;
        EXPECT_EQ(minimalpolynomial(found[0]), ref.poly) << ref.name << " " << representation(found[0], false);
        EXPECT_GE(found[0].significance, 4.0) << ref.name;
        for (size_t i = 1; i < found.size(); ++i)
            EXPECT_GE(found[i - 1].significance, found[i].significance) << ref.name;
    }
}

TEST(recognizer, FractionsAndIntegers)
{
    recognizer rec;
    const auto& quarter = recognize(rec, 0.75);
    ASSERT_FALSE(quarter.empty());
    EXPECT_EQ(quarter[0].A, 3.0);
    EXPECT_EQ(quarter[0].R, 4.0);
    EXPECT_EQ(quarter[0].precision, 16.0);
    // The expansion of 1/2 ends after its first term (that of 3/4 has a
    // rounding remainder of 8.9e-16 after its second).
    rec.quotients[2] = -1;
    EXPECT_EQ(representation(recognize(rec, 0.5)[0], false), "1 / 2");
    EXPECT_EQ(rec.quotients[1], 2.0);
    EXPECT_EQ(rec.remainders[1], 0.0);
    EXPECT_EQ(rec.quotients[2], -1.0);
    EXPECT_EQ(recognize(rec, -0.75)[0].A, -3.0);
    const auto& two = recognize(rec, 2.0);
    ASSERT_FALSE(two.empty());
    EXPECT_EQ(representation(two[0], false), "2");
}

TEST(recognizer, GoldenRatio)
{
    recognizer rec;
    const auto& found = recognize(rec, (1 + std::sqrt(5.0)) / 2);
    ASSERT_FALSE(found.empty());
    const recresult& r = found[0];
    EXPECT_EQ(r.A, 1.0);
    EXPECT_EQ(r.Q, 5.0);
    EXPECT_EQ(r.P, 1.0);
    EXPECT_EQ(r.R, 2.0);
    EXPECT_EQ(representation(r, false), "(sqr(5)+1) / 2");
    // Found at many periods of its expansion, listed once.
    for (size_t i = 0; i < found.size(); ++i)
        for (size_t j = i + 1; j < found.size(); ++j)
            EXPECT_FALSE(found[i].A == found[j].A && found[i].Q == found[j].Q && found[i].P == found[j].P
                         && found[i].R == found[j].R);
}

TEST(recognizer, RepresentationTexts)
{
    struct {
        recresult r;
        const char* plain;
        const char* bracketed;
    } cases[] = {
        {{0, 0, 3, 0, 0, 4}, "3 / 4", "3 / 4"},
        {{0, 0, -3, 0, 0, 4}, "-3 / 4", "(-3 / 4)"},
        {{0, 0, 7, 0, 0, 1}, "7", "7"},
        {{0, 0, 1, 2, 0, 1}, "sqr(2)", "sqr(2)"},
        {{0, 0, -1, 3, 0, 2}, "-sqr(3) / 2", "(-sqr(3) / 2)"},
        {{0, 0, 2, 3, 0, 1}, "2*sqr(3)", "2*sqr(3)"},
        {{0, 0, 1, 7, 3, 4}, "(sqr(7)+3) / 4", "((sqr(7)+3) / 4)"},
        {{0, 0, -1, 2, 2, 1}, "2-sqr(2)", "(2-sqr(2))"},
        {{0, 0, 1, 2, -1, 1}, "sqr(2)-1", "(sqr(2)-1)"},
        {{0, 0, -1, 5, -1, 2}, "-((sqr(5)+1) / 2)", "(-((sqr(5)+1) / 2))"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(representation(c.r, false), c.plain);
        EXPECT_EQ(representation(c.r, true), c.bracketed);
    }
}

TEST(recognizer, NothingForNonFiniteValues)
{
    recognizer rec;
    EXPECT_TRUE(recognize(rec, NAN).empty());
    EXPECT_TRUE(recognize(rec, INFINITY).empty());
    EXPECT_FALSE(recognize(rec, 0.0).empty());
}
