// The math layer reports up only through its hook table: what reaches the
// hooks, and that the routines stand alone without them.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "math/funcerror.h"
#include "math/hooks.h"
#include "math/mathlib.h"

namespace {

std::vector<std::string> seen;

int recordmatherr(mathexception* e)
{
    seen.push_back(std::string("matherr ") + e->name + " " + std::to_string(e->type));
    e->retval = 42.0;
    return 1;
}

void recordfuncerror(int kind, const char* name, const char* text, int n, const double* args)
{
    std::string s = "funcerror " + std::to_string(kind) + " " + name + " " + std::to_string(n);
    for (int i = 0; i < n; i++)
        s += " " + std::to_string(int(args[i]));
    seen.push_back(s);
}

struct mathhookstest : ::testing::Test {
    mathhooks saved = mathhook();
    void SetUp() override { seen.clear(); }
    void TearDown() override { mathhook() = saved; }
};

TEST_F(mathhookstest, FailedCallsAndBadArgumentsReachTheHooks)
{
    mathhook().matherr = recordmatherr;
    mathhook().funcerror = recordfuncerror;
    EXPECT_EQ(mathlib::sqrt(-1.0), 42.0);
    reportfuncerror(funcdomain, "f", nullptr, 3, 1.0, 2.0, 3.0);
    std::vector<std::string> expected = {"matherr sqrt " + std::to_string(mathdomain), "funcerror 1 f 3 1 2 3"};
    EXPECT_EQ(seen, expected);
}

TEST_F(mathhookstest, WithoutHooksTheLibraryResultStandsAndNothingStops)
{
    mathhook() = mathhooks{};
    EXPECT_TRUE(std::isnan(mathlib::sqrt(-1.0)));
    reportfuncerror(funcdomain, "f", nullptr, 1, 1.0);
    EXPECT_FALSE(evaluationfailed());
    EXPECT_FALSE(evaluationbroken());
    internalerror();
    EXPECT_TRUE(seen.empty());
}

}  // namespace
