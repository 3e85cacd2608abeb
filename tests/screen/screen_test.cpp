#include <cstdlib>
#include <cstring>

#include "platform/core/fonts.h"
#include "screenfixture.h"
#include "screen/palette.h"
#include "screen/screencell.h"

using screen = screenfixture;

TEST_F(screen, windowandgotoxy)
{
    window(10, 5, 20, 8);
    gotoxy(1, 1);
    EXPECT_EQ(wherex(), 10);
    EXPECT_EQ(wherey(), 5);
    gotoxy(12, 1);  // beyond the window's right edge
    EXPECT_EQ(wherex(), 10);
    gotoxy(11, 4);
    EXPECT_EQ(wherexwin(), 11);
    EXPECT_EQ(whereywin(), 4);
    EXPECT_EQ(cellstowindowend(), 1);

    window(0, 1, 80, 30);
    window(5, 5, 4, 9);
    cellrect w = getwindow();
    EXPECT_EQ(w.left, 10);
    EXPECT_EQ(w.right, 20);
    window(1, 1, 200, 50);
    w = getwindow();
    EXPECT_EQ(w.right, 80);
    EXPECT_EQ(w.bottom, 30);
}

TEST_F(screen, cursormoves)
{
    window(10, 5, 20, 8);
    gotoxy(11, 1);
    EXPECT_EQ(cursornext(), 1);
    EXPECT_EQ(wherex(), 10);
    EXPECT_EQ(wherey(), 6);
    EXPECT_EQ(cursorprev(), 1);
    EXPECT_EQ(wherex(), 20);
    EXPECT_EQ(wherey(), 5);
    gotoxy(1, 1);
    EXPECT_EQ(cursorprev(), 0);
    gotoxy(11, 4);
    EXPECT_EQ(cursornext(), 0);
    EXPECT_EQ(cursorrightn(0), 0);
    EXPECT_EQ(cursorrightn(100), 20 - 80);
    EXPECT_EQ(wherex(), 80);
    EXPECT_EQ(cursorupn(50), 1 - 5);
    EXPECT_EQ(cursordownn(50), 8 - 30);
}

TEST_F(screen, cputswrapsandscrollsatthewindowbottom)
{
    gotoxyabs(1, 30);
    cputs("previous");
    gotoxyabs(1, 30);
    std::string text(80, 'a');
    text += "bcdef";
    cputs(text.c_str());
    EXPECT_EQ(row(29), std::string(80, 'a'));
    EXPECT_EQ(row(30), "bcdef" + std::string(75, ' '));
    EXPECT_EQ(wherex(), 6);
    EXPECT_EQ(wherey(), 30);
}

TEST_F(screen, cputspendingwrapstartsonthenextlinewithoutscrolling)
{
    window(1, 1, 40, 10);
    gotoxy(1, 10);
    cputs("last");
    gotoxy(40, 9);
    cputs("x");  // cursor now one past the right edge of line 9
    EXPECT_EQ(wherex(), 41);
    cputs("yz");
    EXPECT_EQ(row(10).substr(0, 6), "yzst  ");
    EXPECT_EQ(row(9).substr(39, 1), "x");
}

TEST_F(screen, cputslinebreaksandnowrap)
{
    window(5, 2, 14, 4);
    cputs("ab\ncd\rXY\n\rline three");
    EXPECT_EQ(row(2).substr(4, 10), "ab        ");
    EXPECT_EQ(row(3).substr(4, 10), "XYcd      ");
    EXPECT_EQ(row(4).substr(4, 10), "line three");
    EXPECT_EQ(wherex(), 15);
    gotoxy(1, 1);
    nowrap();
    cputs("0123456789abcdef");
    EXPECT_EQ(row(2).substr(4, 11), "0123456789 ");
    EXPECT_EQ(wherex(), 15);
    cputs("");  // an empty text only clears the flag
    gotoxy(1, 2);
    cputs("0123456789ab");
    EXPECT_EQ(row(3).substr(4, 10), "0123456789");
}

TEST_F(screen, cprintfcutsatthesharedbuffer)
{
    std::string big(5000, 'q');
    EXPECT_EQ(cprintf("%s", big.c_str()), 2999);
    EXPECT_EQ(std::strlen(textbuffer()), 2999u);
}

TEST_F(screen, statestacklimit)
{
    EXPECT_EQ(popcursor(), 0);
    for (int i = 1; i <= 27; i++) {
        gotoxyabs(i, 2);
        textcolor(i % 20 + 1);
        ASSERT_EQ(pushcursor(), i);
    }
    EXPECT_EQ(pushcursor(), 0);
    gotoxyabs(70, 20);
    EXPECT_EQ(popcursor(), 27);
    EXPECT_EQ(wherex(), 27);
    EXPECT_EQ(gettextcolor(), 27 % 20 + 1);
}

TEST_F(screen, colourindicesoutsidethepaletteareignored)
{
    textcolor(4);
    textcolor(0);
    textcolor(21);
    textbackground(255);
    EXPECT_EQ(gettextcolor(), 4);
    EXPECT_EQ(getbkcolor(), 15);
}

TEST_F(screen, scrollingmovescellsandpixels)
{
    window(3, 3, 12, 8);
    gotoxy(1, 6);
    cputs("bottom");
    gotoxy(1, 1);
    cputs("top");
    gotoxyabs(3, 7);
    scrollup(2);
    EXPECT_EQ(row(6).substr(2, 6), "bottom");
    EXPECT_EQ(row(3).substr(2, 3), "   ");  // scrolled out
    EXPECT_EQ(wherey(), 5);
    std::vector<uint32_t> shown = pixels();
    scrollup(-1);
    EXPECT_EQ(row(7).substr(2, 6), "bottom");
    EXPECT_EQ(vscreen->cellat(3, 3)->kind, cellfill);
    scrollup(1);
    EXPECT_EQ(pixels(), shown);
    setpixels(0);
    redrawscreen();
    EXPECT_EQ(pixels(), shown);  // the grid holds everything shown
}

TEST_F(screen, clearingfillsthewindowfromthecursor)
{
    window(1, 1, 10, 5);
    for (int y = 1; y <= 5; y++) {
        gotoxy(1, y);
        cputs("xxxxxxxxxx");
    }
    gotoxy(4, 2);
    clreol(0, 3);
    EXPECT_EQ(row(2).substr(0, 10), "xxx   xxxx");
    clrline(4, 2);
    EXPECT_EQ(row(2).substr(0, 10), "xxx       ");
    EXPECT_EQ(row(3).substr(0, 10), "          ");
    EXPECT_EQ(row(4).substr(0, 10), "xxxxxxxxxx");
    EXPECT_EQ(vscreen->cellat(5, 2)->fillcolor(), 4);
    EXPECT_EQ(vscreen->cellat(5, 3)->fillcolor(), 15);  // lines below take the background
    EXPECT_EQ(wherex(), 4);
}

TEST_F(screen, writeatwrapsandstopsatthelastrow)
{
    writeat("ab\rc\nd", 79, 28, 0, 0);
    EXPECT_EQ(row(28).substr(78, 2), "ab");
    EXPECT_EQ(row(28).substr(0, 1), "c");
    EXPECT_EQ(row(29).substr(0, 2), " d");
    writeat("xyz", 80, 29, 4, 0);
    EXPECT_EQ(row(29)[79], 'x');
    EXPECT_EQ(row(30).substr(0, 2), "yz");
    writeat("pq", 80, 30, 0, 0);
    EXPECT_EQ(row(30)[79], 'p');
    EXPECT_EQ(row(1)[0], ' ');
    EXPECT_EQ(wherex(), 1);
    EXPECT_EQ(wherey(), 1);
    const screencell* c = vscreen->cellat(80, 29);
    EXPECT_EQ(c->textcolor(), 4);
    EXPECT_EQ(c->background(), 15);
}

TEST_F(screen, putcharsstepsandwraps)
{
    gotoxyabs(75, 1);
    putchars('*', 3, 5);
    EXPECT_EQ(row(1)[74], '*');
    EXPECT_EQ(row(1)[79], '*');
    EXPECT_EQ(row(2)[4], '*');
    EXPECT_EQ(wherex(), 5);
    EXPECT_EQ(wherey(), 2);
    gotoxyabs(80, 30);
    putchars('#', 5, 1);
    EXPECT_EQ(row(30)[79], '#');
    putch('z');
    EXPECT_EQ(wherex(), 80);
}

TEST_F(screen, recolorcellskeepscharacters)
{
    gotoxyabs(1, 1);
    cputs("ab");
    fillcells(3, 1, 3, 1, 2);
    recolorcells(1, 1, 3, 14, 1);
    EXPECT_EQ(vscreen->cellat(2, 1)->textcolor(), 14);
    EXPECT_EQ(vscreen->cellat(2, 1)->character(), 'b');
    EXPECT_EQ(vscreen->cellat(3, 1)->fillcolor(), 1);
    recolorcells(1, 1, 1, 14, 0);  // invalid colour: nothing
    EXPECT_EQ(vscreen->cellat(1, 1)->background(), 1);
}

TEST(strjoin, linesofexactwidth)
{
    struct {
        const char *left, *right;
        int width;
        const char* expected;
    } cases[] = {
        {"abc", "12", 6, "abc 12"},
        {"abcdef", "xy", 4, "abcd"},
        {"ab", "wxyz", 5, "abxyz"},
        {nullptr, "r", 3, "  r"},
        {"l", nullptr, 2, "l "},
    };
    for (auto& c : cases)
        EXPECT_STREQ(strjoin(c.left, c.right, c.width, nullptr), c.expected) << c.expected;
    char own[8];
    EXPECT_EQ(strjoin("a", "b", 3, own), own);
    EXPECT_EQ(strjoin("a", "b", 3000, nullptr), nullptr);
    EXPECT_EQ(std::strlen(strjoin("a", "b", 2999, nullptr)), 2999u);
}

TEST(fontoptions, fromthecommandline)
{
    clearrecordedreports();
    screeninit("-F OEM 20 9 -p n");
    ASSERT_EQ(recordedreports().size(), 1u);
    EXPECT_NE(recordedreports()[0].text.find("Found a total of 3 parameters instead."), std::string::npos);
    EXPECT_EQ(charheight(), 18);
    EXPECT_EQ(charwidth(), 10);

    clearrecordedreports();
    screeninit("/x foo -f ANSIX 14 7 700");
    EXPECT_TRUE(recordedreports().empty());
    EXPECT_EQ(smallcharheight(), 14);
    EXPECT_EQ(smallcharwidth(), 7);
    EXPECT_FALSE(graphicfont().oem());
    EXPECT_EQ(graphicfont().spec().weight, 700);
    EXPECT_TRUE(fontisoem());
    EXPECT_EQ(screenpixwidth(), 800);
    EXPECT_EQ(screenpixheight(), 540);

    screeninit("-F ANSI 16 8 400");
    EXPECT_TRUE(fontisansi());
    EXPECT_EQ(screenpixwidth(), 640);
    screeninit("");
}

TEST(getoption, collectswordsuntilthenextswitch)
{
    char* words[4];
    EXPECT_EQ(getoption('q', "-a b -c", 4, words), -1);
    ASSERT_EQ(getoption('c', "-a b /c one two -d three", 4, words), 2);
    EXPECT_STREQ(words[0], "one");
    EXPECT_STREQ(words[1], "two");
    std::free(words[0]);
    std::free(words[1]);
    EXPECT_EQ(getoption('a', "-a", 4, words), 0);
}

TEST_F(screen, pixelcellconversions)
{
    pixelpoint p = celltopixel(3, 2);
    EXPECT_EQ(p.x, 20);
    EXPECT_EQ(p.y, 18);
    cellpos c = pixeltocell(19, 18);
    EXPECT_EQ(c.x, 2);
    EXPECT_EQ(c.y, 2);
    cellrect t = pixelrecttocells(-5, 5, 805, 40);
    EXPECT_EQ(t.left, 1);
    EXPECT_EQ(t.right, 80);
    EXPECT_EQ(t.bottom, 3);
    cellrect in = pixelrecttoinnercells(5, 18, 29, 53);
    EXPECT_EQ(in.left, 2);
    EXPECT_EQ(in.top, 2);
    EXPECT_EQ(in.right, 3);
    EXPECT_EQ(in.bottom, 3);
}

TEST_F(screen, statusscreenpaintseachcellkindinitscolour)
{
    struct {
        cellkind kind;
        int colour;
    } cases[] = {{cellempty, 8}, {cellpixels, 12}, {cellfill, 2}};
    for (int i = 0; i < 3; i++)
        vscreen->cellat(i + 1, 1)->kind = cases[i].kind;
    gotoxy(4, 1);
    cputs("x");
    statusscreen();
    std::vector<uint32_t> shown = pixels();
    int width = 80 * charwidth();
    for (int i = 0; i < 3; i++) {
        pixelpoint p = celltopixel(i + 1, 1);
        EXPECT_EQ(shown[size_t(p.y + charheight() / 2) * width + p.x + charwidth() / 2], colorrgb(cases[i].colour))
            << "cell kind " << int(cases[i].kind);
    }
    EXPECT_EQ(row(1).substr(0, 4), "   x");  // the grid itself is unchanged
    EXPECT_EQ(vscreen->cellat(1, 1)->kind, cellempty);
}
