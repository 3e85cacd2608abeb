#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "base/objcount.h"
#include "formula/diagnostics.h"
#include "formula/parser.h"
#include "formula/rpncode.h"
#include "formula/tokens.h"
#include "objects/codelisting.h"
#include "objects/fu1.h"

namespace {

// The depth field closes every line.
std::vector<int> depths(const codelisting& l)
{
    std::vector<int> d;
    for (int i = 1; i < l.lines.count; ++i) {
        std::string t = l.lines.text(i);
        d.push_back(std::atoi(t.substr(t.size() - 4).c_str()));
    }
    return d;
}

std::vector<int> codes(const codelisting& l)
{
    std::vector<int> c;
    for (int i = 1; i < l.lines.count; ++i)
        c.push_back(std::atoi(l.lines.text(i)));
    return c;
}

struct listing : ::testing::Test {
    parser p;
    void compile(const char* text) { ASSERT_NE(p.compile(text, "xy", 3), 0) << globaldiagnostics().message(); }
};

TEST_F(listing, DepthsFollowTheStack)
{
    struct {
        const char* formula;
        std::vector<int> codes, depths;
    } cases[] = {
        {"1, 2; 3", {tk::FEED_CONSTANT, tk::FEED_CONSTANT, tk::SEMICOLON, tk::FEED_CONSTANT, tk::END}, {1, 2, 0, 1, 0}},
        {"x+y*2", {tk::FEED_ARG_1, tk::FEED_ARG_2, tk::FEED_CONSTANT, tk::TIMES, tk::PLUS, tk::END}, {1, 2, 3, 2, 1, 0}},
        {"max(1, x, 3)", {tk::FEED_CONSTANT, tk::FEED_ARG_1, tk::FEED_CONSTANT, tk::MAXIMUM, tk::END}, {1, 2, 3, 1, 0}},
    };
    for (const auto& c : cases) {
        p.reset();
        compile(c.formula);
        codelisting l(p);
        EXPECT_FALSE(l.failed);
        EXPECT_EQ(codes(l), c.codes) << c.formula;
        EXPECT_EQ(depths(l), c.depths) << c.formula;
    }
}

TEST_F(listing, LinesShowOperands)
{
    compile("2.5, sort##(3, 1, 2)");
    codelisting l(p);
    ASSERT_GE(l.lines.count, 6);
    EXPECT_STREQ(l.lines.text(1), " 83   FEED CONSTANT         2.5                         1 ");
    std::string sort = l.lines.text(5);
    EXPECT_EQ(sort, "115            SORT                      3 --> 3        4 ");
    EXPECT_EQ(l.callee(1), nullptr);
}

TEST(listinglines, LettersValuesAndNumbers)
{
    struct {
        const char* formula;
        const char* args;
        int line;
        const char* text;
    } cases[] = {
        {"#auto a; a = x; a", "x", 3, " 90  ASSIGN TO AUTO  a                                  1 "},
        {"#static s; s + g", "", 1, "173    FEED #STATIC  s      0                           1 "},
        {"#static s; s + g", "", 2, " 82    FEED #GLOBAL  g      0                           2 "},
        {"assume##(1, 2); a.1#2", "", 5, " 86 FEED ASSUMEVALS    1..2                             2 "},
        {"e + g", "abcdefg", 2, "  2    FEED ARG Nr.         7                           2 "},
    };
    for (const auto& c : cases) {
        parser p;
        ASSERT_NE(p.compile(c.formula, c.args, 3), 0) << c.formula;
        codelisting l(p);
        ASSERT_LT(c.line, l.lines.count) << c.formula;
        EXPECT_STREQ(l.lines.text(c.line), c.text) << c.formula;
    }
}

TEST(listingcalls, MultiValuedCallRaisesTheDepth)
{
    // A 3-valued object called with 2 arguments.
    fu1 callee;
    callee.setname("tri");
    callee.nvalues = 3;
    fu* object = &callee;
    const unsigned char tokens[] = {tk::ABORT, tk::FEED_CONSTANT, tk::FEED_CONSTANT, tk::CALL_MULTIFUNC, tk::ENDMULTI,
                                    tk::END};
    const operand cells[] = {operand::ofconstant(1), operand::ofconstant(2), operand::ofcall(object, 2, 3)};
    parser p;
    ASSERT_TRUE(p.code.store(tokens, sizeof tokens, cells, 3));
    double sum = objcountstate().sum;
    {
        codelisting l(p);
        EXPECT_EQ(depths(l), (std::vector<int>{1, 2, 3, 0}));
        ASSERT_EQ(l.lines.count, 5);
        std::string call = l.lines.text(3);
        EXPECT_EQ(call, " 92  CALL MULTIFUNC                           tri#3     3 ");
        EXPECT_EQ(l.callee(3), object);
        EXPECT_EQ(l.callee(2), nullptr);
    }
    EXPECT_EQ(objcountstate().sum, sum);
}

TEST(listingcalls, EmptyParserListsNothing)
{
    parser p;
    codelisting l(p);
    EXPECT_TRUE(l.lines.isempty());
    EXPECT_FALSE(l.failed);
}

}  // namespace
