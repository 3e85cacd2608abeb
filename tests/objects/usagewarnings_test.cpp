// The usage warnings that an object's implementation leaves: the first
// finding in the order 61, 59, 57, 60; the code stays usable.
#include <gtest/gtest.h>

#include <string>

#include "formula/diagnostics.h"
#include "formula/parser.h"
#include "objects/fu1.h"

TEST(usagewarnings, FirstFindingInItsOrder)
{
    parser first;
    struct {
        const char* formula;
        int code;
        const char* message;
    } cases[] = {
        {"#static s; s+x", 61, "\n The #static-Variable \"s\" is referenced, but never defined! \n"},
        {"#auto a; a = x; x", 59, "\n The type-#auto-variable \"a\" has been defined, but never referenced! \n"},
        {"2", 57, "\n \"x\", which is declared as an argument, is never used ! \n"},
        {"#static s; x", 60, "\n \"s\", which is declared as a type \"#static\"-variable, \n is never used! \n"},
        {"#static s; #auto a; a = 1; s", 61, nullptr},
        {"#auto a; a = 1; 3", 59, nullptr},
        {"x*x", 0, nullptr},
    };
    for (const auto& c : cases) {
        fu1 f;
        f.setformula(c.formula, "x");
        ASSERT_TRUE(f.implement(1, 0)) << c.formula;
        EXPECT_EQ(f.diag->code, c.code) << c.formula;
        if (c.code == 0)
            continue;
        EXPECT_EQ(f.diag->state, diagstate::warning);
        EXPECT_EQ(f.diag->position, -1);
        EXPECT_EQ(f.diag->shown, c.formula);
        if (c.message) {
            EXPECT_EQ(f.diag->message(), c.message);
        }
    }
}
