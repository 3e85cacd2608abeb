#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "screen/linelist.h"

namespace {

std::vector<std::string> texts(const linelist& l)
{
    std::vector<std::string> out;
    for (int i = 1; i < l.count; i++)
        out.push_back(l.text(i));
    return out;
}

using lines = std::vector<std::string>;

}  // namespace

TEST(linelist, empty)
{
    linelist l;
    EXPECT_TRUE(l.isempty());
    EXPECT_EQ(l.join(), nullptr);
    l.clear();
    EXPECT_EQ(l.count, 1);
    EXPECT_FALSE(l.addline(nullptr));
}

TEST(linelist, growsinstepsandjoins)
{
    linelist l;
    for (int i = 1; i <= 50; i++)
        ASSERT_TRUE(l.addlinef("%d", i));
    EXPECT_EQ(l.capacity, 50);
    ASSERT_TRUE(l.addline("x"));
    EXPECT_EQ(l.capacity, 100);
    EXPECT_EQ(l.lines[0], nullptr);
    EXPECT_EQ(l.widest, 2);
    std::unique_ptr<char[]> all(l.join());
    std::string expect;
    for (int i = 1; i <= 50; i++)
        expect += std::to_string(i);
    EXPECT_EQ(all.get(), expect + "x");

    linelist copy(l);
    EXPECT_FALSE(copy.failed);
    EXPECT_EQ(texts(copy), texts(l));
    l.clear();
    EXPECT_TRUE(l.isempty());
    EXPECT_EQ(l.capacity, 100);
    EXPECT_EQ(copy.count, 52);
}

TEST(linelist, longlinesarecut)
{
    linelist l;
    ASSERT_TRUE(l.addline(std::string(40000, 'a').c_str()));
    EXPECT_EQ(std::string(l.text(1)).size(), 32766u);
    EXPECT_EQ(l.widest, 32766);
    ASSERT_TRUE(l.addlinef("%s", std::string(4000, 'b').c_str()));
    EXPECT_EQ(std::string(l.text(2)).size(), 2999u);
}

TEST(linelist, splitlikeateletype)
{
    struct item {
        const char* text;
        int maxlength;
        int result;
        lines expect;
    } cases[] = {
        {"ab\n\rcd", 32766, 1, {"ab", "cd"}},
        {"ab\ncd", 32766, 1, {"ab", "  cd"}},
        {"ab\n", 32766, 1, {"ab", "  "}},
        {"", 32766, 1, {}},
        {"0123456789012345678901234", 10, 1, {"0123456789", "0123456789", "01234"}},
        {"0123456789\n\rX", 10, 1, {"0123456789", "X"}},
        {"ab\n\r\n", 32766, 1, {"ab", ""}},
    };
    for (const item& c : cases) {
        linelist l;
        l.split = true;
        l.maxlength = int16_t(c.maxlength);
        EXPECT_EQ(l.addlinef("%s", c.text), c.result) << c.text;
        EXPECT_EQ(texts(l), c.expect) << c.text;
    }
}

TEST(linelist, splitrefuseslongsegments)
{
    linelist l;
    l.split = true;
    EXPECT_EQ(l.addtext(std::string(200, 'z').c_str()), 0);
    EXPECT_TRUE(l.isempty());
    EXPECT_EQ(l.addtext(("ok\n\r" + std::string(161, 'z') + "\n\rlost").c_str()), 0);
    EXPECT_EQ(texts(l), lines{"ok"});
}

TEST(linelist, refusestogrowpastsixteenbits)
{
    linelist l;
    for (int i = 1; i <= 32750; i++)
        ASSERT_TRUE(l.addline("")) << i;
    EXPECT_EQ(l.capacity, 32750);
    EXPECT_FALSE(l.addline("one too many"));
    EXPECT_EQ(l.count, 32751);
    EXPECT_EQ(l.capacity, 32750);
}
