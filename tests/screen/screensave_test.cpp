#include "screenfixture.h"
#include "base/objcount.h"
#include "screen/graphics.h"
#include "screen/palette.h"
#include "screen/screensave.h"

using screensavetest = screenfixture;

TEST_F(screensavetest, rectanglesarecuttothescreen)
{
    {
        screensave all(-1, -1, -1, -1);
        cellrect r = all.area();
        EXPECT_EQ(r.left, 1);
        EXPECT_EQ(r.top, 1);
        EXPECT_EQ(r.right, 80);
        EXPECT_EQ(r.bottom, 30);
        EXPECT_TRUE(all.saved());
    }
    screensave one(5, 3, 2, 1);
    cellrect r = one.area();
    EXPECT_EQ(r.left, 5);
    EXPECT_EQ(r.top, 3);
    EXPECT_EQ(r.right, 5);
    EXPECT_EQ(r.bottom, 3);
    screensave none(0, 3, 9, 9);
    EXPECT_FALSE(none.saved());
    screensave pixels(15, 20, 34, 40, true);
    r = pixels.area();
    EXPECT_EQ(r.left, 2);
    EXPECT_EQ(r.top, 2);
    EXPECT_EQ(r.right, 4);
    EXPECT_EQ(r.bottom, 3);
}

TEST_F(screensavetest, nestedboxesrestorethescreenexactly)
{
    objcountreset();
    gotoxyabs(3, 4);
    cputs("text under the boxes");
    setdrawcolor(4);
    gmoveto(5, 60);
    glineto(300, 200);
    grectangle(100, 20, 180, 80);
    {
        screenlock lock;  // an empty cell showing pixels that the grid does not know
        vscreen->clearcell(*vscreen->cellat(35, 15));
        fillrect(lock.pixels(), {340, 252, 350, 270}, 0x123456);
    }
    textcolor(2);
    window(2, 2, 70, 28);
    gotoxy(4, 5);
    caretshow();
    flushcells();  // cells under the line now hold pixels
    std::vector<uint32_t> before = pixels();
    std::string text = screendump();
    {
        screensave outer(2, 2, 40, 20);
        textcolor(14);
        window(3, 3, 39, 19);
        clrwindow(1);
        cputs("outer box");
        carethide();
        {
            screensave inner(-1, 10, 60, -1);
            clrwindow(12);
            setdrawcolor(10);
            grectangle(5, 170, 590, 530);  // inside the inner box only
            caretshape(0);
        }
        EXPECT_EQ(getwindow().left, 3);
        EXPECT_FALSE(getcaret().on);
    }
    EXPECT_EQ(pixels(), before);
    EXPECT_EQ(screendump(), text);
    EXPECT_EQ(gettextcolor(), 2);
    EXPECT_EQ(getwindow().left, 2);
    EXPECT_EQ(wherex(), 5);
    EXPECT_TRUE(getcaret().on);
    EXPECT_EQ(getcaret().shape, 1);
    EXPECT_EQ(objcountstate().live, 0);
    setpixels(0);
    redrawscreen();
    EXPECT_EQ(pixels(), before);
}

TEST_F(screensavetest, recapturekeepsthenewcontent)
{
    gotoxyabs(1, 1);
    cputs("old");
    {
        screensave box(1, 1, 10, 1);
        gotoxyabs(1, 1);
        cputs("new");
        box.recapture();
        gotoxyabs(1, 1);
        cputs("box");
    }
    EXPECT_EQ(row(1).substr(0, 3), "new");
}

TEST_F(screensavetest, cellsoffthedesktopareclearedwhensaved)
{
    setclientorigin(1280 - 795, 0);  // the window's last column lies off the desktop
    setdrawcolor(4);
    gmoveto(0, 5);
    glineto(799, 5);
    flushcells();
    EXPECT_EQ(vscreen->cellat(80, 1)->kind, cellempty);
    EXPECT_EQ(vscreen->cellat(79, 1)->kind, cellpixels);
    setclientorigin(0, 0);
}
