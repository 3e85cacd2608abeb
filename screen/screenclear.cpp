// Clearing and scrolling.
#include <algorithm>
#include <cstdlib>

#include "screen/palette.h"
#include "screen/screen.h"
#include "screen/screenhost.h"
#include "screen/screenstate.h"
#include "screen/tgwscreen.h"

namespace {
int fillcolour(int colour)
{
    return colorvalid(colour) ? colour : scr.bg;
}

bool cursorinwindow()
{
    return scr.curx >= scr.winleft && scr.curx <= scr.winright && scr.cury >= scr.wintop && scr.cury <= scr.winbottom;
}
}

void fillcells(int x1, int y1, int x2, int y2, int colour)
{
    if (!cellvalid(x1, y1) || !cellvalid(x2, y2) || x2 < x1 || y2 < y1)
        return;
    colour = fillcolour(colour);
    screenlock lock;
    pixelrect r = cellrecttopixel(x1, y1, x2 + 1, y2 + 1);
    fillrect(lock.pixels(), r, colorrgb(colour));
    if (vscreen)
        for (int y = y1; y <= y2; y++)
            for (int x = x1; x <= x2; x++)
                vscreen->setfill(x, y, colour);
    screenchanged(r);
}

void clreol(int colour, int n)
{
    if (!cursorinwindow())
        return;
    int right = n > 0 ? std::min(scr.curx + n - 1, scr.winright) : scr.winright;
    fillcells(scr.curx, scr.cury, right, scr.cury, colour);
}

void clrline(int colour, int n)
{
    if (!cursorinwindow())
        return;
    clreol(colour, 0);
    int bottom = n > 0 ? std::min(scr.cury + n - 1, scr.winbottom) : scr.winbottom;
    if (bottom > scr.cury)
        fillcells(scr.winleft, scr.cury + 1, scr.winright, bottom, 0);
}

void clrscr(int colour)
{
    fillcells(1, 1, scr.cols, scr.rows, colour);
}

void clrwindow(int colour)
{
    fillcells(scr.winleft, scr.wintop, scr.winright, scr.winbottom, colour);
}

namespace {
// Moves the window's cells by n lines; saved pixels travel with them.
void movelines(int n)
{
    int h = scr.winbottom - scr.wintop + 1;
    if (std::abs(n) >= h || !vscreen)
        return;
    int first = n > 0 ? scr.wintop : scr.winbottom, last = n > 0 ? scr.winbottom - n : scr.wintop - n;
    int step = n > 0 ? 1 : -1;
    for (int y = first; y != last + step; y += step)
        for (int x = scr.winleft; x <= scr.winright; x++)
            vscreen->movecell(*vscreen->cellat(x, y + n), *vscreen->cellat(x, y));
}
}

void scrollup(int n)
{
    if (n == 0)
        return;
    {
        screenlock lock;
        // Pixels drawn over the window but not yet saved must move as saved cells.
        flushcells();
        pixelrect r = cellrecttopixel(scr.winleft, scr.wintop, scr.winright + 1, scr.winbottom + 1);
        scrollrect(lock.pixels(), r, -n * scr.cellh);
        movelines(n);
        screenchanged(r);
    }
    int h = scr.winbottom - scr.wintop + 1, k = std::min(std::abs(n), h);
    if (n > 0)
        fillcells(scr.winleft, scr.winbottom - k + 1, scr.winright, scr.winbottom, 0);
    else
        fillcells(scr.winleft, scr.wintop, scr.winright, scr.wintop + k - 1, 0);
    gotoxyabs(scr.curx, std::min(scr.winbottom, std::max(scr.wintop, scr.cury - n)));
}

void repaintmain()
{
    redrawscreen();
}
