#include <chrono>
#include <string>
#include <vector>

#include "screenfixture.h"
#include "screen/msgbox.h"
#include "screen/msgbuffer.h"
#include "screen/palette.h"
#include "screen/popup.h"

using messages = screenfixture;

TEST_F(messages, measuresandplacespopups)
{
    struct item {
        const char* text;
        void (*place)();
        textplace expect;
    } cases[] = {
        {"\n   OK   \n", [] {}, {3, 8, 36, 13}},
        {"", [] {}, {1, 1, 39, 14}},
        {"ab\ncd", [] {}, {2, 4, 38, 14}},       // "\n" keeps the column
        {"ab\n\rcdef\r", [] {}, {2, 4, 38, 14}},
        {"x", [] { setpopupy(1); setpopupwidth(0); }, {1, 1, 78, 1}},
        {"x", [] { setpopupx(200); setpopupheight(10); }, {1, 1, 78, 8}},
        {"\n1\n\r2\n\r3\n\r4\n", [] { setpopupy(28); }, {6, 1, 39, 23}},
        {"x", [] { setpopupdefaults(1, 1, 20, 10); }, {1, 1, 9, 4}},
        {"x", [] { setpopupdefaults(1, 1, 4, 10); }, {1, 1, 39, 4}},
    };
    for (const item& c : cases) {
        c.place();
        textplace p = textextent(c.text);
        EXPECT_EQ(p.lines, c.expect.lines) << c.text;
        EXPECT_EQ(p.columns, c.expect.columns) << c.text;
        EXPECT_EQ(p.column, c.expect.column) << c.text;
        EXPECT_EQ(p.row, c.expect.row) << c.text;
        setpopupx(0), setpopupy(0), setpopupdefaults(0, 0, 0, 0);
        popup reset("");  // every popup forgets the placement settings
    }
    std::string wide(100, 'w');
    textplace p = textextent(wide.c_str());
    EXPECT_EQ(p.columns, 78);
    EXPECT_EQ(p.lines, 2);
}

TEST_F(messages, popupopensaboxsizedtoitstext)
{
    std::string before = screendump();
    {
        setpopupy(1);
        setpopupwidth(0);
        popup top("\n   OK   \n");
        const boxframe* b = top.box();
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->right - b->left + 1, 10);
        EXPECT_EQ(b->bottom - b->top + 1, 5);
        EXPECT_EQ(b->right, 80);
        EXPECT_EQ(b->top, 1);
        EXPECT_EQ(b->framecolor, colorof(133));
        EXPECT_EQ(gettextcolor(), colorof(131));
    }
    EXPECT_EQ(screendump(), before);
}

TEST_F(messages, stylessetthenextpopupscolours)
{
    msgstyle(6);
    {
        popup plain("x");
        EXPECT_EQ(plain.box()->framecolor, colorof(133));
    }
    msgstyle(1);
    popup error("x");
    EXPECT_EQ(error.box()->framecolor, colorof(263));
    EXPECT_EQ(error.box()->background, colorof(264));
    EXPECT_EQ(error.box()->titlecolor, colorof(265));
}

TEST_F(messages, timedmessagesreturnzero)
{
    std::string before = screendump();
    auto start = std::chrono::steady_clock::now();
    setmsgtime(120);
    EXPECT_EQ(msgbox("\n wait \n"), 0);
    okbox(50);
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    EXPECT_GE(ms.count(), 170);
    EXPECT_EQ(screendump(), before);
}

TEST_F(messages, bufferappendsuptoitscapacity)
{
    msgbuffer m(0, 0, 0, 0, 10);
    EXPECT_EQ(m.addf("%s", "12345678"), 2);
    EXPECT_EQ(m.addf("%s", "abcdef"), 0);
    EXPECT_STREQ(m.text(), "12345678ab");
    EXPECT_EQ(m.addf("more"), 0);
    m.clear();
    EXPECT_EQ(m.addf("%d", 7), 9);
    EXPECT_STREQ(m.text(), "7");
}

TEST_F(messages, bufferpopupstaysopen)
{
    std::string before = screendump();
    {
        msgbuffer m(0, 0, 0, 0, 100);
        m.addf("\n progress \n");
        m.showpopup();
        EXPECT_NE(row(15).find(" progress "), std::string::npos);
        EXPECT_EQ(m.show(), 0);
        m.showpopup();
    }
    EXPECT_EQ(screendump(), before);
}

namespace {
std::vector<std::string> printed;
}

TEST_F(messages, printingcutslines)
{
    setlineprinter([](const char* line) { printed.push_back(line); });
    printtext(("\n a \n\r b \r\n\nc\r" + std::string(80, 'x')).c_str());
    setlineprinter(nullptr);
    EXPECT_EQ(printed, (std::vector<std::string>{"", " a ", " b ", "", "c", std::string(78, 'x'), "xx"}));
}
