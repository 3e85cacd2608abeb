// Drawing the field of the edit under way.
#include <algorithm>
#include <string>

#include "screen/keys.h"
#include "screen/linestate.h"

linestate& edit()
{
    static linestate state;
    return state;
}

bool hasblock()
{
    const linestate& e = edit();
    return e.anchor[0] > 0 && e.anchor[1] > 0 && e.anchor[0] != e.anchor[1];
}

int blockstart()
{
    return std::min(edit().anchor[0], edit().anchor[1]);
}

int blockend()
{
    return std::max(edit().anchor[0], edit().anchor[1]);
}

void removeblock()
{
    linestate& e = edit();
    e.anchor[0] = e.anchor[1] = 0;
    e.marking = false;
}

cellpos fieldcell(int p)
{
    const linestate& e = edit();
    cellrect w = getwindow();
    int line = (p - 1) / e.width;
    return {w.left + p - 1 - line * e.width, w.top + e.startrow - 1 + line - e.topline};
}

namespace {

// Calls draw(first position, count, screen cell) for each field line of
// positions from..to that lies inside the window.
template <class Draw>
void eachline(int from, int to, Draw draw)
{
    const linestate& e = edit();
    cellrect w = getwindow();
    for (int p = from; p <= to;) {
        int last = std::min(to, ((p - 1) / e.width + 1) * e.width);
        cellpos c = fieldcell(p);
        if (c.y > w.bottom)
            return;
        if (c.y >= w.top)
            draw(p, last - p + 1, c);
        p = last + 1;
    }
}

void blank(int from, int to)
{
    int colour = edit().colors[2];
    eachline(from, to, [colour](int, int n, cellpos c) { fillcells(c.x, c.y, c.x + n - 1, c.y, colour); });
}

void drawtext(int from, int to, int ink, int paper)
{
    const char* text = edit().text.get();
    eachline(from, to, [text, ink, paper](int p, int n, cellpos c) {
        std::string line(text + p - 1, size_t(n));
        for (char& ch : line)
            if (ch == '\n' || ch == '\r')
                ch = ' ';
        writeat(line.c_str(), c.x, c.y, ink, paper);
    });
}

}  // namespace

void clearfield()
{
    blank(1, edit().maxlen);
}

bool followcursor()
{
    linestate& e = edit();
    cellrect w = getwindow();
    int shown = w.bottom - w.top + 2 - e.startrow;
    if (shown < 1)
        return false;
    int line = (std::min(e.cursor, e.maxlen) - 1) / e.width;
    int top = std::clamp(e.topline, line - shown + 1, line);
    if (top == e.topline)
        return false;
    e.topline = top;
    e.drawnlength = e.maxlen;   // blank what scrolled in
    return true;
}

void redrawfield()
{
    linestate& e = edit();
    followcursor();
    if (e.length < e.drawnlength)
        blank(e.length + 1, e.drawnlength);
    drawtext(1, e.length, e.fresh ? 7 : e.colors[0], e.fresh ? 4 : e.colors[1]);
    if (hasblock())
        drawtext(blockstart(), std::min(blockend() - 1, e.length), e.colors[3], e.colors[4]);
    e.drawnlength = e.length;
    e.undrawn = 0;
    placecursor();
}

void redrawsoon()
{
    linestate& e = edit();
    if (++e.undrawn < e.threshold && kbhit())
        return;
    redrawfield();
}

void placecursor()
{
    cellpos c = fieldcell(edit().cursor);
    cellrect w = getwindow();
    if (c.y >= w.top && c.y <= w.bottom)
        gotoxyabs(c.x, c.y);
}

void moveto(int p)
{
    linestate& e = edit();
    if (shiftdown()) {
        if (!e.marking)
            e.anchor[0] = e.cursor;
        e.marking = true;
        e.anchor[1] = p;
    } else {
        e.marking = false;
    }
    e.cursor = p;
}
