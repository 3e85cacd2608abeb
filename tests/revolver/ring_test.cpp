// The ring's own operations: turning wraps around, Ins takes the farthest
// empty calculator after the current one, else the nearest before it.
#include <gtest/gtest.h>

#include <string>

#include "calculator/calculator.h"
#include "formula/parser.h"
#include "revolver/revolver.h"

namespace {

// A ring of n whose calculators hold "k" (their index) except the empty
// ones listed.
struct smallring {
    parser first;
    revolver r;
    smallring(int n, const std::string& empty) : r(n, "")
    {
        for (int i = 0; i < n; ++i)
            if (empty.find(char('0' + i)) == std::string::npos)
                r.calculators[i]->setformula(std::to_string(i).c_str(), "x");
    }
    // The formulas in ring order, "-" for an empty calculator.
    std::string order() const
    {
        std::string s;
        for (int i = 0; i < r.ncalcs; ++i)
            s += r.calculators[i]->isempty() ? "-" : r.calculators[i]->formulatext();
        return s;
    }
};

TEST(ring, TurningWrapsAround)
{
    smallring s(5, "");
    EXPECT_EQ(s.r.index, 1);
    s.r.prev();
    s.r.prev();
    EXPECT_EQ(s.r.index, 4);
    s.r.next();
    EXPECT_EQ(s.r.index, 0);
}

TEST(ring, FindEmptyTakesTheFarthestAfterElseTheNearestBefore)
{
    struct {
        const char* empty;
        int at;
        const char* after;
    } cases[] = {
        {"27", 4, "01-3-4568"},   // after: 7, the farthest, comes to 4
        {"02", 5, "-1345-678"},                          // before only: 2, the nearest, comes to 5
        {"4", 4, "0123-5678"},                           // the current one is empty
    };
    for (const auto& c : cases) {
        smallring s(9, c.empty);
        s.r.index = int16_t(c.at);
        s.r.current = s.r.currentcalc();
        calculator* found = s.r.findempty();
        ASSERT_TRUE(found) << c.empty;
        EXPECT_TRUE(found->isempty());
        EXPECT_EQ(found, s.r.calculators[c.at]);
        EXPECT_EQ(s.order(), c.after) << c.empty;
    }
    smallring full(4, "");
    EXPECT_EQ(full.r.findempty(), nullptr);
}

}  // namespace
