#include "formula/nfv.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(nfv, formulacounts)
{
    struct row {
        const char* text;
        int count;
    };
    const row rows[] = {
        {"1, 2, 3", 3},
        {"1, 2; 3", 1},
        {"x = solve##(a,b,c,d,e,f);", 2},
        {"x; ", 1},
        {"", 0},
        {" ; ;", 0},
        {"vv#3, 1", 4},
        {"v#3, 1", 2},
        {"\\sort##(1,2,3)", 2},
        {"\\ \\ sort##(1,2)", 1},
        {"cmama##(1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16)", 8},
        {"cmama##(1,2,3,4,5,6,7,8,9,10,11,12)", 0},
        {"a.2#3, f.1''", 4},
        {"-(x+1), [2]", 2},
        {"sort##()", 0},
        {"sort##", 0},
        {"nosuch##(1,2)", 0},
        {"x = y = sort##(1, (2, 3)), 4", 3},
        {"+3", 0},
        {"1,,, 2", 2},
    };
    for (const row& r : rows)
        EXPECT_EQ(nfvformula(r.text), r.count) << r.text;
}

TEST(nfv, multivaluedrules)
{
    struct row {
        const char* name;
        int n;
        int count;
    };
    const row rows[] = {
        {"normiere", 3, 3}, {"conj", 4, 4}, {"conj", 3, 0}, {"plus", 6, 3}, {"minus", 5, 0},
        {"ctimes", 6, 4}, {"cPoly", 4, 2}, {"cPser", 3, 0}, {"times", 4, 3}, {"times", 1, 0},
        {"solve", 6, 2}, {"solve", 12, 3}, {"solve", 2, 1}, {"solve", 5, 0}, {"mavect", 12, 3},
        {"csolve", 12, 4}, {"csolve", 4, 2}, {"cmavect", 6, 0}, {"sort", 5, 5}, {"reverse", 1, 1},
        {"assume", 2, 2}, {"normpoly", 3, 4}, {"mama", 8, 4}, {"mama", 2, 1}, {"mama", 6, 0},
        {"cmama", 16, 8}, {"cdet", 8, 2}, {"cdet", 9, 0}, {"symevals", 9, 3}, {"symevals", 8, 0},
        {"inv", 9, 9}, {"inv", 8, 0}, {"transpose", 4, 4}, {"symevectors", 16, 16},
        {"cinv", 8, 8}, {"cinv", 9, 0}, {"ctranspose", 2, 2}, {"sin", 1, -1}, {"Sort", 2, -1},
        {"sort", 0, 0},
    };
    for (const row& r : rows)
        EXPECT_EQ(nfvmultiname(r.name, r.n), r.count) << r.name << " " << r.n;
    const char* text = "x = solve##(1, 2)";
    EXPECT_EQ(nfvmulti(text, 4, 2), 1);
    EXPECT_EQ(nfvmulti(text, 0, 2), -1);  // "x" is not followed by "#"
}

TEST(nfv, itemsandbrackets)
{
    const char* text = "f(a, [b, c], {d}, sort##(1,2))";
    int close = matchbracket(text, 0);
    EXPECT_EQ(close, int(std::strlen(text)) - 1);
    EXPECT_EQ(nfvitems(text, 2, close), 5);
    EXPECT_EQ(matchbracket(text, 5), 10);
    EXPECT_EQ(matchbracket("(1+(2)", 0), 0);
    EXPECT_EQ(matchbracket("[1+(2}]", 0), 6);  // any closing bracket closes any opening one
    EXPECT_EQ(matchbracket("no brackets", 0), 0);
    EXPECT_EQ(matchbracket("(x)", 0, 2), 0);  // the closing bracket lies beyond the limit
}
