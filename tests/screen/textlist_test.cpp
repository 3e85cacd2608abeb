// Text pages on the headless front: placement, the bar, the hooks.
#include <gtest/gtest.h>

#include <string>

#include "screen/textlist.h"
#include "tests/screen/hostrun.h"
#include "tests/screen/plainrow.h"
#include "tests/screen/screenfixture.h"

namespace {

int lines = 3;
int16_t firstshown = 1;
int16_t shown = -1;

void pageloop()
{
    textpage page;
    for (int i = 1; i <= lines; i++)
        page.addlinef(i == 2 ? "second line\n\r" : "l%d\n\r", i);
    shown = page.show(firstshown);
}

std::string showpage(const std::string& script, int n, int16_t first, hostrun* out = nullptr)
{
    lines = n;
    firstshown = first;
    shown = -1;
    hostrun r = runscript(script, pageloop);
    EXPECT_EQ(r.status, 0) << script;
    if (out)
        *out = r;
    return plainfile(r.out + "/page.txt");
}

std::string row(const std::string& dump, int y)
{
    size_t at = 0;
    for (int i = 1; i < y; i++)
        at = dump.find('\n', at) + 1;
    return dump.substr(at, dump.find('\n', at) - at);
}

TEST(textpage, AShortPageIsFramedAroundItsLinesAndCentred)
{
    std::string dump = showpage("<dump page><Enter>", 3, 1);
    EXPECT_EQ(shown, 1);
    // Three lines: five rows from 14 to 18, as wide as "second line" + 2.
    int x = (80 - 1 - 11) / 2 + 1;
    std::string frame = std::string(size_t(x - 1), ' ') + "+" + std::string(11, '=') + "+";
    EXPECT_EQ(row(dump, 13).find_first_not_of(' '), std::string::npos);
    EXPECT_EQ(row(dump, 14).substr(0, frame.size()), frame);
    EXPECT_EQ(row(dump, 15).substr(size_t(x - 1), 13), "|l1         |");
    EXPECT_EQ(row(dump, 16).substr(size_t(x - 1), 13), "|second line|");
    EXPECT_EQ(row(dump, 18).substr(0, frame.size()), frame);
    EXPECT_EQ(row(dump, 19).find_first_not_of(' '), std::string::npos);
}

TEST(textpage, ALongPageFillsItsBoundsAndScrolls)
{
    std::string dump = showpage("<End><dump page><Enter>", 100, 1);
    EXPECT_EQ(shown, 100);
    // Rows 1 to 30, the last line at the bottom after End.
    EXPECT_NE(row(dump, 1).find("+===="), std::string::npos);
    EXPECT_NE(row(dump, 30).find("+===="), std::string::npos);
    EXPECT_NE(row(dump, 29).find("|l100"), std::string::npos);
    EXPECT_NE(row(dump, 2).find("|l73 "), std::string::npos);
}

TEST(textpage, TheBarStartsAtMostOnTheLastLine)
{
    showpage("<dump page><Enter>", 10, 100);
    EXPECT_EQ(shown, 10);
    showpage("<dump page><Up><Esc>", 10, 100);
    EXPECT_EQ(shown, 9);
}

int swapped(int key)
{
    return key == 'u' ? 328 : key;
}

void hookloop()
{
    textlistkeyhook = swapped;
    textpage page;
    for (int i = 1; i <= 5; i++)
        page.addlinef("line %d", i);
    shown = page.show(3);
}

TEST(textpage, EnterResetsTheHooksEscKeepsTheKeyHook)
{
    hostrun r = runscript("u<Esc>", hookloop);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(shown, 2);   // u moved the bar up
    EXPECT_EQ(textlistkeyhook, swapped);
    EXPECT_EQ(textlisthelphook, showlisthelp);
    r = runscript("u<Enter>", hookloop);
    EXPECT_EQ(shown, 2);
    EXPECT_NE(textlistkeyhook, swapped);
    EXPECT_EQ(textlistkeyhook('u'), 'u');
    resettextlisthooks();
}

class pagebounds : public screenfixture {};

TEST_F(pagebounds, UnusableEdgesFallBackToTheScreen)
{
    struct {
        int16_t l, t, r, b;
        int16_t left, top, right, bottom, maxlength;
    } cases[] = {
        {0, 0, 0, 0, 1, 1, 80, 30, 78},
        {70, 5, 72, 20, 70, 5, 72, 20, 1},
        {79, 0, 0, 0, 1, 1, 80, 30, 78},
        {10, 28, 11, 40, 10, 28, 80, 30, 69},
        {5, 3, 60, 4, 5, 3, 60, 30, 54},
    };
    for (auto c : cases) {
        textpage p;
        p.setbounds(c.l, c.t, c.r, c.b);
        EXPECT_EQ(p.left, c.left);
        EXPECT_EQ(p.top, c.top);
        EXPECT_EQ(p.right, c.right);
        EXPECT_EQ(p.bottom, c.bottom);
        EXPECT_EQ(p.maxlength, c.maxlength) << c.l << " " << c.t << " " << c.r << " " << c.b;
    }
}

TEST_F(pagebounds, LongTextWrapsAtTheWindowWidth)
{
    textpage p;
    p.setbounds(1, 1, 12, 30);
    p.addlinef("%s", "abcdefghijklmnopqrstuvwxyz");
    ASSERT_EQ(p.count, 4);
    EXPECT_STREQ(p.text(1), "abcdefghij");
    EXPECT_STREQ(p.text(3), "uvwxyz");
}

}  // namespace
