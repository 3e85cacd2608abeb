#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <memory>
#include <string>

#include "screen/uiutil.h"

TEST(uiutil, stringedits)
{
    char text[16] = "ab";
    EXPECT_STREQ(padstr(text, 5, '.'), "ab...");
    EXPECT_STREQ(padstr(text, 1, '.'), "ab...");
    char dashes[] = "a-b-c";
    EXPECT_EQ(removechar(dashes, '-'), 2);
    EXPECT_STREQ(dashes, "abc");
    char blanks[] = " a b  c ";
    EXPECT_STREQ(stripblanks(blanks), "abc");
    appendchar(text, 'x');
    EXPECT_STREQ(text, "ab...x");
}

TEST(uiutil, newstrings)
{
    EXPECT_EQ(strnew(nullptr), nullptr);
    std::unique_ptr<char[]> s(newstrf("%d-%s", 42, "x"));
    EXPECT_STREQ(s.get(), "42-x");
    std::string big(700, 'q');
    std::unique_ptr<char[]> cut(newstrf("%s", big.c_str()));
    EXPECT_EQ(strlen(cut.get()), 555u);
}

TEST(uiutil, listlength)
{
    struct node {
        node* next;
        int value;
    };
    node c{nullptr, 3}, b{&c, 2}, a{&b, 1};
    EXPECT_EQ(listlength(nullptr), 0);
    EXPECT_EQ(listlength(&a), 3);
}

TEST(uiutil, characterclasses)
{
    EXPECT_TRUE(isnamestart('_'));
    EXPECT_FALSE(isnamestart('1'));
    EXPECT_TRUE(isnamechar('1'));
    EXPECT_FALSE(isnamechar('.'));
    EXPECT_TRUE(isnumchar('.'));
    EXPECT_TRUE(isopenbracket('{'));
    EXPECT_FALSE(isopenbracket(')'));
    EXPECT_TRUE(isyes('y'));
    EXPECT_FALSE(isyes('Y' + 256));
    EXPECT_TRUE(isprintable('~'));
    EXPECT_FALSE(isprintable(127));
    EXPECT_FALSE(isprintable(31));
}

TEST(uiutil, numericpredicates)
{
    double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_FALSE(isbetween(1, 1, 2));
    EXPECT_TRUE(isbetween(1, 1.5, 2));
    EXPECT_FALSE(isbadvalue(5, 5));
    EXPECT_TRUE(isbadvalue(5.1, 5));
    EXPECT_TRUE(isbadvalue(nan, 1e308));
    EXPECT_TRUE(isinvalid(-1e300));
    EXPECT_FALSE(isinvalid(9.9e299));
    EXPECT_TRUE(isnanval(nan));
    EXPECT_FALSE(ispositive(nan));
    EXPECT_TRUE(iswhole(-3.0));
    EXPECT_FALSE(iswhole(0.5));
    EXPECT_TRUE(isevenreal(-4.0));
    EXPECT_FALSE(isevenreal(3.0));
    EXPECT_TRUE(iseven(-2));
    EXPECT_FALSE(iseven(7));
}

TEST(uiutil, squares)
{
    EXPECT_TRUE(issquare(0));
    EXPECT_TRUE(issquare(49));
    EXPECT_FALSE(issquare(50));
    EXPECT_FALSE(issquare(-4));
    EXPECT_TRUE(issquare(46340 * 46340));
    EXPECT_FALSE(issquare(2147483647));
    for (int k = 1; k < 2000; k++) {
        ASSERT_TRUE(issquare(k * k)) << k;
        ASSERT_FALSE(issquare(k * k + 1)) << k;
    }
}
