// The installation assistant ("ui" in the summation menu): the new
// infinite sum in the library file and called from a formula.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "objects/context.h"
#include "tests/numerics/sumfixture.h"

namespace {

using assistant = sumfront;
using std::numbers::pi;

// The value of a formula without arguments.
double evaluate(const char* formula)
{
    funm f;
    f.setformula(formula, "");
    return f.implement(1, 0) ? f.value() : NAN;
}

TEST_F(assistant, InstalledSumIsSavedAndCallable)
{
    double value = NAN;
    std::string lib;
    ASSERT_TRUE(menu("a/k^2", "ka", "++uiybasel<Enter><Enter><dump list><Esc><Esc>", [&] {
        value = evaluate("basel(3)");
        savecontext();
        lib = get("DESKTOP.LIB");
    }));
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(shows("list", "basel"));
    EXPECT_NEAR(value, 3 * pi * pi / 6, 1e-14);
    EXPECT_EQ(lib, "@@FUINFINITE\nbasel\n1\n1\n@DATA\n@ARGS\na\n@SUMRECORD\n@MODE\n++\nACCEL\n@END SUMRECORD\n"
                   "@SUMVAR\nk\n@SUMMAND\na/k^2\n@STARTAT\n1\n@STEP\n1\n@ROT\n1.570796326794897\n@PHASE\n0\n"
                   "@@END FUINFINITE\n");
}

// A sine series whose rotation becomes its argument: the same letter for
// the phase is refused and asked again (Esc keeps it constant); the name's
// extension and argument list are ignored with a notice.
TEST_F(assistant, RotationBecomesTheArgument)
{
    double one = NAN, two = NAN;
    std::string lib;
    ASSERT_TRUE(menu("1/k", "k",
                     "r<text 1>suiyw<Enter>w<Enter><dump again><Enter><Esc>sinsum#2(x)<Enter><dump notice><Enter>"
                     "<Enter><Esc><Esc>",
                     [&] {
                         one = evaluate("sinsum(1)");
                         two = evaluate("sinsum(2)");
                         savecontext();
                         lib = get("DESKTOP.LIB");
                     }));
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(shows("again", "'w' is not available for 'phase'"));
    EXPECT_TRUE(shows("notice", "The extension \"#2\" is ignored."));
    EXPECT_TRUE(shows("notice", "The argument list \"(x)\" is ignored."));
    EXPECT_TRUE(shows("notice", "Using the name only:  \"sinsum\""));
    // sum of sin(k w)/k = (pi - w)/2 for 0 < w < 2 pi
    EXPECT_NEAR(one, (pi - 1) / 2, 1e-14);
    EXPECT_NEAR(two, (pi - 2) / 2, 1e-14);
    EXPECT_EQ(lib, "@@FUINFINITE\nsinsum\n1\n1\n@DATA\n@ARGS\nw\n@SUMRECORD\n@MODE\ns\nACCEL\n@END SUMRECORD\n"
                   "@SUMVAR\nk\n@SUMMAND\n1/k\n@STARTAT\n1\n@STEP\n1\n@ROT\nw\n@PHASE\n0\n@@END FUINFINITE\n");
}

// Refusals leave the context empty.
TEST_F(assistant, InvalidConfigurationsAreRefused)
{
    struct {
        const char* formula;
        const char* letters;
        const char* keys;
        const char* text;
    } cases[] = {
        {"1/k^2", "k", "ui<dump r><Esc><Esc>", "All except rotating series must have at least one parameter"},
        {"1/k", "k", "suiy<Esc><Esc><dump r><Esc><Esc>", "it will return a constant"},
        {"a/k^2", "ka", "Mui<dump r><Esc><Esc>", "Automatic installation of finite sums is not supported."},
        {"a/k^2", "ka", "uin<dump r><Esc>", "Installation assistant"},
        {"a/k^2", "ka", "++uiy<Esc><dump r><Esc>", "Series limit"},   // Esc at the name
        {"a/k^2", "ka", "ux<dump r><Esc>", "Installation assistant"},   // no such command, shown for a moment
    };
    for (const auto& c : cases) {
        int objects = -1;
        record = sumrecord();
        ASSERT_TRUE(menu(c.formula, c.letters, c.keys, [&] { objects = localobjects ? localobjects->count : 0; }));
        EXPECT_EQ(run.status, 0) << c.keys;
        EXPECT_EQ(objects, 0) << c.keys;
        EXPECT_TRUE(shows("r", c.text)) << screen("r");
    }
}

}  // namespace
