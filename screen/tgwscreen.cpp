#include "screen/tgwscreen.h"

#include <algorithm>

#include "base/limits.h"
#include "base/report.h"
#include "platform/core/fonts.h"
#include "screen/palette.h"
#include "screen/screen.h"
#include "screen/screenhost.h"

tgwscreen* vscreen = nullptr;

tgwscreen::tgwscreen(int columns, int rows, int stackdepth, int cellwidth, int cellheight)
    : cols(columns), nrows(rows), depth(stackdepth), cells(size_t(columns) * rows), stackx(stackdepth),
      stacky(stackdepth), pixels(cellwidth, cellheight, limits::pixelslotsperpage, limits::pixelpagesmax)
{
}

screencell* tgwscreen::cellat(int x, int y)
{
    if (x < 1 || x > cols || y < 1 || y > nrows)
        return nullptr;
    return &cells[size_t(y - 1) * cols + x - 1];
}

void tgwscreen::clearcell(screencell& c)
{
    if (c.kind == cellpixels)
        pixels.releasehandle(c.handle());
    c.kind = cellempty;
    c.content = 0;
}

void tgwscreen::setchar(int x, int y, unsigned char ch, int textcolour, int background)
{
    if (screencell* c = cellat(x, y)) {
        clearcell(*c);
        c->kind = cellchar;
        c->content = screencell::charcontent(ch, textcolour, background);
    }
}

void tgwscreen::setfill(int x, int y, int colour)
{
    if (screencell* c = cellat(x, y)) {
        clearcell(*c);
        c->kind = cellfill;
        c->content = uint32_t(colour);
    }
}

void tgwscreen::movecell(screencell& from, screencell& to)
{
    if (&from == &to)
        return;
    if (to.kind == cellpixels)
        pixels.releasehandle(to.handle());
    to.kind = from.kind;
    to.content = from.content;
    if (from.kind == cellpixels) {
        from.kind = cellempty;
        from.content = 0;
    }
}

bool tgwscreen::savecell(screencell& c, int x, int y)
{
    if (!cellonscreen(x, y)) {
        clearcell(c);
        return true;
    }
    if (c.kind != cellpixels) {
        long h = pixels.newhandle();
        if (h == 0)
            return false;
        c.kind = cellpixels;
        c.content = uint32_t(h);
    }
    return pixels.save(c.handle(), x, y);
}

void tgwscreen::drawcell(const screencell& c, int x, int y)
{
    const canvas* t = pixels.target;
    if (!t)
        return;
    int w = charwidth(), h = charheight();
    int px = (x - 1) * w, py = (y - 1) * h;
    switch (c.kind) {
    case cellchar: {
        unsigned char ch = c.character();
        drawtext(*t, px, py, textfont(), &ch, 1, colorrgb(c.textcolor()), colorrgb(c.background()));
        break;
    }
    case cellpixels:
        pixels.load(c.handle(), x, y);
        break;
    case cellfill:
        fillrect(*t, {px, py, px + w, py + h}, colorrgb(c.fillcolor()));
        break;
    default:
        break;
    }
}

void tgwscreen::markdirty(int x, int y)
{
    screencell* c = cellat(x, y);
    if (!c || c->dirty)
        return;
    c->dirty = 1;
    stackx[stackcount] = short(x);
    stacky[stackcount] = short(y);
    if (++stackcount >= depth)
        flushcells();
}

void tgwscreen::flushcells()
{
    screenlock lock;
    pixels.target = &lock.pixels();
    while (stackcount > 0) {
        stackcount--;
        int x = stackx[stackcount], y = stacky[stackcount];
        screencell* c = cellat(x, y);
        savecell(*c, x, y);
        c->dirty = 0;
    }
    pixels.target = nullptr;
}

void tgwscreen::repaintrect(int x1, int y1, int x2, int y2, const canvas* context)
{
    x1 = std::max(x1, 1);
    y1 = std::max(y1, 1);
    x2 = std::min(x2, cols);
    y2 = std::min(y2, nrows);
    if (x2 < x1 || y2 < y1 || cells.empty())
        return;
    screenlock lock;
    pixels.target = context ? context : &lock.pixels();
    for (int y = y1; y <= y2; y++)
        for (int x = x1; x <= x2; x++)
            drawcell(*cellat(x, y), x, y);
    pixels.target = nullptr;
    if (!context)
        screenchanged(cellrecttopixel(x1, y1, x2 + 1, y2 + 1));
}

bool tgwscreen::snapshot(int x1, int y1, int x2, int y2)
{
    x1 = std::max(x1, 1);
    y1 = std::max(y1, 1);
    x2 = std::min(x2, cols);
    y2 = std::min(y2, nrows);
    if (x2 < x1 || y2 < y1 || cells.empty())
        return false;
    screenlock lock;
    pixels.target = &lock.pixels();
    bool ok = true;
    for (int y = y1; y <= y2 && ok; y++)
        for (int x = x1; x <= x2 && ok; x++)
            if (!savecell(*cellat(x, y), x, y)) {
                reportf(reportkind::message, "tgwscreen::snapshot fails at i=%d, j=%d", x, y);
                error = true;
                ok = false;
            }
    pixels.target = nullptr;
    return ok;
}

void tgwscreen::saveemptycells(int x1, int y1, int x2, int y2)
{
    x1 = std::max(x1, 1);
    y1 = std::max(y1, 1);
    x2 = std::min(x2, cols);
    y2 = std::min(y2, nrows);
    screenlock lock;
    pixels.target = &lock.pixels();
    for (int y = y1; y <= y2; y++)
        for (int x = x1; x <= x2; x++) {
            screencell* c = cellat(x, y);
            if (c->kind == cellempty)
                savecell(*c, x, y);
        }
    pixels.target = nullptr;
}

void tgwscreen::clearcells()
{
    stackcount = 0;
    for (screencell& c : cells) {
        clearcell(c);
        c.dirty = 0;
    }
}

void tgwscreen::statusscreen()
{
    screenlock lock;
    pixels.target = &lock.pixels();
    for (int y = 1; y <= nrows; y++)
        for (int x = 1; x <= cols; x++) {
            screencell c = *cellat(x, y);
            static const int kindcolour[] = {8, 0, 12, 2};
            if (c.kind != cellchar) {
                c.content = uint32_t(kindcolour[c.kind]);
                c.kind = cellfill;
            }
            drawcell(c, x, y);
        }
    pixels.target = nullptr;
    screenchanged({0, 0, screenpixwidth(), screenpixheight()});
}

void screencreate()
{
    screenlock lock;
    delete vscreen;
    vscreen = new tgwscreen(screencols(), screenrows(), limits::dirtystackdepth, charwidth(), charheight());
}

void screendestroy()
{
    screenlock lock;
    delete vscreen;
    vscreen = nullptr;
}

bool savecell(screencell& c, int x, int y)
{
    return vscreen && vscreen->savecell(c, x, y);
}

void drawcell(const screencell& c, int x, int y)
{
    if (vscreen)
        vscreen->drawcell(c, x, y);
}

void markdirty(int x, int y)
{
    if (vscreen)
        vscreen->markdirty(x, y);
}

void flushcells()
{
    if (vscreen)
        vscreen->flushcells();
}

void repaintrect(int x1, int y1, int x2, int y2, const canvas* context)
{
    if (vscreen)
        vscreen->repaintrect(x1, y1, x2, y2, context);
}

void redrawscreen(const canvas* context)
{
    if (vscreen)
        vscreen->repaintrect(1, 1, vscreen->columns(), vscreen->rows(), context);
}

void saveemptycells(int x1, int y1, int x2, int y2)
{
    if (vscreen)
        vscreen->saveemptycells(x1, y1, x2, y2);
}

void clearcells()
{
    if (vscreen)
        vscreen->clearcells();
}

void statusscreen()
{
    if (vscreen)
        vscreen->statusscreen();
}
