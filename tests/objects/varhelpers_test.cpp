// Unused argument letters and the nesting guard.
#include <gtest/gtest.h>

#include "formula/markset.h"
#include "formula/nestguard.h"
#include "formula/varman.h"
#include "objects/varlist.h"

TEST(unusedarguments, LettersDeclaredAsArgumentsAndNeverRead)
{
    markset m;
    m.declarearguments("xyB", false, 0);
    m.markreferenced('x');
    EXPECT_EQ(unusedarguments(m), "By");   // the order a, A, b, B, ...
    m.markreferenced('y');
    m.markreferenced('B');
    EXPECT_EQ(unusedarguments(m), "");
}

TEST(nestguard, OnlyTheOutermostScopeSwitchesAndRestores)
{
    int16_t word = 1;
    {
        nestguard outer(word, 5, 2);
        EXPECT_EQ(word, 5);
        {
            nestguard inner(word, 9, 2);
            EXPECT_EQ(word, 5);
            EXPECT_EQ(nestguard::depth(2), 2);
        }
        EXPECT_EQ(word, 5);
        nestguard other(word, 7, 3);   // another slot switches on its own
        EXPECT_EQ(word, 7);
    }
    EXPECT_EQ(word, 1);
    EXPECT_EQ(nestguard::depth(2), 0);
}
