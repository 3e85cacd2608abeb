#include <string>

#include "plainrow.h"
#include "screenfixture.h"
#include "base/objcount.h"
#include "screen/statusbox.h"
#include "screen/statushidden.h"

namespace {

class statustest : public screenfixture {
protected:
    // The interior of the program's box: 24 columns by 3 lines at 56..79,
    // rows 27..29.
    statusbox box{55, 26, 80, 30, 15, 4, 14, 6};
    static std::string line(int i) { return plainrow(row(26 + i)).substr(55, 24); }
    static std::string pad(const std::string& s) { return s + std::string(24 - s.size(), ' '); }
};

}  // namespace

TEST_F(statustest, nestedlevelsalternatecolours)
{
    std::string before = screendump();
    box.printf("\n outer %d", 1);
    EXPECT_EQ(line(2), pad(" outer 1"));
    uint8_t outer = box.textcolor;
    box.printf("\n inner");
    EXPECT_EQ(line(2), pad(" inner"));
    EXPECT_NE(box.textcolor, outer);
    EXPECT_EQ(box.level, 2);
    box.close();
    EXPECT_EQ(line(2), pad(" outer 1"));
    EXPECT_EQ(box.textcolor, outer);
    box.close();
    EXPECT_FALSE(box.shown);
    EXPECT_EQ(screendump(), before);
    box.close();  // at level 0: nothing
    EXPECT_EQ(box.level, 0);
    EXPECT_EQ(box.textcolor, 15);
}

TEST_F(statustest, writinglikeateletype)
{
    struct item {
        const char* text;
        const char* lines[3];
    } cases[] = {
        {"123456789012345678901234567890\n\rlost", {"123456789012345678901234", "", ""}},
        {"a\n\rb\n\rc\n\rd", {"b", "c", "d"}},
        {"abc\nd", {"abc", "   d", ""}},
        {"abc\n\rd", {"abc", "d", ""}},
        {"ab\x01\x7f" "c", {"ab  c", "", ""}},
    };
    for (const item& c : cases) {
        box.printf("%s", c.text);
        for (int i = 0; i < 3; i++)
            EXPECT_EQ(line(i + 1), pad(c.lines[i])) << c.text << " line " << i + 1;
        box.close();
    }
}

TEST_F(statustest, hidingnests)
{
    box.printf("x");
    box.hide();
    box.hide();
    EXPECT_FALSE(box.show());
    EXPECT_EQ(line(1), pad(""));
    EXPECT_TRUE(box.show());
    EXPECT_EQ(line(1), pad("x"));
    box.close();
}

TEST_F(statustest, deeplevelsmakepanels)
{
    EXPECT_EQ(box.panelcount(), 10);
    for (int i = 1; i <= 11; i++)
        box.printf("%d", i);
    EXPECT_EQ(box.panelcount(), 11);
    EXPECT_EQ(line(1), pad("11"));
    EXPECT_TRUE(box.step(10));
    EXPECT_EQ(line(1), pad("11"));  // seen at the next redraw
    box.print("!");
    EXPECT_EQ(line(1), pad("1!"));
    EXPECT_FALSE(box.step(11));
    for (int i = 1; i <= 11; i++)
        box.close();
    EXPECT_FALSE(box.shown);
}

TEST_F(statustest, scopeclosesonearlyexit)
{
    objcounts start = objcountstate();
    auto work = [this](bool early) {
        statusbox::scope s(&box, "\n computing curve %d \n", 3);
        if (early)
            return line(2);
        box.printf("inner");
        box.close();
        return line(2);
    };
    EXPECT_EQ(work(true), pad(" computing curve 3 "));
    EXPECT_EQ(box.level, 0);
    EXPECT_EQ(work(false), pad(" computing curve 3 "));
    EXPECT_EQ(box.level, 0);
    EXPECT_EQ(objcountstate().sum, start.sum);
}

TEST_F(statustest, keepsthecallerswindowandpendingcaption)
{
    window(5, 5, 30, 10);
    gotoxy(3, 2);
    textcolor(2);
    setboxtitle("for the next box");
    box.printf("\n busy");
    box.close();
    cellrect w = getwindow();
    EXPECT_EQ(w.left, 5);
    EXPECT_EQ(w.bottom, 10);
    EXPECT_EQ(wherexwin(), 3);
    EXPECT_EQ(whereywin(), 2);
    EXPECT_EQ(gettextcolor(), 2);
    EXPECT_STREQ(pendingbox().caption, "for the next box");
    setboxtitle("");
}

TEST(statushidden, IsAccounted)
{
    objcounts before = objcountstate();
    {
        statushidden hidden;   // no status box: nothing to hide
        EXPECT_EQ(objcountstate().live, before.live + 1);
    }
    EXPECT_EQ(objcountstate().live, before.live);
    EXPECT_EQ(objcountstate().sum, before.sum);
}

TEST_F(statustest, statushiddenhidesandrestorestheprogramsbox)
{
    makestatusbox();
    statusbox* program = programstatus();
    ASSERT_NE(program, nullptr);
    program->printf("x");
    {
        statushidden hidden;
        EXPECT_FALSE(program->shown);
        EXPECT_EQ(line(1), pad(""));
    }
    EXPECT_TRUE(program->shown);
    EXPECT_EQ(line(1), pad("x"));
    program->close();
    dropstatusbox();
}
