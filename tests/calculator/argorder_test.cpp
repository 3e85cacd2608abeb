#include <gtest/gtest.h>

#include <string>

#include "calculator/argorder.h"

TEST(argorder, CaseBlindWithLowerFirst)
{
    struct {
        char a, b;
        int order;
    } cases[] = {{'a', 'b', -1}, {'B', 'a', 1}, {'a', 'A', -1}, {'A', 'a', 1},
                 {'x', 'x', 0},  {'Z', 'a', 1}, {'z', 'A', 1},  {'Q', 'Q', 0}};
    for (const auto& c : cases)
        EXPECT_EQ(argorder(c.a, c.b), c.order) << c.a << c.b;
}

TEST(sortargs, SortsInPlace)
{
    struct {
        std::string in, out;
    } cases[] = {{"", ""}, {"x", "x"}, {"ZyXbBaA", "aAbBXyZ"}, {"tTtT", "ttTT"}, {"dcba", "abcd"}};
    for (auto c : cases) {
        sortargs(c.in.data());
        EXPECT_EQ(c.in, c.out);
    }
    sortargs(nullptr);
}

TEST(sortargs, EmptyStringLeavesTheBytesAfterItsEnd)
{
    char letters[] = {'\0', 'b', 'a', '\0'};
    sortargs(letters);
    EXPECT_EQ(std::string(letters, sizeof letters), std::string("\0ba\0", 4));
}
