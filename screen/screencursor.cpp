// Cursor, text window, state stack and colours.
#include <algorithm>

#include "screen/palette.h"
#include "screen/screen.h"
#include "screen/screenhost.h"
#include "screen/screenstate.h"

namespace {
bool inwindow(int x, int y)
{
    return x >= scr.winleft && x <= scr.winright && y >= scr.wintop && y <= scr.winbottom;
}
}

void window(int left, int top, int right, int bottom)
{
    right = std::min(right, scr.cols);
    bottom = std::min(bottom, scr.rows);
    if (left < 1 || top < 1 || right < left || bottom < top)
        return;
    scr.winleft = left;
    scr.wintop = top;
    scr.winright = right;
    scr.winbottom = bottom;
    gotoxyabs(left, top);
}

cellrect getwindow()
{
    return {scr.winleft, scr.wintop, scr.winright, scr.winbottom};
}

void gotoxyabs(int x, int y)
{
    if (x < 1 || x > scr.cols + 1 || y < 1 || y > scr.rows)
        return;
    scr.curx = x;
    scr.cury = y;
    if (scr.careton && scr.carethide == 0 && scr.caretfreeze == 0 && mainhasfocus())
        caretrequest(3029);
}

void gotoxy(int x, int y)
{
    int ax = x + scr.winleft - 1, ay = y + scr.wintop - 1;
    if (inwindow(ax, ay))
        gotoxyabs(ax, ay);
}

int wherex()
{
    return scr.curx;
}

int wherey()
{
    return scr.cury;
}

int wherexwin()
{
    return scr.curx - scr.winleft + 1;
}

int whereywin()
{
    return scr.cury - scr.wintop + 1;
}

int cellstowindowend()
{
    if (!inwindow(scr.curx, scr.cury))
        return 0;
    return (scr.winbottom - scr.cury) * (scr.winright - scr.winleft + 1) + scr.winright - scr.curx + 1;
}

int cursorrightn(int n)
{
    if (n < 1)
        return 0;
    gotoxyabs(std::min(scr.curx + n, scr.cols), scr.cury);
    return scr.winright - scr.curx;
}

int cursornext()
{
    if (scr.curx < scr.winright) {
        gotoxyabs(scr.curx + 1, scr.cury);
        return 1;
    }
    if (scr.cury >= scr.winbottom)
        return 0;
    gotoxyabs(scr.winleft, scr.cury + 1);
    return 1;
}

int cursorprev()
{
    if (scr.curx > scr.winleft) {
        gotoxyabs(scr.curx - 1, scr.cury);
        return 1;
    }
    if (scr.cury <= scr.wintop)
        return 0;
    gotoxyabs(scr.winright, scr.cury - 1);
    return 1;
}

int cursorupn(int n)
{
    if (n < 1)
        return 0;
    gotoxyabs(scr.curx, std::max(scr.cury - n, 1));
    return scr.cury - scr.wintop;
}

int cursordownn(int n)
{
    if (n < 1)
        return 0;
    gotoxyabs(scr.curx, std::min(scr.cury + n, scr.rows));
    return scr.winbottom - scr.cury;
}

bool newline()
{
    bool scrolled = false;
    int y = scr.cury + 1;
    if (scr.cury >= scr.winbottom) {
        scrollup(1);
        scrolled = true;
        y = scr.winbottom;
    }
    gotoxyabs(scr.winleft, y);
    return scrolled;
}

int newlineifneeded()
{
    if (scr.curx == scr.winleft)
        return 0;
    return newline() ? 2 : 1;
}

int pushcursor()
{
    if (scr.depth >= limits::cursorstackdepth)
        return 0;
    scr.stack[scr.depth++] = {scr.curx, scr.cury, scr.fg, scr.bg};
    return scr.depth;
}

int popcursor()
{
    if (scr.depth == 0)
        return 0;
    int before = scr.depth;
    const screenstate::saved& s = scr.stack[--scr.depth];
    gotoxyabs(s.x, s.y);
    scr.fg = s.fg;
    scr.bg = s.bg;
    return before;
}

void textcolor(int i)
{
    if (colorvalid(i))
        scr.fg = i;
}

void textbackground(int i)
{
    if (colorvalid(i))
        scr.bg = i;
}

int gettextcolor()
{
    return scr.fg;
}

int getbkcolor()
{
    return scr.bg;
}
