#include <gtest/gtest.h>

#include <cmath>

#include "base/objcount.h"
#include "calculator/calcfunm.h"
#include "calculator/fuwrapper.h"
#include "tests/calculator/calcfixture.h"
#include "tests/calculator/rkfixture.h"

// The selected value as a function of the selected argument; the other
// argument keeps its value, and after the wrapper the formula object reads
// its own cells again.
TEST_F(calcsitting, WrapperPresentsTheSelectedValueAndArgument)
{
    double values[4] = {};
    bool attached = false, again = true;
    uint16_t component = 0;
    hostrun run = withcalc("", [&](calculator& c) {
        c.setformula("x*y, x+y", "xy");
        c.reimplement();
        c.calctask();
        c.argstore()->setvalue('x', 2);
        c.argstore()->setvalue('y', 3);
        c.rechnen();
        c.calling->selectedarg = 2;
        c.calling->selectedvalue = 2;
        {
            fuwrapper w(c.calling);
            attached = w.attach();
            again = w.attach();   // once only
            component = w.component;
            values[0] = w.calcx(10);   // 2 + 10
            values[1] = w.calcx(-1);
            EXPECT_EQ(c.argstore()->value('y'), 3.0);
        }
        double* v = evalobject(c.calling, c.calling->argvector);
        values[2] = v ? v[0] : NAN;
        values[3] = v ? v[1] : NAN;
    });
    EXPECT_TRUE(attached);
    EXPECT_FALSE(again);
    EXPECT_EQ(component, 2);
    EXPECT_EQ(values[0], 12.0);
    EXPECT_EQ(values[1], 1.0);
    EXPECT_EQ(values[2], 6.0);
    EXPECT_EQ(values[3], 5.0);
}

TEST(fuwrapper, RefusesWhatCannotBeEvaluated)
{
    objcounts before = objcountstate();
    {
        fuwrapper none(nullptr);
        EXPECT_FALSE(none.attach());
        calcfunm empty;
        fuwrapper w(&empty);
        EXPECT_FALSE(w.attach());   // no called object, not implemented
        EXPECT_EQ(w.typenumber(), 19);
        EXPECT_FALSE(w.implement(1, 0));
    }
    EXPECT_EQ(objcountstate().live, before.live);
}

// A solver's component: 0 is the independent variable, 1 the solution.
TEST(fuwrapper, SolverComponentOfTheSolution)
{
    rksystem s(1, 1, 't', false, "f.1", {0.0, 1.0});   // f' = f, f(0) = 1
    ASSERT_TRUE(s.compile());
    fuwrapper t, y;
    t.wrapfu(&s.rk, 0);
    y.wrapfu(&s.rk, 1);
    EXPECT_EQ(y.stamp, 0u);
    ASSERT_TRUE(t.attach());
    ASSERT_TRUE(y.attach());
    EXPECT_TRUE(y.isimplemented());   // the tools take it as implemented
    EXPECT_EQ(t.calcx(0.75), 0.75);
    EXPECT_NEAR(y.calcx(1.0), std::exp(1.0), 1e-9);
}
