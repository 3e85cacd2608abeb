// The special, matrix, complex and eigen tokens run through the evaluator:
// operand order, column-by-column matrices, result placement and errors.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "base/report.h"
#include "formula/evalstate.h"
#include "formula/parser.h"
#include "formula/tokens.h"

namespace {
// Pushes the values, runs one token with its function cell and returns the
// values the evaluation leaves.
class tokenrun : public ::testing::Test {
protected:
    std::vector<double> run(const std::vector<double>& values, unsigned char token, short argc,
                            short valc, int results)
    {
        std::vector<unsigned char> t{tk::ABORT};
        std::vector<operand> c;
        for (double v : values) {
            t.push_back(tk::FEED_CONSTANT);
            c.push_back(operand::ofconstant(v));
        }
        t.push_back(token);
        if (argc || valc)
            c.push_back(operand::offunction(argc, valc));
        t.push_back(tk::ENDMULTI);
        p.code.store(t.data(), int(t.size()), c.data(), int(c.size()));
        p.stamp = shared.implstamp;
        shared.reportswitch = 1;
        clearrecordedreports();
        p.calc0();
        return std::vector<double>(shared.result, shared.result + results);
    }

    // A function token with n arguments and one value.
    double call(const std::vector<double>& values, unsigned char token, bool counted = false)
    {
        short n = short(values.size());
        return run(values, token, counted ? n : 0, counted ? 1 : 0, 1)[0];
    }

    // Multi-valued: n arguments and k values.
    std::vector<double> multi(const std::vector<double>& values, unsigned char token, short k, int results)
    {
        return run(values, token, short(values.size()), k, results);
    }

    parser p;
};

TEST_F(tokenrun, SpecialFunctionsTakeTheirOperandsInOrder)
{
    EXPECT_EQ(call({5}, tk::GAMMA), 24);
    EXPECT_EQ(call({4}, tk::FACTORIAL), 24);
    EXPECT_NEAR(call({1}, tk::HARMONIC_SUM), 1, 1e-15);
    EXPECT_NEAR(call({3}, tk::LNFACTORIAL), std::log(6.0), 1e-15);
    EXPECT_EQ(call({5, 2}, tk::NCR), 10);
    EXPECT_EQ(call({0.5, 2}, tk::CHEBY_POL), -0.5);  // T2(0.5)
    EXPECT_EQ(call({7, 3}, tk::REMAINDER), 1);
    EXPECT_NEAR(call({4, 0.5, 3, 1}, tk::CUMUL_BINOMIAL), 14.0 / 16, 1e-15);
    EXPECT_EQ(call({10, 3, 0, 0, 5}, tk::CUMUL_HGEO), 1);
    EXPECT_EQ(call({5}, tk::TAN_DERIVATIVE), 16);
    EXPECT_EQ(call({2, 1, 2, 3}, tk::POLYNOMIAL, true), 11);
    EXPECT_EQ(call({2, 1, 2, 3}, tk::POWER_SERIES, true), 17);
    EXPECT_EQ(call({0.5, 1, 2, 3}, tk::CHEBY_SERIES, true), 1 + 2 * 0.5 + 3 * -0.5);
    EXPECT_EQ(call({12, 18, 30}, tk::GGT, true), 6);
    EXPECT_EQ(call({4, 6, 10}, tk::KGV, true), 60);
    EXPECT_EQ(call({2, 3, 4}, tk::POWER_SUM, true), 25);
    EXPECT_EQ(call({2, 1, 2, 3}, tk::SYMMETRIC_POL, true), 11);
    EXPECT_EQ(shared.error, evalok);
}

TEST_F(tokenrun, FunctionErrorsStopTheEvaluation)
{
    // Order 30000 needs 90003 work cells: more than the stack holds.
    call({30000, 1, 2}, tk::LARGE_SYM_POL, true);
    EXPECT_EQ(shared.error, evalruntime);
    ASSERT_EQ(recordedreports().size(), 1u);
    EXPECT_NE(recordedreports()[0].text.find("\"sympoly\" runs out"), std::string::npos);

    call({-1}, tk::GAMMA);
    EXPECT_EQ(shared.error, evalruntime);
    EXPECT_EQ(recordedreports().size(), 1u);
    call({std::numeric_limits<double>::quiet_NaN()}, tk::ERROR_INTEGRAL);
    EXPECT_EQ(shared.error, evalruntime);
}

// [[4, 3], [6, 3]] is passed column by column: 4, 6, 3, 3.
TEST_F(tokenrun, SolveInvertDeterminant)
{
    EXPECT_EQ(multi({4, 6, 3, 3, 10, 12}, tk::SOLVE, 2, 2), (std::vector<double>{1, 2}));
    auto inv = multi({4, 6, 3, 3}, tk::INVERT, 4, 4);
    // inverse [[-0.5, 0.5], [1, -2/3]] column by column
    EXPECT_NEAR(inv[0], -0.5, 1e-15);
    EXPECT_NEAR(inv[1], 1, 1e-15);
    EXPECT_NEAR(inv[2], 0.5, 1e-15);
    EXPECT_NEAR(inv[3], -2.0 / 3, 1e-15);
    EXPECT_NEAR(call({2, 2, 1, -3, 0, 4, 1, -1, 5}, tk::DETERMINANT, true), 49, 1e-13);
    EXPECT_EQ(shared.error, evalok);
}

TEST_F(tokenrun, SingularMatricesSetErrorFive)
{
    multi({1, 1, 1, 1, 2, 3}, tk::SOLVE, 2, 2);
    EXPECT_EQ(shared.error, evalsingular);
    ASSERT_EQ(recordedreports().size(), 1u);
    EXPECT_NE(recordedreports()[0].text.find("singular matrix"), std::string::npos);
    multi({0, 0, 0, 0}, tk::INVERT, 4, 4);
    EXPECT_EQ(shared.error, evalsingular);
    EXPECT_EQ(call({1, 2, 2, 4}, tk::DETERMINANT, true), 0);
}

TEST_F(tokenrun, ProductsAndTranspose)
{
    // [[1, 2], [3, 4]] [[5, 6], [7, 8]] = [[19, 22], [43, 50]]
    EXPECT_EQ(multi({1, 3, 2, 4, 5, 7, 6, 8}, tk::MATRIX_PRODUCT, 4, 4),
              (std::vector<double>{19, 43, 22, 50}));
    EXPECT_EQ(multi({1, 3, 2, 4, 1, -1}, tk::MA_TIMES_VECT, 2, 2), (std::vector<double>{-1, -1}));
    EXPECT_EQ(multi({1, 3, 2, 4}, tk::TRANSPOSE, 4, 4), (std::vector<double>{1, 2, 3, 4}));
}

TEST_F(tokenrun, ComplexTokens)
{
    // z = i in z^2 + 1
    EXPECT_EQ(multi({0, 1, 1, 0, 0, 0, 1, 0}, tk::CMP_POLYNOMIAL, 2, 2), (std::vector<double>{0, 0}));
    // 1 + 2z at z = i
    EXPECT_EQ(multi({0, 1, 1, 0, 2, 0}, tk::CMP_POWER_SER, 2, 2), (std::vector<double>{1, 2}));
    EXPECT_EQ(multi({1, 2, 3, -4}, tk::CMP_CONJUGATES, 4, 4), (std::vector<double>{1, -2, 3, 4}));
    EXPECT_EQ(multi({0, 1, 1, 2, 3, 0}, tk::CMP_SCAL_TIMES_VECT, 4, 4),
              (std::vector<double>{-2, 1, 0, 3}));
    // [[i, 0], [0, i]] z = (1, i): z = (-i, 1)
    auto z = multi({0, 1, 0, 0, 0, 0, 0, 1, 1, 0, 0, 1}, tk::COMPLEX_SOLVE, 4, 4);
    EXPECT_EQ(z, (std::vector<double>{0, -1, 1, 0}));
    EXPECT_EQ(multi({0, 1, 0, 0, 0, 0, 0, 1}, tk::COMPLEX_DETERM, 0, 2), (std::vector<double>{-1, 0}));
    auto inv = multi({0, 2, 0, 0, 0, 0, 4, 0}, tk::COMPLEX_MAT_INV, 8, 8);
    EXPECT_EQ(inv, (std::vector<double>{0, -0.5, 0, 0, 0, 0, 0.25, 0}));
    // [[1, i], [0, 1]] (column by column: 1, 0, i, 1) times (1, 1)
    EXPECT_EQ(multi({1, 0, 0, 0, 0, 1, 1, 0, 1, 0, 1, 0}, tk::COMPLEX_MAVECT, 4, 4),
              (std::vector<double>{1, 1, 1, 0}));
    EXPECT_EQ(multi({1, 0, 0, 0, 0, 1, 1, 0}, tk::CMP_TRANSPOSE, 8, 8),
              (std::vector<double>{1, 0, 0, 1, 0, 0, 1, 0}));
    EXPECT_EQ(shared.error, evalok);
}

TEST_F(tokenrun, NormedPolynomialAndEigen)
{
    EXPECT_EQ(multi({1, 2}, tk::NORMED_POLYNOM, 3, 3), (std::vector<double>{1, -3, 2}));
    auto values = multi({2, 1, 1, 2}, tk::EIGENVALUES, 2, 2);
    EXPECT_NEAR(values[0], 1, 1e-15);
    EXPECT_NEAR(values[1], 3, 1e-15);
    auto vectors = multi({2, 1, 1, 2}, tk::EIGENVECTORS, 4, 4);
    EXPECT_NEAR(std::fabs(vectors[0]), std::sqrt(0.5), 1e-15);
    EXPECT_NEAR(vectors[0], -vectors[1], 1e-15);  // (1, -1) for eigenvalue 1
    EXPECT_NEAR(vectors[2], vectors[3], 1e-15);
    EXPECT_EQ(shared.error, evalok);
}

TEST_F(tokenrun, EigenFailureIsAnError)
{
    double nan = std::numeric_limits<double>::quiet_NaN();
    multi({1, nan, nan, 1}, tk::EIGENVALUES, 2, 2);
    EXPECT_EQ(shared.error, evalruntime);
    EXPECT_EQ(recordedreports().size(), 1u);
}
}
