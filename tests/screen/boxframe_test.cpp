#include <string>

#include "plainrow.h"
#include "screenfixture.h"
#include "screen/boxframe.h"
#include "screen/palette.h"

class boxtest : public screenfixture {
protected:
    static std::string row(int y) { return plainrow(screenfixture::row(y)); }
};

TEST_F(boxtest, longcaptioniscutinacopy)
{
    std::string caption = std::string(160, 'c') + "0123456789";
    setboxtitle(caption.c_str());
    boxframe b(1, 1, 80, 5);
    EXPECT_EQ(row(1).substr(1, 78), std::string(78, 'c'));
    std::string own = "a title longer than the box";
    {
        boxframe small(10, 8, 20, 10);
        small.drawtitle(own.c_str());
        EXPECT_EQ(row(8).substr(10, 9), "a title l");
    }
    EXPECT_EQ(own, "a title longer than the box");
}

TEST_F(boxtest, clampsandkeepssettingswhentoosmall)
{
    std::string before = screendump();
    {
        boxframe leftzero(0, 12, 10, 14);
        EXPECT_TRUE(leftzero.drawn());
    }
    EXPECT_EQ(screendump(), before);
    setboxtitle("T");
    setfootertext(" F ");
    {
        boxframe narrow(10, 5, 11, 9);
        EXPECT_FALSE(narrow.drawn());
        EXPECT_EQ(row(5), std::string(80, ' '));
    }
    boxframe wide(0, 3, 120, 6);
    EXPECT_TRUE(wide.drawn());
    EXPECT_EQ(wide.left, 1);
    EXPECT_EQ(wide.right, 80);
    EXPECT_EQ(row(3).substr(39, 1), "T");
    EXPECT_EQ(row(6).substr(75, 3), " F ");
    cellrect w = getwindow();
    EXPECT_EQ(w.left, 2);
    EXPECT_EQ(w.right, 79);
    EXPECT_EQ(w.top, 4);
    EXPECT_EQ(w.bottom, 5);
    EXPECT_EQ(wherex(), 2);
    EXPECT_EQ(wherey(), 4);
}

TEST_F(boxtest, restoresthescreen)
{
    gotoxy(1, 1);
    cputs("under the box");
    std::string before = screendump();
    {
        setboxtitle("x");
        boxframe b(1, 1, 20, 6);
        cputs("inside");
        EXPECT_NE(screendump(), before);
    }
    EXPECT_EQ(screendump(), before);
    EXPECT_EQ(wherex(), 14);
}

TEST_F(boxtest, footers)
{
    struct item {
        int code;
        const char* expect;  // the bottom row between the corners
    } cases[] = {
        {7, "= Close with <esc> ="},
        {12, "= Press <F1> for mo="},
        {5, "===================="},
        {4, "===================="},
    };
    for (const item& c : cases) {
        setfootertext(nullptr);
        setfootercode(c.code);
        boxframe b(1, 1, 22, 4);
        std::string r = row(4);
        EXPECT_EQ(r.substr(1, 20), c.expect) << c.code;
    }
    setfootertext(" kept ");
    setfootercode(5);
    setfootercode(6);
    {
        boxframe b(1, 1, 22, 4);
        EXPECT_EQ(row(4).substr(14, 6), " kept ");
    }
    setfootertext(std::string(18, 'f').c_str());  // exactly w - 2
    boxframe b(1, 1, 22, 4);
    EXPECT_EQ(row(4).substr(2, 18), std::string(18, 'f'));
}

TEST_F(boxtest, colours)
{
    setboxcolors(3, 21, 5, 0, 0);
    setboxcolors(0, 0, 0, 0, 6);
    setboxtitle("t");
    setfootertext("f");
    {
        boxframe b(1, 1, 10, 4, 0, 0);
        EXPECT_EQ(b.framecolor, 3);
        EXPECT_EQ(b.background, colorof(142));
        EXPECT_EQ(b.titlecolor, 5);
        EXPECT_EQ(b.legendcolor, colorof(144));
        EXPECT_EQ(b.footercolor, 6);
    }
    boxframe again(1, 1, 10, 4, 9, 10);
    EXPECT_EQ(again.framecolor, 9);
    EXPECT_EQ(again.background, 10);
    EXPECT_EQ(again.titlecolor, colorof(143));
}
