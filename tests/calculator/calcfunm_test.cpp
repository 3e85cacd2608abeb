// The calculator's function objects: modes against analytic derivatives,
// the differential operator, and what a copy keeps.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <sstream>
#include <string>

#include "base/report.h"
#include "calculator/calcfunm.h"
#include "formula/evalstate.h"
#include "formula/parser.h"

namespace {

struct calling : ::testing::Test {
    parser first;   // the shared state
    calcfunm c;

    void SetUp() override { clearrecordedreports(); }
    // A calling object over a new called object with that formula.
    void call(const char* formula, const char* letters)
    {
        auto* f = new funm;
        f->setformula(formula, letters);
        c.setcalled(f);
    }
};

}

TEST_F(calling, ModesMatchAnalyticDerivatives)
{
    call("sin(x)", "x");
    ASSERT_TRUE(c.implement(1, 0));
    struct {
        uint8_t mode;
        double (*want)(double);
        double tol;
    } cases[] = {
        {0, [](double x) { return std::sin(x); }, 0},
        {1, [](double x) { return std::cos(x); }, 1e-9},
        {2, [](double x) { return -std::sin(x); }, 1e-6},
        {3, [](double x) { return -std::cos(x); }, 1e-4},
        {4, [](double x) { return -std::sin(x) / std::pow(1 + std::cos(x) * std::cos(x), 1.5); }, 1e-6},
    };
    for (const auto& k : cases) {
        ASSERT_TRUE(c.setmode(k.mode)) << int(k.mode);
        EXPECT_EQ(std::string(c.modename), modelabel(k.mode));
        for (double x : {0.3, 1.0, 2.5, -4.0})
            EXPECT_NEAR(c.calcx(x), k.want(x), k.tol) << int(k.mode) << " at " << x;
    }
}

TEST_F(calling, VectorModesDifferentiateEveryValueByTheSelectedArgument)
{
    call("x*x*y, exp(y)", "xy");
    ASSERT_TRUE(c.setmode(1));
    EXPECT_EQ(c.nvalues, 2);
    double x = 1.5, y = 0.5;
    double* args[2] = {&x, &y};
    c.selectedarg = 2;
    double* r = evalobject(&c, args);
    ASSERT_NE(r, nullptr);
    EXPECT_NEAR(r[0], x * x, 1e-8);
    EXPECT_NEAR(r[1], std::exp(y), 1e-8);
    EXPECT_EQ(args[1], &y);
    ASSERT_TRUE(c.setmode(0));
    r = evalobject(&c, args);
    EXPECT_NEAR(r[0], x * x * y, 1e-15);
}

TEST_F(calling, MoreValuesThanTheWorkArraysAreRefused)
{
    std::string many = "x";
    for (int i = 1; i <= 55; ++i)
        many += ",x+" + std::to_string(i);
    call(many.c_str(), "x");
    ASSERT_TRUE(c.setmode(1));
    ASSERT_EQ(c.nvalues, 56);
    double x = 1;
    double* args[1] = {&x};
    EXPECT_EQ(evalobject(&c, args), nullptr);
    EXPECT_EQ(shared.error, evalinternal);
    EXPECT_EQ(args[0], &x);
}

TEST_F(calling, AnArgumentIndexBeyondTheArgumentsIsRefused)
{
    call("x*x", "x");
    ASSERT_TRUE(c.setmode(1));
    double x = 1, spare = 7;
    double* args[2] = {&x, &spare};
    for (uint16_t k : {0, 2}) {
        shared.error = evalok;
        c.selectedarg = k;
        EXPECT_EQ(evalobject(&c, args), nullptr) << k;
        EXPECT_EQ(shared.error, evalinternal) << k;
        EXPECT_EQ(args[0], &x);
        EXPECT_EQ(args[1], &spare);
    }
}

TEST_F(calling, DifferentialOperatorReadsValueAndDerivatives)
{
    call("x*x*x", "x");
    c.setformula("d0 + 10*d1 + 100*d2 + 1000*d3", "x");
    ASSERT_TRUE(c.setmode(9));
    EXPECT_EQ(std::string(c.modename), "   diff. op. ");
    double x = 2;
    EXPECT_NEAR(c.calcx(x), 8 + 10 * 12 + 100 * 12 + 1000 * 6, 1e-2);
    EXPECT_EQ(c.derivsready, 1);
    EXPECT_EQ(std::string(c.argletters), "x");
}

TEST_F(calling, OperatorStopsWhenADerivativeFails)
{
    // The value is defined; the first derivative's first evaluation, at
    // x + 1e-5, takes the logarithm of a negative number.
    call("ln(1-x)", "x");
    c.setformula("d0", "x");
    ASSERT_TRUE(c.setmode(9));
    shared.reportswitch = 0;
    EXPECT_EQ(c.calcx(1 - 5e-6), 0.0);
    EXPECT_NE(shared.error, evalok);
    EXPECT_EQ(c.derivsready, 0);
}

bool reported(const char* part)
{
    for (const reportentry& r : recordedreports())
        if (r.text.find(part) != std::string::npos)
            return true;
    return false;
}

TEST_F(calling, ModeChangesAndTheirRefusals)
{
    call("x*y", "xy");
    c.setformula("d0", "x");
    uint32_t version = c.version;
    EXPECT_FALSE(c.setmode(9));   // two arguments: the calculator says why
    EXPECT_EQ(c.mode, 0);
    EXPECT_FALSE(reported("Mode 9 cannot be entered"));
    EXPECT_TRUE(c.setmode(0));
    EXPECT_EQ(c.version, version);   // the mode in force: nothing happens
    EXPECT_FALSE(c.setmode(5));
    EXPECT_FALSE(c.setmode(10));
    EXPECT_EQ(c.mode, 0);
    EXPECT_TRUE(c.setmode(2));
    EXPECT_NE(c.version, version);
}

TEST_F(calling, SelectedValueFollowsAShorterFormula)
{
    call("x, 2*x, 3*x", "x");
    ASSERT_TRUE(c.implement(1, 0));
    c.selectedvalue = 3;
    c.called->setformula("x", "x");
    c.stamp = 0;
    ASSERT_TRUE(c.implement(1, 0));
    EXPECT_EQ(c.selectedvalue, 1);
}

TEST_F(calling, CopyOwnsItsCalledObjectAndStartsUnprepared)
{
    call("x*x", "x");
    c.setformula("d0+d1", "x");
    ASSERT_TRUE(c.setmode(9));
    c.calcx(1.0);
    deprecord record{4711};
    c.setdeprecord(&record);
    calcfunm copy(c);
    c.setdeprecord(nullptr);
    EXPECT_FALSE(copy.failed);
    ASSERT_NE(copy.called, nullptr);
    EXPECT_NE(copy.called, c.called);
    EXPECT_EQ(std::string(copy.called->text()), "x*x");
    EXPECT_EQ(copy.borrowed, 0u);
    EXPECT_EQ(copy.deps, nullptr);
    EXPECT_EQ(copy.serial, 4711u);
    EXPECT_EQ(copy.mode, 9);
    EXPECT_NE(copy.myparser, nullptr);
    EXPECT_EQ(copy.derivsready, 0);
    EXPECT_EQ(copy.derivs[2], c.derivs[2]);
    EXPECT_EQ(copy.unused, nullptr);
    ASSERT_TRUE(copy.implement(1, 0));
    EXPECT_NEAR(copy.calcx(1.0), 1 + 2, 1e-8);
}

TEST_F(calling, RecordsWriteNothingAndAreNotRead)
{
    call("x", "x");
    std::ostringstream out;
    c.save(out);
    c.called->save(out);
    EXPECT_EQ(out.str(), "");
    std::istringstream in("x\n1\n1\n@DATA\n@@END FUNM\n");
    EXPECT_FALSE(c.learn(in));
    EXPECT_FALSE(c.called->learn(in));
    EXPECT_EQ(std::string(c.tag()), "@@FUNM");
    EXPECT_EQ(c.typenumber(), 9);
}

TEST_F(calling, ImplementNotesTheArgumentsTheFormulaNeverReads)
{
    funm f;
    f.setformula("2*y + z", "xyzw");
    ASSERT_TRUE(f.implement(1, 0));
    ASSERT_NE(f.unused, nullptr);
    EXPECT_EQ(std::string(f.unused), "xw");
    EXPECT_TRUE(f.isstale());
    f.calcx(0.0);
    EXPECT_FALSE(f.isstale());
}

namespace {
// Counts fewer values from the text than its code returns.
struct miscounted : funm {
    int countvalues() override { return nvalues = 2; }
};
}

TEST_F(calling, TheParsersValueCountWinsOverTheTextsAndTheDifferenceIsShown)
{
    miscounted f;
    f.setformula("x, 2*x, 3*x", "x");
    ASSERT_TRUE(f.implement(1, 0));
    EXPECT_EQ(f.nvalues, 3);
    EXPECT_TRUE(reported("Mismatch between the parser's (3) and the calcnfv()-system's (2) \n\r number of return values."));
}
